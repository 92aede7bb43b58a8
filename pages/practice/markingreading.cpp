// SMD marking reading: the learner reads the marking printed on a chip and
// gives its value in any unit; a marking tells no tolerance.

#include "pages/practice/feedback.h"
#include "pages/practice/markingpractice.h"
#include "pages/practice/questionkind.h"

using namespace Qt::StringLiterals;

namespace practice {

namespace {

smd::MarkingQuestion markingOf(const Question &question)
{
    return {smd::Form(question.form), question.marking, question.resistor.value};
}

class MarkingReading : public NamedKind {
public:
    MarkingReading() : NamedKind(Kind::Marking, u"optSmd", u'D') {}
    AnswerControls controls() const override { return AnswerControls::Value; }

    // A missed marking comes back as a missed band question does; otherwise
    // the form the schedule asks for, or today's mix.
    Question next(Review &review, const SkillStates &skills, QDate today,
                  std::mt19937 &random) const override
    {
        if (const std::optional<Question> back = comeBack(review, key(), random))
            return *back;
        const std::optional<int> form = scheduledMarkingForm(skills, today, random);
        const smd::MarkingQuestion m = form ? smd::markingQuestion(smd::Form(*form), random)
                                            : smd::randomMarkingQuestion(random);
        return {Resistor{m.value}, m.marking, int(m.form)};
    }

    QString stated(const Question &) const override { return {}; }

    // The chip is named by its marking, as the picture is.
    QString spoken(const Question &question) const override
    {
        return instruction() + u" 표시 "_s + question.marking;
    }

    Checked check(const Question &question, const Given &given, double seconds,
                  const QDateTime &when) const override
    {
        const smd::MarkingQuestion m = markingOf(question);
        Checked c;
        c.judgement = smd::judgeMarkingAnswer(m, given.number, given.unit);
        c.feedback = smd::markingFeedback(m, c.judgement);
        if (c.judgement) {
            c.answer = markingAnswer(m.value, m.marking, question.form, given.number, given.unit,
                                     c.judgement->right, c.judgement->mistake, seconds, when);
            c.skills = skillAnswer(*c.answer);
        }
        return c;
    }
};

} // namespace

const QuestionKind &markingReading()
{
    static const MarkingReading kind;
    return kind;
}

} // namespace practice
