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

// The double nearest to kept × 10^power, read from its decimal text, as a
// calculator would; `fallback` when it has none.
double decimalValue(std::uint64_t kept, int power, double fallback)
{
    char text[48];
    const int length = std::snprintf(text, sizeof text, "%llue%d", (unsigned long long)kept, power);
    double out = fallback;
    std::from_chars(text, text + length, out);
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
    const double magnitude = decimalValue(kept, exponent - digits + 1, std::fabs(v));
    return d.negative ? -magnitude : magnitude;
}

} // namespace led
