#include "pages/value_to_color/fivebands.h"

#include "colorcode/numbertext.h"
#include "colorcode/sentences.h"
#include "colorcode/series.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace valuetocolor {

namespace {

constexpr int kFiveBandDigits = colorcode::significantDigits(colorcode::BandCount::Five);

ValueBand digitBand(const colorcode::Resistance &value, int index)
{
    const int d = value.digit(index);
    return {QString::number(d), colorcode::digitColor(d, colorcode::Palette::Encoder)};
}

bool inRange(double ohms)
{
    return ohms >= kFiveBandLowest.ohms() && ohms <= kFiveBandHighest.ohms();
}

} // namespace

std::variant<FiveBands, FiveBandRefusal> encodeFiveBands(QStringView entry, QStringView unit,
                                                         QStringView tolerance)
{
    if (entry.trimmed().isEmpty())
        return FiveBandRefusal::Empty;
    const std::optional<double> number = colorcode::parseNumber(entry);
    if (!number)
        return FiveBandRefusal::NotANumber;
    if (!colorcode::unitOf(unit, colorcode::kListUnits))
        return FiveBandRefusal::NoUnit;
    // Only a value below zero has no ohms; one beyond any double is infinite.
    const std::optional<double> ohms = colorcode::enteredOhms(entry, unit);
    if (!ohms || !inRange(*ohms))
        return FiveBandRefusal::OutOfRange;
    // Within the range three digits always come with an exponent of −2 to 6.
    const std::optional<colorcode::Resistance> value =
        colorcode::resistanceOf(*ohms, kFiveBandDigits);
    if (!value)
        return FiveBandRefusal::TooManyDigits;

    // The precision tolerances a 5-band resistor carries; ±20% has no band.
    const ToleranceBand t = toleranceBandOf(tolerance, colorcode::kFiveBandTolerances);
    return FiveBands{*value,
                     digitBand(*value, 0),
                     digitBand(*value, 1),
                     digitBand(*value, 2),
                     {QString::number(value->exponent),
                      colorcode::multiplierColor(value->exponent, colorcode::Palette::Encoder)
                          .value_or(colorcode::kBlack)},
                     t.fill,
                     t.color,
                     QString().append(entry).append(unit).append(tolerance)};
}

std::optional<colorcode::Resistance> nearestFiveBandE96(double ohms)
{
    using colorcode::Series;
    // Candidates outside the range have no 5-band code: past either end the
    // end of the range is the nearest value there is.
    std::optional<colorcode::Resistance> below = colorcode::seriesAtOrBelow(Series::E96, ohms);
    std::optional<colorcode::Resistance> above = colorcode::seriesAtOrAbove(Series::E96, ohms);
    if (below && !inRange(below->ohms()))
        below.reset();
    if (above && !inRange(above->ohms()))
        above.reset();
    if (!below || !above)
        return below ? below : above;
    // A tie goes up, as rounding half up does.
    return ohms - below->ohms() < above->ohms() - ohms ? below : above;
}

QString fiveBandRefusalMessage(FiveBandRefusal refusal)
{
    switch (refusal) {
    case FiveBandRefusal::Empty:
        return colorcode::enterValueSentence();
    case FiveBandRefusal::NotANumber:
        return u"숫자로 읽을 수 없는 값입니다. 4.75처럼 0부터 9까지의 숫자와 소수점 하나로 "
               "입력하세요!"_s;
    case FiveBandRefusal::NoUnit:
        return colorcode::pickUnitSentence();
    case FiveBandRefusal::OutOfRange:
        return u"5색 칼라코드로 나타낼 수 있는 값은 %1부터 %2까지입니다. 다시 입력하세요!"_s.arg(
            kFiveBandLowest.text(colorcode::kListUnits),
            kFiveBandHighest.text(colorcode::kListUnits));
    case FiveBandRefusal::TooManyDigits:
        return u"5색 칼라코드는 유효숫자 %1자리까지만 나타냅니다. 다시 입력하세요!"_s.arg(
            kFiveBandDigits);
    }
    return {};
}

} // namespace valuetocolor
