#pragma once

// The questions of a printed worksheet and the answers of its key: the
// practice's own questions, read ones first, then pick ones, then SMD
// markings, none twice, and when the learner asks for it, mostly ones that
// show the colours they often miss. A sheet's code holds all it was made
// from, so the same code makes the same sheet again; and the rule that
// spreads the questions over the pages.

#include "learner/markingquestion.h"
#include "learner/question.h"
#include "learner/schedule.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <random>
#include <span>
#include <variant>
#include <vector>

namespace practice {

// How many questions a sheet can hold, and the count it starts with.
inline constexpr int kWorksheetFewest = 10;
inline constexpr int kWorksheetMost = 40;
inline constexpr int kWorksheetDefault = 20;

// A read or pick question is its resistor; a marking question is its chip.
struct WorksheetQuestion {
    Resistor resistor;
    Kind kind = Kind::Read;
    smd::MarkingQuestion marking;
    friend bool operator==(const WorksheetQuestion &, const WorksheetQuestion &) = default;
};

// Which kinds a sheet asks, in equal shares (the odd ones go to the kinds
// listed first), each kind together and in this order, so each is explained
// once on paper.
struct WorksheetKinds {
    bool read = true;
    bool write = true;
    bool marking = false;
    friend bool operator==(const WorksheetKinds &, const WorksheetKinds &) = default;
};

// `count` questions of the asked kinds, none the same resistor or marking
// twice. With `weakDigits` (digits 0 to 9 whose colours the learner often
// misses), three in four band questions show at least one of those colours
// on a value band (a digit or the multiplier); the rest keep the usual mix so
// a sheet is never all the hard ones. An empty list gives the usual mix.
// `commonOnly` keeps to the values a beginner meets first: E12 values from
// 10Ω to 1MΩ, ±5% or ±10% on 4 bands, ±1% or ±2% on 5, markings of three
// or four digits. No kind asked, no questions. The same seed gives the same
// sheet.
std::vector<WorksheetQuestion> worksheetQuestions(int count, WorksheetKinds kinds,
                                                  std::mt19937 &random,
                                                  std::span<const int> weakDigits = {},
                                                  bool commonOnly = false);

// All a sheet is made from. The seed has kSheetSeedBits bits; weak colours
// are a digit's bit each (bit 7 for violet).
inline constexpr int kSheetSeedBits = 26;
struct WorksheetRecipe {
    std::uint32_t seed = 0;
    int count = kWorksheetDefault;
    WorksheetKinds kinds;
    bool commonOnly = false;
    std::uint16_t weakColours = 0;
    friend bool operator==(const WorksheetRecipe &, const WorksheetRecipe &) = default;
};

// The sheet of a recipe.
std::vector<WorksheetQuestion> worksheetQuestions(const WorksheetRecipe &recipe);

// The weak colours' bits of a list of digits, and back, rising.
std::uint16_t colourBits(std::span<const int> digits);
std::vector<int> digitsOfBits(std::uint16_t bits);

// The code printed on a sheet and its key: ten characters of digits and
// capitals without I, L, O and U, in two groups of five ("006M9-XD3FP"),
// the last a check that catches one character mistyped and nearly every
// pair of neighbours swapped.
QString sheetCode(const WorksheetRecipe &recipe);

enum class CodeRefusal {
    WrongLength,      // not ten characters, blanks and hyphens aside
    ForeignCharacter, // a character no code uses: "006M9-XD3F!"
    Mistyped,         // the check does not agree: a character copied wrong
    NotASheet,        // checks, but holds no count or kinds a sheet has
};

// The recipe of a typed code: blanks and hyphens anywhere are ignored,
// small letters read as capitals, I and L as 1, O as 0.
std::variant<WorksheetRecipe, CodeRefusal> readSheetCode(QStringView text);

// What is wrong with a typed code, and what one looks like.
QString codeRefusalMessage(CodeRefusal refusal);

// The room on a page, in any one unit: the height below the page's own
// header and above its footer, a kind's heading and a row of two questions.
struct WorksheetRoom {
    double page = 0;
    double heading = 0;
    double row = 0;
};

// How many questions stand on each page. Questions go two to a row, a row
// holding one kind only; a row that starts a kind or a page carries the
// kind's heading. The sheet takes as few pages as it can, and its rows are
// spread over them as evenly as they allow: 20 rows of which 6 fit a page
// go 5, 5, 5, 5, never 6, 6, 6, 2; 21 go 6, 5, 5, 5.
std::vector<int> questionsPerPage(std::span<const WorksheetQuestion> questions,
                                  const WorksheetRoom &room);

// The digits whose colours the learner often misses, from the skills: a
// colour asked as a digit or a multiplier and missed at least once, whose
// skill has not yet climbed past the first box, the weakest first. None for
// a learner with no misses.
std::vector<int> weakDigits(const SkillStates &states);

// The digits whose colours a class often misses: each pupil's weakDigits,
// the colours the most pupils miss first.
std::vector<int> classWeakDigits(std::span<const SkillStates> pupils);

// Whether a value band of the resistor (digit or multiplier) shows one of
// the colours of `digits`.
bool showsDigitColour(const Resistor &resistor, std::span<const int> digits);

// The key's answer: a read question's value and tolerance as the pages
// write them ("4.7KΩ ±5%"); a pick question's band colours in order, the
// tolerance band last ("노랑, 보라, 적색, 금색"), or that it has none.
QString worksheetAnswer(const WorksheetQuestion &question);

// How the answer comes from the bands (colorcode::readingWorking), the
// same for both kinds.
QString worksheetWorking(const WorksheetQuestion &question);

} // namespace practice
