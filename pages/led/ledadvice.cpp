#include "pages/led/ledadvice.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "pages/led/significant.h"

#include <array>

using namespace Qt::StringLiterals;
using namespace colorcode;

namespace led {

namespace {

constexpr int kShownDigits = 3;
// The power is compared with the ratings as the learner would work it out
// on paper, so 2.5 V over 100 Ω is exactly 62.5 mW and fits 1/8 W.
constexpr int kExactDigits = 12;

struct Rating {
    double watts;
    const char16_t *text;
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

constexpr std::array<QStringView, 4> kUnits{kOhm, kKiloOhm, kMegaOhm, kGigaOhm};

std::uint64_t powerOfTen(int n)
{
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

// mantissa × 10^exponent ohms (mantissa 10 to 99, exponent from -1) as the
// page writes a value: the unit by its count of digits, the number with no
// trailing zeros, 4.7Ω, 330Ω, 1.5KΩ, 100GΩ.
QString valueText(int mantissa, int exponent)
{
    const int digits = exponent + 2; // of the whole part
    const int unit = qBound(0, (digits - 1) / 3, int(kUnits.size()) - 1);
    const int shift = exponent - 3 * unit; // -1 or more
    const double number = shift < 0 ? mantissa / 10.0 : double(mantissa * powerOfTen(shift));
    return numberText(number) + kUnits[std::size_t(unit)].toString();
}

} // namespace

E24Neighbours e24Neighbours(std::uint64_t ohms)
{
    // ohms = m × 10^exponent with 10 <= m < 100; below 10 Ω the decade is
    // one of tenths (4.7 Ω). Work in tenths of an ohm so all stays whole.
    const std::uint64_t tenths = ohms * 10;
    int exponent = -1;
    while (tenths >= 100 * powerOfTen(exponent + 1))
        ++exponent;
    const std::uint64_t step = powerOfTen(exponent + 1); // tenths per unit of m

    int below = kE24.front();
    for (int m : kE24) {
        if (std::uint64_t(m) * step <= tenths)
            below = m;
    }
    const QString belowText = valueText(below, exponent);
    for (int m : kE24) {
        if (std::uint64_t(m) * step >= tenths)
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
    out.current = numberText(roundToSignificant(drop / r * 1000, kShownDigits)) + u"mA"_s;

    const double watts = roundToSignificant(drop * drop / r, kExactDigits);
    const double shownWatts = roundToSignificant(watts, kShownDigits);
    out.power = shownWatts < 1
                    ? numberText(roundToSignificant(watts * 1000, kShownDigits)) + u"mW"_s
                    : numberText(shownWatts) + u"W"_s;
    for (const Rating &rating : kRatings) {
        if (kRatingMargin * watts <= rating.watts) {
            out.rating = QString::fromUtf16(rating.text);
            break;
        }
    }

    const E24Neighbours buy = e24Neighbours(ohms);
    out.buyBelow = buy.below;
    out.buyAbove = buy.above;
    return out;
}

} // namespace led
