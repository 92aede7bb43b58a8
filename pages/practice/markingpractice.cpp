#include "pages/practice/markingpractice.h"

#include "pages/practice/feedback.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "colorcode/series.h"

#include <cmath>

using namespace Qt::StringLiterals;
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

bool countsZeros(Form form)
{
    return form == Form::ThreeDigit || form == Form::FourDigit;
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

std::optional<practice::Judgement> judgeMarkingAnswer(const MarkingQuestion &question,
                                                      QStringView number, QStringView unit)
{
    const std::optional<double> typed = colorcode::parseNumber(number);
    const colorcode::Unit *u = colorcode::unitOf(unit, colorcode::kListUnits);
    if (!typed || *typed <= 0 || !u)
        return std::nullopt;
    const double answered = *typed * std::pow(10.0, u->power);
    practice::Judgement j;
    j.right = colorcode::sameOhms(answered, question.value.ohms());
    if (!j.right && countsZeros(question.form) &&
        colorcode::sameOhms(answered, question.marking.toDouble()))
        j.mistake = practice::Mistake::LastDigitAsDigit;
    return j;
}

QString slipSentence(const MarkingQuestion &question, practice::Mistake slip)
{
    if (slip != practice::Mistake::LastDigitAsDigit)
        return {};
    const QString zeros = question.marking.right(1);
    const QString digits = question.marking.chopped(1);
    const QString ohms = colorcode::withUnit(question.value.ohms(), colorcode::kOhm);
    const QString head = u"마지막 숫자(%1)는 값의 숫자가 아니라 붙일 0의 개수입니다: "_s.arg(zeros);
    if (zeros == u"0")
        return head + u"%1 → %2에 0을 붙이지 않아 %3."_s.arg(question.marking, digits, ohms);
    return head + u"%1 → %2에 0을 %3개 붙여 %4."_s.arg(question.marking, digits, zeros, ohms);
}

QString markingFeedback(const MarkingQuestion &question,
                        const std::optional<practice::Judgement> &judgement)
{
    if (!judgement)
        return practice::kNumberRequest.toString();
    QString line = judgement->right ? u"정답입니다."_s : u"오답입니다."_s;
    QString sentence = slipSentence(question, judgement->mistake);
    if (!judgement->right && sentence.isEmpty())
        sentence = practice::kValueWrong.toString();
    if (!sentence.isEmpty())
        line += u' ' + sentence;
    return line + u'\n' + markingWorking(question.marking, readMarking(question.marking));
}

} // namespace smd
