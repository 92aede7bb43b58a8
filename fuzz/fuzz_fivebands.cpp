// The value-to-colour page's 5-band code, fed entry, unit and tolerance
// texts: an accepted entry's five bands spell the value typed to three
// significant digits, within 1 Ω to 999 MΩ, with a multiplier from silver to
// blue; every refusal has a message, and the working line is never empty.

#include "fuzzinput.h"

#include "colorcode/colortables.h"
#include "colorcode/resistance.h"
#include "pages/value_to_color/fivebands.h"
#include "pages/value_to_color/working.h"

#include <cmath>

using fuzzinput::require;

namespace {

int digitOf(const QString &readout)
{
    require(readout.size() == 1 && readout[0] >= u'0' && readout[0] <= u'9');
    return readout[0].unicode() - u'0';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList f = fuzzinput::fields(data, size, 3);
    // Mostly real units and tolerances, sometimes whatever was typed.
    QString unit = f[1];
    if (unit.size() == 1 && unit[0].unicode() < 4)
        unit = colorcode::kUnitList[unit[0].unicode() % 3].toString();
    QString tolerance = f[2];
    if (tolerance.size() == 1 && tolerance[0].unicode() < 8)
        tolerance = colorcode::kFiveBandTolerances[tolerance[0].unicode() % 6].toString();
    const auto result = valuetocolor::encodeFiveBands(f[0], unit, tolerance);
    require(!valuetocolor::fiveBandWorking(f[0], unit, tolerance, result).isEmpty());

    if (const auto *refusal = std::get_if<valuetocolor::FiveBandRefusal>(&result)) {
        require(!valuetocolor::fiveBandRefusalMessage(*refusal).isEmpty());
        return 0;
    }
    const auto &bands = std::get<valuetocolor::FiveBands>(result);
    require(bands.label == f[0] + unit + tolerance);
    const std::optional<double> ohms = colorcode::enteredOhms(f[0], unit);
    require(ohms.has_value());
    require(*ohms >= valuetocolor::kFiveBandLowest.ohms() &&
            *ohms <= valuetocolor::kFiveBandHighest.ohms());
    const int exponent = bands.multiplier.readout.toInt();
    require(exponent >= -2 && exponent <= 6);
    const int significand = digitOf(bands.first.readout) * 100 +
                            digitOf(bands.second.readout) * 10 + digitOf(bands.third.readout);
    require(significand >= 100);
    const double shown = significand * std::pow(10.0, exponent);
    require(std::abs(shown - *ohms) <= 1e-9 * *ohms);
    // Every tolerance of a 5-band code has a band of its own.
    if (colorcode::toleranceOf(tolerance, colorcode::kFiveBandTolerances))
        require(bands.toleranceFill == valuetocolor::ToleranceFill::Filled);
    else
        require(bands.toleranceFill == valuetocolor::ToleranceFill::Unchanged);
    return 0;
}
