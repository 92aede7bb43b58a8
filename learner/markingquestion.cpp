#include "learner/markingquestion.h"

#include "colorcode/series.h"

using colorcode::Resistance;
using colorcode::Series;

namespace smd {

namespace {

// Questions by tenths: the digit codes are what most chips carry, the R
// forms and EIA-96 codes come now and then.
constexpr int kThreeDigitInTen = 3;
constexpr int kFourDigitInTen = 3;
constexpr int kRPointInTen = 2;

// Exponents of each form's values, from the smallest up.
constexpr int kThreeDigitExponents = 6; // 10Ω to 9.1MΩ
constexpr int kFourDigitExponents = 5;  // 100Ω to 9.76MΩ
constexpr int kEia96LowestExponent = -1;
constexpr int kEia96Exponents = 6; // 10Ω (X) to 9.76MΩ (E)

// A number in 0 … n−1 straight from the generator, so a seed gives the same
// questions with every standard library.
int below(std::mt19937 &random, std::size_t n)
{
    return int(random() % std::uint32_t(n));
}

int pick(std::mt19937 &random, Series series)
{
    const std::span<const int> values = colorcode::seriesValues(series);
    return values[std::size_t(below(random, values.size()))];
}

Resistance rPointValue(std::mt19937 &random)
{
    // Mostly E24 values between 1Ω and 9.1Ω; now and then a current-sense
    // value below 1Ω or an E96 value of four characters.
    switch (below(random, 4)) {
    case 0:
        return {pick(random, Series::E24), 2, -2};
    case 1:
        return {pick(random, Series::E96), 3, -2};
    default:
        return {pick(random, Series::E24), 2, -1};
    }
}

} // namespace

MarkingQuestion markingQuestion(Form form, std::mt19937 &random)
{
    MarkingQuestion q;
    q.form = form;
    switch (form) {
    case Form::FourDigit:
        q.value = {pick(random, Series::E96), 3, below(random, kFourDigitExponents)};
        break;
    case Form::RPoint:
        q.value = rPointValue(random);
        break;
    case Form::Eia96:
        q.value = {pick(random, Series::E96), 3,
                   kEia96LowestExponent + below(random, kEia96Exponents)};
        break;
    case Form::ThreeDigit:
    case Form::Jumper:
        q.form = Form::ThreeDigit;
        q.value = {pick(random, Series::E24), 2, below(random, kThreeDigitExponents)};
        break;
    }
    // The usual marking of the form: an EIA-96 code with Y, X or B, never
    // the R that would make it an R form too.
    q.marking = markingsIn(q.form, q.value).value(0);
    return q;
}

MarkingQuestion randomMarkingQuestion(std::mt19937 &random)
{
    const int roll = below(random, 10);
    if (roll < kThreeDigitInTen)
        return markingQuestion(Form::ThreeDigit, random);
    if (roll < kThreeDigitInTen + kFourDigitInTen)
        return markingQuestion(Form::FourDigit, random);
    if (roll < kThreeDigitInTen + kFourDigitInTen + kRPointInTen)
        return markingQuestion(Form::RPoint, random);
    return markingQuestion(Form::Eia96, random);
}

} // namespace smd
