#include "pages/color_to_value/readout.h"

namespace colortovalue {

namespace {

std::optional<int> digitOf(QStringView holder)
{
    if (holder.size() != 1 || holder[0] < u'0' || holder[0] > u'9')
        return std::nullopt;
    return holder[0].unicode() - u'0';
}

} // namespace

std::optional<colorcode::Resistance> heldResistance(colorcode::BandCount bands, QStringView first,
                                                    QStringView second, QStringView third,
                                                    QStringView exponent)
{
    const std::optional<int> a = digitOf(first);
    const std::optional<int> b = digitOf(second);
    // The third holder keeps its digit in 4-band mode, unread.
    const std::optional<int> c = bands == colorcode::BandCount::Five ? digitOf(third) : 0;
    const std::optional<int> power = digitOf(exponent);
    if (!a || !b || !c || !power)
        return std::nullopt;
    return colorcode::resistanceOfBands(bands, *a, *b, *c, *power);
}

std::optional<QString> resistanceReadout(colorcode::BandCount bands, QStringView first,
                                         QStringView second, QStringView third,
                                         QStringView exponent)
{
    const std::optional<colorcode::Resistance> value =
        heldResistance(bands, first, second, third, exponent);
    if (!value || !value->fits(colorcode::kListUnits))
        return std::nullopt;
    return value->text(colorcode::kListUnits);
}

} // namespace colortovalue
