// The value-to-colour encoder, fed entry, unit and tolerance texts: an
// accepted entry's bands spell exactly the value typed (so "40." can never
// become 400 Ω), the label repeats the inputs, and every refusal is one of
// the four the page knows.

#include "fuzzinput.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "pages/value_to_color/encoder.h"

#include <cmath>

using fuzzinput::require;

namespace {

double unitFactor(QStringView unit)
{
    if (unit == colorcode::kOhm)
        return 1;
    if (unit == colorcode::kKiloOhm)
        return 1e3;
    if (unit == colorcode::kMegaOhm)
        return 1e6;
    return 0;
}

int digitOf(const QString &readout)
{
    if (readout.isEmpty())
        return 0;
    require(readout.size() == 1 && readout[0] >= u'0' && readout[0] <= u'9');
    return readout[0].unicode() - u'0';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList f = fuzzinput::fields(data, size, 3);
    // Mostly real units and tolerances, sometimes whatever was typed.
    QString unit = f[1];
    if (!unit.isEmpty() && unit.size() == 1 && unit[0].unicode() < 4)
        unit = colorcode::kUnitList[unit[0].unicode() % 3].toString();
    const auto result = valuetocolor::encodeValue(f[0], unit, f[2]);

    if (const auto *refusal = std::get_if<valuetocolor::Refusal>(&result)) {
        require(!f[0].isEmpty());
        if (*refusal == valuetocolor::Refusal::TooManyCharacters)
            require(f[0].size() >= 4);
        require(valuetocolor::refusalMessage(*refusal).has_value() ==
                (*refusal != valuetocolor::Refusal::SilentlyCleared));
        return 0;
    }
    const auto &bands = std::get<valuetocolor::FourBands>(result);
    require(bands.label == f[0] + unit + f[2]);
    const double factor = unitFactor(unit);
    if (f[0].isEmpty() || factor == 0 || f[0].size() > 3) {
        // Not decoded: the value bands are unset.
        require(bands.first.readout.isEmpty() && bands.second.readout.isEmpty() &&
                bands.multiplier.readout.isEmpty());
        return 0;
    }
    const std::optional<double> typed = colorcode::parseNumber(f[0]);
    require(typed.has_value() && f[0].trimmed() == f[0]);
    const double shown = (digitOf(bands.first.readout) * 10 + digitOf(bands.second.readout)) *
                         std::pow(10.0, digitOf(bands.multiplier.readout));
    const double expected = *typed * factor;
    require(std::abs(shown - expected) <= 1e-9 * std::max(1.0, expected));
    require(digitOf(bands.multiplier.readout) <= 7);
    return 0;
}
