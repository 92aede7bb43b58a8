#pragma once

// The practice: the learner reads the bands of a drawn resistor, or picks the
// bands of a stated value; the rules here judge the answer, name the classic
// slip behind a wrong one, keep the score and bring a missed question back a
// few questions later. Plain values and functions over Qt Core: the practice
// dialog reads its controls, calls one of these and writes the result back.

#include "colorcode/colortables.h"
#include "colorcode/resistance.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <random>
#include <vector>

namespace practice {

// How a question is put: read the drawn bands and give the value and the
// tolerance, or pick the bands of a stated value and tolerance.
enum class Kind { Read, Write };

// A resistor as its bands spell it: the value bands (two digits on a 4-band
// resistor, three on a 5-band one, then the multiplier) and the tolerance
// band. Every question is one, and so are the learner's picks.
struct Resistor {
    colorcode::Resistance value;
    const colorcode::ToleranceEntry *tolerance = &colorcode::kTolerances[0];

    colorcode::BandCount bands() const
    {
        return value.digitCount == 3 ? colorcode::BandCount::Five : colorcode::BandCount::Four;
    }
    friend bool operator==(const Resistor &, const Resistor &) = default;
};

// A question from the parts a learner meets: 4-band values of the E24 series
// with ±5% or ±10% (now and then ±20%), 5-band values of the E96 series with
// ±1% or ±2% (now and then a precision tolerance), two in five of them
// 5-band, multipliers ×1 to ×10⁶. The same seed gives the same questions.
Resistor randomQuestion(std::mt19937 &random);

// The classic slips a wrong answer is checked for, in the order they are
// looked for; where one answer fits two, the first is named.
enum class Mistake {
    None,       // right, or wrong in no way named here
    Reversed,   // read from the wrong end: the multiplier band taken as the first digit
    FiveAsFour, // a 5-band resistor read as a 4-band one: the third digit taken as the multiplier
    NeighbourColour, // one digit band taken for a colour beside it: brown/red/orange, blue/violet,
                     // grey/white
    PowerOfTen,      // the digits right, the power of ten wrong: a multiplier or unit slip
    ToleranceOnly,   // the value right, only the tolerance wrong
};

struct Judgement {
    bool right = false;
    Mistake mistake = Mistake::None;
    bool toleranceRight = true;
    // NeighbourColour only: the digit band (0 the first), the digit the
    // question has there and the one the learner took for it.
    int band = 0;
    int rightDigit = 0;
    int takenDigit = 0;
};

// A reading of a drawn question: the number as typed (blanks around it
// allowed), its unit (one of colorcode::kUnitList) and the tolerance text.
// Any unit is right when the value is: 4.7 KΩ, 4700 Ω and 0.0047 MΩ are one
// answer. nullopt when there is nothing to judge: the number is not a plain
// decimal number, or the unit is none of the list.
std::optional<Judgement> judgeReading(const Resistor &question, QStringView number,
                                      QStringView unit, QStringView tolerance);

// The bands picked for a stated question. They are right when they spell its
// value and tolerance; a leading black band spells the same value as the
// bands without it, as on the colour-to-value page.
Judgement judgeWriting(const Resistor &question, const Resistor &picked);

// The resistor the band lists spell: digit item texts ("4 노랑"; `third`
// counts on a 5-band resistor only), a multiplier item text ("0 검정" to
// "6 파랑") and a tolerance band by its colour word ("금색", "없음").
// nullopt when a text is none of its list's entries.
std::optional<Resistor> pickedResistor(colorcode::BandCount bands, QStringView first,
                                       QStringView second, QStringView third,
                                       QStringView multiplier, QStringView toleranceWord);

// A write question as the pages write a value and its tolerance: "4.7KΩ ±5%",
// "272KΩ ±1%".
QString statedValue(const Resistor &question);

// What the learner is told after a check: a first line that starts with
// "정답" or "오답" and names the slip, and on the last line the working of the
// question (colortovalue::readingWorking): how its right answer comes from
// its bands. With nothing to judge, a short request alone.
QString feedback(const Resistor &question, Kind kind, const std::optional<Judgement> &judgement);

// The entries of the practice's lists: the nine tolerance texts (4-band ones
// first, as on the colour-to-value page) and the tolerance bands by colour
// word, in the order of colorcode::kTolerances.
QStringList toleranceTexts();
QStringList toleranceWords();

// One band of the drawing: shown at all, painted (false: the tolerance band
// that is not there), its colour in the colour-to-value palette, and its
// role, which starts its description.
struct DrawnBand {
    bool shown = true;
    bool filled = true;
    colorcode::ColorCode color = colorcode::kBlack;
    QStringView role;
};

// The five bands of the drawing for a resistor. A 4-band one uses the first,
// second and third band (the multiplier) and the fifth, the fourth hidden;
// a 5-band one uses all five.
std::array<DrawnBand, 5> drawnBands(const Resistor &resistor);

// Right answers out of the questions so far, a skipped question counted as
// asked; the streak is the right answers in a row, which a skip leaves as it
// is (it is no miss).
struct Score {
    int right = 0;
    int asked = 0;
    int streak = 0;
};

// "맞힌 문제 3 / 5 · 연속 정답 2"
QString scoreText(const Score &score);

// A missed question comes back within this many questions, again and again
// until it is answered right; never as the very next one, which would only
// test whether the learner remembers the working just shown.
inline constexpr int kComesBackWithin = 5;
inline constexpr int kComesBackAfter = 2;

// The missed questions waiting to come back.
struct Review {
    struct Pending {
        Resistor question;
        int askedSince = 0; // questions asked since it was last asked
    };
    std::vector<Pending> pending;
};

// The next question: a missed one when it is due (now and then earlier), a
// new one otherwise.
Resistor pickNext(Review &review, std::mt19937 &random);

// A judged question leaves the review when it was answered right and joins
// it (or stays) when it was missed.
void remember(Review &review, const Resistor &question, bool right);

// A run of practice: the score, the missed questions and the question on
// screen. It lives while the program runs; nothing of it is written anywhere.
struct Session {
    Score score;
    Review review;
    std::optional<Resistor> current;
    bool judged = false; // the current question has been answered and scored
};

// Moves on to the next question; a current one not yet judged counts as
// asked, not as missed.
const Resistor &nextQuestion(Session &session, std::mt19937 &random);

// Scores the judgement of the current question, once.
void record(Session &session, const Judgement &judgement);

} // namespace practice
