#pragma once

// The value-to-colour page's encoder: the typed resistance, read character by
// character and never as a number, becomes the four bands of its 4-band code.
// The number of characters and the unit decide which characters are the two
// significant digits and what the multiplier exponent is; only two digits
// with a multiplier of 10^0 to 10^7 can be shown, so fractional ohms are
// refused. Colours are the encoder palette.

#include "colorcode/colortables.h"
#include "colorcode/resistance.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>
#include <variant>

namespace valuetocolor {

enum class Refusal {
    NoFourBandCode,    // three characters whose third digit would need a third band
    TooManyCharacters, // four characters or more
    SilentlyCleared,   // three ohm characters "d.0": the entry is emptied without a word
    NotADigit,         // a character other than 0-9 where a digit is read, or a misplaced "."
};

// One of the three value bands: what its readout shows (the digit, or empty
// when the entry left it unset) and the colour it is painted.
struct ValueBand {
    QString readout;
    colorcode::ColorCode color;

    friend bool operator==(const ValueBand &, const ValueBand &) = default;
};

enum class ToleranceFill {
    Filled,
    Unfilled,  // "±20%": no band
    Unchanged, // a tolerance text that is none of the list's
};

// The tolerance band a tolerance text paints: one of the texts `offered`
// (the 4-band list's five unless told), or unchanged for any other text.
struct ToleranceBand {
    ToleranceFill fill;
    colorcode::ColorCode color; // black unless a filled tolerance was recognised
};
ToleranceBand toleranceBandOf(QStringView tolerance,
                              std::span<const QStringView> offered = colorcode::kEncoderTolerances);

struct FourBands {
    // The value the bands spell; unset when the entry was not decoded.
    std::optional<colorcode::Resistance> value;
    ValueBand first;
    ValueBand second;
    ValueBand multiplier;
    ToleranceFill toleranceFill;
    colorcode::ColorCode toleranceColor; // black unless a filled tolerance was recognised
    QString label;                       // entry, unit and tolerance as typed: "4.7KΩ±5%"

    friend bool operator==(const FourBands &, const FourBands &) = default;
};

// The bands of an entry with its unit and tolerance texts, each compared
// exactly ("kΩ" is no unit). An empty entry, or one of up to three
// characters with a unit that is none of the three, is not decoded: its
// value bands are unset (black, empty readouts) but it is not refused.
std::variant<FourBands, Refusal> encodeValue(QStringView entry, QStringView unit,
                                             QStringView tolerance);

// The message a refusal shows; none for SilentlyCleared.
std::optional<QString> refusalMessage(Refusal refusal);

} // namespace valuetocolor
