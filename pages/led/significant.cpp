#include "pages/led/significant.h"

#include "colorcode/numbertext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace led {

namespace {

constexpr int kDecimalDigits = 15; // what a double holds for certain

constexpr auto kPowersOfTen = [] {
    std::array<std::uint64_t, kDecimalDigits + 1> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// Every power of ten up to 10^22 is exact in a double.
constexpr int kExactPowers = 22;
constexpr auto kExactPowersOfTen = [] {
    std::array<double, kExactPowers + 1> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// The double nearest to kept × 10^power (kept below 10^15). With an exact
// power of ten, one multiplication or division rounds once and lands on the
// nearest double, the same as reading the decimal text would; further out the
// text is read.
double decimalValue(std::uint64_t kept, int power, int digits, double fallback)
{
    if (power >= 0 && power <= kExactPowers)
        return double(kept) * kExactPowersOfTen[std::size_t(power)];
    if (power < 0 && power >= -kExactPowers)
        return double(kept) / kExactPowersOfTen[std::size_t(-power)];

    // d.ddde±x: the leading digit, the point, the others.
    char text[48];
    char *p = text + 1 + digits; // after the point and the digits
    std::uint64_t rest = kept;
    for (int i = digits - 1; i >= 1; --i) {
        text[i + 1] = char('0' + rest % 10);
        rest /= 10;
    }
    text[0] = char('0' + rest);
    if (digits > 1)
        text[1] = '.';
    else
        p = text + 1;
    const int exponent = power + digits - 1;
    p += std::snprintf(p, std::size_t(text + sizeof text - p), "e%d", exponent);
    double out = fallback; // kept when the value has no double
    std::from_chars(text, p, out);
    return out;
}

} // namespace

double roundToSignificant(double v, int digits)
{
    if (v == 0 || !std::isfinite(v))
        return v;
    digits = std::clamp(digits, 1, kDecimalDigits);

    const colorcode::FifteenDigits d = colorcode::fifteenDigits(v);
    const std::uint64_t dropped = kPowersOfTen[std::size_t(kDecimalDigits - digits)];
    std::uint64_t kept = d.digits / dropped;
    int exponent = d.exponent;
    // Half up: the first dropped digit is 5 or more.
    if (digits < kDecimalDigits && d.digits % dropped >= dropped / 2)
        ++kept;
    if (kept == kPowersOfTen[std::size_t(digits)]) {
        // 9.99… carried into a new leading digit: 10.0… is 1.00… one decade up.
        kept /= 10;
        ++exponent;
    }
    const double magnitude = decimalValue(kept, exponent - digits + 1, digits, std::fabs(v));
    return d.negative ? -magnitude : magnitude;
}

} // namespace led
