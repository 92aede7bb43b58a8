#pragma once

// What a pick on the colour-to-value page paints: the band colour and the
// digit behind an item text and the tolerance band of a tolerance text. The
// page paints with the selector palette.

#include "colorcode/colortables.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace colortovalue {

// A digit or multiplier band as an item text paints it.
struct DigitBand {
    std::optional<int> digit;   // unset: the text is no item text and the holder keeps its own
    colorcode::ColorCode color; // black for a text that is no item text
};

// The band of an item text, looked up among the first `entries` item texts
// (all ten for the digit lists, seven for the multiplier list).
DigitBand digitBand(QStringView itemText, int entries);

// The tolerance entry a text stands for on a resistor of the given band
// count; nullptr for any text the mode does not offer, which changes nothing.
const colorcode::ToleranceEntry *toleranceBand(QStringView text, colorcode::BandCount bands);

// The tolerance list of a mode, in list order; its first entry is the
// starting choice.
QStringList toleranceList(colorcode::BandCount bands);

} // namespace colortovalue
