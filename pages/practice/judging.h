#pragma once

// Judging an answer: right or wrong, and the classic slip behind a wrong
// one.

#include "pages/practice/question.h"

#include <optional>

namespace practice {

// The classic slips a wrong answer is checked for, in the order they are
// looked for; where one answer fits two, the first is named.
enum class Mistake {
    None,       // right, or wrong in no way named here
    Reversed,   // read from the wrong end: the multiplier band taken as the first digit
    FiveAsFour, // a 5-band resistor read as a 4-band one: the third digit taken as the multiplier
    NeighbourColour,  // one digit band taken for a colour beside it: brown/red/orange, blue/violet,
                      // grey/white
    PowerOfTen,       // the digits right, the power of ten wrong: a multiplier or unit slip
    ToleranceOnly,    // the value right, only the tolerance wrong
    LastDigitAsDigit, // an SMD marking's last digit read as a digit, not as the count of zeros
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

} // namespace practice
