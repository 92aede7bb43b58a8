// The colour-to-value readout: for every combination the lists can make, the
// text shown stands for digits × 10^multiplier; for any other holder texts
// the rule answers without crashing.

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "pages/color_to_value/readout.h"

#include "fuzzinput.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using fuzzinput::require;

namespace {

double ohmsOf(const QString &text)
{
    struct Unit {
        QStringView suffix;
        double factor;
    };
    for (const Unit &unit : {Unit{colorcode::kMegaOhm, 1e6}, Unit{colorcode::kKiloOhm, 1e3},
                             Unit{colorcode::kOhm, 1}}) {
        if (text.endsWith(unit.suffix)) {
            const std::optional<double> v =
                colorcode::parseNumber(QStringView(text).chopped(unit.suffix.size()));
            require(v.has_value());
            return *v * unit.factor;
        }
    }
    require(false);
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using colorcode::BandCount;
    if (size < 5)
        return 0;
    const BandCount bands = data[0] & 1 ? BandCount::Five : BandCount::Four;

    if (data[0] & 2) {
        // Holder texts as the lists write them: one digit each, exponent 0 to 6.
        const int d1 = data[1] % 10, d2 = data[2] % 10, d3 = data[3] % 10, m = data[4] % 7;
        const std::optional<QString> shown =
            colortovalue::resistanceReadout(bands, QString::number(d1), QString::number(d2),
                                            QString::number(d3), QString::number(m));
        require(shown.has_value());
        const double digits = bands == BandCount::Five ? d1 * 100 + d2 * 10 + d3 : d1 * 10 + d2;
        const double expected = digits * std::pow(10.0, m);
        const double got = ohmsOf(*shown);
        require(std::abs(got - expected) <= expected * 1e-12);
        return 0;
    }

    // Anything at all in the holders: an answer or none, never a crash.
    const QString rest =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QStringList parts = rest.split(u'\n');
    const auto part = [&](int i) { return parts.value(i); };
    const std::optional<QString> shown =
        colortovalue::resistanceReadout(bands, part(0), part(1), part(2), part(3));
    if (shown)
        require(shown->endsWith(colorcode::kOhm));
    return 0;
}
