#include "pages/led/ledadvice.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "colorcode/resistance.h"
#include "colorcode/series.h"
#include "pages/led/significant.h"

#include <array>
#include <cstdint>

using namespace colorcode;

namespace led {

namespace {

constexpr int kShownDigits = 3;
// The power is compared with the ratings as the learner would work it out
// on paper, so 2.5 V over 100 Ω is exactly 62.5 mW and fits 1/8 W.
constexpr int kExactDigits = 12;

struct Rating {
    double watts;
    QStringView text;
};
constexpr std::array<Rating, 7> kRatings{{
    {0.125, u"1/8W"},
    {0.25, u"1/4W"},
    {0.5, u"1/2W"},
    {1, u"1W"},
    {2, u"2W"},
    {3, u"3W"},
    {5, u"5W"},
}};
// A resistor should be rated for twice the heat it turns out.
constexpr double kRatingMargin = 2;

// The current through `ohms` at a drop in volts: "19.7mA".
QString currentText(double drop, double ohms)
{
    return withUnit(roundToSignificant(drop / ohms * 1000, kShownDigits), u"mA");
}

} // namespace

std::optional<Advice> adviseLed(double drop, std::uint64_t ohms, double exactOhms)
{
    if (ohms == 0 || !(exactOhms > 0))
        return std::nullopt;
    const double r = double(ohms);
    Advice out;
    out.current = currentText(drop, r);

    const double watts = roundToSignificant(drop * drop / r, kExactDigits);
    const double shownWatts = roundToSignificant(watts, kShownDigits);
    out.power = shownWatts < 1 ? withUnit(roundToSignificant(watts * 1000, kShownDigits), u"mW")
                               : withUnit(shownWatts, u"W");
    for (const Rating &rating : kRatings) {
        if (kRatingMargin * watts <= rating.watts) {
            out.rating = rating.text.toString();
            break;
        }
    }
    // Without the margin the largest rating still bears the power itself.
    if (!out.rating && watts <= kRatings.back().watts) {
        out.rating = kRatings.back().text.toString();
        out.tight = true;
    }

    const Resistance buy = *seriesAtOrAbove(Series::E24, exactOhms);
    out.buy = buy.text(kUnits);
    out.buyCurrent = currentText(drop, buy.ohms());
    return out;
}

QString powerAdvice(const Advice &advice)
{
    using namespace Qt::StringLiterals;
    if (!advice.rating)
        return u"저항의 발열: %1 → %2를 넘어 저항 하나로는 감당할 수 없습니다"_s.arg(
            advice.power, kRatings.back().text);
    if (advice.tight)
        return u"저항의 발열: %1 → %2 저항을 쓰세요(여유가 적어 뜨거워집니다)"_s.arg(
            advice.power, *advice.rating);
    return u"저항의 발열: %1 → %2 저항을 쓰세요"_s.arg(advice.power, *advice.rating);
}

} // namespace led
