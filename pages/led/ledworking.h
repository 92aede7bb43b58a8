#pragma once

// How the LED page came to its resistor, in words, for the learner's working
// line; after a refusal, why there is no code.

#include "pages/led/ledcalc.h"

#include <QString>
#include <QStringView>

namespace led {

// "(9V − 2.1V) ÷ 20mA = 345Ω → 유효숫자 두 자리: 350Ω → 주황, 초록, 갈색",
// from the texts the calculation read and its outcome. Below 10Ω it adds the
// code a real resistor carries ("실제 저항에는 주황, 검정, 금색"); for 0Ω,
// why there is no room for a resistor.
QString ledWorking(QStringView supply, QStringView ledVoltage, QStringView current,
                   const Outcome &outcome);

} // namespace led
