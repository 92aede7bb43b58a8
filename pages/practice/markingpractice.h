#pragma once

// The practice's SMD questions: a chip with a realistic marking whose value
// the learner types, judged with the one slip beginners make most with
// digit markings. Plain values and functions over Qt Core, as the band
// questions' rules are; the practice dialog shows the marking on a chip and
// calls these.

#include "colorcode/marking.h"
#include "colorcode/resistance.h"
#include "learner/judgement.h"
#include "learner/markingquestion.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace smd {

// An answer: the number as typed (blanks around it allowed) and its unit,
// one of "Ω", "KΩ", "MΩ"; any unit is right when the value is. A wrong
// one may show practice::Mistake::LastDigitAsDigit: the last digit read as
// one more digit of the value instead of the count of zeros, "472" answered
// 472Ω. nullopt when there is nothing to judge: the number is not a plain
// decimal number above zero, or the unit none of the three.
std::optional<practice::Judgement> judgeMarkingAnswer(const MarkingQuestion &question,
                                                      QStringView number, QStringView unit);

// The sentence that names a slip for the learner; empty for none.
QString slipSentence(const MarkingQuestion &question, practice::Mistake slip);

// What the learner is told after a check: a first line that starts with
// "정답" or "오답" and names the slip, and the working of the marking on the
// last line. With nothing to judge, a short request alone.
QString markingFeedback(const MarkingQuestion &question,
                        const std::optional<practice::Judgement> &judgement);

} // namespace smd
