#pragma once

// What the learner is told: the feedback after a check and the score.

#include "learner/review.h"
#include "pages/practice/judging.h"

#include <QString>

#include <optional>

namespace practice {

// What the learner is asked for when an answer has nothing to judge: text
// that is no number, or a number that is not above zero.
inline constexpr QStringView kNumberRequest = u"저항값을 0보다 큰 숫자로 입력하십시오. 예: 4.7";

// A wrong value whose slip has no name.
inline constexpr QStringView kValueWrong = u"저항값이 틀렸습니다.";

// What the learner is told after a check: a first line that starts with
// "정답" or "오답" and names the slip, and on the last line the working of the
// question (colorcode::readingWorking): how its right answer comes from
// its bands. With nothing to judge, a short request alone.
QString feedback(const Resistor &question, Kind kind, const std::optional<Judgement> &judgement);

// "맞힌 문제 3 / 5 · 연속 정답 2"
QString scoreText(const Score &score);

// What the learner is asked to do for a kind of question.
QStringView instruction(Kind kind);

// A question in words, for a learner who cannot see the drawing: a read
// question names its bands in order with their roles ("제1색띠 노랑, 제2색띠
// 보라, 승수 적색, 허용오차 금색"); a pick question is its instruction and
// the stated value.
QString questionInWords(const Resistor &question, Kind kind);

} // namespace practice
