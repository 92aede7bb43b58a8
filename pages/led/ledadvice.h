#pragma once

// What a learner needs beside the colour code to build the LED circuit: the
// current the LED really draws through the shown resistor, the heat the
// resistor turns out and the rating that bears it, and the standard E24
// values to buy.

#include <QString>

#include <cstdint>
#include <optional>

namespace led {

struct Advice {
    QString current; // "19.7mA": three significant digits
    QString power;   // "136mW" below 1 W, "2.5W" from 1 W up
    // The smallest usual rating of at least twice the power, "1/2W"; absent
    // above 5 W, where one resistor is not the right part.
    std::optional<QString> rating;
    // The E24 values next to the shown one, written as the page writes
    // values: "330Ω" and "360Ω", or the shown value twice when it is one.
    QString buyBelow;
    QString buyAbove;
};

// drop: supply minus LED voltage, in volts; ohms: the shown resistor. Nothing
// to advise for 0 Ω.
std::optional<Advice> adviseLed(double drop, std::uint64_t ohms);

struct E24Neighbours {
    QString below;
    QString above;
};

// The nearest E24 values at or below and at or above ohms (at least 1).
E24Neighbours e24Neighbours(std::uint64_t ohms);

} // namespace led
