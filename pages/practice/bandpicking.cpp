// Band picking: the learner is given a value and its tolerance and picks the
// colour of each band.

#include "pages/practice/feedback.h"
#include "pages/practice/judging.h"
#include "pages/practice/questionkind.h"

using namespace Qt::StringLiterals;

namespace practice {

namespace {

class BandPicking : public NamedKind {
public:
    BandPicking() : NamedKind(Kind::Write, u"optWrite", u'W') {}
    AnswerControls controls() const override { return AnswerControls::Bands; }

    Question next(Review &review, const SkillStates &skills, QDate today,
                  std::mt19937 &random) const override
    {
        return {scheduledQuestion(review, key(), skills, today, random), {}, 0};
    }

    QString stated(const Question &question) const override
    {
        return statedValue(question.resistor);
    }

    QString spoken(const Question &question) const override
    {
        return questionInWords(question.resistor, Kind::Write);
    }

    Checked check(const Question &question, const Given &given, double seconds,
                  const QDateTime &when) const override
    {
        const Resistor &q = question.resistor;
        Checked c;
        if (given.picked) {
            c.judgement = judgeWriting(q, *given.picked);
            c.answer = pickingAnswer(q, *given.picked, *c.judgement, seconds, when);
            c.skills = skillAnswer(*c.answer);
        }
        c.feedback = feedback(q, Kind::Write, c.judgement);
        return c;
    }
};

} // namespace

const QuestionKind &bandPicking()
{
    static const BandPicking kind;
    return kind;
}

} // namespace practice
