#pragma once

// Korean sentences that several pages and dialogs say, each written once
// here, so the learner meets one wording for one thing wherever it is said.

#include "colorcode/resistance.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace colorcode {

// An empty value entry: "저항값을 입력하세요. 예: 4.7KΩ".
QString enterValueSentence();

// A unit that is none of the list's: "단위는 Ω, KΩ, MΩ 가운데 하나를 고르세요."
QString pickUnitSentence();

// A typed value with more significant digits than bands or a marking
// spell: "4.753KΩ은 유효숫자가 4자리 이상입니다. 색띠와 표시는 유효숫자
// 3자리까지 나타냅니다."
QString tooManyDigitsSentence(QStringView typed);

// A file that could not be written: "연습지를 저장하지 못했습니다:" and the
// path, then what to try. `what` is the thing saved, without its particle.
QString saveFailedSentence(QStringView what, QStringView path);

// The code a real resistor of below 10 Ω carries, two digits and a gold
// (×0.1) or silver (×0.01) multiplier: "실제 저항에는 주황, 검정, 금색" for
// 3 Ω. Nothing for a value of 10 Ω or more, of 0 Ω, or below 0.1 Ω, which no
// colour code spells.
std::optional<QString> realCodeBelowTen(double ohms);

} // namespace colorcode
