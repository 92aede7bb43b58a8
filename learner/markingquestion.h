#pragma once

// An SMD marking question as the practice and the worksheet ask it: the
// marking printed on a chip and the value it stands for, drawn from the
// markings chips carry. The practice judges the answers
// (pages/practice/markingpractice.h).

#include "colorcode/marking.h"
#include "colorcode/resistance.h"

#include <QString>

#include <random>

namespace smd {

struct MarkingQuestion {
    Form form = Form::ThreeDigit; // the skill the question trains
    QString marking;              // printed on the chip: "472"
    colorcode::Resistance value;  // the right answer

    friend bool operator==(const MarkingQuestion &, const MarkingQuestion &) = default;
};

// A marking of `form` as chips carry them: 3-digit codes of E24 values from
// 10Ω to 9.1MΩ, 4-digit codes of E96 values from 100Ω to 9.76MΩ, R forms
// of E24 and E96 values below 10Ω ("4R7", "R22", "4R99"), and EIA-96 codes
// of E96 values from 10Ω to 9.76MΩ with their usual letters. None of them
// is read both ways; the jumper, which no question asks, gives a 3-digit
// code.
MarkingQuestion markingQuestion(Form form, std::mt19937 &random);

// A marking of a form drawn as chips carry them: the digit codes most, the
// R forms and EIA-96 codes now and then. The same seed gives the same
// questions.
MarkingQuestion randomMarkingQuestion(std::mt19937 &random);

} // namespace smd
