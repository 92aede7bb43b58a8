#include "learner/record.h"

#include "pages/practice/judging.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <thread>

using namespace Qt::StringLiterals;
using namespace practice;

namespace {

Resistor resistor(int significand, int digitCount, int exponent, QStringView tolerance)
{
    return {{significand, digitCount, exponent}, colorcode::toleranceOf(tolerance)};
}

const Resistor k47 = resistor(47, 2, 2, u"±5%"); // yellow violet red gold
const QString kKilo = u"K\u2126"_s;

Answer reading(QStringView number)
{
    return readingAnswer(k47, number, kKilo, u"±5%", *judgeReading(k47, number, kKilo, u"±5%"), 4.5,
                         QDateTime::currentDateTimeUtc());
}

QDate today()
{
    return QDate::currentDate();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Runs SQL on a file through a connection of the test's own.
void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"test"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString &sql : statements)
            QVERIFY2(q.exec(sql), qPrintable(sql));
    }
    QSqlDatabase::removeDatabase(u"test"_s);
}

int readingEndAsked(Record &record)
{
    return record.skills()[std::size_t(*skillOfKey(u"reading-end"))].asked;
}

// The child process's part: from the instant `startAt` (milliseconds since
// the epoch) on, writes `count` answers and says so after each; fails when
// an answer is not kept or the record is not in the end.
int writeAnswers(const QString &path, int count, qint64 startAt)
{
    while (QDateTime::currentMSecsSinceEpoch() < startAt)
        ;
    Record record(path);
    for (int i = 1; i <= count; ++i) {
        if (!record.add(reading(u"4.7")))
            return 1;
        std::printf("committed %d\n", i);
        std::fflush(stdout);
    }
    if (record.waitWritten(10000) && record.status() == RecordStatus::Kept)
        return 0;
    std::fprintf(stderr, "%d waiting, status %d\n", record.waiting(), int(record.status()));
    return 2;
}

QProcess *writer(QObject *parent, const QString &path, int count, qint64 startAt = 0)
{
    auto *p = new QProcess(parent);
    p->start(QCoreApplication::applicationFilePath(),
             {u"write"_s, path, QString::number(count), QString::number(startAt)});
    return p;
}

// Another program's connection, holding the record's write lock until
// released, from whichever thread.
class LockHolder {
public:
    explicit LockHolder(const QString &path)
    {
        sqlite3_open(QFile::encodeName(path).constData(), &m_db);
        m_held = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~LockHolder()
    {
        release();
        sqlite3_close(m_db);
    }
    bool held() const { return m_held; }
    void release()
    {
        if (m_held)
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        m_held = false;
    }

private:
    sqlite3 *m_db = nullptr;
    bool m_held = false;
};

QStringList sideFiles(const QString &path)
{
    return QDir(QFileInfo(path).absolutePath()).entryList({u"record.sqlite.waiting-*"_s});
}

// The default file system without shared memory, as on a network file
// system: each file's methods are copied as those of the first version,
// which has none.
sqlite3_vfs *g_unix = nullptr;
sqlite3_vfs g_noShm;
std::map<const sqlite3_io_methods *, sqlite3_io_methods> g_methods;

int openWithoutShm(sqlite3_vfs *, sqlite3_filename name, sqlite3_file *file, int flags, int *out)
{
    const int code = g_unix->xOpen(g_unix, name, file, flags, out);
    if (code == SQLITE_OK && file->pMethods) {
        sqlite3_io_methods &copy = g_methods[file->pMethods];
        if (copy.iVersion == 0) {
            copy = *file->pMethods;
            copy.iVersion = 1;
            copy.xShmMap = nullptr;
            copy.xShmLock = nullptr;
            copy.xShmBarrier = nullptr;
            copy.xShmUnmap = nullptr;
            copy.xFetch = nullptr;
            copy.xUnfetch = nullptr;
        }
        file->pMethods = &copy;
    }
    return code;
}

QString journalMode(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &db);
    sqlite3_stmt *q = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &q, nullptr);
    QString mode;
    if (sqlite3_step(q) == SQLITE_ROW)
        mode = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(q, 0)));
    sqlite3_finalize(q);
    sqlite3_close(db);
    return mode;
}

} // namespace

class tst_Record : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keptAcrossARestart();
    void migration();
    void migrationToSentMarks();
    void brokenFileMovedAside_data();
    void brokenFileMovedAside();
    void newerRecordLeftAlone();
    void folderNotWritable_data();
    void folderNotWritable();
    void twoWriters();
    void writerKilled();
    void twoCopiesOpenAMissingFile();
    void lockAtOpening();
    void lockHeldWhileAnswering_data();
    void lockHeldWhileAnswering();
    void diskFull();
    void fileChangedMidSession_data();
    void fileChangedMidSession();
    void noSharedMemory_data();
    void noSharedMemory();

private:
    QTemporaryDir m_dir;
    int m_n = 0;
    QString freshPath() { return m_dir.filePath(u"r%1/record.sqlite"_s.arg(++m_n)); }
};

void tst_Record::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void tst_Record::keptAcrossARestart()
{
    QVERIFY(Record::defaultPath().endsWith(u"/record.sqlite"));
    const QString path = freshPath();
    {
        Record record(path);
        QVERIFY2(!QFileInfo::exists(QFileInfo(path).absolutePath()), "opened before it was needed");
        QVERIFY(record.add(reading(u"4.7")));
        QVERIFY(record.add(reading(u"4.6"))); // violet read as blue
        QCOMPARE(record.status(), RecordStatus::Kept);
        QCOMPARE(record.takeNotice(), QString());
    }
    Record record(path);
    QCOMPARE(record.totals(today()), (Totals{2, 1, 1}));
    QCOMPARE(record.lastDays(today()).back(), (DayCount{today(), 2, 1}));
    const SkillState violet = record.skills()[std::size_t(*skillOfKey(u"digit-7"))];
    QCOMPARE(violet.asked, 2);
    QCOMPARE(violet.box, 0); // missed last
    QCOMPARE(record.confusions().counts[7][6], 1);

    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QVERIFY(record.exportCsv(csv));
    const QStringList lines = QString::fromUtf8(csv.data()).split(u"\r\n"_s);
    QVERIFY(csv.data().startsWith("\xEF\xBB\xBF"));
    QCOMPARE(lines.size(), 4); // header, two answers, nothing after the last line end
    QVERIFY2(lines[2].endsWith(
                 u",색띠 읽기,\"노랑, 보라, 적색, 금색\",4.6K\u2126 ±5%,오답,비슷한 색,4.5"_s),
             qPrintable(lines[2]));

    QVERIFY(record.reset());
    QCOMPARE(record.totals(today()), Totals{});
    QCOMPARE(record.skills(), SkillStates{});
}

void tst_Record::migration()
{
    // A record of version 1 kept the answers only; opened, it gets each
    // skill's state, replayed from them. A skill key this program does not
    // know is passed over.
    const QString path = freshPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    runSql(
        path,
        {
            uR"(CREATE TABLE answer (id INTEGER PRIMARY KEY, at TEXT NOT NULL, day TEXT NOT NULL,
            kind TEXT NOT NULL, question TEXT NOT NULL, given TEXT NOT NULL,
            correct INTEGER NOT NULL, slip TEXT NOT NULL, seconds REAL NOT NULL,
            skills TEXT NOT NULL, missed TEXT NOT NULL))"_s,
            u"CREATE TABLE mixup (answer INTEGER NOT NULL, asked TEXT NOT NULL, taken TEXT NOT NULL)"_s,
            uR"(INSERT INTO answer VALUES
            (1, '2027-03-01T09:00:00.000Z', '2027-03-01', 'read', 'q', 'a', 0, '', 3,
             'digit-4 digit-7 smd-eia96', 'digit-7'),
            (2, '2027-03-01T09:01:00.000Z', '2027-03-01', 'read', 'q', 'a', 1, '', 3,
             'digit-4 digit-7', ''),
            (3, '2027-03-02T09:00:00.000Z', '2027-03-02', 'read', 'q', 'a', 1, '', 3,
             'digit-4', ''))"_s,
            u"PRAGMA user_version = 1"_s,
        });
    Record record(path);
    QCOMPARE(record.status(), RecordStatus::Kept);
    const SkillStates states = record.skills();
    const SkillState yellow = states[std::size_t(*skillOfKey(u"digit-4"))];
    const SkillState violet = states[std::size_t(*skillOfKey(u"digit-7"))];
    const QDate first(2027, 3, 1);
    QCOMPARE(yellow, (SkillState{2, first.addDays(3), first.addDays(1), 3, 3}));
    QCOMPARE(violet, (SkillState{1, first.addDays(1), first, 2, 1}));
    QCOMPARE(record.totals(first.addDays(1)), (Totals{3, 2, 2}));
    // Written on: the record is version 2 now.
    QVERIFY(record.add(reading(u"4.7")));
}

void tst_Record::migrationToSentMarks()
{
    // A record of version 3: an answer kept before tokens were, and one
    // with its token and a mixup. Opened, both are unsent, the first given
    // a token of its own; a mark and an answer taken back as sent are kept.
    const QString path = freshPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    runSql(
        path,
        {
            uR"(CREATE TABLE answer (id INTEGER PRIMARY KEY, at TEXT NOT NULL,
               day TEXT NOT NULL, kind TEXT NOT NULL, question TEXT NOT NULL, given TEXT NOT NULL,
               correct INTEGER NOT NULL, slip TEXT NOT NULL, seconds REAL NOT NULL,
               skills TEXT NOT NULL, missed TEXT NOT NULL, token TEXT))"_s,
            u"CREATE UNIQUE INDEX answer_token ON answer(token)"_s,
            u"CREATE TABLE mixup (answer INTEGER NOT NULL, asked TEXT NOT NULL, taken TEXT NOT NULL)"_s,
            uR"(CREATE TABLE skill (key TEXT PRIMARY KEY, box INTEGER NOT NULL,
               due TEXT NOT NULL, last TEXT NOT NULL, asked INTEGER NOT NULL,
               correct INTEGER NOT NULL) WITHOUT ROWID)"_s,
            uR"(INSERT INTO answer VALUES
               (1, '2027-03-01T09:00:00.000Z', '2027-03-01', 'read', 'q', 'a', 1, '', 3,
                'digit-4', '', NULL),
               (2, '2027-03-01T09:01:00.000Z', '2027-03-01', 'read', 'q', 'b', 0,
                'neighbour-colour', 3, 'digit-4 digit-7', 'digit-7',
                '0123456789abcdef0123456789abcdef'))"_s,
            u"INSERT INTO mixup VALUES (2, '보라', '파랑')"_s,
            u"PRAGMA user_version = 3"_s,
        });
    Record record(path);
    std::vector<Row> unsent = record.unsent();
    QCOMPARE(int(unsent.size()), 2);
    QCOMPARE(unsent[0].given, u"a"_s);
    QVERIFY(QRegularExpression(u"^[0-9a-f]{32}$"_s).match(unsent[0].token).hasMatch());
    QCOMPARE(unsent[1].token, u"0123456789abcdef0123456789abcdef"_s);
    QCOMPARE(unsent[1].mixups, (std::vector<std::pair<QString, QString>>{{u"보라"_s, u"파랑"_s}}));
    QVERIFY(!unsent[1].sent);

    record.markSent(std::span(&unsent[1].token, 1));
    Row fetched = unsent[1];
    fetched.token = u"fedcba9876543210fedcba9876543210"_s;
    fetched.sent = true;
    QVERIFY(record.addRows(std::span(&fetched, 1)));
    QVERIFY(record.add(reading(u"4.7")));
    QVERIFY(record.waitWritten(5000));
    unsent = record.unsent();
    QCOMPARE(int(unsent.size()), 2);
    QCOMPARE(unsent[0].given, u"a"_s);
    QCOMPARE(unsent[1].given, u"4.7K\u2126 ±5%"_s);
    QCOMPARE(record.tokens().size(), 4);
}

void tst_Record::brokenFileMovedAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("not SQLite") << QByteArray("my notes, not a record\n");
    // SQLite, but another program's.
    const QString foreign = m_dir.filePath(u"foreign.sqlite"_s);
    runSql(foreign, {u"CREATE TABLE notes (text TEXT)"_s});
    QTest::newRow("another program's SQLite") << contents(foreign);
    // A record of ours with its table of tables overwritten.
    const QString damaged = freshPath();
    {
        Record record(damaged);
        QVERIFY(record.add(reading(u"4.7")));
    }
    QByteArray bytes = contents(damaged);
    bytes.replace(100, 1000, QByteArray(1000, '\xA5'));
    QTest::newRow("damaged") << bytes;
}

void tst_Record::brokenFileMovedAside()
{
    QFETCH(QByteArray, bytes);
    const QString path = freshPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    write(path, bytes);
    Record record(path);
    QCOMPARE(record.status(), RecordStatus::MovedAside);
    const QString notice = record.takeNotice();
    QVERIFY2(notice.contains(u"record.sqlite.broken-"), qPrintable(notice));
    QCOMPARE(record.takeNotice(), QString());
    const QStringList aside =
        QDir(QFileInfo(path).absolutePath()).entryList({u"record.sqlite.broken-*"_s});
    QCOMPARE(aside.size(), 1);
    QVERIFY(QRegularExpression(u"^record\\.sqlite\\.broken-\\d{8}-\\d{6}$"_s)
                .match(aside.first())
                .hasMatch());
    QCOMPARE(contents(QFileInfo(path).absolutePath() + u'/' + aside.first()), bytes);
    QVERIFY(record.add(reading(u"4.7")));
    QCOMPARE(record.totals(today()).answers, 1);
}

void tst_Record::newerRecordLeftAlone()
{
    const QString path = freshPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    runSql(path, {u"CREATE TABLE answer (id INTEGER PRIMARY KEY, worn TEXT)"_s,
                  u"PRAGMA user_version = %1"_s.arg(Record::kVersion + 1)});
    const QByteArray before = contents(path);
    {
        Record record(path);
        QCOMPARE(record.status(), RecordStatus::Newer);
        QVERIFY(record.takeNotice().contains(u"새 버전의 Pallado"));
        QVERIFY(!record.add(reading(u"4.7")));
        QCOMPARE(record.skills(), SkillStates{});
        QVERIFY(!record.reset());
        // Exported, it writes nothing rather than a header over no answers.
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(!record.exportCsv(csv));
        QCOMPARE(csv.data(), QByteArray());
    }
    QCOMPARE(contents(path), before);
}

void tst_Record::folderNotWritable_data()
{
    QTest::addColumn<QString>("path");
    const QString standing = m_dir.filePath(u"a file"_s);
    write(standing, "not a folder");
    QTest::newRow("a file where the folder should be") << standing + u"/record.sqlite"_s;
    const QString locked = m_dir.filePath(u"locked"_s);
    QDir().mkpath(locked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    QTest::newRow("no permission") << locked + u"/record.sqlite"_s;
}

void tst_Record::folderNotWritable()
{
    QFETCH(QString, path);
    if (QByteArray(QTest::currentDataTag()) == "no permission" && geteuid() == 0)
        QSKIP("root writes in any folder");
    Record record(path);
    QVERIFY(!record.add(reading(u"4.7")));
    QCOMPARE(record.status(), RecordStatus::FolderNotWritable);
    QVERIFY(record.takeNotice().contains(u"폴더 "_s +
                                         QDir::toNativeSeparators(QFileInfo(path).path())));
    QCOMPARE(record.takeNotice(), QString());
    QCOMPARE(record.totals(today()), Totals{});
}

void tst_Record::twoWriters()
{
    // Each answer also updates the skills it exercised, read and written
    // under the write lock: the reading end, in every question, counts all.
    constexpr int kEach = 150;
    const QString path = freshPath();
    Record record(path);
    QCOMPARE(record.status(), RecordStatus::Kept);
    QProcess *child = writer(this, path, kEach);
    QVERIFY(child->waitForStarted());
    for (int i = 0; i < kEach; ++i)
        QVERIFY(record.add(reading(u"4.7")));
    QVERIFY(record.waitWritten(10000));
    QVERIFY(child->waitForFinished(60000));
    QCOMPARE(child->exitCode(), 0);
    QCOMPARE(record.totals(today()).answers, 2 * kEach);
    QCOMPARE(readingEndAsked(record), 2 * kEach);
}

void tst_Record::writerKilled()
{
    const QString path = freshPath();
    QProcess *child = writer(this, path, 1000000);
    int committed = 0;
    while (committed < 40 && child->waitForReadyRead(10000)) {
        while (child->canReadLine())
            committed = child->readLine().mid(10).trimmed().toInt();
    }
    QVERIFY(committed >= 40);
    child->kill(); // SIGKILL: no clean-up of any kind
    QVERIFY(child->waitForFinished(10000));
    Record record(path);
    QCOMPARE(record.status(), RecordStatus::Kept);
    QVERIFY2(record.totals(today()).answers >= committed,
             qPrintable(u"%1 of %2"_s.arg(record.totals(today()).answers).arg(committed)));
    QCOMPARE(readingEndAsked(record), record.totals(today()).answers);
}

void tst_Record::twoCopiesOpenAMissingFile()
{
    // Two copies started at the same instant on a folder with no record yet:
    // both keep every answer in the one record.
    constexpr int kEach = 5;
    for (int round = 0; round < 4; ++round) {
        const QString path = freshPath();
        const qint64 startAt = QDateTime::currentMSecsSinceEpoch() + 700;
        QProcess *first = writer(this, path, kEach, startAt);
        QProcess *second = writer(this, path, kEach, startAt);
        for (QProcess *p : {first, second}) {
            QVERIFY(p->waitForFinished(30000));
            QVERIFY2(p->exitCode() == 0, p->readAllStandardError().constData());
        }
        Record record(path);
        QCOMPARE(record.totals(today()).answers, 2 * kEach);
        QCOMPARE(readingEndAsked(record), 2 * kEach);
    }
}

void tst_Record::lockAtOpening()
{
    // A new file whose write lock another copy holds while making it: the
    // journal mode cannot be set yet (SQLite says so at once, without
    // waiting), which is a lock to wait for, not a record to give up on.
    const QString path = freshPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto holder = std::make_unique<LockHolder>(path);
    QVERIFY(holder->held());
    Record record(path);
    QVERIFY(record.add(reading(u"4.7")));
    QCOMPARE(record.status(), RecordStatus::Locked);
    holder.reset();
    QVERIFY(record.waitWritten(10000));
    QCOMPARE(record.status(), RecordStatus::Kept);
    QCOMPARE(record.totals(today()).answers, 1);
}

void tst_Record::lockHeldWhileAnswering_data()
{
    QTest::addColumn<bool>("lockGoesAtExit");
    QTest::newRow("the lock goes while the program closes") << true;
    QTest::newRow("the lock stays: the answers wait in the side file") << false;
}

void tst_Record::lockHeldWhileAnswering()
{
    // The lock is held far longer than the record waits for it at each try;
    // the interface never waits more than the record's moment for an answer
    // (a generous ceiling here: the real figures are in bench_record).
    constexpr qint64 kCeilingMs = 4 * Record::kAnswerWaitMs;
    QFETCH(bool, lockGoesAtExit);
    const QString path = freshPath();
    LockHolder *holder = nullptr;
    {
        Record record(path);
        QVERIFY(record.add(reading(u"4.7")));
        QCOMPARE(record.takeNotice(), QString());
        holder = new LockHolder(path);
        QVERIFY(holder->held());
        for (const QStringView given : {u"4.7", u"4.6", u"47"}) {
            QElapsedTimer judged;
            judged.start();
            QVERIFY(record.add(reading(given)));
            QVERIFY2(judged.elapsed() < kCeilingMs, qPrintable(QString::number(judged.elapsed())));
        }
        QCOMPARE(record.status(), RecordStatus::Locked);
        QCOMPARE(record.waiting(), 3);
        QVERIFY(record.takeNotice().contains(u"잠금이 풀리는 대로 기록합니다"));
        QCOMPARE(record.takeNotice(), QString());
        QCOMPARE(sideFiles(path).size(), 1);
        if (lockGoesAtExit) {
            std::thread([holder] {
                std::this_thread::sleep_for(std::chrono::milliseconds(800));
                holder->release();
            }).detach();
        }
    }
    if (lockGoesAtExit) {
        QVERIFY(sideFiles(path).isEmpty());
    } else {
        QCOMPARE(sideFiles(path).size(), 1);
        // A power cut's half line after the waiting answers is passed over.
        QFile side(QFileInfo(path).absolutePath() + u'/' + sideFiles(path).first());
        QVERIFY(side.open(QIODevice::Append));
        side.write("{\"token\":\"half");
        side.close();
    }
    delete holder;
    Record record(path);
    QCOMPARE(record.totals(today()), (Totals{4, 2, 1}));
    QCOMPARE(readingEndAsked(record), 4);
    QVERIFY(sideFiles(path).isEmpty());
}

void tst_Record::diskFull()
{
    if (geteuid() != 0)
        QSKIP("a full disk is made as a small tmpfs, which only root may mount");
    const QString mount = m_dir.filePath(u"small"_s);
    QDir().mkpath(mount);
    if (QProcess::execute(u"mount"_s,
                          {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=400k"_s, u"tmpfs"_s, mount}) != 0)
        QSKIP("this system lets no tmpfs be mounted here");
    const auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_s, {mount}); });
    const QString path = mount + u"/record.sqlite"_s;
    const QString filler = mount + u"/filler"_s;
    int given = 1;
    {
        Record record(path);
        QVERIFY(record.add(reading(u"4.7")));
        {
            QFile fill(filler);
            QVERIFY(fill.open(QIODevice::WriteOnly));
            const QByteArray block(4096, 'x');
            while (fill.write(block) == block.size() && fill.flush())
                ;
        }
        for (; given < 40 && record.status() != RecordStatus::DiskFull; ++given)
            QVERIFY(record.add(reading(u"4.6")));
        QCOMPARE(record.status(), RecordStatus::DiskFull);
        QVERIFY(record.takeNotice().contains(u"디스크가 가득 차서"));
        const int waiting = record.waiting();
        QVERIFY(waiting > 0);
        QVERIFY(QFile::remove(filler));
        QVERIFY(record.waitWritten(10000));
        QCOMPARE(record.status(), RecordStatus::Kept);
    }
    Record record(path);
    QCOMPARE(record.totals(today()), (Totals{given, 1, 1}));
    QCOMPARE(readingEndAsked(record), given);
}

void tst_Record::fileChangedMidSession_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::newRow("replaced by another file") << true;
    QTest::newRow("made read-only") << false;
}

void tst_Record::fileChangedMidSession()
{
    QFETCH(bool, replaced);
    const QString path = freshPath();
    const QByteArray notes("my notes, not a record\n");
    {
        Record record(path);
        QVERIFY(record.add(reading(u"4.7")));
        QVERIFY(record.add(reading(u"4.7")));
        if (replaced) {
            write(path + u".new"_s, notes);
            QVERIFY(::rename(QFile::encodeName(path + u".new"_s), QFile::encodeName(path)) == 0);
        } else {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        }
        // The practice goes on; the answer waits and it is said once.
        QVERIFY(record.add(reading(u"4.6")));
        QCOMPARE(record.status(), replaced ? RecordStatus::Replaced : RecordStatus::ReadOnly);
        const QString notice = record.takeNotice();
        QVERIFY2(notice.contains(sideFiles(path).value(0, u"none"_s)), qPrintable(notice));
        QVERIFY(record.add(reading(u"4.6")));
        QCOMPARE(record.takeNotice(), QString());
        QCOMPARE(record.readable(), !replaced);
    }
    if (replaced) {
        QCOMPARE(contents(path), notes); // nothing written over it
    } else {
        // Still read-only at the next opening: the answers still wait.
        {
            Record record(path);
            QCOMPARE(record.status(), RecordStatus::ReadOnly);
            QCOMPARE(record.totals(today()).answers, 2);
        }
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    }
    Record record(path);
    QCOMPARE(record.status(), replaced ? RecordStatus::MovedAside : RecordStatus::Kept);
    QCOMPARE(record.totals(today()).answers, replaced ? 2 : 4);
    QVERIFY(sideFiles(path).isEmpty());
}

void tst_Record::noSharedMemory_data()
{
    QTest::addColumn<bool>("leftInWal");
    QTest::newRow("a new record") << false;
    QTest::newRow("a record left in write-ahead logging") << true;
}

void tst_Record::noSharedMemory()
{
    QFETCH(bool, leftInWal);
    const QString path = freshPath();
    if (leftInWal) {
        Record record(path);
        QVERIFY(record.add(reading(u"4.7")));
    }
    QCOMPARE(journalMode(path) == u"wal", leftInWal);
    g_unix = sqlite3_vfs_find(nullptr);
    g_noShm = *g_unix;
    g_noShm.zName = "pallado-test-noshm";
    g_noShm.xOpen = openWithoutShm;
    sqlite3_vfs_register(&g_noShm, 1);
    const auto back = qScopeGuard([] {
        sqlite3_vfs_register(g_unix, 1);
        sqlite3_vfs_unregister(&g_noShm);
    });
    {
        Record record(path);
        QVERIFY(record.add(reading(u"4.7")));
        QCOMPARE(record.status(), RecordStatus::Kept);
        QCOMPARE(record.takeNotice(), QString()); // nothing to trouble the learner with
        QCOMPARE(record.totals(today()).answers, leftInWal ? 2 : 1);
    }
    QCOMPARE(journalMode(path), u"delete"_s);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "write") == 0)
        return writeAnswers(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
                            QByteArray(argv[4]).toLongLong());
    tst_Record test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record.moc"
