#include "colorcode/numbertext.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace colorcode {

namespace {

constexpr int kSignificantDigits = 15;

} // namespace

FifteenDigits fifteenDigits(double v)
{
    // std::to_chars writes d.dddddddddddddde±x exactly, halves to even.
    // "-d.dddddddddddddde-308" is 22 characters at most.
    char buffer[32];
    const char *const end = std::to_chars(buffer, buffer + sizeof buffer, v,
                                          std::chars_format::scientific, kSignificantDigits - 1)
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
    ++p; // the 'e'
    std::from_chars(*p == '+' ? p + 1 : p, end, out.exponent);
    return out;
}

bool sameOhms(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return false;
    const FifteenDigits x = fifteenDigits(a);
    const FifteenDigits y = fifteenDigits(b);
    return x.negative == y.negative && x.digits == y.digits && x.exponent == y.exponent;
}

QString numberText(double v)
{
    if (!std::isfinite(v))
        return {};
    const FifteenDigits d = fifteenDigits(v);
    if (d.digits == 0)
        return QStringLiteral("0"); // also -0

    // The fifteen digits, leading digit first, without their trailing zeros.
    QString digits = QString::number(d.digits);
    while (digits.endsWith(u'0'))
        digits.chop(1);

    const int wholeDigits = d.exponent + 1; // 0 or less below 1
    QString out;
    if (d.negative)
        out += u'-';
    if (wholeDigits <= 0) {
        out += QStringLiteral("0.") + QString(-wholeDigits, u'0') + digits;
    } else if (digits.size() <= wholeDigits) {
        out += digits + QString(wholeDigits - digits.size(), u'0');
    } else {
        out += digits.left(wholeDigits) + u'.' + digits.mid(wholeDigits);
    }
    return out;
}

QString withUnit(double v, QStringView unit)
{
    return numberText(v).append(unit);
}

QString powerOfTenText(int exponent)
{
    QString out = QStringLiteral("10");
    if (exponent < 0)
        out += kRaisedMinus;
    for (QChar c : QString::number(std::abs(exponent)))
        out += QChar(kRaisedDigits[c.unicode() - u'0']);
    return out;
}

QChar loweredDigit(QChar c)
{
    if (c == kRaisedMinus)
        return u'-';
    const qsizetype digit = QStringView(kRaisedDigits).indexOf(c);
    return digit >= 0 ? QChar(u'0' + int(digit)) : QChar();
}

std::optional<double> parseNumber(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;

    std::string ascii;
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
