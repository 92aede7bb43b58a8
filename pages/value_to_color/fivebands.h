#pragma once

// The value-to-colour page's 5-band code: unlike the 4-band encoder, which
// reads the entry character by character, this reads the entry as a number,
// since a 5-band code has room for any value of up to three significant
// digits. The multiplier runs from silver (×0.01) to blue (×10⁶), so the
// values run from 1 Ω to 999 MΩ. Colours are the encoder palette.

#include "colorcode/resistance.h"
#include "pages/value_to_color/encoder.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

namespace valuetocolor {

enum class FiveBandRefusal {
    Empty,         // nothing typed
    NotANumber,    // not a plain decimal number (parseNumber)
    NoUnit,        // a unit that is none of the list's, compared exactly
    OutOfRange,    // below 1 Ω or above 999 MΩ, zero and negative values too
    TooManyDigits, // four or more significant digits
};

struct FiveBands {
    colorcode::Resistance value; // three digits, exponent −2 to 6
    ValueBand first;
    ValueBand second;
    ValueBand third;
    ValueBand multiplier; // readout: the exponent, "-2" for silver
    ToleranceFill toleranceFill;
    colorcode::ColorCode toleranceColor;
    QString label; // entry, unit and tolerance as typed: "4.75KΩ±1%"

    friend bool operator==(const FiveBands &, const FiveBands &) = default;
};

// The smallest and the largest value a 5-band code spells.
inline constexpr colorcode::Resistance kFiveBandLowest{100, 3, -2};
inline constexpr colorcode::Resistance kFiveBandHighest{999, 3, 6};

// The five bands of an entry with its unit and tolerance texts, or why there
// are none. The tolerance is one of the six of a 5-band code, ±1% to
// ±0.05%; any other text leaves the tolerance band as it was.
std::variant<FiveBands, FiveBandRefusal> encodeFiveBands(QStringView entry, QStringView unit,
                                                         QStringView tolerance);

// The E96 value nearest to `ohms` that a 5-band code spells; nullopt for a
// value that is not above zero.
std::optional<colorcode::Resistance> nearestFiveBandE96(double ohms);

// The message a refusal shows.
QString fiveBandRefusalMessage(FiveBandRefusal refusal);

} // namespace valuetocolor
