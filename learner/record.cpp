#include "learner/record.h"

#include "colorcode/korean.h"

#include "learner/skills.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace practice {

namespace {

// A second Pallado holding the write lock is waited for this long; one
// answer's transaction takes milliseconds.
constexpr int kBusyMilliseconds = 5000;

// SQLite's primary result codes the record tells apart.
constexpr int kDone = 0;
constexpr int kPermission = 3;
constexpr int kReadOnly = 8;
constexpr int kIoError = 10;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kCantOpen = 14;
constexpr int kNotADatabase = 26;

int codeOf(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xFF : kIoError;
}

bool isBroken(int code)
{
    return code == kCorrupt || code == kNotADatabase;
}

bool isUnwritable(int code)
{
    return code == kPermission || code == kReadOnly || code == kIoError || code == kFull ||
           code == kCantOpen;
}

// The schema, a step per version. Version 1 keeps the answers and the
// colours they mixed up; version 2 keeps each skill's Leitner state beside
// them, so the practice opens without replaying every answer, and builds it
// by replaying those already there.
const std::array<QStringList, 2> kSteps{{
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
}};

// The tables each version has, of those it adds.
const std::array<QStringList, 2> kTables{{{u"answer"_s, u"mixup"_s}, {u"skill"_s}}};

QString dayText(QDate day)
{
    return day.toString(Qt::ISODate);
}

QDate dayOf(const QVariant &text)
{
    return QDate::fromString(text.toString(), Qt::ISODate);
}

QString keysText(const std::vector<SkillId> &skills)
{
    QStringList keys;
    for (SkillId s : skills)
        keys << kSkills[std::size_t(s)].key.toString();
    // An empty text, never a null one, which would be bound as NULL.
    return keys.isEmpty() ? u""_s : keys.join(u' ');
}

std::vector<SkillId> skillsOf(const QString &keys)
{
    std::vector<SkillId> skills;
    for (QStringView key : QStringView(keys).split(u' ', Qt::SkipEmptyParts)) {
        if (const std::optional<SkillId> s = skillOfKey(key))
            skills.push_back(*s);
    }
    return skills;
}

// A query that failed reports SQLite's code; run() gives kDone on success.
int run(QSqlQuery &query, const QString &sql)
{
    return query.exec(sql) ? kDone : codeOf(query.lastError());
}

int run(QSqlQuery &query)
{
    return query.exec() ? kDone : codeOf(query.lastError());
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
    return q.lastError().isValid() ? codeOf(q.lastError()) : kDone;
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
    return kDone;
}

// Version 2's skill states from the answers already kept.
int replayAnswers(QSqlDatabase db)
{
    std::vector<SkillAnswer> answers;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (const int code = run(q, u"SELECT day, skills, missed FROM answer ORDER BY id"_s))
            return code;
        while (q.next())
            answers.push_back({dayOf(q.value(0)), skillsOf(q.value(1).toString()),
                               skillsOf(q.value(2).toString())});
    }
    std::array<bool, kSkillCount> all;
    all.fill(true);
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

enum class Found { Ready, Broken, Newer, Unwritable };

Found foundBy(int code)
{
    return isBroken(code) ? Found::Broken : Found::Unwritable;
}

} // namespace

QString statusMessage(RecordStatus status, QStringView movedTo)
{
    switch (status) {
    case RecordStatus::Kept:
        return {};
    case RecordStatus::MovedAside:
        return u"학습 기록 파일이 손상되었거나 이 프로그램의 기록이 아니어서, 파일을 그대로 "
               "%1 옮겨 두고 새 기록을 시작했습니다."_s.arg(
                   colorcode::withParticle(movedTo, colorcode::Particle::Direction));
    case RecordStatus::Newer:
        return u"학습 기록이 이 프로그램보다 새 버전에서 만들어졌습니다. 기록은 그대로 두며, "
               "이번 연습은 기록하지 않습니다."_s;
    case RecordStatus::NotKept:
        return u"학습 기록을 저장할 수 없어(폴더를 만들거나 쓸 수 없음) 진행 상황을 "
               "기록하지 않습니다. 연습은 그대로 할 수 있습니다."_s;
    }
    return {};
}

Record::Record(QString path)
    : m_path(std::move(path)), m_connection(u"pallado-record-%1"_s.arg(quintptr(this), 0, 16))
{
}

Record::~Record()
{
    close();
}

QString Record::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/record.sqlite"_s;
}

RecordStatus Record::status()
{
    open();
    return m_status;
}

QString Record::takeNotice()
{
    open();
    if (m_noticeTold)
        return {};
    m_noticeTold = true;
    return statusMessage(m_status, QFileInfo(m_movedTo).fileName());
}

bool Record::open()
{
    if (!m_tried) {
        m_tried = true;
        openFile();
    }
    return writable();
}

bool Record::writable()
{
    return m_status == RecordStatus::Kept || m_status == RecordStatus::MovedAside;
}

void Record::openFile()
{
    const auto attempt = [this]() -> Found {
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
            return Found::Unwritable;
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connection);
        db.setDatabaseName(m_path);
        db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT=%1"_s.arg(kBusyMilliseconds));
        if (!db.open())
            return foundBy(codeOf(db.lastError()));
        QSqlQuery q(db);
        // Nothing is written before the file is known to be ours: not even
        // the journal mode, which a foreign or newer file keeps as it is.
        if (const int code = run(q, u"PRAGMA user_version"_s))
            return foundBy(code);
        const int version = q.next() ? q.value(0).toInt() : 0;
        if (version > kVersion)
            return Found::Newer;
        if (const int code = run(q, u"SELECT name FROM sqlite_master WHERE type = 'table'"_s))
            return foundBy(code);
        QStringList tables;
        while (q.next())
            tables << q.value(0).toString();
        if (version == 0 && !tables.isEmpty())
            return Found::Broken;
        for (int v = 1; v <= version; ++v) {
            for (const QString &t : kTables[std::size_t(v - 1)]) {
                if (!tables.contains(t))
                    return Found::Broken;
            }
        }
        // Write-ahead logging with a sync at every commit: an answer
        // committed is on disk, whatever happens to the program after. The
        // mode is set only once, on a fresh file: setting it takes a lock a
        // second Pallado's answer may be holding.
        if (const int code = run(q, u"PRAGMA journal_mode"_s))
            return foundBy(code);
        QStringList pragmas{u"PRAGMA synchronous = FULL"_s, u"PRAGMA foreign_keys = ON"_s};
        if (!q.next() || q.value(0).toString() != u"wal")
            pragmas.prepend(u"PRAGMA journal_mode = WAL"_s);
        q.finish();
        for (const QString &pragma : pragmas) {
            if (const int code = run(q, pragma))
                return foundBy(code);
        }
        if (version == kVersion)
            return Found::Ready;
        // Another Pallado may be migrating too: the version is read again
        // under the write lock.
        if (const int code = run(q, u"BEGIN IMMEDIATE"_s))
            return foundBy(code);
        int code = run(q, u"PRAGMA user_version"_s);
        if (code == kDone) {
            const int now = q.next() ? q.value(0).toInt() : 0;
            q.finish();
            code = now < kVersion ? migrate(db, now) : kDone;
        }
        if (code == kDone)
            code = run(q, u"COMMIT"_s);
        if (code != kDone) {
            run(q, u"ROLLBACK"_s);
            return foundBy(code);
        }
        return Found::Ready;
    };

    Found found = attempt();
    if (found == Found::Broken) {
        close();
        found = moveAside() ? attempt() : Found::Unwritable;
        if (found == Found::Ready) {
            m_status = RecordStatus::MovedAside;
            m_noticeTold = false;
            return;
        }
    }
    if (found != Found::Ready)
        close();
    m_status = found == Found::Ready   ? RecordStatus::Kept
               : found == Found::Newer ? RecordStatus::Newer
                                       : RecordStatus::NotKept;
    m_noticeTold = m_status == RecordStatus::Kept;
}

bool Record::moveAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(u"yyyyMMdd-HHmmss");
    QString aside = m_path + u".broken-"_s + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = m_path + u".broken-"_s + stamp + u'-' + QString::number(n);
    if (!QFile::rename(m_path, aside))
        return false;
    // The log of unwritten pages goes along, under the name SQLite looks
    // for beside the moved file; the shared-memory index is rebuilt from it.
    for (const QString &suffix : {u"-wal"_s, u"-journal"_s}) {
        if (QFileInfo::exists(m_path + suffix))
            QFile::rename(m_path + suffix, aside + suffix);
    }
    QFile::remove(m_path + u"-shm"_s);
    m_movedTo = aside;
    return true;
}

bool Record::failed(int code)
{
    if (isBroken(code)) {
        close();
        if (moveAside()) {
            m_tried = false;
            open();
            if (m_status == RecordStatus::Kept) {
                m_status = RecordStatus::MovedAside;
                m_noticeTold = false;
            }
            return writable();
        }
        code = kCantOpen;
    }
    if (isUnwritable(code)) {
        close();
        m_status = RecordStatus::NotKept;
        m_noticeTold = false;
    }
    return false;
}

void Record::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool Record::add(const Answer &answer)
{
    return add(std::span(&answer, 1));
}

bool Record::add(std::span<const Answer> answers)
{
    const auto write = [&]() -> int {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery q(db);
        if (const int code = run(q, u"BEGIN IMMEDIATE"_s))
            return code;
        const auto rollback = [&](int code) {
            run(q, u"ROLLBACK"_s);
            return code;
        };
        // Read under the write lock, so a second Pallado's answers between
        // two of ours are counted too.
        SkillStates states;
        if (const int code = loadSkills(db, states))
            return rollback(code);
        std::array<bool, kSkillCount> touched{};
        QSqlQuery insert(db);
        insert.prepare(uR"(INSERT INTO answer
            (at, day, kind, question, given, correct, slip, seconds, skills, missed)
            VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?))"_s);
        QSqlQuery mixup(db);
        mixup.prepare(u"INSERT INTO mixup (answer, asked, taken) VALUES (?, ?, ?)"_s);
        for (const Answer &a : answers) {
            const SkillAnswer learnt = skillAnswer(a);
            insert.addBindValue(a.when.toUTC().toString(Qt::ISODateWithMs));
            insert.addBindValue(dayText(learnt.day));
            insert.addBindValue(kindKey(a.kind).toString());
            insert.addBindValue(questionText(a));
            insert.addBindValue(a.given);
            insert.addBindValue(a.judgement.right ? 1 : 0);
            insert.addBindValue(mistakeKey(a.judgement.mistake).toString());
            insert.addBindValue(a.seconds);
            insert.addBindValue(keysText(learnt.exercised));
            insert.addBindValue(keysText(learnt.failed));
            if (const int code = run(insert))
                return rollback(code);
            const QVariant id = insert.lastInsertId();
            for (const Mixup &m : mixups(a)) {
                mixup.addBindValue(id);
                mixup.addBindValue(confusionColourWord(m.asked).toString());
                mixup.addBindValue(confusionColourWord(m.taken).toString());
                if (const int code = run(mixup))
                    return rollback(code);
            }
            learn(states, learnt);
            for (SkillId s : learnt.exercised)
                touched[std::size_t(s)] = true;
        }
        if (const int code = saveSkills(db, states, touched))
            return rollback(code);
        if (const int code = run(q, u"COMMIT"_s))
            return rollback(code);
        return kDone;
    };
    if (!open())
        return false;
    // A record found damaged on the way is moved aside and the answers go
    // to the fresh one.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int code = write();
        if (code == kDone)
            return true;
        if (!failed(code))
            return false;
    }
    return false;
}

SkillStates Record::skills()
{
    SkillStates states;
    if (!open())
        return states;
    if (const int code = loadSkills(QSqlDatabase::database(m_connection, false), states)) {
        failed(code);
        return {};
    }
    return states;
}

Totals Record::totals(QDate today)
{
    Totals totals;
    std::vector<QDate> days;
    const int code = read([&](QSqlQuery &q) {
        if (const int code = run(q, u"SELECT COUNT(*), TOTAL(correct) FROM answer"_s))
            return code;
        if (q.next()) {
            totals.answers = q.value(0).toInt();
            totals.right = q.value(1).toInt();
        }
        if (const int code = run(q, u"SELECT DISTINCT day FROM answer ORDER BY day DESC"_s))
            return code;
        while (q.next())
            days.push_back(dayOf(q.value(0)));
        return kDone;
    });
    if (code != kDone)
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
        if (const int code = run(q))
            return code;
        while (q.next())
            practised.push_back({dayOf(q.value(0)), q.value(1).toInt(), q.value(2).toInt()});
        return kDone;
    });
    return practice::lastDays(practised, today, count);
}

ConfusionTable Record::confusions()
{
    ConfusionTable table;
    const int code = read([&](QSqlQuery &q) {
        if (const int code =
                run(q, u"SELECT asked, taken, COUNT(*) FROM mixup GROUP BY asked, taken"_s))
            return code;
        while (q.next()) {
            const std::optional<int> asked = confusionColourOf(q.value(0).toString());
            const std::optional<int> taken = confusionColourOf(q.value(1).toString());
            if (asked && taken)
                table.counts[std::size_t(*asked)][std::size_t(*taken)] += q.value(2).toInt();
        }
        return kDone;
    });
    return code == kDone ? table : ConfusionTable{};
}

bool Record::exportCsv(QIODevice &device)
{
    const auto put = [&](const QString &text) { return device.write(text.toUtf8()) >= 0; };
    if (!put(kCsvByteOrderMark.toString() + csvLine(csvHeader())))
        return false;
    bool written = true;
    const int code = read([&](QSqlQuery &q) {
        if (const int code = run(q, u"SELECT at, kind, question, given, correct, slip, seconds "
                                    "FROM answer ORDER BY id"_s))
            return code;
        while (written && q.next()) {
            const QDateTime at = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
            written = put(csvLine(csvFields(at, q.value(1).toString(), q.value(2).toString(),
                                            q.value(3).toString(), q.value(4).toBool(),
                                            q.value(5).toString(), q.value(6).toDouble())));
        }
        return kDone;
    });
    return written && code == kDone;
}

bool Record::reset()
{
    if (!open())
        return false;
    int code = kDone;
    {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        for (const QString &sql : {u"BEGIN IMMEDIATE"_s, u"DELETE FROM mixup"_s,
                                   u"DELETE FROM answer"_s, u"DELETE FROM skill"_s, u"COMMIT"_s}) {
            if (code == kDone)
                code = run(q, sql);
        }
        if (code != kDone)
            run(q, u"ROLLBACK"_s);
    }
    if (code != kDone)
        failed(code);
    return code == kDone;
}

int Record::read(const std::function<int(QSqlQuery &)> &reading)
{
    if (!open())
        return kDone;
    int code = kDone;
    {
        QSqlQuery q(QSqlDatabase::database(m_connection, false));
        q.setForwardOnly(true);
        code = reading(q);
    }
    // The query is gone before a broken or unwritable record is closed.
    if (code != kDone)
        failed(code);
    return code;
}

} // namespace practice
