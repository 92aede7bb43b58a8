#include "pages/color_to_value/bandpaint.h"

namespace colortovalue {

namespace {

std::span<const QStringView> offeredTolerances(BandCount bands)
{
    if (bands == BandCount::Five)
        return colorcode::kFiveBandTolerances;
    return colorcode::kFourBandTolerances;
}

// The word of a painted colour. Every colour the page paints is a digit's or
// a tolerance's selector colour, and no two of those with different words
// share a code.
QStringView colourWordOf(colorcode::ColorCode color)
{
    for (const colorcode::BandColor &band : colorcode::kBandColors) {
        if (band.selectorColor == color)
            return band.colourWord;
    }
    for (const colorcode::ToleranceEntry &entry : colorcode::kTolerances) {
        if (entry.filled && entry.selectorColor == color)
            return entry.colourWord;
    }
    return u"알 수 없는 색";
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

QString bandDescription(QStringView role, colorcode::ColorCode color, bool filled)
{
    const QStringView word = filled ? colourWordOf(color) : QStringView(u"없음");
    return role.toString().append(u": ").append(word);
}

} // namespace colortovalue
