// The LED calculation, fed any three input texts and a tolerance text: a
// shown value's text reads back to a number with a unit, its bands spell
// that value, and it lies within the usable range printed beside it.

#include "fuzzinput.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "pages/led/ledcalc.h"

#include <cmath>

using fuzzinput::require;

namespace {

// The ohms a text such as "4.7KΩ" stands for.
std::optional<double> ohms(const QString &text)
{
    struct Unit {
        QStringView suffix;
        double factor;
    };
    for (const Unit &unit : {Unit{colorcode::kGigaOhm, 1e9}, Unit{colorcode::kMegaOhm, 1e6},
                             Unit{colorcode::kKiloOhm, 1e3}, Unit{colorcode::kOhm, 1}}) {
        if (text.endsWith(unit.suffix)) {
            const QStringView number = QStringView(text).chopped(unit.suffix.size());
            const std::optional<double> v = colorcode::parseNumber(number);
            if (!v || colorcode::numberText(*v) != number)
                return std::nullopt;
            return *v * unit.factor;
        }
    }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList f = fuzzinput::fields(data, size, 4);
    QString tolerance = f[3];
    if (tolerance.size() == 1 && tolerance[0].unicode() < 5)
        tolerance = colorcode::kEncoderTolerances[tolerance[0].unicode()].toString();

    const led::Outcome outcome = led::calculateLed(f[0], f[1], f[2], tolerance);
    const auto *calc = std::get_if<led::Calculation>(&outcome);
    if (!calc)
        return 0;
    require((calc->tolerance != nullptr) == calc->texts.has_value());
    if (!calc->texts)
        return 0;

    // A resistance too long for any unit is refused before it has a text.
    if (calc->refused && calc->texts->value == u"0")
        return 0;
    const std::optional<double> value = ohms(calc->texts->value);
    const std::optional<double> low = ohms(calc->texts->low);
    const std::optional<double> high = ohms(calc->texts->high);
    require(value && low && high);
    require(*low <= *value * (1 + 1e-12) && *value <= *high * (1 + 1e-12));
    if (calc->refused) {
        require(calc->value == colorcode::Resistance{});
        return 0;
    }
    const colorcode::Resistance &bands = calc->value;
    const double spelled = (bands.digit(0) * 10 + bands.digit(1)) * std::pow(10.0, bands.exponent);
    require(std::abs(spelled - *value) <= 1e-9 * std::max(1.0, *value));
    return 0;
}
