#include "learner/skills.h"
#include "pages/worksheet/worksheetquestions.h"

#include <QTest>

#include "colorcode/series.h"

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;
using namespace practice;

Q_DECLARE_METATYPE(WorksheetQuestion)
Q_DECLARE_METATYPE(WorksheetRecipe)
Q_DECLARE_METATYPE(CodeRefusal)
Q_DECLARE_METATYPE(std::vector<WorksheetQuestion>)

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
    return {{{significand, digitCount, exponent}, colorcode::toleranceOf(tolerance)}, kind, {}};
}

WorksheetRecipe recipe(std::uint32_t seed, int count, WorksheetKinds kinds, bool common = false,
                       std::uint16_t weak = 0)
{
    return {seed, count, kinds, common, weak};
}

// `n` questions of one kind after another, for the page plans.
std::vector<WorksheetQuestion> questionsOf(std::initializer_list<std::pair<Kind, int>> runs)
{
    std::vector<WorksheetQuestion> sheet;
    for (const auto &[kind, n] : runs)
        sheet.insert(sheet.end(), std::size_t(n), WorksheetQuestion{{}, kind, {}});
    return sheet;
}

bool inE12(const colorcode::Resistance &v)
{
    const std::span<const int> e12 = colorcode::seriesValues(colorcode::Series::E12);
    const int twoDigits = v.digitCount == 3 ? v.significand / 10 : v.significand;
    return (v.digitCount == 2 || v.significand % 10 == 0) &&
           std::find(e12.begin(), e12.end(), twoDigits) != e12.end();
}

} // namespace

class tst_WorksheetQuestions : public QObject {
    Q_OBJECT

private slots:
    void kinds_data();
    void kinds();
    void seeded();
    void commonOnly_data();
    void commonOnly();
    void codeRoundTrip_data();
    void codeRoundTrip();
    void codeRefused_data();
    void codeRefused();
    void pages_data();
    void pages();
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
    QTest::addColumn<bool>("marking");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("markings");
    QTest::newRow("both, even: half each") << 20 << true << true << false << 10 << 10 << 0;
    QTest::newRow("both, odd: the extra one read") << 11 << true << true << false << 6 << 5 << 0;
    QTest::newRow("read only, fewest")
        << kWorksheetFewest << true << false << false << 10 << 0 << 0;
    QTest::newRow("write only, most") << kWorksheetMost << false << true << false << 0 << 40 << 0;
    QTest::newRow("all three, 20: the two extra to the first two")
        << 20 << true << true << true << 7 << 7 << 6;
    QTest::newRow("marking only") << kWorksheetMost << false << false << true << 0 << 0 << 40;
    QTest::newRow("no kind: nothing") << 20 << false << false << false << 0 << 0 << 0;
}

void tst_WorksheetQuestions::kinds()
{
    QFETCH(int, count);
    QFETCH(bool, read);
    QFETCH(bool, write);
    QFETCH(bool, marking);
    QFETCH(int, reads);
    QFETCH(int, writes);
    QFETCH(int, markings);
    std::mt19937 random(7);
    const auto sheet = worksheetQuestions(count, {read, write, marking}, random);
    QCOMPARE(int(sheet.size()), reads + writes + markings);
    // Read questions first, then the pick ones, then the markings, and no
    // resistor or marking twice.
    std::set<std::tuple<int, int, int, const void *>> seen;
    std::set<QString> markingsSeen;
    for (int i = 0; i < int(sheet.size()); ++i) {
        const WorksheetQuestion &q = sheet[std::size_t(i)];
        QCOMPARE(q.kind, i < reads ? Kind::Read : i < reads + writes ? Kind::Write : Kind::Marking);
        const Resistor &r = q.resistor;
        if (q.kind == Kind::Marking)
            QVERIFY(markingsSeen.insert(q.marking.marking).second);
        else
            QVERIFY(seen.insert({r.value.significand, r.value.digitCount, r.value.exponent,
                                 r.tolerance})
                        .second);
    }
}

// Only E12 values from 10Ω to 1MΩ, common tolerances, digit markings, for
// every seed tried.
void tst_WorksheetQuestions::commonOnly_data()
{
    QTest::addColumn<bool>("marking");
    QTest::newRow("band questions") << false;
    QTest::newRow("marking questions") << true;
}

void tst_WorksheetQuestions::commonOnly()
{
    QFETCH(bool, marking);
    const std::set<QStringView> tolerances{u"±1%", u"±2%", u"±5%", u"±10%"};
    std::set<double> values;
    for (std::uint32_t seed = 0; seed < 20; ++seed) {
        const WorksheetKinds kinds{!marking, !marking, marking};
        for (const WorksheetQuestion &q :
             worksheetQuestions(recipe(seed, kWorksheetMost, kinds, true))) {
            const colorcode::Resistance &v = marking ? q.marking.value : q.resistor.value;
            values.insert(v.ohms());
            QVERIFY2(inE12(v) && v.ohms() >= 10 && v.ohms() <= 1e6,
                     qPrintable(v.text() + u' ' + q.marking.marking));
            if (marking) {
                QVERIFY(q.marking.form == smd::Form::ThreeDigit ||
                        q.marking.form == smd::Form::FourDigit);
                QVERIFY(!q.marking.marking.isEmpty());
            } else {
                QVERIFY(tolerances.count(q.resistor.tolerance->text));
            }
        }
    }
    // Both ends are reached: 10Ω on bands and 3-digit markings, and 1MΩ.
    QVERIFY(values.count(10) || marking);
    QVERIFY(values.count(1e6));
}

void tst_WorksheetQuestions::codeRoundTrip_data()
{
    QTest::addColumn<WorksheetRecipe>("recipe");
    QTest::addColumn<QString>("code");
    // Kinds bit 0 is the 32nd bit: 2 in the seventh character from the
    // right; Luhn doubles it to 4, the check is 32 − 4 = 28, "W".
    QTest::newRow("read only, seed 0, fewest")
        << recipe(0, 10, {true, false, false}) << u"00200-0000W"_s;
    // The example the refusals show, worked the same way.
    QTest::newRow("the refusals' example: 20 read and pick")
        << recipe(10400879, 20, {true, true, false}) << u"006M9-XD3FP"_s;
    QTest::newRow("every field at its largest")
        << recipe((1U << kSheetSeedBits) - 1, kWorksheetMost, {true, true, true}, true, 0x3FF)
        << QString();
}

void tst_WorksheetQuestions::codeRoundTrip()
{
    QFETCH(WorksheetRecipe, recipe);
    QFETCH(QString, code);
    const QString written = sheetCode(recipe);
    if (!code.isEmpty())
        QCOMPARE(written, code);
    QCOMPARE(std::get<WorksheetRecipe>(readSheetCode(written)), recipe);
    // Typed loosely: small letters, blanks for the hyphen, O for zero.
    QString loose = written.toLower().replace(u'-', u"  "_s).replace(u'0', u'o');
    QCOMPARE(std::get<WorksheetRecipe>(readSheetCode(loose)), recipe);
    // The same code, the same sheet.
    QCOMPARE(worksheetQuestions(std::get<WorksheetRecipe>(readSheetCode(written))),
             worksheetQuestions(recipe));
}

void tst_WorksheetQuestions::codeRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<CodeRefusal>("refusal");
    QTest::newRow("empty") << QString() << CodeRefusal::WrongLength;
    QTest::newRow("a character short") << u"00200-0000"_s << CodeRefusal::WrongLength;
    QTest::newRow("U is no code character") << u"00200-0000U"_s << CodeRefusal::ForeignCharacter;
    QTest::newRow("one character changed") << u"00300-0000W"_s << CodeRefusal::Mistyped;
    QTest::newRow("neighbours swapped") << u"02000-0000W"_s << CodeRefusal::Mistyped;
    QTest::newRow("checks, but no kind") << u"00000-00000"_s << CodeRefusal::NotASheet;
}

void tst_WorksheetQuestions::codeRefused()
{
    QFETCH(QString, typed);
    QFETCH(CodeRefusal, refusal);
    const auto read = readSheetCode(typed);
    QVERIFY(std::holds_alternative<CodeRefusal>(read));
    QCOMPARE(std::get<CodeRefusal>(read), refusal);
}

// Rows of 10 and headings of 1 on pages of 61: a heading and six rows fill
// a page.
void tst_WorksheetQuestions::pages_data()
{
    QTest::addColumn<std::vector<WorksheetQuestion>>("questions");
    QTest::addColumn<double>("page");
    QTest::addColumn<QList<int>>("perPage");
    QTest::newRow("12 read: one full page")
        << questionsOf({{Kind::Read, 12}}) << 61.0 << QList<int>{12};
    QTest::newRow("40 read: four even pages, not 12, 12, 12, 4")
        << questionsOf({{Kind::Read, 40}}) << 61.0 << QList<int>{10, 10, 10, 10};
    QTest::newRow("42 read: 21 rows go 6, 5, 5, 5, not 6, 6, 6, 3")
        << questionsOf({{Kind::Read, 42}}) << 61.0 << QList<int>{12, 10, 10, 10};
    // Greedy, the pick heading and one row would still fit the first page,
    // leaving three rows for the second.
    QTest::newRow("7 read, 7 pick: a kind a page")
        << questionsOf({{Kind::Read, 7}, {Kind::Write, 7}}) << 61.0 << QList<int>{7, 7};
    QTest::newRow("a row taller than the page: a page each")
        << questionsOf({{Kind::Marking, 4}}) << 5.0 << QList<int>{2, 2};
    QTest::newRow("no questions: no pages") << questionsOf({}) << 61.0 << QList<int>{};
}

void tst_WorksheetQuestions::pages()
{
    QFETCH(std::vector<WorksheetQuestion>, questions);
    QFETCH(double, page);
    QFETCH(QList<int>, perPage);
    const std::vector<int> plan = questionsPerPage(questions, {page, 1, 10});
    QCOMPARE(QList<int>(plan.begin(), plan.end()), perPage);
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
    QTest::newRow("marking, 4 digits")
        << WorksheetQuestion{{}, Kind::Marking, {smd::Form::FourDigit, u"4701"_s, {470, 3, 1}}}
        << u"4.7K\u2126"_s;
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
