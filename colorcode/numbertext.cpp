#include "colorcode/numbertext.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace colorcode {

namespace {
constexpr int kSignificantDigits = 15;
} // namespace

QString numberText(double v)
{
    if (!std::isfinite(v))
        return {};

    // d.dddddddddddddde±x: the 15 significant digits and where the point goes.
    // to_chars never looks at the C locale, so no decimal comma sneaks in.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v,
                                         std::chars_format::scientific, kSignificantDigits - 1);
    if (ec != std::errc())
        return {};
    const std::string s(buffer, end);

    const bool negative = s.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    const std::size_t ePos = s.find('e');
    std::string digits;
    for (std::size_t i = first; i < ePos; ++i) {
        if (s[i] != '.')
            digits += s[i];
    }
    const int exponent = std::stoi(s.substr(ePos + 1));

    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (digits == "0")
        return QStringLiteral("0"); // also -0

    std::string out = negative ? "-" : "";
    if (exponent < 0) {
        out += "0.";
        out.append(std::size_t(-exponent - 1), '0');
        out += digits;
    } else {
        const std::size_t intDigits = std::size_t(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits;
            out.append(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits);
            out += '.';
            out += digits.substr(intDigits);
        }
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

std::optional<double> parseNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;

    std::string ascii;
    ascii.reserve(std::size_t(t.size()));
    int digitCount = 0;
    int points = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c >= u'0' && c <= u'9') {
            ++digitCount;
        } else if (c == u'.') {
            ++points;
        } else if ((c == u'-' || c == u'+') && i == 0) {
            if (c == u'+')
                continue; // from_chars takes no plus sign
        } else {
            return std::nullopt;
        }
        ascii += char(c);
    }
    if (digitCount == 0 || points > 1)
        return std::nullopt;

    double value = 0;
    const char *begin = ascii.data();
    const char *end = begin + ascii.size();
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace colorcode
