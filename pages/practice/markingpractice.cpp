#include "pages/practice/markingpractice.h"

#include "pages/practice/feedback.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "colorcode/resistance.h"

using namespace Qt::StringLiterals;

namespace smd {

namespace {

bool countsZeros(Form form)
{
    return form == Form::ThreeDigit || form == Form::FourDigit;
}

} // namespace

std::optional<practice::Judgement> judgeMarkingAnswer(const MarkingQuestion &question,
                                                      QStringView number, QStringView unit)
{
    // Zero is refused as typed: no marking question asks for it.
    const std::optional<double> answered = colorcode::enteredOhms(number, unit);
    if (!answered || *answered <= 0)
        return std::nullopt;
    practice::Judgement j;
    j.right = colorcode::sameOhms(*answered, question.value.ohms());
    if (!j.right && countsZeros(question.form) &&
        colorcode::sameOhms(*answered, question.marking.toDouble()))
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
