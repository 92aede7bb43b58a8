#pragma once

// The questions of a printed worksheet and the answers of its key: the
// practice's own questions, read ones first, then pick ones, none twice, and
// when the learner asks for it, mostly ones that show the colours they often
// miss.

#include "learner/question.h"
#include "learner/schedule.h"

#include <QString>

#include <random>
#include <span>
#include <vector>

namespace practice {

// How many questions a sheet can hold, and the count it starts with.
inline constexpr int kWorksheetFewest = 10;
inline constexpr int kWorksheetMost = 40;
inline constexpr int kWorksheetDefault = 20;

struct WorksheetQuestion {
    Resistor resistor;
    Kind kind = Kind::Read;
    friend bool operator==(const WorksheetQuestion &, const WorksheetQuestion &) = default;
};

// Which kinds a sheet asks; with both, half of each (the odd one a read
// question), the read ones first so each kind is explained once on paper.
struct WorksheetKinds {
    bool read = true;
    bool write = true;
};

// `count` questions of the asked kinds, none the same resistor twice. With
// `weakDigits` (digits 0 to 9 whose colours the learner often misses), three
// in four questions show at least one of those colours on a value band (a
// digit or the multiplier); the rest keep the usual mix so a sheet is never
// all the hard ones. An empty list gives the usual mix. No kind asked, no
// questions. The same seed gives the same sheet.
std::vector<WorksheetQuestion> worksheetQuestions(int count, WorksheetKinds kinds,
                                                  std::mt19937 &random,
                                                  std::span<const int> weakDigits = {});

// The digits whose colours the learner often misses, from the skills: a
// colour asked as a digit or a multiplier and missed at least once, whose
// skill has not yet climbed past the first box, the weakest first. None for
// a learner with no misses.
std::vector<int> weakDigits(const SkillStates &states);

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
