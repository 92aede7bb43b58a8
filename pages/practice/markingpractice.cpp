#include "pages/practice/markingpractice.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"

#include <cmath>

using namespace Qt::StringLiterals;
using colorcode::Resistance;

namespace smd {

namespace {

// Two values are one when their fifteen-digit texts are: 4.7 × 1000 is 4700.
// A typed number too large for its unit is no value at all.
bool sameOhms(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return false;
    const colorcode::FifteenDigits x = colorcode::fifteenDigits(a);
    const colorcode::FifteenDigits y = colorcode::fifteenDigits(b);
    return x.negative == y.negative && x.digits == y.digits && x.exponent == y.exponent;
}

bool countsZeros(Form form)
{
    return form == Form::ThreeDigit || form == Form::FourDigit;
}

} // namespace

std::optional<MarkingJudgement> judgeMarkingAnswer(const MarkingQuestion &question,
                                                   QStringView number, QStringView unit)
{
    const std::optional<double> typed = colorcode::parseNumber(number);
    const colorcode::Unit *u = colorcode::unitOf(unit, colorcode::kListUnits);
    if (!typed || !u)
        return std::nullopt;
    const double answered = *typed * std::pow(10.0, u->power);
    MarkingJudgement j;
    j.right = sameOhms(answered, question.value.ohms());
    if (!j.right && countsZeros(question.form) && sameOhms(answered, question.marking.toDouble()))
        j.slip = MarkingSlip::LastDigitAsDigit;
    return j;
}

QString slipSentence(const MarkingQuestion &question, MarkingSlip slip)
{
    if (slip == MarkingSlip::None)
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
                        const std::optional<MarkingJudgement> &judgement)
{
    if (!judgement)
        return u"저항값을 숫자로 입력하십시오. 예: 4.7"_s;
    QString line = judgement->right ? u"정답입니다."_s : u"오답입니다."_s;
    const QString sentence = slipSentence(question, judgement->slip);
    if (!sentence.isEmpty())
        line += u' ' + sentence;
    return line + u'\n' + markingWorking(question.marking, readMarking(question.marking));
}

} // namespace smd
