#include "pages/led/ledadvice.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "colorcode/resistance.h"
#include "pages/led/significant.h"

#include <array>
#include <limits>
#include <utility>

using namespace colorcode;

namespace led {

namespace {

constexpr int kShownDigits = 3;
// The power is compared with the ratings as the learner would work it out
// on paper, so 2.5 V over 100 Ω is exactly 62.5 mW and fits 1/8 W.
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

// The two significant digits of every E24 value of a decade.
constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

// mantissa × 10^exponent ohms (mantissa 10 to 99, exponent from -1) as the
// page writes a value: 4.7Ω, 330Ω, 1.5KΩ, 100GΩ.
QString valueText(int mantissa, int exponent)
{
    return Resistance{mantissa, 2, exponent}.text(kUnits);
}

} // namespace

E24Neighbours e24Neighbours(std::uint64_t ohms)
{
    // ohms = m × 10^exponent with 10 <= m < 100; below 10 Ω the decade is
    // one of tenths (4.7 Ω). Work in tenths of an ohm so all stays whole.
    const std::uint64_t tenths = ohms * 10;
    int exponent = -1;
    std::uint64_t step = 1; // tenths per unit of m: 10^(exponent + 1)
    // The first test keeps 100 × step within 64 bits for absurdly large ohms.
    while (step <= std::numeric_limits<std::uint64_t>::max() / 1000 && tenths >= 100 * step) {
        step *= 10;
        ++exponent;
    }
    // m × step <= tenths is m <= whole, and m × step >= tenths is m >= whole
    // rounded up.
    const std::uint64_t whole = tenths / step;
    const std::uint64_t wholeUp = whole + (tenths % step != 0 ? 1 : 0);

    int below = kE24.front();
    for (int m : kE24) {
        if (std::uint64_t(m) <= whole)
            below = m;
    }
    const QString belowText = valueText(below, exponent);
    for (int m : kE24) {
        if (std::uint64_t(m) >= wholeUp)
            return {belowText, valueText(m, exponent)};
    }
    return {belowText, valueText(kE24.front(), exponent + 1)};
}

std::optional<Advice> adviseLed(double drop, std::uint64_t ohms)
{
    if (ohms == 0)
        return std::nullopt;
    const double r = double(ohms);
    Advice out;
    out.current = withUnit(roundToSignificant(drop / r * 1000, kShownDigits), u"mA");

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

    E24Neighbours buy = e24Neighbours(ohms);
    out.buyBelow = std::move(buy.below);
    out.buyAbove = std::move(buy.above);
    return out;
}

} // namespace led
