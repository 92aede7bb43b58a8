#pragma once

// How a value comes from its bands, in words, for the learner: the working
// line of the colour-to-value page and the practice's answers.

#include "colorcode/resistance.h"
#include "colorcode/tempco.h"

#include <QString>
#include <QStringView>

namespace colorcode {

// "노랑 4, 보라 7 → 47 × 10² = 4700Ω = 4.7KΩ, 허용오차 ±5%": each digit band
// with its digit, the digits joined and multiplied out, the value as the page
// writes it, and the tolerance (left out when empty).
QString readingWorking(const colorcode::Resistance &value, QStringView tolerance);

// The working line the page shows for its result: the reading, then on a
// 6-band resistor what its temperature coefficient means (`tempco`, nullptr
// on 4- and 5-band ones), then the series that hold the value. The practice
// keeps to readingWorking alone.
QString resultWorking(const colorcode::Resistance &value, QStringView tolerance,
                      const colorcode::TempcoEntry *tempco);

} // namespace colorcode
