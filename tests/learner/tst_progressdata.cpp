#include "learner/answers.h"
#include "learner/progressdata.h"

#include "pages/practice/judging.h"

#include <QPoint>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;
using namespace practice;

Q_DECLARE_METATYPE(Totals)
Q_DECLARE_METATYPE(Answer)

namespace {

const QDate kToday{2027, 3, 10};
const QDateTime kWhen{kToday, QTime(9, 15, 2), Qt::UTC};

Resistor resistor(int significand, int digitCount, int exponent, QStringView tolerance)
{
    return {{significand, digitCount, exponent}, colorcode::toleranceOf(tolerance)};
}

const Resistor k47 = resistor(47, 2, 2, u"±5%"); // yellow violet red gold

int colour(QStringView word)
{
    return *confusionColourOf(word);
}

Answer picked(const Resistor &question, const Resistor &bands)
{
    return pickingAnswer(question, bands, judgeWriting(question, bands), 3.0, kWhen);
}

Answer read(const Resistor &question, QStringView number)
{
    return readingAnswer(question, number, u"K\u2126", question.tolerance->text,
                         *judgeReading(question, number, u"K\u2126", question.tolerance->text), 3.0,
                         kWhen);
}

} // namespace

class tst_ProgressData : public QObject {
    Q_OBJECT

private slots:
    void totals_data();
    void totals();
    void streak();
    void days();
    void spokenCharts();
    void mixupsOfAnswers_data();
    void mixupsOfAnswers();
    void answerTexts();
    void csv();
    void csvTimes_data();
    void csvTimes();
    void storedRow();
    void waitingLines_data();
    void waitingLines();
};

void tst_ProgressData::totals_data()
{
    QTest::addColumn<Totals>("totals");
    QTest::addColumn<QString>("text");
    QTest::newRow("as the view shows it")
        << Totals{312, 272, 5} << u"푼 문제 312 · 정답률 87% · 연속 5일"_s;
    QTest::newRow("one wrong in many is not 100%")
        << Totals{1000, 999, 1} << u"푼 문제 1000 · 정답률 99% · 연속 1일"_s;
    QTest::newRow("nothing yet") << Totals{} << u"푼 문제 0 · 정답률 \u2013 · 연속 0일"_s;
}

void tst_ProgressData::totals()
{
    QFETCH(Totals, totals);
    QFETCH(QString, text);
    QCOMPARE(totalsText(totals), text);
}

void tst_ProgressData::streak()
{
    const std::vector<QDate> days{kToday.addDays(-3), kToday.addDays(-1), kToday.addDays(-2),
                                  kToday.addDays(-5)};
    // Yesterday's streak lives until today is over; today's answers join it.
    QCOMPARE(daysInARow(days, kToday), 3);
    std::vector<QDate> withToday = days;
    withToday.push_back(kToday);
    QCOMPARE(daysInARow(withToday, kToday), 4);
    QCOMPARE(daysInARow(days, kToday.addDays(1)), 0);
}

void tst_ProgressData::days()
{
    const std::vector<DayCount> practised{
        {kToday.addDays(-2), 20, 17}, {kToday, 5, 5}, {kToday.addDays(-30), 9, 9}};
    const std::vector<DayCount> last = lastDays(practised, kToday, 30);
    QCOMPARE(last.size(), std::size_t(30));
    QCOMPARE(last.front(), (DayCount{kToday.addDays(-29), 0, 0}));
    QCOMPARE(last[27], (DayCount{kToday.addDays(-2), 20, 17}));
    QCOMPARE(last.back(), (DayCount{kToday, 5, 5}));
}

void tst_ProgressData::spokenCharts()
{
    // Days without answers are left out; a share is cut as the totals cut it.
    const std::vector<DayCount> days{
        {QDate(2027, 2, 28), 3, 2}, {QDate(2027, 3, 1), 0, 0}, {kToday, 12, 11}};
    QCOMPARE(daysText(days), u"2월 28일 3문제 정답률 66%, 3월 10일 12문제 정답률 91%"_s);
    QCOMPARE(daysText(lastDays({}, kToday, 30)), u"푼 문제 없음"_s);

    // A skill is heard by its name, then its strength; one never asked at 0%.
    SkillState yellow{};
    yellow.box = 3;
    SkillState top{};
    top.box = kTopBox;
    QCOMPARE(skillText(0, SkillState{}), u"숫자 검정 (0), 0%"_s);
    QCOMPARE(skillText(4, yellow), u"숫자 노랑 (4), 60%"_s);
    QCOMPARE(skillText(kSkillCount - 1, top), u"SMD 표시 EIA-96, 100%"_s);
}

void tst_ProgressData::mixupsOfAnswers_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QList<QPoint>>("pairs"); // asked, taken
    const int yellow = colour(u"노랑"), violet = colour(u"보라"), blue = colour(u"파랑"),
              red = colour(u"적색"), gold = colour(u"금색"), silver = colour(u"은색");
    QTest::newRow("picked right: every band on the diagonal")
        << picked(k47, k47)
        << QList<QPoint>{{yellow, yellow}, {violet, violet}, {red, red}, {gold, gold}};
    QTest::newRow("picked blue for violet and silver for gold")
        << picked(k47, resistor(46, 2, 2, u"±10%"))
        << QList<QPoint>{{yellow, yellow}, {violet, blue}, {red, red}, {gold, silver}};
    QTest::newRow("read violet as blue") << read(k47, u"4.6") << QList<QPoint>{{violet, blue}};
    QTest::newRow("read with a multiplier slip: no colour named")
        << read(k47, u"47") << QList<QPoint>{};
}

void tst_ProgressData::mixupsOfAnswers()
{
    QFETCH(Answer, answer);
    QFETCH(QList<QPoint>, pairs);
    QList<QPoint> found;
    for (const Mixup &m : mixups(answer))
        found << QPoint(m.asked, m.taken);
    QCOMPARE(found, pairs);
}

void tst_ProgressData::answerTexts()
{
    const Answer r = read(k47, u" 4.7 ");
    QCOMPARE(r.given, u"4.7K\u2126 ±5%"_s);
    QCOMPARE(bandsText(r.question), u"노랑, 보라, 적색, 금색"_s);
    QCOMPARE(bandsText(resistor(272, 3, 3, u"±20%")), u"적색, 보라, 적색, 주황, 없음"_s);
    QCOMPARE(confusionColour(colour(u"없음")), std::nullopt);
}

void tst_ProgressData::csv()
{
    QCOMPARE(csvLine(csvHeader()),
             u"시각(현지 시각 · UTC와의 차 포함),문제 종류,문제,답,채점,실수,걸린 시간(초)\r\n"_s);
    const QStringList fields =
        csvFields(kWhen.toTimeZone(QTimeZone(3600 * 9)), u"write", u"노랑, 보라, 적색, 금색",
                  u"say \"4.7\"", false, u"neighbour-colour", 12.345);
    QCOMPARE(csvLine(fields), u"2027-03-10T18:15:02+09:00,색띠 고르기,\"노랑, 보라, 적색, 금색\","
                              "\"say \"\"4.7\"\"\",오답,비슷한 색,12.3\r\n"_s);
}

// An answer as the record stores it: violet read as blue, one mix-up.
void tst_ProgressData::storedRow()
{
    const Row row = rowOf(read(k47, u"4.6"));
    QCOMPARE(row.at, u"2027-03-10T09:15:02.000Z"_s);
    QCOMPARE(row.day, kWhen.toLocalTime().date().toString(Qt::ISODate));
    QCOMPARE(row.kind, u"read"_s);
    QCOMPARE(row.question, u"노랑, 보라, 적색, 금색"_s);
    QCOMPARE(row.given, u"4.6K\u2126 ±5%"_s);
    QVERIFY(!row.correct);
    QCOMPARE(row.slip, u"neighbour-colour"_s);
    QCOMPARE(row.mixups, (std::vector<std::pair<QString, QString>>{{u"보라"_s, u"파랑"_s}}));
    QVERIFY(row.missed.split(u' ').contains(u"digit-7"_s));
    QVERIFY(row.token.isEmpty()); // the record gives it
}

// The line an answer waits in reads back as the row; a line that is not
// one (a power cut's half line, a hand-edited one) is passed over.
void tst_ProgressData::waitingLines_data()
{
    Row row = rowOf(read(k47, u"4.6"));
    row.token = u"0123abcd"_s;
    const QByteArray line = waitingLine(row);
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("isRow");
    QTest::newRow("whole") << line << true;
    QTest::newRow("half") << line.left(line.size() / 2) << false;
    QTest::newRow("no token") << QByteArray(line).replace("0123abcd", "") << false;
}

void tst_ProgressData::waitingLines()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, isRow);
    QVERIFY(!line.contains('\n'));
    Row row = rowOf(read(k47, u"4.6"));
    row.token = u"0123abcd"_s;
    const std::optional<Row> back = rowOfWaitingLine(line);
    QCOMPARE(back.has_value(), isRow);
    if (isRow)
        QCOMPARE(*back, row);
}

// The time as the learner's clock showed it, with its offset; never "Z".
void tst_ProgressData::csvTimes_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("time");
    QTest::newRow("Newfoundland, half an hour behind the hour")
        << -(3 * 3600 + 1800) << u"2027-03-10T05:45:02-03:30"_s;
    QTest::newRow("UTC itself") << 0 << u"2027-03-10T09:15:02+00:00"_s;
}

void tst_ProgressData::csvTimes()
{
    QFETCH(int, offset);
    QFETCH(QString, time);
    const QStringList fields =
        csvFields(kWhen.toTimeZone(QTimeZone(offset)), u"read", u"q", u"a", true, u"", 1);
    QCOMPARE(fields.first(), time);
}

QTEST_GUILESS_MAIN(tst_ProgressData)
#include "tst_progressdata.moc"
