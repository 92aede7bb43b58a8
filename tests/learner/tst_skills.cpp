#include "colorcode/marking.h"
#include "learner/answers.h"
#include "learner/skills.h"
#include "pages/practice/judging.h"

#include <QTest>

#include <set>

using namespace Qt::StringLiterals;
using namespace practice;

Q_DECLARE_METATYPE(Resistor)

namespace {

Resistor resistor(int significand, int digitCount, int exponent, QStringView tolerance)
{
    return {{significand, digitCount, exponent}, colorcode::toleranceOf(tolerance)};
}

// Skills by key, as a test reads them best.
QStringList keys(const std::vector<SkillId> &skills)
{
    QStringList list;
    for (SkillId s : skills)
        list << kSkills[std::size_t(s)].key.toString();
    return list;
}

const Resistor k47 = resistor(47, 2, 2, u"±5%");   // yellow violet red gold
const Resistor k272 = resistor(272, 3, 3, u"±1%"); // red violet red orange brown

} // namespace

class tst_Skills : public QObject {
    Q_OBJECT

private slots:
    void table();
    void names();
    void exercised_data();
    void exercised();
    void failedByReading_data();
    void failedByReading();
    void failedByPicking();
    void markingAnswers();
};

void tst_Skills::table()
{
    std::set<QStringView> seen;
    for (SkillId s = 0; s < kSkillCount; ++s) {
        const Skill &skill = kSkills[std::size_t(s)];
        QVERIFY2(seen.insert(skill.key).second, qPrintable(skill.key.toString()));
        QCOMPARE(skillOfKey(skill.key), std::optional(s));
        // A tolerance row names its entry by the entry's own text.
        if (skill.kind == SkillKind::Tolerance) {
            const QStringView text = colorcode::kTolerances[std::size_t(skill.index)].text;
            QCOMPARE(u"tolerance-"_s + text.mid(1).toString(), skill.key);
        }
    }
    QCOMPARE(skillOfKey(u"smd-eia96"), std::nullopt);
}

void tst_Skills::names()
{
    QCOMPARE(skillName(*skillOfKey(u"digit-4")), u"숫자 노랑 (4)"_s);
    QCOMPARE(skillName(*skillOfKey(u"multiplier-2")), u"승수 적색 (×10²)"_s);
    QCOMPARE(skillName(*skillOfKey(u"tolerance-5%")), u"허용오차 금색 (±5%)"_s);
    QCOMPARE(skillColour(*skillOfKey(u"tolerance-20%")), std::nullopt);
    QCOMPARE(skillColour(*skillOfKey(u"digit-9")), std::optional(colorcode::ColorCode(0xFFFFFF)));
    QCOMPARE(skillColour(*skillOfKey(u"reading-end")), std::nullopt);
}

void tst_Skills::exercised_data()
{
    QTest::addColumn<Resistor>("question");
    QTest::addColumn<QStringList>("skills");
    QTest::newRow("4-band") << k47
                            << QStringList{u"digit-4"_s, u"digit-7"_s, u"multiplier-2"_s,
                                           u"tolerance-5%"_s, u"reading-end"_s};
    QTest::newRow("5-band, red twice")
        << k272 << QStringList{u"digit-2"_s,      u"digit-7"_s,     u"multiplier-3"_s,
                               u"tolerance-1%"_s, u"reading-end"_s, u"five-band"_s};
}

void tst_Skills::exercised()
{
    QFETCH(Resistor, question);
    QFETCH(QStringList, skills);
    QCOMPARE(keys(exercisedSkills(question)), skills);
}

void tst_Skills::failedByReading_data()
{
    QTest::addColumn<Resistor>("question");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QStringList>("failed");
    const QString k = u"K\u2126"_s;
    QTest::newRow("right") << k47 << u"4.7"_s << k << u"±5%"_s << QStringList{};
    QTest::newRow("reversed") << k47 << u"270"_s << k << u"±5%"_s << QStringList{u"reading-end"_s};
    QTest::newRow("5-band read as 4-band")
        << k272 << u"2.7"_s << k << u"±1%"_s << QStringList{u"five-band"_s};
    QTest::newRow("violet read as blue")
        << k47 << u"4.6"_s << k << u"±5%"_s << QStringList{u"digit-7"_s};
    QTest::newRow("multiplier") << k47 << u"47"_s << k << u"±5%"_s
                                << QStringList{u"multiplier-2"_s};
    QTest::newRow("tolerance only")
        << k47 << u"4.7"_s << k << u"±10%"_s << QStringList{u"tolerance-5%"_s};
    QTest::newRow("a digit and the tolerance")
        << k47 << u"5.7"_s << k << u"±20%"_s << QStringList{u"digit-4"_s, u"tolerance-5%"_s};
    QTest::newRow("more digits than the bands have: every value band")
        << k47 << u"4.75"_s << k << u"±5%"_s
        << QStringList{u"digit-4"_s, u"digit-7"_s, u"multiplier-2"_s};
}

void tst_Skills::failedByReading()
{
    QFETCH(Resistor, question);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(QString, tolerance);
    QFETCH(QStringList, failed);
    const std::optional<Judgement> j = judgeReading(question, number, unit, tolerance);
    QVERIFY(j);
    QCOMPARE(keys(failedSkills(question, *j, readResistor(question, number, unit, tolerance))),
             failed);
}

void tst_Skills::failedByPicking()
{
    // 10 Ω picked as black, brown, brown: the value is right, no band failed.
    const Resistor ten = resistor(10, 2, 0, u"±5%");
    const Resistor leadingBlack = resistor(1, 2, 1, u"±5%");
    QCOMPARE(keys(failedSkills(ten, judgeWriting(ten, leadingBlack), leadingBlack)), QStringList{});
    const Resistor swapped = resistor(74, 2, 2, u"±10%");
    QCOMPARE(keys(failedSkills(k47, judgeWriting(k47, swapped), swapped)),
             (QStringList{u"digit-4"_s, u"digit-7"_s, u"tolerance-5%"_s}));
}

// A marking answer trains its form's skill alone, kept under its marking;
// the band schedule never builds a question around it.
void tst_Skills::markingAnswers()
{
    const QDateTime when(QDate(2026, 12, 8), QTime(12, 0));
    const SkillId fourDigit = *markingSkill(int(smd::Form::FourDigit));
    QCOMPARE(kSkills[std::size_t(fourDigit)].key, u"marking-4-digit");
    QCOMPARE(skillName(fourDigit), u"SMD 표시 4자리"_s);
    QVERIFY(!isBandSkill(fourDigit));
    QVERIFY(!markingSkill(int(smd::Form::Jumper)));

    const Answer wrong = markingAnswer({470, 3, 1}, u"4701", int(smd::Form::FourDigit), u" 4701 ",
                                       u"\u2126", false, Mistake::LastDigitAsDigit, 3, when);
    QCOMPARE(questionText(wrong), u"4701"_s);
    QCOMPARE(wrong.given, u"4701\u2126"_s);
    QCOMPARE(mistakeKey(wrong.judgement.mistake), u"last-digit-as-digit");
    const SkillAnswer learnt = skillAnswer(wrong);
    QCOMPARE(learnt.exercised, std::vector<SkillId>{fourDigit});
    QCOMPARE(learnt.failed, std::vector<SkillId>{fourDigit});
    QVERIFY(mixups(wrong).empty());
    const Answer right = markingAnswer({470, 3, 1}, u"4701", int(smd::Form::FourDigit), u"4.7",
                                       u"K\u2126", true, Mistake::None, 3, when);
    QVERIFY(skillAnswer(right).failed.empty());
}

QTEST_GUILESS_MAIN(tst_Skills)
#include "tst_skills.moc"
