#pragma once

// The practice's questions: a resistor as its bands spell it, drawn from the
// parts a learner meets, and the lists its answers are picked from.

#include "colorcode/colortables.h"
#include "colorcode/resistance.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <random>

namespace practice {

// How a question is put: read the drawn bands and give the value and the
// tolerance, pick the bands of a stated value and tolerance, or read the
// marking printed on an SMD chip (pages/practice/markingpractice.h).
enum class Kind { Read, Write, Marking };

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

// A question as the practice keeps it, whatever its kind: the resistor it is
// about (the bands drawn or stated; for a marking, the value it writes, the
// tolerance unused) and, for a marking question, the marking on the chip and
// its form (smd::Form as a number).
struct Question {
    Resistor resistor;
    QString marking;
    int form = 0;
    friend bool operator==(const Question &, const Question &) = default;
};

// A question from the parts a learner meets: 4-band values of the E24 series
// with ±5% or ±10% (now and then ±20%), 5-band values of the E96 series with
// ±1% or ±2% (now and then a precision tolerance), two in five of them
// 5-band, multipliers ×1 to ×10⁶. The same seed gives the same questions.
Resistor randomQuestion(std::mt19937 &random);

// A write question as the pages write a value and its tolerance: "4.7KΩ ±5%",
// "272KΩ ±1%".
QString statedValue(const Resistor &question);

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

// A number in 0 … n−1 straight from the generator, so a seed gives the same
// questions with every standard library.
int below(std::mt19937 &random, std::size_t n);

} // namespace practice
