#include "colorcode/numbertext.h"

#include <QVarLengthArray>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <system_error>

namespace colorcode {

namespace {

constexpr int kSignificantDigits = 15;
constexpr std::uint64_t kLowestDigits = 100'000'000'000'000; // 10^14, fifteen digits
constexpr std::uint64_t kTooManyDigits = 10 * kLowestDigits; // 10^15, sixteen digits

// Most callers append a unit ("K\u2126", "mA") to the number; room for two
// more characters spares them a second allocation.
constexpr qsizetype kUnitRoom = 2;

// The digits as std::to_chars writes them: d.dddddddddddddde±x. It is exact
// everywhere, and the fallback where the integer way below does not reach.
FifteenDigits fifteenDigitsByText(double v)
{
    // "-d.dddddddddddddde-308" is 22 characters at most.
    char buffer[32];
    const char *const end =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific,
                      kSignificantDigits - 1)
            .ptr;
    FifteenDigits out;
    const char *p = buffer;
    out.negative = *p == '-';
    if (out.negative)
        ++p;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            out.digits = out.digits * 10 + std::uint64_t(*p - '0');
    }
    ++p;                           // the 'e'
    const bool below = *p++ == '-'; // the exponent always has a sign
    for (; p < end; ++p)
        out.exponent = out.exponent * 10 + (*p - '0');
    if (below)
        out.exponent = -out.exponent;
    return out;
}

#ifdef __SIZEOF_INT128__
__extension__ typedef unsigned __int128 Wide; // GCC and Clang; -Wpedantic knows no 128 bits

// 5^0 to 5^27, the powers of five that fit 64 bits.
constexpr auto kPowersOfFive = [] {
    std::array<std::uint64_t, 28> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 5;
    return p;
}();

// to_chars with a precision costs some 700 instructions, and one LED
// calculation rounds a dozen numbers. Within about 10^-13 to 10^15 (all the
// values the pages see) the same digits come exactly from integers: v is
// m × 2^q, so |v| × 10^k is m × 5^k × 2^(q + k), which fits 128 bits for
// k <= 27; shifting the binary fraction away, halves to even, gives the
// fifteen digits for the k that leaves fifteen of them. nullopt outside that
// range.
std::optional<FifteenDigits> fifteenDigitsExactly(double v)
{
    const auto bits = std::bit_cast<std::uint64_t>(v);
    const int biasedExponent = int(bits >> 52 & 0x7ff);
    if (biasedExponent == 0)
        return std::nullopt; // zero and subnormals, far below the range
    const std::uint64_t m = (bits & ((std::uint64_t(1) << 52) - 1)) | std::uint64_t(1) << 52;
    const int q = biasedExponent - 1075;

    // |v| lies in [2^b, 2^(b+1)) with b = q + 52, so its decimal exponent is
    // about b × log10 2 (78913 / 2^18; >> floors negative products too). The
    // guess may be one off either way, and rounding may carry 9.99… into the
    // next decade: the loop corrects both, three rounds at most.
    int exponent = ((q + 52) * 78913) >> 18;
    for (int round = 0; round < 4; ++round) {
        const int k = kSignificantDigits - 1 - exponent;
        if (k < 0 || k >= int(kPowersOfFive.size()))
            return std::nullopt;
        const int shift = -(q + k);
        if (shift <= 0) {
            // A whole number m × 5^k × 2^-shift is at least m >= 2^52, more
            // than fifteen digits: the exponent is too small.
            ++exponent;
            continue;
        }
        if (shift >= 128)
            return std::nullopt; // cannot happen near fifteen digits; stay safe
        const Wide scaled = Wide(m) * kPowersOfFive[std::size_t(k)];
        Wide whole = scaled >> shift;
        const Wide fraction = scaled - (whole << shift);
        const Wide half = Wide(1) << (shift - 1);
        if (fraction > half || (fraction == half && (whole & 1) != 0))
            ++whole;
        if (whole >= kTooManyDigits) {
            ++exponent;
        } else if (whole < kLowestDigits) {
            --exponent;
        } else {
            return FifteenDigits{v < 0, std::uint64_t(whole), exponent};
        }
    }
    return std::nullopt;
}
#else
std::optional<FifteenDigits> fifteenDigitsExactly(double)
{
    return std::nullopt;
}
#endif

} // namespace

FifteenDigits fifteenDigits(double v)
{
    if (const std::optional<FifteenDigits> d = fifteenDigitsExactly(v))
        return *d;
    return fifteenDigitsByText(v);
}

QString numberText(double v)
{
    if (!std::isfinite(v))
        return {};
    const FifteenDigits d = fifteenDigits(v);
    if (d.digits == 0)
        return QStringLiteral("0"); // also -0

    // All fifteen digits, leading digit first, then the trailing zeros cut.
    char digits[kSignificantDigits];
    std::uint64_t rest = d.digits;
    for (int i = kSignificantDigits - 1; i >= 0; --i) {
        digits[i] = char('0' + rest % 10);
        rest /= 10;
    }
    int count = kSignificantDigits;
    while (digits[count - 1] == '0')
        --count; // stops at the leading digit, which is not 0

    const int wholeDigits = d.exponent + 1; // 0 or less below 1
    qsizetype length = d.negative ? 1 : 0;
    if (wholeDigits <= 0)
        length += 2 - wholeDigits + count; // "0." and the zeros after the point
    else if (count <= wholeDigits)
        length += wholeDigits; // whole, zeros up to the point
    else
        length += count + 1;

    QString out(length + kUnitRoom, Qt::Uninitialized);
    out.resize(length); // keeps the room
    QChar *p = out.data();
    const auto put = [&p](char c) { *p++ = QLatin1Char(c); };
    if (d.negative)
        put('-');
    if (wholeDigits <= 0) {
        put('0');
        put('.');
        for (int i = wholeDigits; i < 0; ++i)
            put('0');
        for (int i = 0; i < count; ++i)
            put(digits[i]);
    } else if (count <= wholeDigits) {
        for (int i = 0; i < count; ++i)
            put(digits[i]);
        for (int i = count; i < wholeDigits; ++i)
            put('0');
    } else {
        for (int i = 0; i < count; ++i) {
            if (i == wholeDigits)
                put('.');
            put(digits[i]);
        }
    }
    return out;
}

std::optional<double> parseNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;

    // Typed numbers are short; a longer text spills to the heap.
    QVarLengthArray<char, 32> ascii;
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
        ascii.append(char(c));
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
