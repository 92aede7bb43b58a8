#include "colorcode/readingworking.h"
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

// The feedback's first line starts with the verdict word ("정답" or "오답")
// and names the slip in `words`; its last line is the question's working.
void verifyFeedback(const Resistor &q, Kind kind, const Judgement &j, const QStringList &words)
{
    QCOMPARE(j.right, words.first() == u"정답");
    const QString text = feedback(q, kind, j);
    QVERIFY(text.endsWith(u'\n' + colorcode::readingWorking(q.value, q.tolerance->text)));
    const QString firstLine = text.section(u'\n', 0, 0);
    QVERIFY2(firstLine.startsWith(words.first()), qPrintable(firstLine));
    for (const QString &word : words)
        QVERIFY2(firstLine.contains(word), qPrintable(firstLine + u" lacks "_s + word));
}

// A reading row; the tolerance answered is the question's unless given.
void reading(const char *name, const Resistor &q, const QString &number, const QString &unit,
             Mistake mistake, const QStringList &words, QStringView tolerance = {})
{
    QTest::newRow(name) << q << number << unit
                        << (tolerance.isEmpty() ? q.tolerance->text : tolerance).toString()
                        << mistake << words;
}

// A writing row: digit bands, multiplier and the tolerance band's colour.
void writing(const char *name, const Resistor &q, std::array<int, 4> bands,
             const QString &toleranceWord, Mistake mistake, const QStringList &words)
{
    QTest::newRow(name) << q
                        << QStringList{item(bands[0]), item(bands[1]), item(bands[2]),
                                       item(bands[3]), toleranceWord}
                        << mistake << words;
}

const QString kRight = u"정답"_s;
const QString kWrong = u"오답"_s;

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
    void feedbackTexts();
    void drawing();
    void questionInWords_data();
    void questionInWords();
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
    QTest::addColumn<Mistake>("mistake");
    QTest::addColumn<QStringList>("words");

    const Resistor k47 = resistor(47, 2, 2, u"±5%");   // yellow violet red gold
    const Resistor k272 = resistor(272, 3, 3, u"±1%"); // red violet red orange brown
    ::reading("4.7 kilo-ohms", k47, u"4.7"_s, kK, Mistake::None, {kRight});
    ::reading("4700 ohms", k47, u"4700"_s, kO, Mistake::None, {kRight});
    ::reading(".0047 megaohms, blanks around", k47, u"  .0047 "_s, kM, Mistake::None, {kRight});
    ::reading("5-band 272000 ohms", k272, u"272000"_s, kO, Mistake::None, {kRight});
    ::reading("red violet yellow: reversed", k47, u"270"_s, kK, Mistake::Reversed,
              {kWrong, u"거꾸로"_s});
    ::reading("5-band brown green violet yellow: reversed", resistor(475, 3, 1, u"±1%"), u"1.57"_s,
              kM, Mistake::Reversed, {kWrong, u"거꾸로"_s});
    ::reading("multiplier slip", k47, u"47"_s, kK, Mistake::PowerOfTen, {kWrong, u"승수"_s});
    ::reading("unit slip", k47, u"4.7"_s, kO, Mistake::PowerOfTen, {kWrong, u"승수"_s});
    ::reading("red read as orange", resistor(12, 2, 3, u"±5%"), u"13"_s, kK,
              Mistake::NeighbourColour, {kWrong, u"적색"_s, u"주황"_s});
    ::reading("blue read as violet", resistor(68, 2, 1, u"±5%"), u"780"_s, kO,
              Mistake::NeighbourColour, {kWrong, u"제1색띠는 보라가 아니라 파랑"_s});
    ::reading("white read as grey", resistor(39, 2, 0, u"±5%"), u"38"_s, kO,
              Mistake::NeighbourColour, {kWrong, u"제2색띠는 회색이 아니라 백색"_s});
    ::reading("5-band read as 4-band", k272, u"2.7"_s, kK, Mistake::FiveAsFour, {kWrong, u"5색"_s});
    ::reading("only the tolerance", k47, u"4.7"_s, kK, Mistake::ToleranceOnly,
              {kWrong, u"허용오차"_s}, u"±10%");
    ::reading("multiplier slip and the tolerance", k47, u"47"_s, kK, Mistake::PowerOfTen,
              {kWrong, u"승수"_s, u"허용오차도"_s}, u"±20%");
    ::reading("wrong in no named way", k47, u"5.1"_s, kK, Mistake::None,
              {kWrong, u"저항값이 틀렸습니다"_s});
    ::reading("5-band from the wrong end, its tolerance band read as a digit",
              resistor(220, 3, 2, u"±1%"), u"12"_s, kK, Mistake::Reversed, {kWrong, u"거꾸로"_s});
    ::reading("huge", k47, QString(300, u'9'), kM, Mistake::None, {kWrong});
}

void tst_Practice::reading()
{
    QFETCH(Resistor, question);
    QFETCH(QString, number);
    QFETCH(QString, unit);
    QFETCH(QString, tolerance);
    QFETCH(Mistake, mistake);
    QFETCH(QStringList, words);
    const std::optional<Judgement> j = judgeReading(question, number, unit, tolerance);
    QVERIFY(j);
    QCOMPARE(j->mistake, mistake);
    verifyFeedback(question, Kind::Read, *j, words);
}

void tst_Practice::notJudged_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    // What is not read as ohms (tst_numbertext's enteredOhms has each
    // way), and zero, which is read but never asked.
    QTest::newRow("unit typed in") << u"4.7K"_s << kK;
    QTest::newRow("zero") << u"0"_s << kO;
}

void tst_Practice::notJudged()
{
    QFETCH(QString, number);
    QFETCH(QString, unit);
    const Resistor q = resistor(47, 2, 2, u"±5%");
    const std::optional<Judgement> j = judgeReading(q, number, unit, u"±5%");
    QVERIFY(!j);
    // A request that gives nothing of the answer away.
    QCOMPARE(feedback(q, Kind::Read, j), u"저항값을 0보다 큰 숫자로 입력하십시오. 예: 4.7"_s);
}

void tst_Practice::writing_data()
{
    QTest::addColumn<Resistor>("question");
    QTest::addColumn<QStringList>("picks"); // first, second, third, multiplier, tolerance band
    QTest::addColumn<Mistake>("mistake");
    QTest::addColumn<QStringList>("words");

    const Resistor k47 = resistor(47, 2, 2, u"±5%");
    const Resistor k470 = resistor(470, 3, 3, u"±1%");
    ::writing("4.7K", k47, {4, 7, 0, 2}, u"금색"_s, Mistake::None, {kRight});
    ::writing("±20%: no band", resistor(47, 2, 2, u"±20%"), {4, 7, 0, 2}, u"없음"_s, Mistake::None,
              {kRight});
    ::writing("a leading black band spells the same value", resistor(10, 2, 0, u"±5%"),
              {0, 1, 0, 1}, u"금색"_s, Mistake::None, {kRight});
    ::writing("reversed", k47, {2, 7, 0, 4}, u"금색"_s, Mistake::Reversed, {kWrong, u"거꾸로"_s});
    ::writing("5-band built as a 4-band", k470, {4, 7, 4, 2}, u"갈색"_s, Mistake::FiveAsFour,
              {kWrong, u"5색"_s});
    ::writing("violet picked as blue", k47, {4, 6, 0, 2}, u"금색"_s, Mistake::NeighbourColour,
              {kWrong, u"제2색띠는 파랑이 아니라 보라"_s});
    ::writing("multiplier one too high", k47, {4, 7, 0, 3}, u"금색"_s, Mistake::PowerOfTen,
              {kWrong, u"승수"_s});
    ::writing("only the tolerance", k470, {4, 7, 0, 3}, u"적색"_s, Mistake::ToleranceOnly,
              {kWrong, u"허용오차"_s});
    ::writing("wrong in no named way", k47, {5, 1, 0, 2}, u"금색"_s, Mistake::None, {kWrong});
}

void tst_Practice::writing()
{
    QFETCH(Resistor, question);
    QFETCH(QStringList, picks);
    QFETCH(Mistake, mistake);
    QFETCH(QStringList, words);
    const std::optional<Resistor> picked =
        pickedResistor(question.bands(), picks[0], picks[1], picks[2], picks[3], picks[4]);
    QVERIFY(picked);
    const Judgement j = judgeWriting(question, *picked);
    QCOMPARE(j.mistake, mistake);
    verifyFeedback(question, Kind::Write, j, words);

    // Texts that are none of the lists' entries are no picks.
    picks[0] = u"4노랑"_s;
    QVERIFY(!pickedResistor(question.bands(), picks[0], picks[1], picks[2], picks[3], picks[4]));
    QVERIFY(!pickedResistor(question.bands(), picks[1], picks[1], picks[2], item(7), u"±5%"));
}

void tst_Practice::feedbackTexts()
{
    const Resistor q = resistor(47, 2, 2, u"±5%");
    const QString working =
        u"\n노랑 4, 보라 7, 적색 ×10² → 47 × 10² = 4700\u2126 = 4.7K\u2126, 허용오차 ±5%"_s;
    QCOMPARE(feedback(q, Kind::Read, judgeReading(q, u"4.7", kK, u"±5%")),
             u"정답입니다."_s + working);
    QCOMPARE(feedback(q, Kind::Read, judgeReading(q, u"5.1", kK, u"±5%")),
             u"오답입니다. 저항값이 틀렸습니다."_s + working);
    QCOMPARE(feedback(q, Kind::Read, judgeReading(q, u"47", kK, u"±5%")),
             u"오답입니다. 숫자는 맞지만 승수나 단위가 틀렸습니다."_s + working);
}

void tst_Practice::drawing()
{
    constexpr colorcode::ColorCode kYellow = 0x00FFFF, kViolet = 0x800080, kRed = 0x0000FF,
                                   kGold = 0x00C0C0, kOrange = 0x0080FF, kBrown = 0x004080;
    const auto four = drawnBands(resistor(47, 2, 2, u"±5%"));
    QCOMPARE((std::array{four[0].color, four[1].color, four[2].color, four[4].color}),
             (std::array{kYellow, kViolet, kRed, kGold}));
    QCOMPARE(four[2].role, colorcode::kMultiplierRole); // after the last digit band
    QVERIFY(!four[3].shown);

    const auto five = drawnBands(resistor(272, 3, 3, u"±1%"));
    QCOMPARE((std::array{five[2].color, five[3].color, five[4].color}),
             (std::array{kRed, kOrange, kBrown}));
    QCOMPARE(five[2].role, colorcode::kThirdDigitRole);
    QVERIFY(five[3].shown);

    // ±20% has no band: not painted, but there in words as "없음".
    QVERIFY(!drawnBands(resistor(47, 2, 2, u"±20%"))[4].filled);

    QCOMPARE(statedValue(resistor(47, 2, 2, u"±5%")), u"4.7K\u2126 ±5%"_s);
    QCOMPARE(statedValue(resistor(976, 3, 6, u"±0.05%")), u"976M\u2126 ±0.05%"_s);
}

void tst_Practice::questionInWords_data()
{
    QTest::addColumn<Resistor>("question");
    QTest::addColumn<bool>("write");
    QTest::addColumn<QString>("words");
    QTest::newRow("4-band, read") << resistor(47, 2, 2, u"±5%") << false
                                  << u"제1색띠 노랑, 제2색띠 보라, 승수 적색, 허용오차 금색"_s;
    QTest::newRow("5-band, read")
        << resistor(475, 3, 1, u"±1%") << false
        << u"제1색띠 노랑, 제2색띠 보라, 제3색띠 초록, 승수 갈색, 허용오차 갈색"_s;
    QTest::newRow("no tolerance band") << resistor(10, 2, 0, u"±20%") << false
                                       << u"제1색띠 갈색, 제2색띠 검정, 승수 검정, 허용오차 없음"_s;
    QTest::newRow("pick") << resistor(845, 3, 2, u"±1%") << true
                          << u"이 저항이 되도록 색띠를 고르십시오: 84.5K\u2126 ±1%"_s;
}

void tst_Practice::questionInWords()
{
    QFETCH(Resistor, question);
    QFETCH(bool, write);
    QFETCH(QString, words);
    QCOMPARE(practice::questionInWords(question, write ? Kind::Write : Kind::Read), words);
}

void tst_Practice::questionsAreRealistic()
{
    constexpr int kQuestions = 20000;
    std::mt19937 random(7);
    std::set<int> e24, e96;
    std::set<QStringView> fourBand, fiveBand;
    int e96Count = 0;
    for (int i = 0; i < kQuestions; ++i) {
        const Resistor q = randomQuestion(random);
        QVERIFY(q.value.exponent >= 0 && q.value.exponent <= 6);
        const bool five = q.bands() == colorcode::BandCount::Five;
        (five ? e96 : e24).insert(q.value.significand);
        e96Count += five;
        (five ? fiveBand : fourBand).insert(q.tolerance->text);
        // Every question can be built from the lists.
        const auto d = [&](int i) { return item(q.value.digit(i)); };
        const std::optional<Resistor> picked =
            pickedResistor(q.bands(), d(0), d(1), five ? d(2) : QString(), item(q.value.exponent),
                           q.tolerance->colourWord);
        QVERIFY(picked && judgeWriting(q, *picked).right);
    }
    QCOMPARE(fourBand, (std::set<QStringView>{u"±5%", u"±10%", u"±20%"}));
    QCOMPARE(fiveBand, (std::set<QStringView>(colorcode::kFiveBandTolerances.begin(),
                                              colorcode::kFiveBandTolerances.end())));
    // Every value of both series comes up.
    QCOMPARE(e24.size(), std::size_t(24));
    QCOMPARE(e96.size(), std::size_t(96));

    // 5-band at least a third of the time: 2 in 5.
    QVERIFY(e96Count * 3 >= kQuestions);

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
    const QuestionKind &reading = bandReading();
    // Not an E24 value, so no new question is ever the same.
    const Question missed{resistor(45, 2, 2, u"±5%"), {}, 0};
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        std::mt19937 random(seed);
        Session session;
        ask(session, reading.key(), missed);
        for (const QChar answer : answers) {
            if (answer != u's')
                judge(session, answer == u'r');
            int gap = 0;
            do {
                ++gap;
                ask(session, reading.key(),
                    reading.next(session.review, SkillStates{}, QDate(2027, 3, 10), random));
            } while (*session.current != missed && gap < 2 * kComesBackWithin);
            if (answer == u'r') {
                QVERIFY(*session.current != missed);
                break;
            }
            QVERIFY2(gap >= kComesBackAfter && gap <= kComesBackWithin,
                     qPrintable(u"seed %1: back after %2"_s.arg(seed).arg(gap)));
        }
        QVERIFY(session.review.pending.empty());
    }
}

// A question is scored once; one left before it is judged is not counted
// at all, neither as asked nor as missed.
void tst_Practice::scoring()
{
    Session session;
    const Question q{resistor(47, 2, 2, u"±5%"), {}, 0};
    QVERIFY(!judge(session, true)); // nothing asked yet
    ask(session, u"read", q);
    QVERIFY(judge(session, true));
    QVERIFY(!judge(session, false));
    ask(session, u"read", q);
    judge(session, true);
    ask(session, u"read", q);
    ask(session, u"write", q); // skipped
    QVERIFY(session.review.pending.empty());
    QCOMPARE(scoreText(session.score), u"맞힌 문제 2 / 2 · 연속 정답 2"_s);
    judge(session, false);
    QCOMPARE(scoreText(session.score), u"맞힌 문제 2 / 3 · 연속 정답 0"_s);
    QCOMPARE(session.review.pending.size(), std::size_t(1));
    QCOMPARE(session.review.pending.front().kind, u"write"_s);
}

QTEST_GUILESS_MAIN(tst_Practice)
#include "tst_practice.moc"
