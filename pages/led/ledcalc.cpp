#include "pages/led/ledcalc.h"

#include "colorcode/numbertext.h"
#include "pages/led/significant.h"

#include <cstdint>

using namespace Qt::StringLiterals;
using namespace colorcode;

namespace led {

namespace {

// The quotient is rounded to this many significant digits before the fraction
// of an ohm is cut, so a quotient that is whole in decimals keeps its last
// ohm: 1.3 V / 20 mA gives 65 Ω, not the 64.99999999999999 of binary.
constexpr int kCutDigits = 12;

// The multiplier band has the ten digit colours: up to 10^9.
constexpr int kLargestMultiplier = int(kBandColors.size()) - 1;

// Twelve digits and more (100 GΩ and up) have no unit.
constexpr double kNoUnitRow = 1e11;

// Whole ohms rounded to two significant digits; only the third digit is
// looked at, so 4949 Ω is 4.9 KΩ and 4950 Ω is 5 KΩ. Below 10 Ω the first
// band is black: 5 Ω is 05.
Resistance twoSignificant(std::uint64_t ohms)
{
    if (ohms < 100)
        return {int(ohms), 2, 0};
    int power = 0;
    while (ohms >= 1000) {
        ohms /= 10;
        ++power;
    }
    // ohms now holds the first three digits.
    int significand = int(ohms / 10);
    if (ohms % 10 >= 5)
        ++significand;
    // 995 Ω rounds to 100 × 10¹, which is 10 × 10²: 1 KΩ, with a code.
    if (significand == 100)
        return {10, 2, power + 2};
    return {significand, 2, power + 1};
}

std::optional<InputRefusal> readNumber(QStringView text, Input input, double &out)
{
    const std::optional<double> v = parseNumber(text);
    if (!v)
        return InputRefusal{InputProblem::NotANumber, input};
    out = *v;
    return std::nullopt;
}

} // namespace

QString inputName(Input input)
{
    switch (input) {
    case Input::Supply:
        return u"공급전압"_s;
    case Input::LedVoltage:
        return u"LED전압"_s;
    case Input::Current:
        return u"LED전류"_s;
    }
    return {};
}

Outcome calculateLed(QStringView supplyText, QStringView ledText, QStringView currentText,
                     QStringView toleranceText)
{
    // Only a box that is exactly empty is missing; one of blanks is not a number.
    if (supplyText.isEmpty() || ledText.isEmpty() || currentText.isEmpty())
        return InputRefusal{InputProblem::Missing, Input::Supply};
    double supply = 0;
    double ledVoltage = 0;
    double current = 0;
    if (auto refusal = readNumber(supplyText, Input::Supply, supply))
        return *refusal;
    if (auto refusal = readNumber(ledText, Input::LedVoltage, ledVoltage))
        return *refusal;
    if (auto refusal = readNumber(currentText, Input::Current, current))
        return *refusal;
    if (current <= 0)
        return InputRefusal{InputProblem::CurrentNotPositive, Input::Current};
    if (ledVoltage > supply)
        return InputRefusal{InputProblem::LedAboveSupply, Input::LedVoltage};

    Calculation out;
    out.tolerance = toleranceOf(toleranceText, kEncoderTolerances);

    // Volts over milliamperes is kilohms.
    const double quotient = roundToSignificant((supply - ledVoltage) / current * 1000, kCutDigits);
    out.exactOhms = quotient;
    if (!(quotient < kNoUnitRow)) { // an overflowed quotient too
        // Nothing of the value can be written in a unit of the page, so its
        // boxes are cleared rather than left showing an earlier result.
        if (out.tolerance)
            out.texts = ShownTexts{u"0"_s, u"0"_s, u"0"_s};
        out.refused = true;
        return out;
    }
    out.value = twoSignificant(std::uint64_t(quotient));
    const Unit &unit = out.value.unit(kUnits);
    if (out.tolerance) {
        const double shown = out.value.inUnit(unit);
        const double t = out.tolerance->factor;
        out.texts =
            ShownTexts{withUnit(shown, unit.suffix), withUnit(shown - shown * t, unit.suffix),
                       withUnit(shown + shown * t, unit.suffix)};
    }
    // 100 GΩ and more has no code.
    if (out.value.exponent > kLargestMultiplier) {
        out.value = {};
        out.refused = true;
        return out;
    }
    if (out.texts) {
        out.advice = adviseLed(roundToSignificant(supply - ledVoltage, kCutDigits),
                               std::uint64_t(out.value.ohms()), quotient);
    }
    return out;
}

} // namespace led
