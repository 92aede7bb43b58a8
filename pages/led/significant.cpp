#include "pages/led/significant.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace led {

namespace {
constexpr int kDecimalDigits = 15; // what a double holds for certain
} // namespace

double roundToSignificant(double v, int digits)
{
    if (v == 0 || !std::isfinite(v))
        return v;
    digits = std::clamp(digits, 1, kDecimalDigits);

    // d.dddddddddddddde±x, never touched by the C locale.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v,
                                         std::chars_format::scientific, kDecimalDigits - 1);
    if (ec != std::errc())
        return v;
    const std::string text(buffer, end);
    const bool negative = text.front() == '-';
    const std::size_t ePos = text.find('e');
    std::string mantissa;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i) {
        if (text[i] != '.')
            mantissa += text[i];
    }
    int exponent = std::stoi(text.substr(ePos + 1));

    const bool up = digits < kDecimalDigits && mantissa[std::size_t(digits)] >= '5';
    mantissa.resize(std::size_t(digits));
    if (up) {
        int i = digits - 1;
        while (i >= 0 && mantissa[std::size_t(i)] == '9')
            mantissa[std::size_t(i--)] = '0';
        if (i >= 0) {
            ++mantissa[std::size_t(i)];
        } else {
            // 9.99… carried into a new leading digit: 10.0… is 1.00… one decade up.
            mantissa.insert(mantissa.begin(), '1');
            mantissa.pop_back();
            ++exponent;
        }
    }

    std::string rounded = negative ? "-" : "";
    rounded += mantissa.front();
    if (mantissa.size() > 1) {
        rounded += '.';
        rounded += mantissa.substr(1);
    }
    rounded += 'e';
    rounded += std::to_string(exponent);
    double out = v;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), out);
    return out;
}

} // namespace led
