#pragma once

// Judging a band answer: right or wrong, and the classic slip behind a
// wrong one (learner/judgement.h).

#include "learner/judgement.h"
#include "learner/question.h"

#include <optional>

namespace practice {

// A reading of a drawn question: the number as typed (blanks around it
// allowed), its unit (one of colorcode::kUnitList) and the tolerance text.
// Any unit is right when the value is: 4.7 KΩ, 4700 Ω and 0.0047 MΩ are one
// answer. nullopt when there is nothing to judge: the number is not a plain
// decimal number above zero, or the unit is none of the list.
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
