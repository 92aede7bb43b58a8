#include "learner/record.h"

#include "colorcode/korean.h"

#include "learner/skills.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace practice {

namespace {

// The writing thread's wait for a lock at each try, and its pause between
// tries while the lock stays; the disk, once full, is tried less often.
constexpr int kTryWaitMs = 100;
constexpr int kRetryMs = 150;
constexpr int kFullRetryMs = 2000;
// A change of journal mode takes its lock without SQLite's busy handler (see
// setJournal): it is tried again this often within a try.
constexpr int kJournalRetryMs = 10;
// The interface's reading connection waits this long for a lock; reading
// waits only while a writer with a rollback journal commits.
constexpr int kReadWaitMs = 200;

// SQLite's primary result codes the record tells apart (SQLITE_OK and the
// rest, as sqlite3.h numbers them).
constexpr int kOk = 0;
constexpr int kPermission = 3;
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kIoError = 10;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kCantOpen = 14; // a file SQLite cannot open, for a cause it does not say
constexpr int kNotADatabase = 26;

// File systems whose programs on other computers share no memory with ours,
// where write-ahead logging cannot keep two writers apart (statfs's magic
// numbers): NFS, SMB, CIFS, SMB2, AFS, Coda, NCP, 9P.
constexpr std::array<unsigned long, 8> kNetworkFileSystems{
    0x6969, 0x517B, 0xFF534D42, 0xFE534D42, 0x5346414F, 0x73757245, 0x564C, 0x01021997};

int codeOf(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xFF : kIoError;
}

// A query that failed reports SQLite's code; run() gives kOk on success.
int run(QSqlQuery &query, const QString &sql)
{
    return query.exec(sql) ? kOk : codeOf(query.lastError());
}

int run(QSqlQuery &query)
{
    return query.exec() ? kOk : codeOf(query.lastError());
}

// What a step of the writing thread came to.
enum class Outcome {
    Done,
    Busy,
    Full,
    ReadOnly,
    Broken,
    Damaged,
    Replaced,
    Newer,
    FolderNotWritable
};

Outcome outcomeOf(int code)
{
    switch (code) {
    case kOk:
        return Outcome::Done;
    case kBusy:
    case kLocked:
        return Outcome::Busy;
    case kFull:
        return Outcome::Full;
    case kPermission:
    case kReadOnly:
        return Outcome::ReadOnly;
    case kCorrupt:
    case kNotADatabase:
        return Outcome::Broken;
    default:
        return Outcome::Damaged;
    }
}

RecordStatus statusOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Done:
        return RecordStatus::Kept;
    case Outcome::Busy:
        return RecordStatus::Locked;
    case Outcome::Full:
        return RecordStatus::DiskFull;
    case Outcome::ReadOnly:
        return RecordStatus::ReadOnly;
    case Outcome::Newer:
        return RecordStatus::Newer;
    case Outcome::FolderNotWritable:
        return RecordStatus::FolderNotWritable;
    case Outcome::Replaced:
        return RecordStatus::Replaced;
    case Outcome::Broken:
    case Outcome::Damaged:
        return RecordStatus::Damaged;
    }
    return RecordStatus::Damaged;
}

// Answers are written in these now.
bool writing(RecordStatus status)
{
    return status == RecordStatus::Kept || status == RecordStatus::MovedAside;
}

// Answers are not kept at all in these, not even to wait.
bool notKept(RecordStatus status)
{
    return status == RecordStatus::Newer || status == RecordStatus::NoDriver ||
           status == RecordStatus::FolderNotWritable;
}

// The schema, a step per version. Version 1 keeps the answers and the
// colours they mixed up; version 2 keeps each skill's Leitner state beside
// them, so the practice opens without replaying every answer, and builds it
// by replaying those already there; version 3 keeps the token of an answer
// that waited, so it is never written twice; version 4 keeps whether the
// class server has each answer, and gives the answers of versions 1 and 2 a
// token too, so every answer can be sent (those kept before count as never
// sent: only a joined pupil's record is sent at all).
const std::array<QStringList, 4> kSteps{{
    {
        uR"(CREATE TABLE answer (
            id INTEGER PRIMARY KEY,
            at TEXT NOT NULL,
            day TEXT NOT NULL,
            kind TEXT NOT NULL,
            question TEXT NOT NULL,
            given TEXT NOT NULL,
            correct INTEGER NOT NULL,
            slip TEXT NOT NULL,
            seconds REAL NOT NULL,
            skills TEXT NOT NULL,
            missed TEXT NOT NULL))"_s,
        u"CREATE INDEX answer_day ON answer(day)"_s,
        uR"(CREATE TABLE mixup (
            answer INTEGER NOT NULL REFERENCES answer(id) ON DELETE CASCADE,
            asked TEXT NOT NULL,
            taken TEXT NOT NULL))"_s,
        u"CREATE INDEX mixup_pair ON mixup(asked, taken)"_s,
        u"CREATE INDEX mixup_answer ON mixup(answer)"_s,
    },
    {
        uR"(CREATE TABLE skill (
            key TEXT PRIMARY KEY,
            box INTEGER NOT NULL,
            due TEXT NOT NULL,
            last TEXT NOT NULL,
            asked INTEGER NOT NULL,
            correct INTEGER NOT NULL) WITHOUT ROWID)"_s,
    },
    {
        // Rows of older versions have none; SQLite's unique index lets
        // NULLs be.
        u"ALTER TABLE answer ADD COLUMN token TEXT"_s,
        u"CREATE UNIQUE INDEX answer_token ON answer(token)"_s,
    },
    {
        u"ALTER TABLE answer ADD COLUMN sent INTEGER NOT NULL DEFAULT 0"_s,
        u"UPDATE answer SET token = lower(hex(randomblob(16))) WHERE token IS NULL"_s,
        // Small, as few answers wait at a time: the sync looks in it each second.
        u"CREATE INDEX answer_unsent ON answer(id) WHERE sent = 0"_s,
    },
}};

// The tables each version has, of those it adds.
const std::array<QStringList, 4> kTables{{{u"answer"_s, u"mixup"_s}, {u"skill"_s}, {}, {}}};

QDate dayOf(const QVariant &text)
{
    return QDate::fromString(text.toString(), Qt::ISODate);
}

QString dayText(QDate day)
{
    return day.toString(Qt::ISODate);
}

int loadSkills(QSqlDatabase db, SkillStates &states)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (const int code = run(q, u"SELECT key, box, due, last, asked, correct FROM skill"_s))
        return code;
    while (q.next()) {
        const std::optional<SkillId> s = skillOfKey(q.value(0).toString());
        if (!s)
            continue; // a skill of a newer program, kept as it is
        states[std::size_t(*s)] = {q.value(1).toInt(), dayOf(q.value(2)), dayOf(q.value(3)),
                                   q.value(4).toInt(), q.value(5).toInt()};
    }
    return q.lastError().isValid() ? codeOf(q.lastError()) : kOk;
}

int saveSkills(QSqlDatabase db, const SkillStates &states,
               const std::array<bool, kSkillCount> &which)
{
    QSqlQuery q(db);
    q.prepare(uR"(INSERT INTO skill (key, box, due, last, asked, correct)
                 VALUES (?, ?, ?, ?, ?, ?)
                 ON CONFLICT (key) DO UPDATE SET box = excluded.box, due = excluded.due,
                     last = excluded.last, asked = excluded.asked, correct = excluded.correct)"_s);
    for (SkillId s = 0; s < kSkillCount; ++s) {
        if (!which[std::size_t(s)])
            continue;
        const SkillState &state = states[std::size_t(s)];
        q.addBindValue(kSkills[std::size_t(s)].key.toString());
        q.addBindValue(state.box);
        q.addBindValue(dayText(state.due));
        q.addBindValue(dayText(state.last));
        q.addBindValue(state.asked);
        q.addBindValue(state.right);
        if (const int code = run(q))
            return code;
    }
    return kOk;
}

// The skill states from the answers already kept, in the order they were
// given (answers taken back from the class server may have come in after
// later ones).
int replayAnswers(QSqlDatabase db)
{
    std::vector<SkillAnswer> answers;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (const int code = run(q, u"SELECT day, skills, missed FROM answer ORDER BY at, id"_s))
            return code;
        while (q.next()) {
            Row row;
            row.day = q.value(0).toString();
            row.skills = q.value(1).toString();
            row.missed = q.value(2).toString();
            answers.push_back(skillAnswerOf(row));
        }
    }
    std::array<bool, kSkillCount> all;
    SkillStates states = replay(answers);
    for (SkillId s = 0; s < kSkillCount; ++s)
        all[std::size_t(s)] = states[std::size_t(s)].asked > 0;
    return saveSkills(db, states, all);
}

// Brings a record of `from` up to kVersion, inside the caller's transaction.
int migrate(QSqlDatabase db, int from)
{
    QSqlQuery q(db);
    for (int version = from + 1; version <= Record::kVersion; ++version) {
        for (const QString &sql : kSteps[std::size_t(version - 1)]) {
            if (const int code = run(q, sql))
                return code;
        }
        if (version == 2) {
            if (const int code = replayAnswers(db))
                return code;
        }
    }
    return run(q, u"PRAGMA user_version = %1"_s.arg(Record::kVersion));
}

// The version and tables of an open file, read in one transaction: read
// one after the other, a second copy making the record between them showed
// version 0 with tables, which looked like another program's file. The
// transaction ends here, so no read is left open when a lock is asked for.
int readHead(QSqlDatabase db, int &version, QStringList &tables)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const auto reading = [&] {
        if (const int code = run(q, u"PRAGMA user_version"_s))
            return code;
        version = q.next() ? q.value(0).toInt() : 0;
        q.finish();
        if (const int code = run(q, u"SELECT name FROM sqlite_master WHERE type = 'table'"_s))
            return code;
        tables.clear();
        while (q.next())
            tables << q.value(0).toString();
        return q.lastError().isValid() ? codeOf(q.lastError()) : kOk;
    };
    if (const int code = run(q, u"BEGIN"_s))
        return code;
    const int code = reading();
    q.finish();
    run(q, code == kOk ? u"COMMIT"_s : u"ROLLBACK"_s);
    return code;
}

bool onNetworkFileSystem(const QString &folder)
{
    struct statfs fs {};
    if (statfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return false;
    return std::find(kNetworkFileSystems.begin(), kNetworkFileSystems.end(),
                     static_cast<unsigned long>(fs.f_type)) != kNetworkFileSystems.end();
}

// Whether the file's header says write-ahead logging (format bytes 18 and
// 19 are 2).
bool walHeader(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(20);
    return head.size() == 20 && head[18] == 2 && head[19] == 2;
}

bool ownerCanWrite(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    // The write bit is read for the owner, so a file made read-only is left
    // alone by root as well.
    return st.st_uid == geteuid() ? (st.st_mode & S_IWUSR) != 0
                                  : ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

QString newToken()
{
    std::array<quint32, 4> bits;
    QRandomGenerator::system()->fillRange(bits.data(), bits.size());
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(bits.data()), sizeof bits).toHex());
}

} // namespace

struct Record::Shared {
    QString path;
    QString sidePath; // this program's side file, made with its first answer

    std::mutex mutex;
    std::condition_variable changed;
    // Answers taken and not yet written, oldest first, each with its number.
    std::deque<std::pair<quint64, Row>> queue;
    // Tokens of answers the class server has, not yet marked so.
    std::vector<QString> marks;
    quint64 taken = 0;   // the number of the last answer taken
    quint64 written = 0; // every answer up to this number is written
    RecordStatus status = RecordStatus::Kept;
    bool movedAside = false;
    QString movedTo;
    bool opened = false;   // the writing thread has the record open, at kVersion
    bool adopting = false; // and adds the answers of side files left before
    bool finished = false; // the writing thread has stopped for good
    bool stopping = false;
    Clock::time_point stopBy;
    bool paused = false;        // reset() runs
    bool inTransaction = false; // the writing thread writes now
    QFile side;
    std::thread thread;

    void setStatus(RecordStatus s)
    {
        status = s == RecordStatus::Kept && movedAside ? RecordStatus::MovedAside : s;
        changed.notify_all();
    }
    bool stopDue() const { return stopping && Clock::now() >= stopBy; }

    // Appends a row to the side file; false when the file takes it not
    // (the row then waits in memory only).
    bool keepAside(const Row &row)
    {
        if (!side.isOpen()) {
            side.setFileName(sidePath);
            if (!side.open(QIODevice::WriteOnly | QIODevice::Append))
                return false;
            // Held while this program runs, so no other opening adds the
            // file's answers while they may still be written from here.
            flock(side.handle(), LOCK_EX | LOCK_NB);
        }
        return side.write(waitingLine(row) + '\n') >= 0 && side.flush();
    }
};

namespace {

// The record's writing thread, with its own connection: it opens the record
// (waiting for any lock), adds the answers other copies left in side files,
// then writes what the interface hands it.
class Writer {
public:
    Writer(Record::Shared &shared, QString connection)
        : s(shared), m_connection(std::move(connection)), m_folder(QFileInfo(s.path).absolutePath())
    {
    }
    ~Writer()
    {
        if (QSqlDatabase::contains(m_connection))
            QSqlDatabase::database(m_connection, false).close();
    }
    void work();

private:
    QSqlDatabase db() const { return QSqlDatabase::database(m_connection, false); }
    Outcome open();
    Outcome tryOpen();
    Outcome setJournal();
    Outcome leaveWal();
    bool moveAside();
    void closeConnection();
    void findSideFiles();
    Outcome fileAsOpened();
    Outcome write(std::span<const Row> rows, std::span<const QString> marks = {});
    // Waits before the next try; false when the program closes meanwhile.
    bool pause(Outcome outcome);
    void finish(Outcome outcome);

    Record::Shared &s;
    QString m_connection;
    QString m_folder;
    bool m_noSharedMemory = false;
    dev_t m_device = 0;
    ino_t m_inode = 0;
    qint64 m_size = 0;
    // Side files other copies left, locked here until their answers are in.
    std::vector<std::unique_ptr<QFile>> m_left;
};

void Writer::work()
{
    for (;;) {
        const Outcome o = open();
        if (o == Outcome::Done)
            break;
        if (o != Outcome::Busy && o != Outcome::Full) {
            finish(o);
            return;
        }
        {
            const std::lock_guard lock(s.mutex);
            s.setStatus(statusOf(o));
        }
        if (!pause(o))
            return;
    }
    findSideFiles();
    {
        const std::lock_guard lock(s.mutex);
        s.opened = true;
        s.adopting = !m_left.empty();
        s.setStatus(RecordStatus::Kept);
    }
    for (;;) {
        std::vector<Row> rows;
        std::vector<QString> marks;
        {
            std::unique_lock lock(s.mutex);
            s.changed.wait(lock, [&] {
                return s.stopping ||
                       (!s.paused && (!s.queue.empty() || !m_left.empty() || !s.marks.empty()));
            });
            if (s.paused) {
                s.changed.wait(lock, [&] { return !s.paused || s.stopDue(); });
                continue;
            }
            if (s.queue.empty() && m_left.empty() && s.marks.empty())
                return; // closing, nothing waits
            if (m_left.empty()) {
                for (const auto &[number, row] : s.queue)
                    rows.push_back(row);
                marks = s.marks;
            }
            s.inTransaction = true;
        }
        std::size_t written = rows.size();
        Outcome o = Outcome::Done;
        if (!m_left.empty()) {
            // The answers of an earlier session come first, as they were given first.
            QFile &left = *m_left.front();
            left.seek(0);
            for (const QByteArray &line : left.readAll().split('\n')) {
                if (const std::optional<Row> row = rowOfWaitingLine(line))
                    rows.push_back(*row);
            }
            o = write(rows);
            if (o == Outcome::Done) {
                left.remove();
                m_left.erase(m_left.begin());
            }
            written = 0;
        } else {
            o = write(rows, marks);
        }
        std::unique_lock lock(s.mutex);
        s.inTransaction = false;
        if (o == Outcome::Done) {
            for (std::size_t i = 0; i < written; ++i) {
                s.written = s.queue.front().first;
                s.queue.pop_front();
            }
            // Marks only ever join at the end; those written go from the front.
            s.marks.erase(s.marks.begin(),
                          s.marks.begin() + std::ptrdiff_t(std::min(marks.size(), s.marks.size())));
            // Nothing waits: the side file is emptied, not removed, while
            // this program may add to it.
            if (s.queue.empty() && s.side.isOpen())
                s.side.resize(0);
            s.adopting = !m_left.empty();
            s.setStatus(RecordStatus::Kept);
            continue;
        }
        if (o == Outcome::Broken)
            o = Outcome::Damaged; // found while running: nothing is moved
        if (o == Outcome::Replaced) {
            // SQLite leaves the log of a file moved away behind at closing,
            // where it would be read as the new file's: it is emptied into
            // the old file first.
            lock.unlock();
            QSqlQuery q(db());
            run(q, u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
            q.finish();
            lock.lock();
        }
        s.setStatus(statusOf(o));
        if (o != Outcome::Busy && o != Outcome::Full) {
            s.finished = true;
            return;
        }
        lock.unlock();
        if (!pause(o))
            return;
    }
}

bool Writer::pause(Outcome outcome)
{
    std::unique_lock lock(s.mutex);
    if (s.stopDue()) {
        s.finished = true;
        return false;
    }
    const Clock::time_point until =
        Clock::now() + milliseconds(outcome == Outcome::Full ? kFullRetryMs : kRetryMs);
    s.changed.wait_until(lock, s.stopping ? std::min(until, s.stopBy) : until,
                         [&] { return s.stopDue(); });
    if (s.stopDue()) {
        s.finished = true;
        return false;
    }
    return true;
}

void Writer::finish(Outcome outcome)
{
    const std::lock_guard lock(s.mutex);
    s.setStatus(statusOf(outcome));
    s.finished = true;
}

Outcome Writer::open()
{
    if (!QDir().mkpath(m_folder) || !QFileInfo(m_folder).isWritable())
        return Outcome::FolderNotWritable;
    if (QFileInfo::exists(s.path) && !ownerCanWrite(s.path))
        return Outcome::ReadOnly;
    Outcome o = tryOpen();
    if (o == Outcome::Broken) {
        closeConnection();
        if (!moveAside())
            return Outcome::FolderNotWritable;
        o = tryOpen();
        if (o == Outcome::Broken)
            o = Outcome::Damaged;
    }
    if (o != Outcome::Done) {
        closeConnection();
        return o;
    }
    struct stat st {};
    if (::stat(QFile::encodeName(s.path).constData(), &st) != 0)
        return Outcome::Damaged;
    m_device = st.st_dev;
    m_inode = st.st_ino;
    m_size = st.st_size;
    return Outcome::Done;
}

Outcome Writer::tryOpen()
{
    if (!QSqlDatabase::contains(m_connection)) {
        QSqlDatabase added = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
        added.setDatabaseName(s.path);
        added.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(kTryWaitMs));
    }
    QSqlDatabase db = this->db();
    if (!db.isOpen() && !db.open())
        return outcomeOf(codeOf(db.lastError()));
    int version = 0;
    QStringList tables;
    int code = readHead(db, version, tables);
    if (code == kCantOpen && walHeader(s.path)) {
        // A record in write-ahead logging, where SQLite has no shared memory.
        if (const Outcome o = leaveWal(); o != Outcome::Done)
            return o;
        code = readHead(db, version, tables);
    }
    if (code != kOk)
        return outcomeOf(code);
    // Nothing is written before the file is known to be ours: not even the
    // journal mode, which a foreign or newer file keeps as it is.
    if (version > Record::kVersion)
        return Outcome::Newer;
    if (version == 0 && !tables.isEmpty())
        return Outcome::Broken;
    for (int v = 1; v <= version; ++v) {
        for (const QString &t : kTables[std::size_t(v - 1)]) {
            if (!tables.contains(t))
                return Outcome::Broken;
        }
    }
    if (const Outcome o = setJournal(); o != Outcome::Done)
        return o;
    QSqlQuery q(db);
    // A sync at every commit: an answer committed is on disk, whatever
    // happens to the program after.
    for (const QString &pragma : {u"PRAGMA synchronous = FULL"_s, u"PRAGMA foreign_keys = ON"_s}) {
        if (const int c = run(q, pragma))
            return outcomeOf(c);
    }
    if (version == Record::kVersion)
        return Outcome::Done;
    // Another copy may be making or migrating it too: the version is read
    // again under the write lock, which SQLite's busy handler waits for as
    // no read is open here.
    if (const int c = run(q, u"BEGIN IMMEDIATE"_s))
        return outcomeOf(c);
    code = run(q, u"PRAGMA user_version"_s);
    if (code == kOk) {
        const int now = q.next() ? q.value(0).toInt() : 0;
        q.finish();
        code = now < Record::kVersion ? migrate(db, now) : kOk;
    }
    if (code == kOk)
        code = run(q, u"COMMIT"_s);
    if (code != kOk) {
        run(q, u"ROLLBACK"_s);
        return outcomeOf(code);
    }
    return Outcome::Done;
}

// Write-ahead logging where the file system shares memory between the
// programs using the record, a rollback journal elsewhere.
Outcome Writer::setJournal()
{
    QSqlQuery q(db());
    if (const int code = run(q, u"PRAGMA journal_mode"_s))
        return outcomeOf(code);
    const QString now = q.next() ? q.value(0).toString() : QString();
    q.finish();
    const bool wal = !m_noSharedMemory && !onNetworkFileSystem(m_folder);
    if (wal ? now == u"wal" : now != u"wal")
        return Outcome::Done;
    // Changing the mode reads the file, then asks for the write lock while
    // that read is open; SQLite answers a lock another copy holds at once,
    // without its busy handler (as two copies making a new record together
    // found). So the change is tried again here, as the busy handler would.
    const Clock::time_point giveUp = Clock::now() + milliseconds(kTryWaitMs);
    for (;;) {
        const int code =
            run(q, wal ? u"PRAGMA journal_mode = WAL"_s : u"PRAGMA journal_mode = DELETE"_s);
        if (code == kOk) {
            // Where SQLite has no shared memory it keeps the rollback
            // journal and says so: that is the fallback wanted.
            q.finish();
            return Outcome::Done;
        }
        if (outcomeOf(code) != Outcome::Busy) {
            if (!wal)
                return outcomeOf(code);
            // Shared memory that cannot be made (a file system that maps
            // none): the rollback journal it is.
            m_noSharedMemory = true;
            return Outcome::Done;
        }
        if (Clock::now() >= giveUp)
            return Outcome::Busy;
        std::this_thread::sleep_for(milliseconds(kJournalRetryMs));
    }
}

// A record left in write-ahead logging opens, where SQLite has no shared
// memory, only in exclusive locking: so it is opened that way once, turned
// to a rollback journal, and the lock given back.
Outcome Writer::leaveWal()
{
    m_noSharedMemory = true;
    QSqlQuery q(db());
    for (const QString &sql :
         {u"PRAGMA locking_mode = EXCLUSIVE"_s, u"PRAGMA journal_mode = DELETE"_s,
          u"PRAGMA locking_mode = NORMAL"_s}) {
        if (const int code = run(q, sql))
            return outcomeOf(code);
        q.finish();
    }
    // The exclusive lock goes with the next reading.
    if (const int code = run(q, u"SELECT COUNT(*) FROM sqlite_master"_s))
        return outcomeOf(code);
    q.finish();
    return Outcome::Done;
}

bool Writer::moveAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss");
    QString aside = s.path + u".broken-"_s + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = s.path + u".broken-"_s + stamp + u'-' + QString::number(n);
    if (!QFile::rename(s.path, aside))
        return false;
    // The log of unwritten pages goes along, under the name SQLite looks
    // for beside the moved file; the shared-memory index is rebuilt from it.
    for (const QString &suffix : {u"-wal"_s, u"-journal"_s}) {
        if (QFileInfo::exists(s.path + suffix))
            QFile::rename(s.path + suffix, aside + suffix);
    }
    QFile::remove(s.path + u"-shm"_s);
    const std::lock_guard lock(s.mutex);
    s.movedAside = true;
    s.movedTo = aside;
    return true;
}

void Writer::closeConnection()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void Writer::findSideFiles()
{
    const QFileInfo record(s.path);
    const QFileInfoList found = QDir(m_folder).entryInfoList(
        {record.fileName() + u".waiting-*"_s}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo &file : found) {
        if (file.absoluteFilePath() == QFileInfo(s.sidePath).absoluteFilePath())
            continue;
        auto left = std::make_unique<QFile>(file.absoluteFilePath());
        // A file another running copy holds is that copy's to write.
        if (!left->open(QIODevice::ReadWrite) || flock(left->handle(), LOCK_EX | LOCK_NB) != 0)
            continue;
        m_left.push_back(std::move(left));
    }
}

// Whether the file is still the one opened, and whole: a file replaced,
// made read-only or cut short while the program runs is not written.
Outcome Writer::fileAsOpened()
{
    struct stat st {};
    if (::stat(QFile::encodeName(s.path).constData(), &st) != 0 || st.st_dev != m_device ||
        st.st_ino != m_inode)
        return Outcome::Replaced;
    if (!ownerCanWrite(s.path))
        return Outcome::ReadOnly;
    if (st.st_size < m_size)
        return Outcome::Damaged;
    return Outcome::Done;
}

Outcome Writer::write(std::span<const Row> rows, std::span<const QString> marks)
{
    if (const Outcome o = fileAsOpened(); o != Outcome::Done)
        return o;
    QSqlDatabase db = this->db();
    QSqlQuery q(db);
    if (const int code = run(q, u"BEGIN IMMEDIATE"_s))
        return outcomeOf(code);
    const auto rollback = [&](int code) {
        run(q, u"ROLLBACK"_s);
        return outcomeOf(code);
    };
    // A file emptied or put back under the same name reads as another
    // version, or none.
    if (const int code = run(q, u"PRAGMA user_version"_s))
        return rollback(code);
    const int version = q.next() ? q.value(0).toInt() : 0;
    q.finish();
    if (version != Record::kVersion) {
        run(q, u"ROLLBACK"_s);
        return Outcome::Damaged;
    }
    // Read under the write lock, so a second Pallado's answers between two
    // of ours are counted too.
    SkillStates states;
    if (const int code = loadSkills(db, states))
        return rollback(code);
    std::array<bool, kSkillCount> touched{};
    bool replayAll = false;
    QSqlQuery insert(db);
    insert.prepare(uR"(INSERT INTO answer
        (token, at, day, kind, question, given, correct, slip, seconds, skills, missed, sent)
        VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (token) DO NOTHING)"_s);
    QSqlQuery mixup(db);
    mixup.prepare(u"INSERT INTO mixup (answer, asked, taken) VALUES (?, ?, ?)"_s);
    for (const Row &row : rows) {
        for (const QVariant &v :
             {QVariant(row.token), QVariant(row.at), QVariant(row.day), QVariant(row.kind),
              QVariant(row.question), QVariant(row.given), QVariant(row.correct ? 1 : 0),
              QVariant(row.slip), QVariant(row.seconds), QVariant(row.skills), QVariant(row.missed),
              QVariant(row.sent ? 1 : 0)})
            insert.addBindValue(v);
        if (const int code = run(insert))
            return rollback(code);
        if (insert.numRowsAffected() == 0)
            continue; // written before: its token is there
        const QVariant id = insert.lastInsertId();
        for (const auto &[asked, taken] : row.mixups) {
            mixup.addBindValue(id);
            mixup.addBindValue(asked);
            mixup.addBindValue(taken);
            if (const int code = run(mixup))
                return rollback(code);
        }
        replayAll = replayAll || row.sent;
        const SkillAnswer learnt = skillAnswerOf(row);
        learn(states, learnt);
        for (SkillId s : learnt.exercised)
            touched[std::size_t(s)] = true;
    }
    QSqlQuery mark(db);
    mark.prepare(u"UPDATE answer SET sent = 1 WHERE token = ?"_s);
    for (const QString &token : marks) {
        mark.addBindValue(token);
        if (const int code = run(mark))
            return rollback(code);
    }
    // An answer from the class server may be older than those here: the
    // skills learn every answer again in the order given.
    if (const int code = replayAll ? replayAnswers(db) : saveSkills(db, states, touched))
        return rollback(code);
    if (const int code = run(q, u"COMMIT"_s))
        return rollback(code);
    m_size = QFileInfo(s.path).size();
    return Outcome::Done;
}

} // namespace

QString statusMessage(RecordStatus status, QStringView name)
{
    switch (status) {
    case RecordStatus::Kept:
        return {};
    case RecordStatus::MovedAside:
        return u"학습 기록 파일이 손상되었거나 이 프로그램의 기록이 아니어서, 파일을 그대로 "
               "%1 옮겨 두고 새 기록을 시작했습니다."_s.arg(
                   colorcode::withParticle(name, colorcode::Particle::Direction));
    case RecordStatus::Newer:
        return u"학습 기록이 이 프로그램보다 새 버전의 Pallado에서 만들어졌습니다. 기록은 "
               "그대로 두며, 이 프로그램에서는 읽지도 쓰지도 않습니다."_s;
    case RecordStatus::FolderNotWritable:
        return u"학습 기록 폴더 %1에 쓸 수 없어 이번 연습은 기록하지 않습니다. 연습은 그대로 "
               "할 수 있습니다."_s.arg(name);
    case RecordStatus::NoDriver:
        return u"Qt의 SQLite 드라이버가 없어 학습 기록을 쓸 수 없습니다. libqt6sql6-sqlite "
               "패키지를 설치하면 다음부터 기록합니다. 이번 연습은 기록하지 않습니다."_s;
    case RecordStatus::Locked:
        return u"다른 프로그램이 학습 기록 파일을 잠그고 있습니다. 답은 차례대로 기다렸다가 "
               "잠금이 풀리는 대로 기록합니다."_s;
    case RecordStatus::DiskFull:
        return u"디스크가 가득 차서 학습 기록에 쓸 수 없습니다. 답은 차례대로 기다렸다가 "
               "자리가 나는 대로 기록합니다."_s;
    case RecordStatus::ReadOnly:
        return u"학습 기록 파일이 읽기 전용이어서 쓸 수 없습니다. 답은 옆 파일 %1에 두었다가, "
               "쓸 수 있게 된 뒤 처음 열 때 기록합니다."_s.arg(name);
    case RecordStatus::Replaced:
        return u"연습하는 동안 학습 기록 파일이 다른 파일로 바뀌었습니다. 바뀐 파일은 건드리지 "
               "않으며, 답은 옆 파일 %1에 두었다가 다음에 열 때 기록합니다."_s.arg(name);
    case RecordStatus::Damaged:
        return u"연습하는 동안 학습 기록 파일을 읽거나 쓰다가 오류가 났습니다(파일이 손상되었거나 "
               "잘렸을 수 있습니다). 이미 기록된 것은 건드리지 않으며, 답은 옆 파일 %1에 "
               "두었다가 다음에 열 때 기록합니다."_s.arg(name);
    }
    return {};
}

Record::Record(QString path)
    : m_path(std::move(path)), m_connection(u"pallado-record-%1"_s.arg(quintptr(this), 0, 16)),
      m_shared(std::make_shared<Shared>())
{
    m_shared->path = m_path;
    m_shared->sidePath = m_path + u".waiting-"_s + newToken().left(8);
}

Record::~Record()
{
    Shared &s = *m_shared;
    if (s.thread.joinable()) {
        {
            const std::lock_guard lock(s.mutex);
            s.stopping = true;
            s.stopBy = Clock::now() + milliseconds(kExitWaitMs);
            s.changed.notify_all();
        }
        s.thread.join();
    }
    closeReader();
    // What still waits stays in the side file for the next opening.
    if (s.side.isOpen()) {
        if (s.queue.empty())
            s.side.remove();
        else
            s.side.close();
    }
}

QString Record::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/record.sqlite"_s;
}

bool Record::open()
{
    Shared &s = *m_shared;
    if (!m_tried) {
        m_tried = true;
        if (!QSqlDatabase::isDriverAvailable(u"QSQLITE"_s)) {
            const std::lock_guard lock(s.mutex);
            s.status = RecordStatus::NoDriver;
            s.finished = true;
        } else {
            s.thread = std::thread([shared = m_shared] {
                const QString connection =
                    u"pallado-record-writer-%1"_s.arg(quintptr(shared.get()), 0, 16);
                {
                    Writer writer(*shared, connection);
                    writer.work();
                }
                QSqlDatabase::removeDatabase(connection);
            });
            // A lock met while opening is waited for by the writing thread,
            // the practice only until it is met; a slow disk is waited for.
            std::unique_lock lock(s.mutex);
            s.changed.wait_for(lock, milliseconds(kOpenWaitMs), [&] {
                return (s.opened && !s.adopting) || s.finished ||
                       s.status == RecordStatus::Locked || s.status == RecordStatus::DiskFull;
            });
        }
    }
    const std::lock_guard lock(s.mutex);
    return !notKept(s.status);
}

RecordStatus Record::status()
{
    open();
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->status;
}

QString Record::statusText()
{
    const RecordStatus now = status();
    const std::lock_guard lock(m_shared->mutex);
    switch (now) {
    case RecordStatus::MovedAside:
        return statusMessage(now, QFileInfo(m_shared->movedTo).fileName());
    case RecordStatus::FolderNotWritable:
        return statusMessage(now, QDir::toNativeSeparators(QFileInfo(m_path).absolutePath()));
    case RecordStatus::ReadOnly:
    case RecordStatus::Replaced:
    case RecordStatus::Damaged:
        return statusMessage(now, QFileInfo(m_shared->sidePath).fileName());
    default:
        return statusMessage(now);
    }
}

QString Record::takeNotice()
{
    const RecordStatus now = status();
    const unsigned bit = 1U << unsigned(now);
    if (now == RecordStatus::Kept || (m_told & bit) != 0)
        return {};
    m_told |= bit;
    return statusText();
}

bool Record::add(const Answer &answer)
{
    return add(std::span(&answer, 1));
}

bool Record::add(std::span<const Answer> answers)
{
    std::vector<Row> rows;
    rows.reserve(answers.size());
    for (const Answer &a : answers) {
        rows.push_back(rowOf(a));
        rows.back().token = newToken();
    }
    return addRows(rows);
}

bool Record::addRows(std::span<const Row> rows)
{
    if (!open())
        return false;
    Shared &s = *m_shared;
    std::unique_lock lock(s.mutex);
    for (const Row &row : rows) {
        s.keepAside(row);
        s.queue.emplace_back(++s.taken, row);
    }
    const quint64 last = s.taken;
    s.changed.notify_all();
    // Written before the feedback is shown, unless the record cannot take
    // it at once: then the practice goes on and the answer waits.
    s.changed.wait_for(lock, milliseconds(kAnswerWaitMs),
                       [&] { return s.written >= last || s.finished || !writing(s.status); });
    return !notKept(s.status);
}

bool Record::waitWritten(int milliseconds)
{
    Shared &s = *m_shared;
    std::unique_lock lock(s.mutex);
    return s.changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                              [&] { return (s.queue.empty() && s.marks.empty()) || s.finished; }) &&
           s.queue.empty() && s.marks.empty();
}

int Record::waiting()
{
    const std::lock_guard lock(m_shared->mutex);
    return int(m_shared->queue.size());
}

bool Record::readable()
{
    const RecordStatus now = status();
    if (notKept(now) || now == RecordStatus::Replaced || now == RecordStatus::Damaged) {
        // A replaced file is not read through the old one held open.
        closeReader();
        return false;
    }
    return openReader();
}

bool Record::openReader()
{
    if (m_readerOpen)
        return true;
    if (!QFileInfo::exists(m_path))
        return false; // the writing thread has not made it yet
    int version = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
        db.setDatabaseName(m_path);
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(kReadWaitMs));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(u"PRAGMA user_version"_s) && q.next())
                version = q.value(0).toInt();
        }
    }
    // Until the writing thread has made or migrated it, there is nothing to
    // read in it; it is tried again at the next reading.
    if (version != kVersion) {
        closeReader();
        return false;
    }
    m_readerOpen = true;
    return true;
}

void Record::closeReader()
{
    m_readerOpen = false;
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

SkillStates Record::skills()
{
    SkillStates states;
    const int code = read([&](QSqlQuery &) {
        return loadSkills(QSqlDatabase::database(m_connection, false), states);
    });
    return code == kOk ? states : SkillStates{};
}

Totals Record::totals(QDate today)
{
    Totals totals;
    std::vector<QDate> days;
    const int code = read([&](QSqlQuery &q) {
        if (const int c = run(q, u"SELECT COUNT(*), TOTAL(correct) FROM answer"_s))
            return c;
        if (q.next()) {
            totals.answers = q.value(0).toInt();
            totals.right = q.value(1).toInt();
        }
        if (const int c = run(q, u"SELECT DISTINCT day FROM answer ORDER BY day DESC"_s))
            return c;
        while (q.next())
            days.push_back(dayOf(q.value(0)));
        return kOk;
    });
    if (code != kOk)
        return {};
    totals.daysInARow = daysInARow(days, today);
    return totals;
}

std::vector<DayCount> Record::lastDays(QDate today, int count)
{
    std::vector<DayCount> practised;
    read([&](QSqlQuery &q) {
        q.prepare(u"SELECT day, COUNT(*), TOTAL(correct) FROM answer WHERE day > ? AND day <= ? "
                  "GROUP BY day"_s);
        q.addBindValue(dayText(today.addDays(-count)));
        q.addBindValue(dayText(today));
        if (const int c = run(q))
            return c;
        while (q.next())
            practised.push_back({dayOf(q.value(0)), q.value(1).toInt(), q.value(2).toInt()});
        return kOk;
    });
    return practice::lastDays(practised, today, count);
}

ConfusionTable Record::confusions()
{
    ConfusionTable table;
    const int code = read([&](QSqlQuery &q) {
        if (const int c =
                run(q, u"SELECT asked, taken, COUNT(*) FROM mixup GROUP BY asked, taken"_s))
            return c;
        while (q.next()) {
            const std::optional<int> asked = confusionColourOf(q.value(0).toString());
            const std::optional<int> taken = confusionColourOf(q.value(1).toString());
            if (asked && taken)
                table.counts[std::size_t(*asked)][std::size_t(*taken)] += q.value(2).toInt();
        }
        return kOk;
    });
    return code == kOk ? table : ConfusionTable{};
}

bool Record::exportCsv(QIODevice &device)
{
    // Read whole before a byte is written, so a record that cannot be read
    // leaves the device as it was.
    QString text = kCsvByteOrderMark.toString() + csvLine(csvHeader());
    const int code = read([&](QSqlQuery &q) {
        if (const int c = run(q, u"SELECT at, kind, question, given, correct, slip, seconds "
                                 "FROM answer ORDER BY id"_s))
            return c;
        while (q.next()) {
            const QDateTime at = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
            text +=
                csvLine(csvFields(at.toLocalTime(), q.value(1).toString(), q.value(2).toString(),
                                  q.value(3).toString(), q.value(4).toBool(), q.value(5).toString(),
                                  q.value(6).toDouble()));
        }
        return q.lastError().isValid() ? codeOf(q.lastError()) : kOk;
    });
    return code == kOk && device.write(text.toUtf8()) >= 0;
}

bool Record::reset()
{
    if (!readable())
        return false;
    Shared &s = *m_shared;
    {
        std::unique_lock lock(s.mutex);
        if (!writing(s.status) || !s.opened)
            return false;
        s.paused = true;
        s.changed.wait(lock, [&] { return !s.inTransaction; });
    }
    int code = kOk;
    {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        for (const QString &sql : {u"BEGIN IMMEDIATE"_s, u"DELETE FROM mixup"_s,
                                   u"DELETE FROM answer"_s, u"DELETE FROM skill"_s, u"COMMIT"_s}) {
            if (code == kOk)
                code = run(q, sql);
        }
        if (code != kOk)
            run(q, u"ROLLBACK"_s);
    }
    const std::lock_guard lock(s.mutex);
    if (code == kOk) {
        // The answers still waiting were given before the record was emptied.
        s.queue.clear();
        s.marks.clear();
        s.written = s.taken;
        if (s.side.isOpen())
            s.side.resize(0);
    }
    s.paused = false;
    s.changed.notify_all();
    return code == kOk;
}

std::vector<Row> Record::unsent()
{
    std::vector<Row> rows;
    const int code = read([&](QSqlQuery &q) {
        if (const int c =
                run(q, uR"(SELECT id, token, at, day, kind, question, given, correct, slip,
                                            seconds, skills, missed
                                     FROM answer WHERE sent = 0 ORDER BY id)"_s))
            return c;
        std::vector<qint64> ids;
        while (q.next()) {
            ids.push_back(q.value(0).toLongLong());
            rows.push_back({q.value(1).toString(),
                            q.value(2).toString(),
                            q.value(3).toString(),
                            q.value(4).toString(),
                            q.value(5).toString(),
                            q.value(6).toString(),
                            q.value(7).toBool(),
                            q.value(8).toString(),
                            q.value(9).toDouble(),
                            q.value(10).toString(),
                            q.value(11).toString(),
                            {},
                            false});
        }
        if (q.lastError().isValid())
            return codeOf(q.lastError());
        q.finish();
        q.prepare(u"SELECT asked, taken FROM mixup WHERE answer = ? ORDER BY rowid"_s);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            q.addBindValue(ids[i]);
            if (const int c = run(q))
                return c;
            while (q.next())
                rows[i].mixups.emplace_back(q.value(0).toString(), q.value(1).toString());
        }
        return kOk;
    });
    return code == kOk ? rows : std::vector<Row>{};
}

QStringList Record::tokens()
{
    QStringList tokens;
    const int code = read([&](QSqlQuery &q) {
        if (const int c = run(q, u"SELECT token FROM answer WHERE token IS NOT NULL"_s))
            return c;
        while (q.next())
            tokens << q.value(0).toString();
        return q.lastError().isValid() ? codeOf(q.lastError()) : kOk;
    });
    return code == kOk ? tokens : QStringList{};
}

void Record::markSent(std::span<const QString> tokens)
{
    if (tokens.empty() || !open())
        return;
    Shared &s = *m_shared;
    const std::lock_guard lock(s.mutex);
    s.marks.insert(s.marks.end(), tokens.begin(), tokens.end());
    s.changed.notify_all();
}

int Record::read(const std::function<int(QSqlQuery &)> &reading)
{
    if (!readable())
        return -1;
    {
        // The answers just handed over are read too, when the record takes
        // them within the moment an answer may wait.
        Shared &s = *m_shared;
        std::unique_lock lock(s.mutex);
        s.changed.wait_for(lock, milliseconds(kAnswerWaitMs), [&] {
            return (s.queue.empty() && s.marks.empty()) || s.finished || !writing(s.status);
        });
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    return reading(q);
}

} // namespace practice
