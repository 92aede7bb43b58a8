#include "learner/record.h"

#include "pages/practice/judging.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

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

// The child process's part: writes `count` answers and says so after each.
int writeAnswers(const QString &path, int count)
{
    Record record(path);
    for (int i = 1; i <= count; ++i) {
        if (!record.add(reading(u"4.7")))
            return 1;
        std::printf("committed %d\n", i);
        std::fflush(stdout);
    }
    return 0;
}

QProcess *writer(QObject *parent, const QString &path, int count)
{
    auto *p = new QProcess(parent);
    p->start(QCoreApplication::applicationFilePath(), {u"write"_s, path, QString::number(count)});
    return p;
}

} // namespace

class tst_Record : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keptAcrossARestart();
    void migration();
    void brokenFileMovedAside_data();
    void brokenFileMovedAside();
    void newerRecordLeftAlone();
    void folderNotWritable_data();
    void folderNotWritable();
    void twoWriters();
    void writerKilled();

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
        QVERIFY(record.takeNotice().contains(u"새 버전"));
        QVERIFY(!record.add(reading(u"4.7")));
        QCOMPARE(record.skills(), SkillStates{});
        QVERIFY(!record.reset());
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
    QCOMPARE(record.status(), RecordStatus::NotKept);
    QVERIFY(record.takeNotice().contains(u"기록하지 않습니다"));
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

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "write") == 0)
        return writeAnswers(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    tst_Record test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_record.moc"
