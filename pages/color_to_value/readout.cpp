#include "pages/color_to_value/readout.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"

#include <QVarLengthArray>

#include <array>
#include <cmath>

namespace colortovalue {

namespace {

struct UnitRow {
    QStringView suffix;
    double fourBandFactor;
    double fiveBandFactor;
};

// Indexed by the number of characters of the value text, 1 to 9. Only the
// leading two (4-band) or three (5-band) characters of the value are kept,
// so the factor puts the decimal point back where the unit wants it: "4700"
// keeps "47" and shows 47 × 0.1 = 4.7KΩ. A 4-band value never has nine
// characters (99 × 10^6 has eight), but the row keeps the table whole.
constexpr std::array<UnitRow, 9> kUnitRows{{
    {colorcode::kOhm, 1, 1},
    {colorcode::kOhm, 1, 1},
    {colorcode::kOhm, 10, 1},
    {colorcode::kKiloOhm, 0.1, 0.01},
    {colorcode::kKiloOhm, 1, 0.1},
    {colorcode::kKiloOhm, 10, 1},
    {colorcode::kMegaOhm, 0.1, 0.01},
    {colorcode::kMegaOhm, 1, 0.1},
    {colorcode::kMegaOhm, 10, 1},
}};

} // namespace

std::optional<QString> resistanceReadout(BandCount bands, QStringView first, QStringView second,
                                         QStringView third, QStringView exponent)
{
    // The holders hold one digit each; longer texts spill to the heap.
    QVarLengthArray<QChar, 8> digitText;
    digitText.append(first.data(), first.size());
    digitText.append(second.data(), second.size());
    if (bands == BandCount::Five)
        digitText.append(third.data(), third.size());

    const std::optional<double> digits =
        colorcode::parseNumber(QStringView(digitText.data(), digitText.size()));
    const std::optional<double> power = colorcode::parseNumber(exponent);
    if (!digits || !power)
        return std::nullopt;

    const QString valueText = colorcode::numberText(*digits * std::pow(10.0, *power));
    const qsizetype length = valueText.size();
    if (length < 1 || length > qsizetype(kUnitRows.size()))
        return std::nullopt;
    const UnitRow &row = kUnitRows[std::size_t(length - 1)];

    // The leading characters keep every significant digit: the value is a
    // whole number of at most two (three) significant digits and zeros.
    const qsizetype kept = bands == BandCount::Five ? 3 : 2;
    const std::optional<double> leading = colorcode::parseNumber(QStringView(valueText).left(kept));
    if (!leading)
        return std::nullopt;
    const double factor = bands == BandCount::Five ? row.fiveBandFactor : row.fourBandFactor;
    // 15 significant digits turn 47 × 0.1 into "4.7" and 999 × 0.1 into "99.9".
    return colorcode::numberText(*leading * factor).append(row.suffix);
}

} // namespace colortovalue
