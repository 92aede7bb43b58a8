#include "colorcode/readingworking.h"

#include "colorcode/numbertext.h"
#include "colorcode/seriestext.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace colorcode {

QString readingWorking(const colorcode::Resistance &value, QStringView tolerance)
{
    QStringList bands;
    QString digits;
    for (int i = 0; i < value.digitCount; ++i) {
        const colorcode::BandColor &band = colorcode::kBandColors[std::size_t(value.digit(i))];
        bands << u"%1 %2"_s.arg(band.colourWord).arg(band.digit);
        digits += QString::number(band.digit);
    }
    // The multiplier's colour stands for its power of ten.
    bands << u"%1 ×%2"_s.arg(colorcode::multiplierWord(value.exponent),
                             colorcode::powerOfTenText(value.exponent));

    const QString ohms = colorcode::withUnit(value.ohms(), colorcode::kOhm);
    const QString shown = value.text(colorcode::kListUnits);
    QString out = u"%1 → %2 × %3 = %4"_s.arg(bands.join(u", "), digits,
                                             colorcode::powerOfTenText(value.exponent), ohms);
    if (shown != ohms)
        out += u" = "_s + shown;
    if (!tolerance.isEmpty())
        out += u", 허용오차 "_s + tolerance.toString();
    return out;
}

QString resultWorking(const colorcode::Resistance &value, QStringView tolerance,
                      const colorcode::TempcoEntry *tempco)
{
    QString out = readingWorking(value, tolerance);
    if (tempco)
        out += u", "_s + colorcode::tempcoWorking(value, *tempco, colorcode::kListUnits);
    return colorcode::withSeriesEnding(out, value, colorcode::kListUnits);
}

} // namespace colorcode
