#include "pages/color_to_value/bandpaint.h"

namespace colortovalue {

namespace {

std::span<const QStringView> offeredTolerances(colorcode::BandCount bands)
{
    if (bands == colorcode::BandCount::Five)
        return colorcode::kFiveBandTolerances;
    return colorcode::kFourBandTolerances;
}

} // namespace

DigitBand digitBand(QStringView itemText, int entries)
{
    const std::optional<int> digit = colorcode::digitOfItemText(itemText, entries);
    if (!digit)
        return {std::nullopt, colorcode::kBlack};
    return {digit, colorcode::digitColor(*digit, colorcode::Palette::Selector)};
}

const colorcode::ToleranceEntry *toleranceBand(QStringView text, colorcode::BandCount bands)
{
    return colorcode::toleranceOf(text, offeredTolerances(bands));
}

QStringList toleranceList(colorcode::BandCount bands)
{
    QStringList list;
    for (QStringView text : offeredTolerances(bands))
        list << text.toString();
    return list;
}

} // namespace colortovalue
