// The learner's record with 100,000 answers: what the practice reads when it
// opens (goal: under 100 ms), what the progress view reads, and the progress
// view opened and painted whole (goal: under 300 ms), each from a record
// opened afresh; and how long the interface waits for one answer, with the
// record free and with another program holding its lock (goal: never more
// than Record::kAnswerWaitMs). Run by `make bench` on the offscreen
// platform; QtTest prints the time per iteration.

#include "colorcode/numbertext.h"
#include "learner/record.h"
#include "pages/practice/judging.h"
#include "pages/progress/progressdialog.h"
#include "shell/application.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace Qt::StringLiterals;
using namespace practice;

namespace {

constexpr int kAnswers = 100000;
constexpr int kDays = 365;
constexpr int kPerTransaction = 10000;

// A year of answers, about 274 a day, four in five right; a wrong one has a
// digit one off, as a learner's slip.
std::vector<Answer> generated(std::mt19937 &random)
{
    std::vector<Answer> answers;
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-kDays);
    Review review;
    for (int i = 0; i < kAnswers; ++i) {
        const Resistor q = pickNext(review, random);
        const QDateTime when = start.addSecs(qint64(i) * kDays * 24 * 3600 / kAnswers);
        Resistor given = q;
        if (random() % 5 == 0)
            given.value.significand += given.value.significand % 10 == 9 ? -1 : 1;
        if (i % 2 == 0) {
            const colorcode::Unit &unit = given.value.unit(colorcode::kListUnits);
            const QString number = colorcode::numberText(given.value.inUnit(unit));
            const std::optional<Judgement> j =
                judgeReading(q, number, unit.suffix, q.tolerance->text);
            answers.push_back(
                readingAnswer(q, number, unit.suffix, q.tolerance->text, *j, 6.0, when));
        } else {
            answers.push_back(pickingAnswer(q, given, judgeWriting(q, given), 9.0, when));
        }
        remember(review, q, answers.back().judgement.right);
    }
    return answers;
}

} // namespace

class bench_Record : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void practiceOpens();
    void progressViewReads();
    void progressViewOpens();
    void oneAnswerWritten();
    void oneAnswerWhileLocked();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void bench_Record::initTestCase()
{
    shell::setUpApplication(*qApp);
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(u"record.sqlite"_s);
    std::mt19937 random(20261208);
    const std::vector<Answer> answers = generated(random);
    Record record(m_path);
    for (std::size_t i = 0; i < answers.size(); i += kPerTransaction)
        QVERIFY(record.add(std::span(answers).subspan(i, kPerTransaction)));
    QVERIFY(record.waitWritten(600000));
    QCOMPARE(record.totals(QDate::currentDate()).answers, kAnswers);
}

void bench_Record::practiceOpens()
{
    QBENCHMARK
    {
        Record record(m_path);
        QCOMPARE(record.status(), RecordStatus::Kept);
        const SkillStates states = record.skills();
        std::mt19937 random(1);
        Review review;
        const Resistor q = scheduledQuestion(review, u"read", states, QDate::currentDate(), random);
        Q_UNUSED(q);
    }
}

void bench_Record::progressViewReads()
{
    QBENCHMARK
    {
        Record record(m_path);
        const QDate today = QDate::currentDate();
        const Totals totals = record.totals(today);
        const std::vector<DayCount> days = record.lastDays(today);
        const ConfusionTable confusions = record.confusions();
        const SkillStates states = record.skills();
        QCOMPARE(totals.answers >= kAnswers, true);
        Q_UNUSED(days);
        Q_UNUSED(confusions);
        Q_UNUSED(states);
    }
}

void bench_Record::progressViewOpens()
{
    QBENCHMARK
    {
        Record record(m_path);
        frmProgress dialog(nullptr, record);
        dialog.show();
        // Painted as the screen would show it, the charts and table too.
        const QPixmap shown = dialog.grab();
        QVERIFY(!shown.isNull());
    }
}

void bench_Record::oneAnswerWritten()
{
    Record record(m_path);
    std::mt19937 random(2);
    const std::vector<Answer> one = [&] {
        Review review;
        const Resistor q = pickNext(review, random);
        return std::vector<Answer>{
            pickingAnswer(q, q, judgeWriting(q, q), 5.0, QDateTime::currentDateTimeUtc())};
    }();
    QBENCHMARK
    {
        QVERIFY(record.add(one.front()));
    }
}

void bench_Record::oneAnswerWhileLocked()
{
    Record record(m_path);
    QCOMPARE(record.status(), RecordStatus::Kept);
    std::mt19937 random(3);
    Review review;
    const Resistor q = pickNext(review, random);
    const Answer answer =
        pickingAnswer(q, q, judgeWriting(q, q), 5.0, QDateTime::currentDateTimeUtc());
    {
        // Another program's connection, holding the write lock throughout.
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"holder"_s);
        db.setDatabaseName(m_path);
        QVERIFY(db.open());
        QSqlQuery hold(db);
        QVERIFY(hold.exec(u"BEGIN IMMEDIATE"_s));
        QBENCHMARK
        {
            QVERIFY(record.add(answer));
        }
        QCOMPARE(record.status(), RecordStatus::Locked);
        QVERIFY(hold.exec(u"ROLLBACK"_s));
    }
    QSqlDatabase::removeDatabase(u"holder"_s);
    QVERIFY(record.waitWritten(60000));
}

QTEST_MAIN(bench_Record)
#include "bench_record.moc"
