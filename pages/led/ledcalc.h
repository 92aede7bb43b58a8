#pragma once

// The series resistor of an LED: from the texts of supply voltage (V), LED
// voltage (V), LED current (mA) and tolerance to the resistor rounded to two
// significant digits with its unit, the range its tolerance allows, and the
// digits of its four bands.

#include "colorcode/colortables.h"
#include "colorcode/resistance.h"
#include "pages/led/ledadvice.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <variant>

namespace led {

// Which input box a refusal is about; the page moves the focus there.
enum class Input { Supply, LedVoltage, Current };

// The caption of an input box: "공급전압", "LED전압", "LED전류".
QString inputName(Input input);

enum class InputProblem {
    Missing,            // a box is exactly empty; always reported at the supply box
    NotANumber,         // blanks only, letters, a comma, an exponent, too large a number
    CurrentNotPositive, // no current flows, or it flows backwards
    LedAboveSupply,     // the resistor would need a negative value
};

// Nothing was computed; the page shows a message and changes nothing else.
struct InputRefusal {
    InputProblem problem;
    Input input;
    friend bool operator==(const InputRefusal &, const InputRefusal &) = default;
};

struct ShownTexts {
    QString value; // "4.7KΩ"; for a refused value what stands until the message is closed
    QString low;   // "4.465KΩ"
    QString high;  // "4.935KΩ"
};

struct Calculation {
    // (supply − LED voltage) ÷ current in ohms, to 12 significant digits:
    // the exact resistance before it is rounded for its bands.
    double exactOhms = 0;
    // Absent when the tolerance text is none of the list's: the boxes keep
    // what they show.
    std::optional<ShownTexts> texts;
    // The value has no 4-band colour code (100 GΩ or more): the page shows
    // the refusal message, and the value box ends at "0".
    bool refused = false;
    // The shown value, whose two digits and multiplier the three value bands
    // paint; 0 after a refusal (black bands).
    colorcode::Resistance value;
    // The tolerance band; nullptr when the tolerance text is none of the list's.
    const colorcode::ToleranceEntry *tolerance = nullptr;
    // Current, power and values to buy for a value that is shown with its
    // bands; absent after a refusal, for 0 Ω, and when the texts are kept.
    std::optional<Advice> advice;
};

using Outcome = std::variant<Calculation, InputRefusal>;

Outcome calculateLed(QStringView supply, QStringView ledVoltage, QStringView current,
                     QStringView tolerance);

} // namespace led
