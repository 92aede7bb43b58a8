#include "learner/skills.h"
#include "pages/worksheet/worksheetquestions.h"

#include <QTest>

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;
using namespace practice;

Q_DECLARE_METATYPE(WorksheetQuestion)

namespace {

int shown(const std::vector<WorksheetQuestion> &sheet, std::span<const int> digits)
{
    return int(std::count_if(sheet.begin(), sheet.end(), [&](const WorksheetQuestion &q) {
        return showsDigitColour(q.resistor, digits);
    }));
}

WorksheetQuestion question(Kind kind, int significand, int digitCount, int exponent,
                           QStringView tolerance)
{
    return {{{significand, digitCount, exponent}, colorcode::toleranceOf(tolerance)}, kind};
}

} // namespace

class tst_WorksheetQuestions : public QObject {
    Q_OBJECT

private slots:
    void kinds_data();
    void kinds();
    void seeded();
    void weakFirst_data();
    void weakFirst();
    void answers_data();
    void answers();
    void weakDigitsFromSkills();
};

void tst_WorksheetQuestions::kinds_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("read");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("writes");
    QTest::newRow("both, even: half each") << 20 << true << true << 10 << 10;
    QTest::newRow("both, odd: the extra one read") << 11 << true << true << 6 << 5;
    QTest::newRow("read only, fewest") << kWorksheetFewest << true << false << 10 << 0;
    QTest::newRow("write only, most") << kWorksheetMost << false << true << 0 << 40;
    QTest::newRow("neither kind: nothing") << 20 << false << false << 0 << 0;
}

void tst_WorksheetQuestions::kinds()
{
    QFETCH(int, count);
    QFETCH(bool, read);
    QFETCH(bool, write);
    QFETCH(int, reads);
    QFETCH(int, writes);
    std::mt19937 random(7);
    const auto sheet = worksheetQuestions(count, {read, write}, random);
    QCOMPARE(int(sheet.size()), reads + writes);
    // Read questions first, then the pick ones, and no resistor twice.
    std::set<std::tuple<int, int, int, const void *>> seen;
    for (int i = 0; i < int(sheet.size()); ++i) {
        QCOMPARE(sheet[std::size_t(i)].kind, i < reads ? Kind::Read : Kind::Write);
        const Resistor &r = sheet[std::size_t(i)].resistor;
        QVERIFY(
            seen.insert({r.value.significand, r.value.digitCount, r.value.exponent, r.tolerance})
                .second);
    }
}

void tst_WorksheetQuestions::seeded()
{
    std::mt19937 a(42), b(42), c(43);
    const auto first = worksheetQuestions(kWorksheetDefault, {}, a);
    QCOMPARE(worksheetQuestions(kWorksheetDefault, {}, b), first);
    QVERIFY(worksheetQuestions(kWorksheetDefault, {}, c) != first);
}

void tst_WorksheetQuestions::weakFirst_data()
{
    QTest::addColumn<QList<int>>("weak");
    QTest::newRow("violet") << QList<int>{7};
    // White is a digit band only, never a multiplier the questions use.
    QTest::newRow("grey and white") << QList<int>{8, 9};
}

void tst_WorksheetQuestions::weakFirst()
{
    QFETCH(QList<int>, weak);
    const std::vector<int> digits(weak.begin(), weak.end());
    std::mt19937 usualRandom(11), weakRandom(11), emptyRandom(11);
    const auto usual = worksheetQuestions(kWorksheetMost, {}, usualRandom);
    const auto favoured = worksheetQuestions(kWorksheetMost, {}, weakRandom, digits);
    // Three in four show a weak colour; the usual mix shows it far less.
    QVERIFY2(shown(favoured, digits) >= kWorksheetMost * 3 / 4,
             qPrintable(QString::number(shown(favoured, digits))));
    QVERIFY(shown(usual, digits) < kWorksheetMost / 2);
    // With no weak colour known, the box gives the usual mix.
    QCOMPARE(worksheetQuestions(kWorksheetMost, {}, emptyRandom, {}), usual);
}

void tst_WorksheetQuestions::answers_data()
{
    QTest::addColumn<WorksheetQuestion>("question");
    QTest::addColumn<QString>("answer");
    QTest::newRow("read, 4-band") << question(Kind::Read, 47, 2, 2, u"±5%") << u"4.7K\u2126 ±5%"_s;
    QTest::newRow("pick, 5-band") << question(Kind::Write, 272, 3, 3, u"±1%")
                                  << u"적색, 보라, 적색, 주황, 갈색"_s;
    QTest::newRow("pick, no tolerance band")
        << question(Kind::Write, 10, 2, 0, u"±20%") << u"갈색, 검정, 검정 (허용오차 띠 없음)"_s;
}

void tst_WorksheetQuestions::answers()
{
    QFETCH(WorksheetQuestion, question);
    QFETCH(QString, answer);
    QCOMPARE(worksheetAnswer(question), answer);
}

// The colours to favour: missed and still in the lowest boxes, the weakest
// first; a colour known again, or never missed, is not among them.
void tst_WorksheetQuestions::weakDigitsFromSkills()
{
    practice::SkillStates states{};
    const auto set = [&](QStringView key, int box, int asked, int right) {
        practice::SkillState &s = states[std::size_t(*practice::skillOfKey(key))];
        s.box = box;
        s.asked = asked;
        s.right = right;
    };
    set(u"digit-2", 0, 3, 1);      // red missed
    set(u"multiplier-6", 0, 2, 0); // blue missed every time: weakest
    set(u"digit-6", 1, 4, 3);      // blue as a digit does better
    set(u"digit-4", 2, 2, 2);      // yellow never missed
    set(u"digit-9", 2, 5, 3);      // white missed, but known again
    QCOMPARE(practice::weakDigits(states), (std::vector<int>{6, 2}));
    QVERIFY(practice::weakDigits(practice::SkillStates{}).empty());
}

QTEST_GUILESS_MAIN(tst_WorksheetQuestions)
#include "tst_worksheetquestions.moc"
