#pragma once

// How a value comes from its bands, in words, for the learner: the working
// line of the colour-to-value page and the practice's answers.

#include "colorcode/resistance.h"

#include <QString>
#include <QStringView>

namespace colortovalue {

// "노랑 4, 보라 7 → 47 × 10² = 4700Ω = 4.7KΩ, 허용오차 ±5%": each digit band
// with its digit, the digits joined and multiplied out, the value as the page
// writes it, and the tolerance (left out when empty).
QString readingWorking(const colorcode::Resistance &value, QStringView tolerance);

} // namespace colortovalue
