#include "learner/question.h"

#include "colorcode/series.h"

using namespace Qt::StringLiterals;
using colorcode::Resistance;

namespace practice {

namespace {

// The precision tolerances: the 5-band ones after ±1% and ±2%.
constexpr std::span<const QStringView> kPrecisionTolerances =
    std::span(colorcode::kFiveBandTolerances).subspan<2>();

// The multiplier list goes from ×1 to ×10⁶.
constexpr int kLargestExponent = colorcode::kMultiplierEntries - 1;

// Two in five questions are 5-band; tolerances by tenths.
constexpr int kFiveBandInFive = 2;
constexpr int kCommonInTen = 6; // ±5% or ±1%
constexpr int kSecondInTen = 3; // ±10% or ±2%; the tenth is ±20% or a precision tolerance

const colorcode::ToleranceEntry *tolerance(QStringView text)
{
    return colorcode::toleranceOf(text);
}

} // namespace

int below(std::mt19937 &random, std::size_t n)
{
    return int(random() % std::uint32_t(n));
}

Resistor randomQuestion(std::mt19937 &random)
{
    const bool five = below(random, 5) < kFiveBandInFive;
    const int exponent = below(random, kLargestExponent + 1);
    const int roll = below(random, 10);
    if (five) {
        const std::span<const int> e96 = colorcode::seriesValues(colorcode::Series::E96);
        const int digits = e96[std::size_t(below(random, e96.size()))];
        const QStringView text =
            roll < kCommonInTen ? u"±1%"
            : roll < kCommonInTen + kSecondInTen
                ? u"±2%"
                : kPrecisionTolerances[std::size_t(below(random, kPrecisionTolerances.size()))];
        return {{digits, 3, exponent}, tolerance(text)};
    }
    const std::span<const int> e24 = colorcode::seriesValues(colorcode::Series::E24);
    const int digits = e24[std::size_t(below(random, e24.size()))];
    const QStringView text = roll < kCommonInTen                  ? u"±5%"
                             : roll < kCommonInTen + kSecondInTen ? u"±10%"
                                                                  : u"±20%";
    return {{digits, 2, exponent}, tolerance(text)};
}

QString statedValue(const Resistor &question)
{
    return question.value.text(colorcode::kListUnits) + u' ' + question.tolerance->text.toString();
}

QStringList toleranceTexts()
{
    return colorcode::itemTexts(colorcode::kFourBandTolerances) +
           colorcode::itemTexts(colorcode::kFiveBandTolerances);
}

QStringList toleranceWords()
{
    QStringList words;
    for (const colorcode::ToleranceEntry &t : colorcode::kTolerances)
        words << t.colourWord.toString();
    return words;
}

std::array<DrawnBand, 5> drawnBands(const Resistor &resistor)
{
    using colorcode::Palette;
    const Resistance &v = resistor.value;
    const auto digitBand = [](int digit, QStringView role) {
        // Only a multiplier beyond the lists (never in a question) falls
        // outside the ten colours; it is painted black.
        const bool colour = digit >= 0 && digit <= 9;
        return DrawnBand{
            true, true,
            colour ? colorcode::digitColor(digit, Palette::Selector) : colorcode::kBlack, role};
    };
    const bool five = resistor.bands() == colorcode::BandCount::Five;
    // The multiplier lands on the band after the last digit band.
    const DrawnBand multiplier = digitBand(v.exponent, colorcode::kMultiplierRole);
    return {{
        digitBand(v.digit(0), colorcode::kFirstDigitRole),
        digitBand(v.digit(1), colorcode::kSecondDigitRole),
        five ? digitBand(v.digit(2), colorcode::kThirdDigitRole) : multiplier,
        five ? multiplier : DrawnBand{false, true, colorcode::kBlack, colorcode::kMultiplierRole},
        {true, resistor.tolerance->filled,
         colorcode::toleranceColor(*resistor.tolerance, Palette::Selector),
         colorcode::kToleranceRole},
    }};
}

} // namespace practice
