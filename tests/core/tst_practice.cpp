#include "pages/color_to_value/working.h"
#include "pages/practice/practice.h"

#include <QTest>

#include <set>

using namespace Qt::StringLiterals;
using namespace practice;
using colorcode::Resistance;

Q_DECLARE_METATYPE(Mistake)
Q_DECLARE_METATYPE(Resistor)

namespace {

const QString kO = u"\u2126"_s;
const QString kK = u"K\u2126"_s;
const QString kM = u"M\u2126"_s;

Resistor resistor(int significand, int digitCount, int exponent, QStringView tolerance)
{
    return {{significand, digitCount, exponent}, colorcode::toleranceOf(tolerance)};
}

QString item(int digit)
{
    return colorcode::kBandColors[std::size_t(digit)].itemText.toString();
}

// The feedback keeps its promises whatever the answer: right answers say
// "정답" and name nothing, wrong ones say "오답", and the last line is the
// question's working.
void verifyFeedback(const Resistor &q, Kind kind, const Judgement &j, const QStringList &words)
{
    const QString text = feedback(q, kind, j);
    QVERIFY2(text.startsWith(j.right ? u"정답"_s : u"오답"_s), qPrintable(text));
    QVERIFY(text.endsWith(u'\n' + colortovalue::readingWorking(q.value, q.tolerance->text)));
    const QString firstLine = text.section(u'\n', 0, 0);
    for (const QString &word : words)
        QVERIFY2(firstLine.contains(word), qPrintable(firstLine + u" lacks "_s + word));
}

} // namespace

class tst_Practice : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void notJudged_data();
    void notJudged();
    void writing_data();
    void writing();
    void unreadablePicks_data();
    void unreadablePicks();
    void feedbackTexts_data();
    void feedbackTexts();
    void drawing();
    void questionsAreRealistic();
    void missedComesBack_data();
    void missedComesBack();
    void scoring();
};

void tst_Practice::reading_data()
{
    QTest::addColumn<Resistor>("question");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<bool>("right");
    QTest::addColumn<Mistake>("mistake");
    QTest::addColumn<QStringList>("words"); // in the feedback's first line

    const Resistor k47 = resistor(47, 2, 2, u"±5%");   // yellow violet red gold
    const Resistor k272 = resistor(272, 3, 3, u"±1%"); // red violet red orange brown
    QTest::newRow("4.7 in kilo-ohms")
        << k47 << u"4.7"_s << kK << u"±5%"_s << true << Mistake::None << QStringList{};
    QTest::newRow("4700 in ohms") << k47 << u"4700"_s << kO << u"±5%"_s << true << Mistake::None
                                  << QStringList{};
    QTest::newRow("0.0047 in megaohms")
        << k47 << u"0.0047"_s << kM << u"±5%"_s << true << Mistake::None << QStringList{};
    QTest::newRow(".0047 in megaohms, blanks around")
        << k47 << u"  .0047 "_s << kM << u"±5%"_s << true << Mistake::None << QStringList{};
    QTest::newRow("4.70, a trailing zero")
        << k47 << u"4.70"_s << kK << u"±5%"_s << true << Mistake::None << QStringList{};
    QTest::newRow("5-band 272 in kilo-ohms")
        << k272 << u"272"_s << kK << u"±1%"_s << true << Mistake::None << QStringList{};
    QTest::newRow("5-band 272000 in ohms")
        << k272 << u"272000"_s << kO << u"±1%"_s << true << Mistake::None << QStringList{};
    QTest::newRow("5-band 0.272 in megaohms")
        << k272 << u"0.272"_s << kM << u"±1%"_s << true << Mistake::None << QStringList{};
    QTest::newRow("ten megaohms") << resistor(10, 2, 6, u"±10%") << u"10"_s << kM << u"±10%"_s
                                  << true << Mistake::None << QStringList{};

    QTest::newRow("reversed: red violet yellow") << k47 << u"270"_s << kK << u"±5%"_s << false
                                                 << Mistake::Reversed << QStringList{u"거꾸로"_s};
    QTest::newRow("5-band reversed: brown green violet yellow")
        << resistor(475, 3, 1, u"±1%") << u"1.57"_s << kM << u"±1%"_s << false << Mistake::Reversed
        << QStringList{u"거꾸로"_s};
    QTest::newRow("multiplier slip") << k47 << u"47"_s << kK << u"±5%"_s << false
                                     << Mistake::PowerOfTen << QStringList{u"승수"_s};
    QTest::newRow("unit slip") << k47 << u"4.7"_s << kO << u"±5%"_s << false << Mistake::PowerOfTen
                               << QStringList{u"승수"_s};
    QTest::newRow("5-band unit slip") << k272 << u"272"_s << kO << u"±1%"_s << false
                                      << Mistake::PowerOfTen << QStringList{u"승수"_s};
    QTest::newRow("red read as orange")
        << resistor(12, 2, 3, u"±5%") << u"13"_s << kK << u"±5%"_s << false
        << Mistake::NeighbourColour << QStringList{u"적색"_s, u"주황"_s};
    QTest::newRow("brown read as orange")
        << resistor(15, 2, 0, u"±5%") << u"35"_s << kO << u"±5%"_s << false
        << Mistake::NeighbourColour << QStringList{u"제1색띠"_s, u"갈색"_s, u"주황"_s};
    QTest::newRow("blue read as violet")
        << resistor(68, 2, 1, u"±5%") << u"780"_s << kO << u"±5%"_s << false
        << Mistake::NeighbourColour << QStringList{u"제1색띠는 보라가 아니라 파랑"_s};
    QTest::newRow("white read as grey")
        << resistor(39, 2, 0, u"±5%") << u"38"_s << kO << u"±5%"_s << false
        << Mistake::NeighbourColour << QStringList{u"제2색띠는 회색이 아니라 백색"_s};
    QTest::newRow("5-band third digit brown read as red")
        << resistor(301, 3, 2, u"±1%") << u"30.2"_s << kK << u"±1%"_s << false
        << Mistake::NeighbourColour << QStringList{u"제3색띠"_s, u"갈색"_s, u"적색"_s};
    QTest::newRow("5-band read as 4-band") << k272 << u"2.7"_s << kK << u"±1%"_s << false
                                           << Mistake::FiveAsFour << QStringList{u"5색"_s};
    QTest::newRow("only the tolerance") << k47 << u"4.7"_s << kK << u"±10%"_s << false
                                        << Mistake::ToleranceOnly << QStringList{u"허용오차"_s};
    QTest::newRow("5-band, only the tolerance")
        << k272 << u"272"_s << kK << u"±2%"_s << false << Mistake::ToleranceOnly
        << QStringList{u"허용오차"_s};
    QTest::newRow("multiplier slip and the tolerance")
        << k47 << u"47"_s << kK << u"±20%"_s << false << Mistake::PowerOfTen
        << QStringList{u"승수"_s, u"허용오차도"_s};
    QTest::newRow("wrong in no named way")
        << k47 << u"5.1"_s << kK << u"±5%"_s << false << Mistake::None << QStringList{};
    QTest::newRow("more digits than bands spell")
        << k47 << u"4.701"_s << kK << u"±5%"_s << false << Mistake::None << QStringList{};
    QTest::newRow("below zero") << k47 << u"-4.7"_s << kK << u"±5%"_s << false << Mistake::None
                                << QStringList{};
    QTest::newRow("zero") << k47 << u"0"_s << kK << u"±5%"_s << false << Mistake::None
                          << QStringList{};
    QTest::newRow("huge") << k47 << QString(300, u'9') << kM << u"±5%"_s << false << Mistake::None
                          << QStringList{};
}

void tst_Practice::reading()
{
    QFETCH(Resistor, question);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(QString, tolerance);
    QFETCH(bool, right);
    QFETCH(Mistake, mistake);
    QFETCH(QStringList, words);
    const std::optional<Judgement> j = judgeReading(question, number, unit, tolerance);
    QVERIFY(j);
    QCOMPARE(j->right, right);
    QCOMPARE(j->mistake, mistake);
    verifyFeedback(question, Kind::Read, *j, words);
}

void tst_Practice::notJudged_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::newRow("empty") << QString() << kK;
    QTest::newRow("blanks only") << u"   "_s << kK;
    QTest::newRow("letters") << u"abc"_s << kK;
    QTest::newRow("comma") << u"4,7"_s << kK;
    QTest::newRow("unit typed in") << u"4.7K"_s << kK;
    QTest::newRow("exponent") << u"4.7e3"_s << kO;
    QTest::newRow("Arabic-Indic digit") << u"\u0664.7"_s << kK;
    QTest::newRow("Greek omega as unit") << u"4.7"_s << u"K\u03A9"_s;
    QTest::newRow("gigaohms are not offered") << u"4.7"_s << u"G\u2126"_s;
}

void tst_Practice::notJudged()
{
    QFETCH(QString, number);
    QFETCH(QString, unit);
    const Resistor q = resistor(47, 2, 2, u"±5%");
    const std::optional<Judgement> j = judgeReading(q, number, unit, u"±5%");
    QVERIFY(!j);
    const QString text = feedback(q, Kind::Read, j);
    QVERIFY(!text.startsWith(u"정답") && !text.startsWith(u"오답"));
    // The request gives nothing of the answer away.
    QVERIFY(!text.contains(u"4.7K"));
}

void tst_Practice::writing_data()
{
    QTest::addColumn<Resistor>("question");
    QTest::addColumn<QStringList>("picks"); // first, second, third, multiplier, tolerance band
    QTest::addColumn<bool>("right");
    QTest::addColumn<Mistake>("mistake");
    QTest::addColumn<QStringList>("words");

    const Resistor k47 = resistor(47, 2, 2, u"±5%");
    const Resistor k470 = resistor(470, 3, 3, u"±1%");
    const auto picks = [](int a, int b, int c, int m, const QString &tolerance) {
        return QStringList{item(a), item(b), item(c), item(m), tolerance};
    };
    QTest::newRow("4.7K right") << k47 << picks(4, 7, 0, 2, u"금색"_s) << true << Mistake::None
                                << QStringList{};
    QTest::newRow("third list ignored on a 4-band")
        << k47 << picks(4, 7, 9, 2, u"금색"_s) << true << Mistake::None << QStringList{};
    QTest::newRow("±20%: no band") << resistor(47, 2, 2, u"±20%") << picks(4, 7, 0, 2, u"없음"_s)
                                   << true << Mistake::None << QStringList{};
    QTest::newRow("leading black spells the same value")
        << resistor(10, 2, 0, u"±5%") << picks(0, 1, 0, 1, u"금색"_s) << true << Mistake::None
        << QStringList{};
    QTest::newRow("5-band right") << k470 << picks(4, 7, 0, 3, u"갈색"_s) << true << Mistake::None
                                  << QStringList{};
    QTest::newRow("reversed") << k47 << picks(2, 7, 0, 4, u"금색"_s) << false << Mistake::Reversed
                              << QStringList{u"거꾸로"_s};
    QTest::newRow("5-band built as a 4-band") << k470 << picks(4, 7, 4, 2, u"갈색"_s) << false
                                              << Mistake::FiveAsFour << QStringList{u"5색"_s};
    QTest::newRow("violet picked as blue")
        << k47 << picks(4, 6, 0, 2, u"금색"_s) << false << Mistake::NeighbourColour
        << QStringList{u"제2색띠는 파랑이 아니라 보라"_s};
    QTest::newRow("multiplier one too high") << k47 << picks(4, 7, 0, 3, u"금색"_s) << false
                                             << Mistake::PowerOfTen << QStringList{u"승수"_s};
    QTest::newRow("only the tolerance") << k47 << picks(4, 7, 0, 2, u"은색"_s) << false
                                        << Mistake::ToleranceOnly << QStringList{u"허용오차"_s};
    QTest::newRow("5-band, only the tolerance")
        << k470 << picks(4, 7, 0, 3, u"적색"_s) << false << Mistake::ToleranceOnly
        << QStringList{u"허용오차"_s};
    QTest::newRow("wrong in no named way")
        << k47 << picks(5, 1, 0, 2, u"금색"_s) << false << Mistake::None << QStringList{};
}

void tst_Practice::writing()
{
    QFETCH(Resistor, question);
    QFETCH(QStringList, picks);
    QFETCH(bool, right);
    QFETCH(Mistake, mistake);
    QFETCH(QStringList, words);
    const std::optional<Resistor> picked =
        pickedResistor(question.bands(), picks[0], picks[1], picks[2], picks[3], picks[4]);
    QVERIFY(picked);
    const Judgement j = judgeWriting(question, *picked);
    QCOMPARE(j.right, right);
    QCOMPARE(j.mistake, mistake);
    verifyFeedback(question, Kind::Write, j, words);
}

void tst_Practice::unreadablePicks_data()
{
    QTest::addColumn<QStringList>("picks");
    QTest::newRow("digit without its blank")
        << QStringList{u"4노랑"_s, item(7), item(0), item(2), u"금색"_s};
    QTest::newRow("multiplier beyond the list")
        << QStringList{item(4), item(7), item(0), item(7), u"금색"_s};
    QTest::newRow("tolerance by its text, not its colour")
        << QStringList{item(4), item(7), item(0), item(2), u"±5%"_s};
    QTest::newRow("third digit on a 5-band")
        << QStringList{item(4), item(7), QString(), item(2), u"갈색"_s};
}

void tst_Practice::unreadablePicks()
{
    QFETCH(QStringList, picks);
    QVERIFY(!pickedResistor(colorcode::BandCount::Five, picks[0], picks[1], picks[2], picks[3],
                            picks[4]));
}

void tst_Practice::feedbackTexts_data()
{
    QTest::addColumn<Resistor>("question");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("text");
    const Resistor k47 = resistor(47, 2, 2, u"±5%");
    const QString working =
        u"노랑 4, 보라 7, 적색 ×10² → 47 × 10² = 4700\u2126 = 4.7K\u2126, 허용오차 ±5%"_s;
    QTest::newRow("right") << k47 << u"4.7"_s << kK << u"±5%"_s << u"정답입니다.\n"_s + working;
    QTest::newRow("wrong") << k47 << u"5.1"_s << kK << u"±5%"_s << u"오답입니다.\n"_s + working;
    QTest::newRow("multiplier slip")
        << k47 << u"47"_s << kK << u"±5%"_s
        << u"오답입니다. 숫자는 맞지만 승수나 단위가 틀렸습니다.\n"_s + working;
    QTest::newRow("not a number") << k47 << u"4.7K"_s << kK << u"±5%"_s
                                  << u"저항값을 숫자로 입력하십시오. 예: 4.7"_s;
}

void tst_Practice::feedbackTexts()
{
    QFETCH(Resistor, question);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(QString, tolerance);
    QFETCH(QString, text);
    QCOMPARE(feedback(question, Kind::Read, judgeReading(question, number, unit, tolerance)), text);
}

void tst_Practice::drawing()
{
    constexpr colorcode::ColorCode kYellow = 0x00FFFF, kViolet = 0x800080, kRed = 0x0000FF,
                                   kGold = 0x00C0C0, kOrange = 0x0080FF, kBrown = 0x004080;
    const auto four = drawnBands(resistor(47, 2, 2, u"±5%"));
    QCOMPARE(four[0].color, kYellow);
    QCOMPARE(four[1].color, kViolet);
    QCOMPARE(four[2].color, kRed);
    QCOMPARE(four[2].role, colorcode::kMultiplierRole);
    QVERIFY(!four[3].shown);
    QCOMPARE(four[4].color, kGold);
    QVERIFY(four[4].filled);

    const auto five = drawnBands(resistor(272, 3, 3, u"±1%"));
    QCOMPARE(five[2].color, kRed);
    QCOMPARE(five[2].role, colorcode::kThirdDigitRole);
    QVERIFY(five[3].shown);
    QCOMPARE(five[3].color, kOrange);
    QCOMPARE(five[4].color, kBrown);

    // ±20% has no band: not painted, but shown in words as "없음".
    QVERIFY(!drawnBands(resistor(47, 2, 2, u"±20%"))[4].filled);

    QCOMPARE(statedValue(resistor(47, 2, 2, u"±5%")), u"4.7K\u2126 ±5%"_s);
    QCOMPARE(statedValue(resistor(976, 3, 6, u"±0.05%")), u"976M\u2126 ±0.05%"_s);
}

void tst_Practice::questionsAreRealistic()
{
    constexpr int kQuestions = 20000;
    std::mt19937 random(7);
    std::set<int> e24, e96;
    std::set<QStringView> fourBand, fiveBand;
    int fives = 0;
    for (int i = 0; i < kQuestions; ++i) {
        const Resistor q = randomQuestion(random);
        QVERIFY(q.value.exponent >= 0 && q.value.exponent <= 6);
        if (q.bands() == colorcode::BandCount::Five) {
            ++fives;
            e96.insert(q.value.significand);
            fiveBand.insert(q.tolerance->text);
        } else {
            e24.insert(q.value.significand);
            fourBand.insert(q.tolerance->text);
        }
        // Every question can be built from the lists and read back.
        const auto d = [&](int i) { return item(q.value.digit(i)); };
        const std::optional<Resistor> picked =
            pickedResistor(q.bands(), d(0), d(1), q.value.digitCount == 3 ? d(2) : QString(),
                           item(q.value.exponent), q.tolerance->colourWord);
        QVERIFY(picked && judgeWriting(q, *picked).right);
    }
    QVERIFY(fives * 3 >= kQuestions);
    QCOMPARE(fourBand, (std::set<QStringView>{u"±5%", u"±10%", u"±20%"}));
    QCOMPARE(fiveBand, (std::set<QStringView>(colorcode::kFiveBandTolerances.begin(),
                                              colorcode::kFiveBandTolerances.end())));
    // The series step evenly through their decade: E24 by 5 to 22 %, E96 by
    // 1.5 to 3.1 %, each value seen.
    const auto evenSteps = [](const std::set<int> &series, double least, double most) {
        std::vector<int> v(series.begin(), series.end());
        v.push_back(v.front() * 10);
        for (std::size_t i = 1; i < v.size(); ++i) {
            const double step = double(v[i]) / v[i - 1];
            if (step < least || step > most)
                return false;
        }
        return true;
    };
    QCOMPARE(e24.size(), std::size_t(24));
    QVERIFY(evenSteps(e24, 1.05, 1.22));
    QCOMPARE(e96.size(), std::size_t(96));
    QVERIFY(evenSteps(e96, 1.015, 1.031));

    // One seed, one run of questions.
    std::mt19937 a(42), b(42);
    for (int i = 0; i < 50; ++i)
        QCOMPARE(randomQuestion(a), randomQuestion(b));
}

void tst_Practice::missedComesBack_data()
{
    QTest::addColumn<QString>("answers"); // per appearance: w wrong, s skipped, r right
    QTest::newRow("missed, then right") << u"wr"_s;
    QTest::newRow("missed three times") << u"wwwr"_s;
    QTest::newRow("missed, skipped, right") << u"wsr"_s;
}

void tst_Practice::missedComesBack()
{
    QFETCH(QString, answers);
    // Not an E24 value, so no new question is ever the same.
    const Resistor missed = resistor(45, 2, 2, u"±5%");
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        Session session;
        session.current = missed;
        for (qsizetype i = 0; i < answers.size(); ++i) {
            const QChar answer = answers[i];
            if (answer != u's') {
                Judgement j;
                j.right = answer == u'r';
                record(session, j);
            }
            int gap = 0;
            const bool comesBack = answer != u'r';
            do {
                ++gap;
                nextQuestion(session, random);
            } while (*session.current != missed && gap < 2 * kComesBackWithin);
            if (!comesBack) {
                QVERIFY(*session.current != missed);
                break;
            }
            QVERIFY2(gap >= kComesBackAfter && gap <= kComesBackWithin,
                     qPrintable(u"seed %1: back after %2"_s.arg(seed).arg(gap)));
        }
        QVERIFY(session.review.pending.empty());
    }
}

void tst_Practice::scoring()
{
    std::mt19937 random(1);
    Session session;
    Judgement right, wrong;
    right.right = true;
    nextQuestion(session, random);
    record(session, right);
    record(session, wrong); // a question is scored once
    nextQuestion(session, random);
    record(session, right);
    nextQuestion(session, random);
    nextQuestion(session, random); // the third skipped: asked, not missed
    QVERIFY(session.review.pending.empty());
    QCOMPARE(scoreText(session.score), u"맞힌 문제 2 / 3 · 연속 정답 2"_s);
    record(session, wrong);
    QCOMPARE(scoreText(session.score), u"맞힌 문제 2 / 4 · 연속 정답 0"_s);
    QCOMPARE(session.review.pending.size(), std::size_t(1));
}

QTEST_GUILESS_MAIN(tst_Practice)
#include "tst_practice.moc"
