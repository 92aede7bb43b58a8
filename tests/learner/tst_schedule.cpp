#include "learner/schedule.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace practice;

Q_DECLARE_METATYPE(SkillState)

namespace {

const QDate kToday{2027, 3, 10};

SkillState state(int box, int dueInDays, int asked = 3, int right = 2)
{
    return {box, kToday.addDays(dueInDays), kToday.addDays(-1), asked, right};
}

SkillId skill(QStringView key)
{
    return *skillOfKey(key);
}

bool exercises(const Resistor &q, SkillId s)
{
    const std::vector<SkillId> skills = exercisedSkills(q);
    return std::find(skills.begin(), skills.end(), s) != skills.end();
}

// Every skill known and resting, but those given.
SkillStates known()
{
    SkillStates states;
    states.fill(state(3, 3));
    return states;
}

int anyDue(const Resistor &q, const SkillStates &states)
{
    for (SkillId s : exercisedSkills(q)) {
        if (isDue(states[std::size_t(s)], kToday))
            return true;
    }
    return false;
}

} // namespace

class tst_Schedule : public QObject {
    Q_OBJECT

private slots:
    void learning_data();
    void learning();
    void dueSkillAskedNext();
    void lowestBoxFirst();
    void markingForms_data();
    void markingForms();
    void missedQuestionComesBack();
};

void tst_Schedule::learning_data()
{
    QTest::addColumn<SkillState>("before");
    QTest::addColumn<bool>("right");
    QTest::addColumn<SkillState>("after");
    QTest::addColumn<double>("strength");
    const SkillState never;
    QTest::newRow("first right: box 1, tomorrow")
        << never << true << SkillState{1, kToday.addDays(1), kToday, 1, 1} << 0.2;
    QTest::newRow("first missed: box 0, again today")
        << never << false << SkillState{0, kToday, kToday, 1, 0} << 0.0;
    QTest::newRow("right before it is due: stays")
        << state(2, 1) << true << SkillState{2, kToday.addDays(1), kToday, 4, 3} << 0.4;
    QTest::newRow("right when due: climbs, rests 4 days")
        << state(2, 0) << true << SkillState{3, kToday.addDays(4), kToday, 4, 3} << 0.6;
    QTest::newRow("right long overdue: one box only")
        << state(2, -20) << true << SkillState{3, kToday.addDays(4), kToday, 4, 3} << 0.6;
    QTest::newRow("top box stays on top, rests 16 days")
        << state(5, 0) << true << SkillState{5, kToday.addDays(16), kToday, 4, 3} << 1.0;
    QTest::newRow("missed from the top: box 0, again today")
        << state(5, 10) << false << SkillState{0, kToday, kToday, 4, 2} << 0.0;
}

void tst_Schedule::learning()
{
    QFETCH(SkillState, before);
    QFETCH(bool, right);
    QFETCH(SkillState, after);
    QFETCH(double, strength);
    SkillState s = before;
    learn(s, right, kToday);
    QCOMPARE(s, after);
    QCOMPARE(practice::strength(s), strength);
}

void tst_Schedule::dueSkillAskedNext()
{
    // White as a digit is due, everything else rests: most questions show
    // it, and some (the known ones) show nothing due at all.
    SkillStates states = known();
    const SkillId white = skill(u"digit-9");
    states[std::size_t(white)] = state(1, 0);
    std::mt19937 random(11);
    Review review;
    int withWhite = 0, withNothingDue = 0;
    for (int i = 0; i < 200; ++i) {
        const Resistor q = scheduledQuestion(review, u"read", states, kToday, random);
        withWhite += exercises(q, white) ? 1 : 0;
        withNothingDue += anyDue(q, states) ? 0 : 1;
    }
    QVERIFY2(withWhite >= 130, qPrintable(QString::number(withWhite)));
    QVERIFY2(withNothingDue >= 25, qPrintable(QString::number(withNothingDue)));
    // Nothing due: questions still come, from the whole mix.
    const Resistor q = scheduledQuestion(review, u"read", known(), kToday, random);
    QVERIFY(q.value.digitCount == 2 || q.value.digitCount == 3);
}

void tst_Schedule::lowestBoxFirst()
{
    // Two skills due: the one just missed (box 0) before the one in box 2,
    // and the rare ±0.05% band is found although one question in a hundred
    // has it.
    SkillStates states = known();
    const SkillId orange = skill(u"tolerance-0.05%");
    const SkillId grey = skill(u"digit-8");
    states[std::size_t(orange)] = state(0, 0);
    states[std::size_t(grey)] = state(2, -1);
    std::mt19937 random(3);
    Review review;
    int withOrange = 0, withGreyOnly = 0;
    for (int i = 0; i < 100; ++i) {
        const Resistor q = scheduledQuestion(review, u"read", states, kToday, random);
        withOrange += exercises(q, orange) ? 1 : 0;
        withGreyOnly += exercises(q, grey) && !exercises(q, orange) ? 1 : 0;
    }
    QVERIFY2(withOrange >= 60, qPrintable(QString::number(withOrange)));
    QCOMPARE(withGreyOnly, 0);
}

// The marking forms are scheduled as the band skills are: the most pressing
// due form is asked, one question in four left to today's mix; with no
// marking answered yet, or none due, always today's mix.
void tst_Schedule::markingForms_data()
{
    QTest::addColumn<QString>("due"); // the due form's key, with the box it is in
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("noneAsked");
    QTest::addColumn<int>("form"); // the form asked; -1: today's mix only
    QTest::newRow("EIA-96 just missed") << u"marking-eia-96"_s << 0 << false << 3;
    QTest::newRow("R form due in box 2") << u"marking-r"_s << 2 << false << 2;
    QTest::newRow("nothing due") << QString() << 0 << false << -1;
    QTest::newRow("no marking answered yet") << QString() << 0 << true << -1;
}

void tst_Schedule::markingForms()
{
    QFETCH(QString, due);
    QFETCH(int, box);
    QFETCH(bool, noneAsked);
    QFETCH(int, form);
    SkillStates states = known();
    if (noneAsked) {
        for (SkillId s = 0; s < kSkillCount; ++s) {
            if (!isBandSkill(s))
                states[std::size_t(s)] = SkillState{};
        }
    }
    if (!due.isEmpty())
        states[std::size_t(skill(due))] = state(box, 0);
    // A band skill due changes nothing for the markings.
    states[std::size_t(skill(u"digit-9"))] = state(0, 0);
    std::mt19937 random(9);
    int asked = 0;
    for (int i = 0; i < 200; ++i) {
        const std::optional<int> f = scheduledMarkingForm(states, kToday, random);
        if (f) {
            QCOMPARE(*f, form);
            ++asked;
        }
    }
    if (form < 0)
        QCOMPARE(asked, 0);
    else
        QVERIFY2(asked >= 130 && asked <= 170, qPrintable(QString::number(asked)));
}

// A missed question comes back within five of its own kind, never as the
// next one; questions of another kind do not bring it nearer.
void tst_Schedule::missedQuestionComesBack()
{
    SkillStates states = known();
    states[std::size_t(skill(u"digit-9"))] = state(0, 0);
    std::mt19937 random(5);
    Review review;
    const Question missed{scheduledQuestion(review, u"read", states, kToday, random), {}, 0};
    remember(review, u"read", missed, false);
    remember(review, u"marking", Question{missed.resistor, u"472"_s, 0}, false);
    for (int i = 0; i < 10; ++i)
        QVERIFY(!comeBack(review, u"write", random));
    int back = 0;
    for (int i = 1; i <= kComesBackWithin && back == 0; ++i) {
        if (Question{scheduledQuestion(review, u"read", states, kToday, random), {}, 0} == missed)
            back = i;
    }
    QVERIFY(back >= kComesBackAfter);
    remember(review, u"read", missed, true);
    QCOMPARE(review.pending.size(), std::size_t(1));
    QCOMPARE(review.pending.front().kind, u"marking"_s);
}

QTEST_GUILESS_MAIN(tst_Schedule)
#include "tst_schedule.moc"
