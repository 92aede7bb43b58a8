#include "pages/led/ledcalc.h"

#include "colorcode/numbertext.h"
#include "pages/led/significant.h"

#include <array>
#include <cmath>
#include <cstdint>

using namespace Qt::StringLiterals;
using namespace colorcode;

namespace led {

namespace {

// The quotient is rounded to this many significant digits before the fraction
// of an ohm is cut, so a quotient that is whole in decimals keeps its last
// ohm: 1.3 V / 20 mA gives 65 Ω, not the 64.99999999999999 of binary.
constexpr int kCutDigits = 12;

// The unit and the scale that turns the two significant digits into the
// shown number, by the count of digits of the whole-ohm resistance.
struct UnitRow {
    int unit; // index into kUnits
    double scale;
};
constexpr std::array<QStringView, 4> kUnits{kOhm, kKiloOhm, kMegaOhm, kGigaOhm};
constexpr std::array<UnitRow, 11> kUnitRows{{
    {0, 1},
    {0, 1},
    {0, 10},
    {1, 0.1},
    {1, 1},
    {1, 10},
    {2, 0.1},
    {2, 1},
    {2, 10},
    {3, 0.1},
    {3, 1},
}};
// Twelve digits and more (100 GΩ and up) have no unit.
constexpr double kNoUnitRow = 1e11;

int digitOf(QChar c)
{
    return c.unicode() - u'0';
}

struct BandDigits {
    int first;
    int second;
    int exponent;
};

// The bands of a shown number and its unit. The multiplier lands on the band
// after the last digit, so it is the unit's power of ten less the decimals
// after the two digits: 4.7 KΩ is 47 × 10², 470 KΩ is 47 × 10⁴. Three
// characters without a point in gigaohms would be 100 GΩ or more, and four
// characters cannot be written with two digit bands: no code.
std::optional<BandDigits> bandDigits(QStringView shown, int unit)
{
    const int unitPower = 3 * unit;
    switch (shown.size()) {
    case 1:
        if (unit == 0)
            return BandDigits{0, digitOf(shown[0]), 0};
        return BandDigits{digitOf(shown[0]), 0, unitPower - 1};
    case 2:
        return BandDigits{digitOf(shown[0]), digitOf(shown[1]), unitPower};
    case 3:
        if (shown[1] == u'.') {
            if (unit == 0)
                return std::nullopt; // never written: ohms below 10 are whole
            return BandDigits{digitOf(shown[0]), digitOf(shown[2]), unitPower - 1};
        }
        if (unit == 3)
            return std::nullopt;
        return BandDigits{digitOf(shown[0]), digitOf(shown[1]), unitPower + 1};
    default:
        return std::nullopt;
    }
}

// numberText leaves room for the unit, so appending it does not reallocate.
QString withUnit(QString number, QStringView unit)
{
    number.append(unit);
    return number;
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
    if (!(quotient < kNoUnitRow)) { // an overflowed quotient too
        // Nothing of the value can be written in a unit of the page, so its
        // boxes are cleared rather than left showing an earlier result.
        if (out.tolerance)
            out.texts = ShownTexts{u"0"_s, u"0"_s, u"0"_s};
        out.refused = true;
        return out;
    }
    // The whole ohms, an integer below 10^11: their digits come from
    // integer arithmetic, no text needed.
    const auto ohms = std::uint64_t(quotient);
    int ohmDigits = 1;
    std::uint64_t leadingPower = 1; // 10^(ohmDigits - 1)
    while (ohms / leadingPower >= 10) {
        leadingPower *= 10;
        ++ohmDigits;
    }

    const UnitRow row = kUnitRows[std::size_t(ohmDigits - 1)];
    int unit = row.unit;
    // Two significant digits; only the third digit is looked at, so 4949 Ω
    // is 4.9 KΩ and 4950 Ω is 5 KΩ.
    int mantissa = 0;
    if (ohmDigits >= 3) {
        const auto leading = int(ohms / (leadingPower / 100)); // the first three digits
        int d1 = leading / 100;
        int d2 = leading / 10 % 10;
        if (leading % 10 >= 5 && ++d2 > 9) {
            ++d1;
            d2 = 0;
        }
        mantissa = d1 * 10 + d2;
    } else {
        mantissa = int(ohms);
    }
    double value = row.scale * mantissa;
    if (mantissa == 100 && row.scale == 10) {
        // 995 Ω rounds to 1000 Ω: shown as 1 KΩ, which has a colour code,
        // rather than refused as four characters.
        value = 1;
        ++unit;
    }
    QString shown = numberText(value);
    const std::optional<BandDigits> bands = bandDigits(shown, unit);
    const QStringView unitText = kUnits[std::size_t(unit)];

    if (out.tolerance) {
        const double t = out.tolerance->factor;
        out.texts = ShownTexts{withUnit(std::move(shown), unitText),
                               withUnit(numberText(value - value * t), unitText),
                               withUnit(numberText(value + value * t), unitText)};
    }
    if (bands) {
        out.first = bands->first;
        out.second = bands->second;
        out.exponent = bands->exponent;
        if (out.texts) {
            std::uint64_t shownOhms = std::uint64_t(out.first * 10 + out.second);
            for (int i = 0; i < out.exponent; ++i)
                shownOhms *= 10;
            out.advice = adviseLed(roundToSignificant(supply - ledVoltage, kCutDigits), shownOhms);
        }
    } else {
        out.refused = true;
    }
    return out;
}

} // namespace led
