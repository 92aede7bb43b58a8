#pragma once

// The sixth band of a precision resistor: its temperature coefficient, how
// far the value may drift for each degree the resistor warms (IEC 60062).
// The band takes the digit colours, but not in digit order: black is the
// loosest, 250 ppm/K, and grey the tightest, 1 ppm/K.

#include "colorcode/colortables.h"
#include "colorcode/resistance.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <span>

namespace colorcode {

struct TempcoEntry {
    int ppm;              // 100: ±100 ppm per kelvin
    int digit;            // the band is painted in this digit's colour
    QStringView itemText; // "100ppm 갈색": the coefficient, one blank, the colour word
};

// In list order, which is the order of the colours.
inline constexpr std::array<TempcoEntry, 9> kTempcos{{
    {250, 0, u"250ppm 검정"},
    {100, 1, u"100ppm 갈색"},
    {50, 2, u"50ppm 적색"},
    {15, 3, u"15ppm 주황"},
    {25, 4, u"25ppm 노랑"},
    {20, 5, u"20ppm 초록"},
    {10, 6, u"10ppm 파랑"},
    {5, 7, u"5ppm 보라"},
    {1, 8, u"1ppm 회색"},
}};

// The role of the sixth band, as the page captions its list; it also starts
// the band's description.
inline constexpr QStringView kTempcoRole = u"온도계수";

// The colour the band is painted in the palette of a page.
constexpr ColorCode tempcoColor(const TempcoEntry &entry, Palette palette)
{
    return digitColor(entry.digit, palette);
}

// The entry of a list item text, compared whole and exactly; nullptr for any
// other text.
const TempcoEntry *tempcoOf(QStringView itemText);

// The entry whose band is painted `color` in `palette`; nullptr for a colour
// no coefficient has (white).
const TempcoEntry *tempcoOfColor(ColorCode color, Palette palette);

// The list's texts, in list order.
QStringList tempcoItemTexts();

// "100ppm/K", the result beside the tolerance.
QString tempcoText(const TempcoEntry &entry);

// What the coefficient means for this resistor: the largest change of its
// value for one kelvin, "4.7KΩ × 100ppm/K = 1K 오를 때 최대 0.47Ω", the
// value and the change written in `units` as the page writes values.
QString tempcoWorking(const Resistance &value, const TempcoEntry &entry,
                      std::span<const Unit> units = kUnits);

} // namespace colorcode
