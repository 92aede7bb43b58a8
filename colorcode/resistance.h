#pragma once

// A resistance as a colour code spells it: two or three significant digits
// and a power of ten, 47 × 10² for 4.7 kΩ. Every rule that reads, writes or
// paints a value passes this, and turns it into text only at the edge.

#include "colorcode/colortables.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace colorcode {

struct Resistance {
    int significand = 0; // the digit bands read as one number: 47, 272, 05
    int digitCount = 2;  // how many digit bands: 2 (4-band) or 3 (5-band)
    int exponent = 0;    // the multiplier: ten to this power

    // The digit band at `index` (0 is the first band), leading zeros kept:
    // 5 Ω on a 4-band resistor reads black, green.
    int digit(int index) const;

    // The value in ohms.
    double ohms() const;

    // How many digits the whole part of the value has (at least 1): it picks
    // the unit, three digits to a unit.
    int wholeDigits() const;

    // The unit the value is written in among `units`: ohms up to three whole
    // digits, then kilo-ohms and so on; the largest of them for any value
    // beyond.
    const Unit &unit(std::span<const Unit> units = kUnits) const;

    // Whether the value has at most three whole digits in the largest of
    // `units`: 999 MΩ fits ohms to megaohms, 1 GΩ does not.
    bool fits(std::span<const Unit> units) const;

    // The value as a number in its unit: 4.7 for 4.7 kΩ.
    double inUnit(const Unit &unit) const;

    // The value as the program writes it, number and unit: "4.7KΩ", "272KΩ",
    // "1GΩ", "0Ω".
    QString text(std::span<const Unit> units = kUnits) const;

    friend bool operator==(const Resistance &, const Resistance &) = default;
};

// The value of `ohms` written with exactly `digitCount` significant digits
// (leading zeros not counted), read from its 15-digit decimal text: 4700 is
// 47 × 10² with two. nullopt when it needs more digits, or is not finite or
// below zero.
std::optional<Resistance> resistanceOf(double ohms, int digitCount);

// The value a typed number and a unit text stand for, in ohms: the number as
// parseNumber reads it, the unit compared whole and exactly among `units`.
// nullopt when the entry is not a number, is below zero, or the unit is none
// of them.
std::optional<double> enteredOhms(QStringView entry, QStringView unit,
                                  std::span<const Unit> units = kListUnits);

// The colour words of the bands that spell a value, digit bands first, then
// the multiplier: "노랑, 보라, 적색". A multiplier of 10⁻¹ is gold and 10⁻²
// silver.
QString bandWords(const Resistance &value);

// The resistance of picked digit bands: `third` only counts on a 5-band
// resistor.
Resistance resistanceOfBands(BandCount bands, int first, int second, int third, int exponent);

} // namespace colorcode
