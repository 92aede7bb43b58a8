// A pupil's answers kept in step with the class server started for the test,
// in the order a class meets the trouble: an answer carried to the server and
// back, the server stopped and started again while the pupil answers, a
// Pallado killed with answers unsent, a pupil on two computers, and two
// Pallados of one pupil at once.

#include "learner/record.h"
#include "server/classrow.h"
#include "server/classsync.h"
#include "server/scratchserver.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <set>

using namespace Qt::StringLiterals;
using namespace practice;
using State = classdb::ClassSync::State;

Q_DECLARE_METATYPE(Row)

namespace {

// How soon an answer must reach a server that came back.
constexpr int kBackWithinMs = 10000;

// A reading of 4.7 kΩ, right or with violet taken for blue; each answer a
// moment after the one before, so every record orders them alike.
Answer reading(bool right)
{
    static int answered = 0;
    const Resistor k47{{47, 2, 2}, colorcode::toleranceOf(u"±5%")};
    Judgement judged;
    judged.right = right;
    if (!right) {
        judged.mistake = Mistake::NeighbourColour;
        judged.band = 1;
        judged.rightDigit = 7;
        judged.takenDigit = 6;
    }
    return readingAnswer(k47, right ? u"4.7" : u"4.6", u"K\u2126", u"±5%", judged, 4.5,
                         QDateTime::currentDateTimeUtc().addMSecs(++answered));
}

int count(const std::multiset<QString> &ids)
{
    return int(ids.size());
}

// The row of an answer as the record gives it: its token, and the time it
// took.
Row recorded(const Answer &answer, QString token, double seconds)
{
    Row row = rowOf(answer);
    row.token = std::move(token);
    row.seconds = seconds;
    return row;
}

} // namespace

class tst_ClassSync : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTripThroughServer_data();
    void roundTripThroughServer();
    void serverStoppedWhileAnswering();
    void connectionDroppedWhileSending();
    void killedWithAnswersUnsent();
    void pupilOnTwoComputers();
    void twoSyncsOfOnePupil();

private:
    // A pupil of the class of the test's own, with no answer yet.
    classdb::Server newPupil();
    // The pupil's answers on the server: their ids without hyphens, each
    // once; a row held twice would show as a shorter set than count.
    std::multiset<QString> onServer(const classdb::Server &pupil);
    QString path(const QString &name) const { return m_dir.filePath(name + u"/record.sqlite"_s); }

    std::unique_ptr<ScratchClass> m_server;
    QTemporaryDir m_dir;
    int m_pupils = 0;
};

void tst_ClassSync::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    m_server = std::make_unique<ScratchClass>();
    if (!m_server->started())
        QSKIP(ScratchServer::kNotStarted);
    const QString failed = m_server->setUp({});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
}

classdb::Server tst_ClassSync::newPupil()
{
    const QString name = u"학생 %1"_s.arg(++m_pupils);
    if (const QString failed = m_server->add(name); !failed.isEmpty())
        qWarning("%s", qPrintable(failed));
    return m_server->login(name);
}

std::multiset<QString> tst_ClassSync::onServer(const classdb::Server &pupil)
{
    std::multiset<QString> ids;
    ScratchConnection admin(m_server->admin());
    QSqlQuery q(admin.db());
    classdb::runBound(q, u"SELECT replace(id::text, '-', '') FROM answer WHERE pupil = ?"_s,
                      {pupil.user});
    while (q.next())
        ids.insert(q.value(0).toString());
    return ids;
}

std::multiset<QString> tokensOf(Record &record)
{
    const QStringList tokens = record.tokens();
    return {tokens.begin(), tokens.end()};
}

void tst_ClassSync::roundTripThroughServer_data()
{
    QTest::addColumn<Row>("sent");
    QTest::newRow("right, no mixup")
        << recorded(reading(true), u"00112233445566778899aabbccddeeff"_s, 4.5);
    // The server keeps seconds as a real: a fraction comes back as it went.
    QTest::newRow("violet read as blue, a fraction of a second")
        << recorded(reading(false), u"0f1e2d3c4b5a69788796a5b4c3d2e1f0"_s, 3.7);
}

void tst_ClassSync::roundTripThroughServer()
{
    QFETCH(Row, sent);
    const classdb::Server pupil = newPupil();
    {
        ScratchConnection connection(pupil);
        QVERIFY(connection.isOpen());
        QSqlDatabase &db = connection.db();
        const auto refused = classdb::AnswerSender(db).send(classdb::classAnswerOf(sent));
        QVERIFY2(!refused, qPrintable(refused ? refused->detail : QString()));

        auto fetched = classdb::ownAnswersExcept(db, {u"0123456789abcdef0123456789abcdef"_s});
        QVERIFY(std::holds_alternative<std::vector<classdb::ClassAnswer>>(fetched));
        const auto &answers = std::get<std::vector<classdb::ClassAnswer>>(fetched);
        QCOMPARE(int(answers.size()), 1);
        QCOMPARE(answers[0].id.count(u'-'), 4); // the server's UUID, hyphenated
        Row back = classdb::rowOf(answers[0]);
        QVERIFY(back.sent);
        back.sent = false;
        QCOMPARE(back, sent);

        // An answer the record holds is not fetched again, hyphens or none.
        for (const QString &held : {sent.token, answers[0].id}) {
            fetched = classdb::ownAnswersExcept(db, {held});
            QCOMPARE(int(std::get<std::vector<classdb::ClassAnswer>>(fetched).size()), 0);
        }
    }
}

void tst_ClassSync::serverStoppedWhileAnswering()
{
    const classdb::Server pupil = newPupil();
    Record record(path(u"stopped"_s));
    classdb::ClassSync sync(pupil, record.path());
    QSignalSpy told(&sync, &classdb::ClassSync::stateChanged);
    QTRY_COMPARE(sync.state(), State::InStep);
    for (int i = 0; i < 3; ++i)
        QVERIFY(record.add(reading(i % 2 == 0)));
    QTRY_COMPARE(count(onServer(pupil)), 3);

    m_server->stop();
    // The practice goes on: the answers wait in the record.
    for (int i = 0; i < 4; ++i)
        QVERIFY(record.add(reading(true)));
    QTRY_COMPARE(sync.state(), State::Waiting);
    QCOMPARE(int(record.unsent().size()), 4);

    QVERIFY(m_server->start());
    QTRY_COMPARE_WITH_TIMEOUT(count(onServer(pupil)), 7, kBackWithinMs);
    QTRY_COMPARE(sync.state(), State::InStep);
    QTRY_COMPARE(int(record.unsent().size()), 0);
    QCOMPARE(onServer(pupil), tokensOf(record));
    QCOMPARE(told.count(), 3); // in step, waiting, in step again
}

void tst_ClassSync::connectionDroppedWhileSending()
{
    // The network drops the pupil's connection while answers go out; the
    // server stays up. The answer cut off is sent again, and kept once.
    const classdb::Server pupil = newPupil();
    Record record(path(u"dropped"_s));
    classdb::ClassSync sync(pupil, record.path());
    QTRY_COMPARE(sync.state(), State::InStep);
    for (int i = 0; i < 10; ++i)
        QVERIFY(record.add(reading(true)));
    {
        ScratchConnection admin(m_server->admin());
        QSqlQuery q(admin.db());
        QVERIFY(!classdb::runBound(
            q, u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE usename = ?"_s,
            {pupil.user}));
        QVERIFY(q.next());
    }
    for (int i = 0; i < 10; ++i)
        QVERIFY(record.add(reading(false)));
    QTRY_COMPARE_WITH_TIMEOUT(count(onServer(pupil)), 20, kBackWithinMs);
    QTRY_COMPARE(int(record.unsent().size()), 0);
    QCOMPARE(onServer(pupil), tokensOf(record));
}

void tst_ClassSync::killedWithAnswersUnsent()
{
    // Answers judged while no sync ran, as when Pallado was killed before
    // it sent them, one of them only in the side file: the next start sends
    // them all.
    const classdb::Server pupil = newPupil();
    const QString file = path(u"killed"_s);
    {
        Record record(file);
        for (int i = 0; i < 5; ++i)
            QVERIFY(record.add(reading(i != 2)));
        QVERIFY(record.waitWritten(5000));
    }
    Row waiting = rowOf(reading(true));
    waiting.token = u"aaaabbbbccccddddeeeeffff00001111"_s;
    {
        QFile side(file + u".waiting-killed"_s);
        QVERIFY(side.open(QIODevice::WriteOnly));
        side.write(waitingLine(waiting) + '\n');
    }
    {
        classdb::ClassSync sync(pupil, file);
        QTRY_COMPARE_WITH_TIMEOUT(count(onServer(pupil)), 6, kBackWithinMs);
    }
    Record record(file);
    QCOMPARE(onServer(pupil), tokensOf(record));
    QVERIFY(onServer(pupil).contains(waiting.token));
    QTRY_COMPARE(int(record.unsent().size()), 0);
}

void tst_ClassSync::pupilOnTwoComputers()
{
    const classdb::Server pupil = newPupil();
    Record first(path(u"first computer"_s));
    {
        classdb::ClassSync sync(pupil, first.path());
        for (const bool right : {true, false, false, true, true})
            QVERIFY(first.add(reading(right)));
        QTRY_COMPARE(count(onServer(pupil)), 5);
    }
    // On the second computer the pupil answers once before the earlier
    // answers come; the schedule still learns them all in the order given.
    Record second(path(u"second computer"_s));
    QVERIFY(second.add(reading(false)));
    {
        classdb::ClassSync sync(pupil, second.path());
        QSignalSpy fetched(&sync, &classdb::ClassSync::fetched);
        QTRY_COMPARE(fetched.count(), 1);
        QCOMPARE(fetched.at(0).at(0).toInt(), 5);
        QTRY_COMPARE(count(onServer(pupil)), 6);
    }
    QCOMPARE(second.totals(QDate::currentDate()).answers, 6);
    {
        // The first computer, started again, takes the second's answer.
        classdb::ClassSync sync(pupil, first.path());
        QSignalSpy fetched(&sync, &classdb::ClassSync::fetched);
        QTRY_COMPARE(fetched.count(), 1);
        QCOMPARE(fetched.at(0).at(0).toInt(), 1);
    }
    QCOMPARE(tokensOf(first), tokensOf(second));
    QCOMPARE(first.skills(), second.skills());
    QCOMPARE(first.confusions().counts, second.confusions().counts);
}

void tst_ClassSync::twoSyncsOfOnePupil()
{
    // Two Pallados of one pupil on one computer send the same answers.
    const classdb::Server pupil = newPupil();
    Record record(path(u"shared"_s));
    classdb::ClassSync one(pupil, record.path());
    classdb::ClassSync two(pupil, record.path());
    for (int i = 0; i < 20; ++i)
        QVERIFY(record.add(reading(i % 3 != 0)));
    QTRY_COMPARE(count(onServer(pupil)), 20);
    QTRY_COMPARE(int(record.unsent().size()), 0);
    QCOMPARE(onServer(pupil), tokensOf(record));
}

QTEST_GUILESS_MAIN(tst_ClassSync)
#include "tst_classsync.moc"
