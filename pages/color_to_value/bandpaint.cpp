#include "pages/color_to_value/bandpaint.h"

namespace colortovalue {

namespace {

std::span<const QStringView> offeredTolerances(BandCount bands)
{
    if (bands == BandCount::Five)
        return colorcode::kFiveBandTolerances;
    return colorcode::kFourBandTolerances;
}

} // namespace

DigitBand digitBand(QStringView itemText, int entries)
{
    const std::optional<int> digit = colorcode::digitOfItemText(itemText, entries);
    if (!digit)
        return {std::nullopt, colorcode::kBlack};
    return {digit, colorcode::kBandColors[std::size_t(*digit)].selectorColor};
}

const colorcode::ToleranceEntry *toleranceBand(QStringView text, BandCount bands)
{
    return colorcode::toleranceOf(text, offeredTolerances(bands));
}

QStringList toleranceList(BandCount bands)
{
    QStringList list;
    for (QStringView text : offeredTolerances(bands))
        list << text.toString();
    return list;
}

} // namespace colortovalue
