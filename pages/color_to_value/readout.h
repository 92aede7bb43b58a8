#pragma once

// The resistance readout of the colour-to-value page: the digits kept in the
// page's hidden holders and the multiplier exponent become a text such as
// "4.7KΩ".

#include "colorcode/colortables.h"
#include "colorcode/resistance.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace colortovalue {

// The value the holder texts stand for: one digit each (`third` only on a
// 5-band resistor; leading zeros vanish, so 0, 4, 7 reads 47) and the
// multiplier exponent. nullopt when a holder does not hold a single digit;
// the lists on the page cannot produce that.
std::optional<colorcode::Resistance> heldResistance(colorcode::BandCount bands, QStringView first,
                                                    QStringView second, QStringView third,
                                                    QStringView exponent);

// The readout of the holder texts, with the unit that the value's number of
// digits picks: "4.7KΩ", "470Ω", "999MΩ", "0Ω". nullopt when a holder does
// not hold a digit or the value is too long for megaohms.
std::optional<QString> resistanceReadout(colorcode::BandCount bands, QStringView first,
                                         QStringView second, QStringView third,
                                         QStringView exponent);

} // namespace colortovalue
