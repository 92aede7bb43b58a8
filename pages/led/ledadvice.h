#pragma once

// What a learner needs beside the colour code to build the LED circuit: the
// current the LED really draws through the shown resistor, the heat the
// resistor turns out and the rating that bears it, and the standard E24
// values to buy.

#include "colorcode/resistance.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace led {

struct Advice {
    QString current; // "19.7mA": three significant digits
    QString power;   // "136mW" below 1 W, "2.5W" from 1 W up
    // The rating to buy, "1/2W": the smallest usual rating of at least
    // twice the power; where none has that margin but the power is within
    // the largest, 5 W (tight then). Absent above 5 W, where one resistor
    // is not the right part.
    std::optional<QString> rating;
    bool tight = false; // the rating bears the power, but not twice over
    // The standard value to buy: the smallest E24 value at or above the
    // exact resistance, so the LED never draws more than was asked, written
    // as the page writes values ("360Ω"), and the current it lets through.
    QString buy;
    QString buyCurrent;
};

// drop: supply minus LED voltage, in volts; ohms: the shown resistor;
// exactOhms: the resistance the drop and the current ask for. Nothing to
// advise for 0 Ω.
std::optional<Advice> adviseLed(double drop, std::uint64_t ohms, double exactOhms);

// The note on the resistor's heat: "저항의 발열: 60mW → 1/8W 저항을 쓰세요";
// with a rating that bears the power but not twice over, that it runs hot;
// above the largest rating, that one resistor cannot bear it.
QString powerAdvice(const Advice &advice);

} // namespace led
