#include "colorcode/tempco.h"

#include "colorcode/numbertext.h"

using namespace Qt::StringLiterals;

namespace colorcode {

namespace {

// ppm: parts per million, six powers of ten.
constexpr int kPpmPower = -6;

} // namespace

const TempcoEntry *tempcoOf(QStringView itemText)
{
    for (const TempcoEntry &entry : kTempcos) {
        if (entry.itemText == itemText)
            return &entry;
    }
    return nullptr;
}

const TempcoEntry *tempcoOfColor(ColorCode color, Palette palette)
{
    for (const TempcoEntry &entry : kTempcos) {
        if (tempcoColor(entry, palette) == color)
            return &entry;
    }
    return nullptr;
}

QStringList tempcoItemTexts()
{
    QStringList list;
    for (const TempcoEntry &entry : kTempcos)
        list << entry.itemText.toString();
    return list;
}

QString tempcoText(const TempcoEntry &entry)
{
    return QString::number(entry.ppm) + u"ppm/K"_s;
}

QString tempcoWorking(const Resistance &value, const TempcoEntry &entry,
                      std::span<const Unit> units)
{
    // The change is a resistance too: the value's digits times the
    // coefficient, six powers of ten lower, written exactly as a value is.
    // 999 MΩ × 250 ppm/K has six digits, more than any band spells, so it is
    // only ever turned into text.
    const Resistance change{value.significand * entry.ppm, value.digitCount,
                            value.exponent + kPpmPower};
    return u"%1 × %2 = 1\u2103 오를 때 최대 %3"_s.arg(value.text(units), tempcoText(entry),
                                                      change.text(units));
}

} // namespace colorcode
