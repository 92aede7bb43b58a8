#pragma once

// The resistance readout of the colour-to-value page: the digits kept in the
// page's hidden holders and the multiplier exponent become a text such as
// "4.7KΩ".

#include <QString>
#include <QStringView>

#include <optional>

namespace colortovalue {

// How many bands the resistor on the page has: two digits (4-band) or three
// (5-band), then the multiplier and the tolerance.
enum class BandCount { Four, Five };

// The readout of the holder texts: the digit texts are joined in band order
// (`third` only on a 5-band resistor; leading zeros vanish, so 0, 4, 7 reads
// 47), multiplied by ten to the `exponent`, and shown with the unit that its
// number of characters picks: "4.7KΩ", "470Ω", "999MΩ", "0Ω". nullopt when a
// holder does not hold a number or the value is too long for any unit; the
// lists on the page cannot produce either.
std::optional<QString> resistanceReadout(BandCount bands, QStringView first, QStringView second,
                                         QStringView third, QStringView exponent);

} // namespace colortovalue
