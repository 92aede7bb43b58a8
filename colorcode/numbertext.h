#pragma once

// Number text as every page writes and reads it: "." as the decimal separator
// whatever the user's locale, no exponent, no thousands separators.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace colorcode {

// A finite value rounded to 15 significant digits (half to even, as
// std::to_chars does): |v| ≈ digits × 10^(exponent − 14), where 10^14 <=
// digits < 10^15 and exponent is the power of ten of the leading digit;
// digits is 0 for a zero value. Every text of a number starts from it, and the
// rules that round as a learner would round it further.
struct FifteenDigits {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};
FifteenDigits fifteenDigits(double v);

// Whether two amounts are one value: their fifteen-digit texts are the same,
// so 4.7 × 1000 is 4700 and 0.47 × 10 is 4.7 however the product rounds. A
// value that is not finite (a typed number too large for its unit) is no
// value at all and the same as nothing.
bool sameOhms(double a, double b);

// The shortest decimal text of v with at most 15 significant digits: no
// trailing zeros, no trailing point, "0.95" below 1, never an exponent.
// 99 * 0.1 gives "9.9", 4.7 - 0.235 gives "4.465". A value that is not finite
// has no text and gives an empty string.
QString numberText(double v);

// The number text of v with a unit straight after it: "4.7K\u2126", "20mA".
QString withUnit(double v, QStringView unit);

// Ten to the power n, 0 <= n <= 18, exactly.
constexpr std::int64_t powerOfTen(int n)
{
    std::int64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// The raised digits ⁰ to ⁹ in digit order, and the raised minus, with which
// powers of ten are written.
inline constexpr char16_t kRaisedDigits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
inline constexpr char16_t kRaisedMinus = u'⁻';

// The ordinary character of a raised digit or the raised minus ('²' is
// '2', '⁻' is '-'); a null character for any other.
QChar loweredDigit(QChar c);

// "10²", "10⁰", "10⁻¹": a power of ten with raised digits.
QString powerOfTenText(int exponent);

// The value of a plain decimal text: an optional sign, digits with at most one
// ".", blanks around it allowed ("  4.7 ", ".5", "5."). Anything else (an
// exponent, a comma, letters, a non-ASCII digit, blanks only, a value too
// large for a double) is not a number.
std::optional<double> parseNumber(QStringView text);

} // namespace colorcode
