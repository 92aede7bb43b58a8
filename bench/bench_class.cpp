// The class record under a school's load: 200 pupils on their own logins and
// connections send 50 answers each, first as fast as they can, then at a
// school's pace (1,000 pupils answering every 2 seconds is 500 answers a
// second in all), through the sender the program's class sync sends with:
// each answer a row of the learner's record, turned into the class record's
// answer and sent by AnswerSender, as ClassSync does. Prints answers per
// second and the 50th and 99th percentile time of one answer, and checks
// that none was lost or doubled and that the sums the teacher's view reads
// agree with the answers. Each pupil joins (connects and makes the sender,
// which has the server plan the sums' trigger) before the answering starts,
// as a pupil's computer joins before the pupil answers; the 200 joining at
// once are timed apart. Both runs are made again with the sums' trigger off,
// as the reference of what the sums cost, in the same run. Needs the
// postgresql package; the server is started in a scratch folder as the tests
// do.

#include "learner/answers.h"
#include "server/classdb.h"
#include "server/classrow.h"
#include "server/scratchserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kPupils = 200;
constexpr int kAnswersEach = 50;
constexpr double kSchoolRate = 500; // answers a second, all pupils together

struct Run {
    std::vector<double> joining; // connecting and making the sender
    std::vector<double> millis;
    double seconds = 0;
    int failed = 0;
};

// A judged answer as the pupil's record holds it, its token made as the
// record makes one.
practice::Row answer(int n)
{
    const bool right = n % 3 != 0;
    practice::Row row{QUuid::createUuid().toString(QUuid::Id128),
                      QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs),
                      QDate::currentDate().toString(Qt::ISODate),
                      u"read"_s,
                      u"노랑, 보라, 적색, 금색"_s,
                      right ? u"4.7K\u2126 ±5%"_s : u"4.6K\u2126 ±5%"_s,
                      right,
                      right ? QString() : u"neighbour-colour"_s,
                      3.5,
                      u"digit-4 digit-7 multiplier-2 tolerance-5%"_s,
                      right ? QString() : u"digit-7"_s,
                      {},
                      false};
    if (!right)
        row.mixups = {{u"보라"_s, u"파랑"_s}};
    return row;
}

double millisSince(Clock::time_point t0)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

Run send(const ScratchClass &server, bool paced)
{
    Run run;
    std::mutex lock;
    std::atomic<int> ready{0};
    const auto interval = std::chrono::duration<double>(kPupils / kSchoolRate);
    Clock::time_point start;
    std::atomic<bool> go{false};
    std::vector<std::thread> pupils;
    for (int p = 0; p < kPupils; ++p) {
        pupils.emplace_back([&, p] {
            std::vector<double> mine;
            int failed = 0;
            const auto joined = Clock::now();
            ScratchConnection connection(server.login(u"학생%1"_s.arg(p)));
            std::optional<classdb::AnswerSender> sender;
            if (connection.isOpen())
                sender.emplace(connection.db());
            const double joining = millisSince(joined);
            ++ready;
            while (!go)
                std::this_thread::yield();
            for (int i = 0; i < kAnswersEach && sender; ++i) {
                if (paced)
                    std::this_thread::sleep_until(start +
                                                  std::chrono::duration_cast<Clock::duration>(
                                                      interval * (i + double(p) / kPupils)));
                const auto t0 = Clock::now();
                if (sender->send(classdb::classAnswerOf(answer(i))))
                    ++failed;
                mine.push_back(millisSince(t0));
            }
            if (!sender)
                failed = kAnswersEach;
            const std::lock_guard guard(lock);
            run.joining.push_back(joining);
            run.millis.insert(run.millis.end(), mine.begin(), mine.end());
            run.failed += failed;
        });
    }
    while (ready < kPupils)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    start = Clock::now();
    go = true;
    for (std::thread &t : pupils)
        t.join();
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::sort(run.millis.begin(), run.millis.end());
    std::sort(run.joining.begin(), run.joining.end());
    return run;
}

double percentile(const std::vector<double> &sorted, double share)
{
    return sorted.empty() ? 0 : sorted[std::size_t(share * double(sorted.size() - 1))];
}

// The reference, measured in the same run: PostgreSQL's own pgbench
// inserting the same row with as many clients, each on its own connection
// (the administrator's, into a copy of the table without its rules);
// answers a second, 0 when it could not run.
double pgbenchRate(const ScratchClass &server, QSqlDatabase &admin)
{
    QSqlQuery(admin).exec(u"CREATE TABLE bench_reference (LIKE answer INCLUDING ALL)"_s);
    QTemporaryDir dir;
    QFile script(dir.filePath(u"insert.sql"_s));
    if (!script.open(QIODevice::WriteOnly))
        return 0;
    script.write(uR"(INSERT INTO bench_reference (id, pupil, at, day, kind, question, given,
        correct, slip, seconds, skills, missed, mixups)
        VALUES (gen_random_uuid(), 'admin', now(), current_date, 'read', '노랑, 보라, 적색, 금색',
        '4.7KΩ ±5%', true, '', 3.5, 'digit-4 digit-7 multiplier-2 tolerance-5%', '', '');)"_s
                     .simplified()
                     .toUtf8());
    script.close();
    QProcess pgbench;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"PGPASSWORD"_s, server.admin().password);
    pgbench.setProcessEnvironment(env);
    pgbench.start(server.tool(u"pgbench"_s),
                  {u"-n"_s, u"-h"_s, u"127.0.0.1"_s, u"-p"_s, QString::number(server.port()),
                   u"-U"_s, u"admin"_s, u"-c"_s, QString::number(kPupils), u"-j"_s, u"2"_s, u"-t"_s,
                   QString::number(kAnswersEach), u"-f"_s, script.fileName(), u"pallado"_s});
    if (!pgbench.waitForFinished(300000))
        return 0;
    const QRegularExpressionMatch m =
        QRegularExpression(u"tps = ([0-9.]+) \\(without initial connection time\\)"_s)
            .match(QString::fromUtf8(pgbench.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toDouble() : 0;
}

qint64 answersOnServer(QSqlDatabase &db)
{
    QSqlQuery q(db);
    return q.exec(u"SELECT count(*), count(DISTINCT id) FROM answer"_s) && q.next()
               ? (q.value(0) == q.value(1) ? q.value(0).toLongLong() : -1)
               : -2;
}

// Whether the answers the sums count are every answer on the server.
bool sumsAgree(QSqlDatabase &db)
{
    QSqlQuery q(db);
    return q.exec(
               u"SELECT (SELECT sum(answers) FROM pupil_day) = (SELECT count(*) FROM answer)"_s) &&
           q.next() && q.value(0).toBool();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ScratchClass server;
    if (!server.started()) {
        std::printf("class: PostgreSQL could not be started here; skipped\n");
        return 0;
    }
    QStringList pupils;
    for (int p = 0; p < kPupils; ++p)
        pupils << u"학생%1"_s.arg(p);
    if (const QString failed = server.setUp(pupils); !failed.isEmpty()) {
        std::printf("class: set-up failed: %s\n", qPrintable(failed));
        return 1;
    }
    int code = 0;
    ScratchConnection connection(server.admin());
    QSqlDatabase &admin = connection.db();
    qint64 expected = 0;
    const double reference = pgbenchRate(server, admin);
    for (const bool sums : {true, false}) {
        if (!sums)
            QSqlQuery(admin).exec(u"ALTER TABLE answer DISABLE TRIGGER answer_added"_s);
        for (const bool paced : {false, true}) {
            const Run run = send(server, paced);
            expected += qint64(kPupils) * kAnswersEach - run.failed;
            const qint64 kept = answersOnServer(admin);
            const double rate = double(run.millis.size()) / run.seconds;
            std::printf("class %-11s %-12s %d pupils x %d answers: %.0f answers/s, one answer "
                        "p50 %.1f ms, p99 %.1f ms; failed %d, on the server %lld of %lld%s\n",
                        sums ? "with sums" : "(no sums)", paced ? "school pace" : "flat out",
                        kPupils, kAnswersEach, rate, percentile(run.millis, 0.5),
                        percentile(run.millis, 0.99), run.failed, kept, expected,
                        kept == expected ? "" : " (LOST OR DOUBLED)");
            if (kept != expected || run.failed)
                code = 1;
            if (sums && !paced) {
                std::printf("class with sums %d pupils joining at once: p50 %.0f ms, p99 %.0f ms\n",
                            kPupils, percentile(run.joining, 0.5), percentile(run.joining, 0.99));
                if (reference > 0)
                    std::printf("class flat out against pgbench's plain insert with %d clients "
                                "in the same run (%.0f a second): %.2f\n",
                                kPupils, reference, rate / reference);
            }
        }
        if (sums && !sumsAgree(admin)) {
            std::printf("class: the sums do not count every answer\n");
            code = 1;
        }
    }
    QSqlQuery(admin).exec(u"ALTER TABLE answer ENABLE TRIGGER answer_added"_s);
    return code;
}
