// Band reading: the learner reads the bands of a drawn resistor and gives its
// value, in any unit, and its tolerance.

#include "pages/practice/feedback.h"
#include "pages/practice/judging.h"
#include "pages/practice/questionkind.h"

using namespace Qt::StringLiterals;

namespace practice {

namespace {

class BandReading : public NamedKind {
public:
    BandReading() : NamedKind(Kind::Read, u"optRead", u'R') {}
    AnswerControls controls() const override { return AnswerControls::ValueAndTolerance; }

    Question next(Review &review, const SkillStates &skills, QDate today,
                  std::mt19937 &random) const override
    {
        return {scheduledQuestion(review, key(), skills, today, random), {}, 0};
    }

    QString stated(const Question &) const override { return {}; }

    QString spoken(const Question &question) const override
    {
        return questionInWords(question.resistor, Kind::Read);
    }

    Checked check(const Question &question, const Given &given, double seconds,
                  const QDateTime &when) const override
    {
        const Resistor &q = question.resistor;
        Checked c;
        c.judgement = judgeReading(q, given.number, given.unit, given.tolerance);
        c.feedback = feedback(q, Kind::Read, c.judgement);
        if (c.judgement) {
            c.answer = readingAnswer(q, given.number.trimmed(), given.unit, given.tolerance,
                                     *c.judgement, seconds, when);
            c.skills = skillAnswer(*c.answer);
        }
        return c;
    }
};

} // namespace

const QuestionKind &bandReading()
{
    static const BandReading kind;
    return kind;
}

} // namespace practice
