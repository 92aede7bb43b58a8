#include "pages/practice/judging.h"

#include "colorcode/numbertext.h"
#include "colorcode/resistance.h"

#include <algorithm>

using colorcode::Resistance;

namespace practice {

namespace {

// A typed value is read with at most as many significant digits as the
// bands of any resistor here spell.
constexpr int kMostDigits = colorcode::significantDigits(colorcode::BandCount::Five);

// Whether two values are one, however many digit bands spell them.
bool sameValue(const Resistance &a, const Resistance &b)
{
    return colorcode::sameOhms(a.ohms(), b.ohms());
}

// The digit a tolerance band's colour stands for when it is read as a digit
// band (brown 1, red 2, green 5, …); nullopt for gold, silver and no band.
std::optional<int> digitOfColour(const colorcode::ToleranceEntry *tolerance)
{
    if (!tolerance || !tolerance->filled)
        return std::nullopt;
    for (const colorcode::BandColor &band : colorcode::kBandColors) {
        if (band.colourWord == tolerance->colourWord)
            return band.digit;
    }
    return std::nullopt;
}

// The digits of a value without its trailing zeros: 47 for 4.7 kΩ and for
// 470 Ω alike; 0 for zero.
int digitsOf(const Resistance &r)
{
    int s = r.significand;
    while (s != 0 && s % 10 == 0)
        s /= 10;
    return s;
}

// Brown, red and orange look alike, and so do blue and violet, grey and white.
int lookAlikeGroup(int digit)
{
    if (digit >= 1 && digit <= 3)
        return 0;
    if (digit == 6 || digit == 7)
        return 1;
    if (digit == 8 || digit == 9)
        return 2;
    return -1;
}

bool lookAlike(int a, int b)
{
    return a != b && lookAlikeGroup(a) >= 0 && lookAlikeGroup(a) == lookAlikeGroup(b);
}

struct Slip {
    Mistake mistake = Mistake::None;
    int band = 0;
    int bandsDigit = 0; // the digit the bands have
    int readDigit = 0;  // the digit they were read as
};

// The slip by which reading `bands` gives `value`. A learner who reads a
// drawn question makes it on the question's bands; one who picks bands for a
// stated value makes it backwards, so the picked bands, read with the slip,
// give the stated value.
Slip slipBetween(const Resistor &resistor, const Resistance &value)
{
    const Resistance &bands = resistor.value;
    const int n = bands.digitCount;
    if (bands.exponent >= 0 && bands.exponent <= 9) {
        // From the wrong end the multiplier band is the first digit, the
        // digit bands come backwards and the first of them is the multiplier.
        int reversed = bands.exponent;
        for (int i = n - 1; i >= 1; --i)
            reversed = reversed * 10 + bands.digit(i);
        if (sameValue({reversed, n, bands.digit(0)}, value))
            return {Mistake::Reversed};
        // A 5-band resistor's tolerance band has a digit's colour: from the
        // wrong end it is the first digit, the multiplier band the second,
        // the third digit band the third and the second one the multiplier.
        const std::optional<int> tolerance = digitOfColour(resistor.tolerance);
        if (n == 3 && tolerance &&
            sameValue({*tolerance * 100 + bands.exponent * 10 + bands.digit(2), 3, bands.digit(1)},
                      value))
            return {Mistake::Reversed};
    }
    if (n == 3 && sameValue({bands.digit(0) * 10 + bands.digit(1), 2, bands.digit(2)}, value))
        return {Mistake::FiveAsFour};
    for (int i = 0; i < n; ++i) {
        const int digit = bands.digit(i);
        for (int other = 0; other <= 9; ++other) {
            if (!lookAlike(digit, other))
                continue;
            Resistance misread = bands;
            misread.significand += (other - digit) * int(colorcode::powerOfTen(n - 1 - i));
            if (sameValue(misread, value))
                return {Mistake::NeighbourColour, i, digit, other};
        }
    }
    if (digitsOf(bands) != 0 && digitsOf(bands) == digitsOf(value) && !sameValue(bands, value))
        return {Mistake::PowerOfTen};
    return {};
}

Judgement judged(const Resistor &question, const Resistance &value, bool toleranceRight)
{
    Judgement j;
    j.toleranceRight = toleranceRight;
    if (sameValue(value, question.value)) {
        j.right = toleranceRight;
        j.mistake = toleranceRight ? Mistake::None : Mistake::ToleranceOnly;
    }
    return j;
}

} // namespace

std::optional<Judgement> judgeReading(const Resistor &question, QStringView number,
                                      QStringView unit, QStringView tolerance)
{
    // Zero is refused as typed: no question asks for it.
    const std::optional<double> ohms = colorcode::enteredOhms(number, unit);
    if (!ohms || *ohms <= 0)
        return std::nullopt;
    const bool toleranceRight = tolerance == question.tolerance->text;
    // The value is rounded to fifteen digits on the way, so 0.0047 MΩ is
    // exactly 4700 Ω. A value that needs more digits than any bands spell or
    // is too large is wrong in no named way.
    const std::optional<Resistance> said = colorcode::resistanceOf(*ohms, kMostDigits);
    if (!said) {
        Judgement j;
        j.toleranceRight = toleranceRight;
        return j;
    }
    Judgement j = judged(question, *said, toleranceRight);
    if (!sameValue(*said, question.value)) {
        const Slip slip = slipBetween(question, *said);
        j.mistake = slip.mistake;
        j.band = slip.band;
        j.rightDigit = slip.bandsDigit;
        j.takenDigit = slip.readDigit;
    }
    return j;
}

Judgement judgeWriting(const Resistor &question, const Resistor &picked)
{
    Judgement j = judged(question, picked.value, picked.tolerance == question.tolerance);
    if (!sameValue(picked.value, question.value)) {
        const Slip slip = slipBetween(picked, question.value);
        j.mistake = slip.mistake;
        j.band = slip.band;
        j.rightDigit = slip.readDigit;
        j.takenDigit = slip.bandsDigit;
    }
    return j;
}

std::optional<Resistor> pickedResistor(colorcode::BandCount bands, QStringView first,
                                       QStringView second, QStringView third,
                                       QStringView multiplier, QStringView toleranceWord)
{
    const std::optional<int> d1 = colorcode::digitOfItemText(first);
    const std::optional<int> d2 = colorcode::digitOfItemText(second);
    const std::optional<int> d3 =
        bands == colorcode::BandCount::Five ? colorcode::digitOfItemText(third) : 0;
    const std::optional<int> m =
        colorcode::digitOfItemText(multiplier, colorcode::kMultiplierEntries);
    const auto entry = std::find_if(
        colorcode::kTolerances.begin(), colorcode::kTolerances.end(),
        [&](const colorcode::ToleranceEntry &t) { return t.colourWord == toleranceWord; });
    if (!d1 || !d2 || !d3 || !m || entry == colorcode::kTolerances.end())
        return std::nullopt;
    return Resistor{colorcode::resistanceOfBands(bands, *d1, *d2, *d3, *m), &*entry};
}

} // namespace practice
