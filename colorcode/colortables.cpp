#include "colorcode/colortables.h"

#include "colorcode/numbertext.h"
#include "colorcode/tempco.h"

#include <algorithm>

namespace colorcode {

namespace {

constexpr QStringView kUnknownColourWord = u"알 수 없는 색";

// The multipliers below ×1 borrow the tolerance bands' gold and silver.
constexpr const ToleranceEntry &kGoldEntry = kTolerances[0];   // ±5%
constexpr const ToleranceEntry &kSilverEntry = kTolerances[1]; // ±10%

} // namespace

std::optional<int> digitOfItemText(QStringView text, int entries)
{
    const int n = std::clamp(entries, 0, int(kBandColors.size()));
    for (int d = 0; d < n; ++d) {
        if (text == kBandColors[d].itemText)
            return d;
    }
    return std::nullopt;
}

const ToleranceEntry *toleranceOf(QStringView text)
{
    for (const ToleranceEntry &entry : kTolerances) {
        if (entry.text == text)
            return &entry;
    }
    return nullptr;
}

const ToleranceEntry *toleranceOf(QStringView text, std::span<const QStringView> offered)
{
    if (std::find(offered.begin(), offered.end(), text) == offered.end())
        return nullptr;
    return toleranceOf(text);
}

const Unit *unitOf(QStringView text, std::span<const Unit> units)
{
    for (const Unit &unit : units) {
        if (unit.suffix == text)
            return &unit;
    }
    return nullptr;
}

QStringView multiplierWord(int exponent)
{
    if (exponent >= 0 && exponent < int(kBandColors.size()))
        return kBandColors[std::size_t(exponent)].colourWord;
    if (exponent == -1)
        return u"금색";
    if (exponent == -2)
        return u"은색";
    return kUnknownColourWord;
}

std::optional<ColorCode> multiplierColor(int exponent, Palette palette)
{
    if (exponent >= 0 && exponent < int(kBandColors.size()))
        return digitColor(exponent, palette);
    if (exponent == -1)
        return toleranceColor(kGoldEntry, palette);
    if (exponent == -2)
        return toleranceColor(kSilverEntry, palette);
    return std::nullopt;
}

QStringView colourWordOf(ColorCode color, Palette palette)
{
    for (const BandColor &band : kBandColors) {
        if (digitColor(band.digit, palette) == color)
            return band.colourWord;
    }
    for (const ToleranceEntry &entry : kTolerances) {
        if (entry.filled && toleranceColor(entry, palette) == color)
            return entry.colourWord;
    }
    return kUnknownColourWord;
}

QString bandDescription(QStringView role, ColorCode color, bool filled, Palette palette)
{
    const QStringView word = filled ? colourWordOf(color, palette) : kNoBandWord;
    return role.toString().append(u": ").append(word);
}

QString bandLabel(QStringView role, ColorCode color, bool filled, Palette palette)
{
    if (!filled)
        return {};
    if (role == kToleranceRole) {
        for (const ToleranceEntry &entry : kTolerances) {
            if (entry.filled && toleranceColor(entry, palette) == color)
                return entry.text.toString();
        }
        return {};
    }
    if (role == kTempcoRole) {
        const TempcoEntry *entry = tempcoOfColor(color, palette);
        return entry ? QString::number(entry->ppm) + QStringLiteral("ppm") : QString();
    }
    if (role == kMultiplierRole) {
        if (color == toleranceColor(kGoldEntry, palette))
            return QStringLiteral("×0.1");
        if (color == toleranceColor(kSilverEntry, palette))
            return QStringLiteral("×0.01");
    }
    for (const BandColor &band : kBandColors) {
        if (digitColor(band.digit, palette) != color)
            continue;
        if (role != kMultiplierRole)
            return QString::number(band.digit);
        // ×1 and ×10 read plainer than 10⁰ and 10¹.
        if (band.digit < 2)
            return band.digit == 0 ? QStringLiteral("×1") : QStringLiteral("×10");
        return QStringLiteral("×") + powerOfTenText(band.digit);
    }
    return {};
}

QStringList digitItemTexts(int entries)
{
    QStringList list;
    const int n = std::clamp(entries, 0, int(kBandColors.size()));
    for (int d = 0; d < n; ++d)
        list << kBandColors[d].itemText.toString();
    return list;
}

} // namespace colorcode
