// The practice's SMD questions: realistic markings that read back to their
// value and are never read both ways, answers judged in any unit, and the
// last digit read as a digit named as the slip it is.

#include "pages/practice/markingpractice.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using practice::Mistake;
using smd::Form;
using smd::MarkingQuestion;

Q_DECLARE_METATYPE(smd::MarkingQuestion)
Q_DECLARE_METATYPE(practice::Mistake)

namespace {

const QString kOhm = u"\u2126"_s;
const QString kKiloOhm = u"K\u2126"_s;
const QString kMegaOhm = u"M\u2126"_s;

const MarkingQuestion k472{Form::ThreeDigit, u"472"_s, {47, 2, 2}};
const MarkingQuestion k470{Form::ThreeDigit, u"470"_s, {47, 2, 0}};
const MarkingQuestion k4701{Form::FourDigit, u"4701"_s, {470, 3, 1}};
const MarkingQuestion k4R7{Form::RPoint, u"4R7"_s, {47, 2, -1}};
const MarkingQuestion k01C{Form::Eia96, u"01C"_s, {100, 3, 2}};

} // namespace

class tst_MarkingPractice : public QObject {
    Q_OBJECT

private slots:
    void questionsReadBack();
    void sameSeedSameQuestions();
    void judge_data();
    void judge();
    void feedback_data();
    void feedback();
};

void tst_MarkingPractice::questionsReadBack()
{
    std::mt19937 random(20261208);
    QSet<int> forms;
    for (int i = 0; i < 2000; ++i) {
        const MarkingQuestion q = smd::randomMarkingQuestion(random);
        forms << int(q.form);
        const auto read = smd::readMarking(q.marking);
        QVERIFY2(std::holds_alternative<smd::Marking>(read), qPrintable(q.marking));
        const smd::Marking &m = std::get<smd::Marking>(read);
        QVERIFY2(!m.eia96, qPrintable(q.marking));
        QCOMPARE(m.reading.form, q.form);
        QCOMPARE(m.reading.value.ohms(), q.value.ohms());
        // Parts a learner meets: 0.1Ω to 9.76MΩ.
        QVERIFY2(q.value.ohms() >= 0.1 && q.value.ohms() <= 9.76e6, qPrintable(q.marking));
    }
    QCOMPARE(forms, (QSet<int>{int(Form::ThreeDigit), int(Form::FourDigit), int(Form::RPoint),
                               int(Form::Eia96)}));
}

void tst_MarkingPractice::sameSeedSameQuestions()
{
    std::mt19937 a(7), b(7);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(smd::randomMarkingQuestion(a), smd::randomMarkingQuestion(b));
}

void tst_MarkingPractice::judge_data()
{
    QTest::addColumn<MarkingQuestion>("question");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("right");
    QTest::addColumn<Mistake>("slip");
    QTest::newRow("472 as 4.7 kilo-ohm") << k472 << u"4.7"_s << kKiloOhm << true << Mistake::None;
    QTest::newRow("472 in megaohms") << k472 << u" 0.0047 "_s << kMegaOhm << true << Mistake::None;
    QTest::newRow("472 read as 472 ohm")
        << k472 << u"472"_s << kOhm << false << Mistake::LastDigitAsDigit;
    QTest::newRow("472, another wrong value")
        << k472 << u"47"_s << kKiloOhm << false << Mistake::None;
    QTest::newRow("470 read as 470 ohm: no zeros to add")
        << k470 << u"470"_s << kOhm << false << Mistake::LastDigitAsDigit;
    QTest::newRow("4701 read as 4.701 kilo-ohm")
        << k4701 << u"4.701"_s << kKiloOhm << false << Mistake::LastDigitAsDigit;
    // Only the digit codes count zeros.
    QTest::newRow("4R7 read as 47 ohm") << k4R7 << u"47"_s << kOhm << false << Mistake::None;
    QTest::newRow("01C read as 1 ohm") << k01C << u"1"_s << kOhm << false << Mistake::None;
    QTest::newRow("01C right") << k01C << u"10"_s << kKiloOhm << true << Mistake::None;
    // Found by the fuzz target: a number that only overflows in its unit.
    QTest::newRow("10³⁰⁵ megaohm, beyond any double")
        << k472 << u"1"_s + QString(305, u'0') << u"M\u2126"_s << false << Mistake::None;
}

void tst_MarkingPractice::judge()
{
    QFETCH(MarkingQuestion, question);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(bool, right);
    QFETCH(Mistake, slip);
    const auto j = smd::judgeMarkingAnswer(question, number, unit);
    QVERIFY(j);
    QCOMPARE(j->right, right);
    QCOMPARE(j->mistake, slip);
}

void tst_MarkingPractice::feedback_data()
{
    QTest::addColumn<MarkingQuestion>("question");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("feedback");
    QTest::newRow("right") << k472 << u"4700"_s << kOhm
                           << u"정답입니다.\n4, 7, 2 → 47 × 10² = 4700\u2126 = 4.7K\u2126"_s;
    QTest::newRow("the slip")
        << k472 << u"472"_s << kOhm
        << u"오답입니다. 마지막 숫자(2)는 값의 숫자가 아니라 붙일 0의 개수입니다: 472 → 47에 0을 "
           "2개 붙여 4700\u2126.\n4, 7, 2 → 47 × 10² = 4700\u2126 = 4.7K\u2126"_s;
    QTest::newRow("the slip with no zeros")
        << k470 << u"470"_s << kOhm
        << u"오답입니다. 마지막 숫자(0)는 값의 숫자가 아니라 붙일 0의 개수입니다: 470 → 47에 0을 "
           "붙이지 않아 47\u2126.\n4, 7, 0 → 47 × 10⁰ = 47\u2126"_s;
    QTest::newRow("not a number") << k472 << u"4k7"_s << kOhm
                                  << u"저항값을 0보다 큰 숫자로 입력하십시오. 예: 4.7"_s;
    QTest::newRow("zero, refused as letters are")
        << k472 << u"0"_s << kOhm << u"저항값을 0보다 큰 숫자로 입력하십시오. 예: 4.7"_s;
    QTest::newRow("a wrong value with no named slip")
        << k472 << u"47"_s << kOhm
        << u"오답입니다. 저항값이 틀렸습니다.\n4, 7, 2 → 47 × 10² = 4700\u2126 = 4.7K\u2126"_s;
}

void tst_MarkingPractice::feedback()
{
    QFETCH(MarkingQuestion, question);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(QString, feedback);
    QCOMPARE(smd::markingFeedback(question, smd::judgeMarkingAnswer(question, number, unit)),
             feedback);
}

QTEST_GUILESS_MAIN(tst_MarkingPractice)
#include "tst_markingpractice.moc"
