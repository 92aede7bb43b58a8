#include "colorcode/resistance.h"

#include "colorcode/numbertext.h"

#include <QStringList>

#include <cmath>
#include <cstdint>

namespace colorcode {

namespace {

// significand × 10^power as the nearest double: one multiplication or
// division by an exact power of ten, so 47 × 10^-1 is the double of 4.7.
double scaled(int significand, int power)
{
    const double ten = std::pow(10.0, std::abs(power));
    return power >= 0 ? significand * ten : significand / ten;
}

} // namespace

int Resistance::digit(int index) const
{
    return int(significand / powerOfTen(digitCount - 1 - index) % 10);
}

double Resistance::ohms() const
{
    return scaled(significand, exponent);
}

int Resistance::wholeDigits() const
{
    int digits = 0;
    for (int s = significand; s > 0; s /= 10)
        ++digits;
    return digits == 0 ? 1 : std::max(1, digits + exponent);
}

const Unit &Resistance::unit(std::span<const Unit> units) const
{
    const int digits = wholeDigits();
    for (const Unit &u : units) {
        if (digits <= u.power + 3)
            return u;
    }
    return units.back();
}

bool Resistance::fits(std::span<const Unit> units) const
{
    return wholeDigits() <= units.back().power + 3;
}

double Resistance::inUnit(const Unit &u) const
{
    return scaled(significand, exponent - u.power);
}

QString Resistance::text(std::span<const Unit> units) const
{
    const Unit &u = unit(units);
    return withUnit(inUnit(u), u.suffix);
}

std::optional<Resistance> resistanceOf(double ohms, int digitCount)
{
    if (!(ohms >= 0) || !std::isfinite(ohms) || digitCount < 1 || digitCount > 3)
        return std::nullopt;
    const FifteenDigits d = fifteenDigits(ohms);
    if (d.digits == 0)
        return Resistance{0, digitCount, 0};
    constexpr int kAll = 15;
    const std::uint64_t dropped = std::uint64_t(powerOfTen(kAll - digitCount));
    if (d.digits % dropped != 0)
        return std::nullopt;
    return Resistance{int(d.digits / dropped), digitCount, d.exponent - digitCount + 1};
}

std::optional<double> enteredOhms(QStringView entry, QStringView unit, std::span<const Unit> units)
{
    const Unit *u = unitOf(unit, units);
    const std::optional<double> number = parseNumber(entry);
    if (!u || !number || *number < 0)
        return std::nullopt;
    return *number * std::pow(10.0, u->power);
}

QString bandWords(const Resistance &value)
{
    QStringList words;
    for (int i = 0; i < value.digitCount; ++i)
        words << kBandColors[std::size_t(value.digit(i))].colourWord.toString();
    words << multiplierWord(value.exponent).toString();
    return words.join(u", ");
}

Resistance resistanceOfBands(BandCount bands, int first, int second, int third, int exponent)
{
    if (bands == BandCount::Five)
        return {first * 100 + second * 10 + third, 3, exponent};
    return {first * 10 + second, 2, exponent};
}

} // namespace colorcode
