#include "server/classview.h"

#include "learner/skills.h"
#include "server/background.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <atomic>
#include <thread>

using namespace Qt::StringLiterals;

namespace classdb {

namespace {

// One read-only snapshot for the reads of one refresh; ended however the
// reads went.
class Snapshot {
public:
    explicit Snapshot(QSqlDatabase &db) : m_db(db)
    {
        m_open = QSqlQuery(db).exec(u"BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"_s);
    }
    ~Snapshot()
    {
        if (m_open)
            QSqlQuery(m_db).exec(u"COMMIT"_s);
    }
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;

private:
    QSqlDatabase &m_db;
    bool m_open = false;
};

// Runs a query with its values bound; the error if it fails.
std::optional<Error> select(QSqlQuery &q, const QString &sql, const QVariantList &values = {})
{
    q.setForwardOnly(true);
    return runBound(q, sql, values);
}

QDateTime timeOf(const QVariant &v)
{
    return v.isNull() ? QDateTime() : v.toDateTime();
}

// The answers that came in since: every one numbered above `from`.
constexpr QStringView kNewPupilDays = u"SELECT DISTINCT pupil, day FROM answer WHERE seq > ?";

std::optional<Error> readPupils(QSqlDatabase &db, ClassSums &sums, std::set<QString> *added)
{
    QSqlQuery q(db);
    if (auto e = select(q, u"SELECT name FROM person WHERE kind = 'pupil'"_s))
        return e;
    std::set<QString> names;
    while (q.next()) {
        const auto [it, isNew] = sums.pupils.try_emplace(q.value(0).toString());
        names.insert(it->first);
        if (isNew && added)
            added->insert(it->first);
    }
    // A pupil removed from the class goes from the view too.
    std::erase_if(sums.pupils, [&](const auto &pupil) {
        if (names.contains(pupil.first))
            return false;
        if (added)
            added->insert(pupil.first);
        return true;
    });
    return std::nullopt;
}

// The sums of the pupils' days, all of them or those with an answer
// numbered above `from`; the days read replace those held.
std::optional<Error> readDays(QSqlDatabase &db, ClassSums &sums, std::optional<qint64> from)
{
    const QString where = from ? u" WHERE (pupil, day) IN (%1)"_s.arg(kNewPupilDays) : QString();
    const QVariantList values = from ? QVariantList{*from} : QVariantList{};
    QSqlQuery q(db);
    if (auto e = select(
            q, u"SELECT pupil, day, answers, right_answers, last_at FROM pupil_day"_s + where,
            values))
        return e;
    std::map<QString, std::map<QDate, DaySums>> days;
    while (q.next())
        days[q.value(0).toString()][q.value(1).toDate()] =
            DaySums{q.value(2).toInt(), q.value(3).toInt(), timeOf(q.value(4))};

    if (auto e = select(q,
                        u"SELECT pupil, day, skill, asked, right_answers, last_miss, last_right "
                        "FROM skill_day"_s +
                            where,
                        values))
        return e;
    std::map<QString, std::map<std::pair<QDate, practice::SkillId>, SkillDaySums>> skills;
    while (q.next()) {
        // A skill of a newer program is passed over, as the learner's record
        // passes it over.
        const std::optional<practice::SkillId> skill = practice::skillOfKey(q.value(2).toString());
        if (!skill)
            continue;
        skills[q.value(0).toString()][{q.value(1).toDate(), *skill}] = SkillDaySums{
            q.value(3).toInt(), q.value(4).toInt(), timeOf(q.value(5)), timeOf(q.value(6))};
    }

    for (auto &[name, read] : days) {
        PupilSums &pupil = sums.pupils[name];
        for (auto &[day, daySums] : read) {
            pupil.days[day] = daySums;
            // The day's skills are read whole: drop what was held of it.
            pupil.skills.erase(pupil.skills.lower_bound({day, 0}),
                               pupil.skills.lower_bound({day.addDays(1), 0}));
        }
    }
    for (auto &[name, read] : skills) {
        PupilSums &pupil = sums.pupils[name];
        for (auto &[key, skillSums] : read)
            pupil.skills[key] = skillSums;
    }

    const QString dayWhere =
        from ? u" WHERE day IN (SELECT DISTINCT day FROM answer WHERE seq > ?)"_s : QString();
    if (auto e = select(q,
                        u"SELECT day, asked, taken, sum(n) FROM mixup_day"_s + dayWhere +
                            u" GROUP BY day, asked, taken"_s,
                        values))
        return e;
    std::map<QDate, practice::ConfusionTable> confusions;
    while (q.next()) {
        const std::optional<int> asked = practice::confusionColourOf(q.value(1).toString());
        const std::optional<int> taken = practice::confusionColourOf(q.value(2).toString());
        practice::ConfusionTable &table = confusions[q.value(0).toDate()];
        if (asked && taken)
            table.counts[std::size_t(*asked)][std::size_t(*taken)] += q.value(3).toInt();
    }
    for (auto &[day, table] : confusions)
        sums.confusions[day] = table;
    return std::nullopt;
}

// The newest answer's number and how many are numbered within kLookBack of
// it: a change in either means answers came in.
std::optional<Error> readNewest(QSqlDatabase &db, qint64 &newest, qint64 &recent)
{
    QSqlQuery q(db);
    if (auto e = select(q, u"SELECT coalesce(max(seq), 0) FROM answer"_s))
        return e;
    newest = q.next() ? q.value(0).toLongLong() : 0;
    if (auto e = select(q, u"SELECT count(*) FROM answer WHERE seq > ?"_s, {newest - kLookBack}))
        return e;
    recent = q.next() ? q.value(0).toLongLong() : 0;
    return std::nullopt;
}

constexpr QStringView kAnswerColumns =
    u"id, at, day, kind, question, given, correct, slip, seconds, skills, missed, mixups";

} // namespace

std::variant<ClassSums, Error> readClass(QSqlDatabase &db)
{
    const Snapshot snapshot(db);
    ClassSums sums;
    if (auto e = readPupils(db, sums, nullptr))
        return *e;
    if (auto e = readNewest(db, sums.newest, sums.recent))
        return *e;
    if (auto e = readDays(db, sums, std::nullopt))
        return *e;
    return sums;
}

namespace {

// The news of the pupils `changed`, as `sums` now holds them.
ClassNews newsOf(const ClassSums &sums, const std::set<QString> &changed)
{
    ClassNews news;
    for (const QString &name : changed) {
        const auto it = sums.pupils.find(name);
        news.pupils[name] =
            it == sums.pupils.end() ? std::nullopt : std::optional<PupilSums>(it->second);
    }
    if (!news.empty())
        news.confusions = sums.confusions;
    return news;
}

} // namespace

void apply(ClassSums &sums, const ClassNews &news)
{
    for (const auto &[name, pupil] : news.pupils) {
        if (pupil)
            sums.pupils[name] = *pupil;
        else
            sums.pupils.erase(name);
    }
    if (!news.empty())
        sums.confusions = news.confusions;
}

std::variant<ClassNews, Error> readNews(QSqlDatabase &db, ClassSums &sums)
{
    const Snapshot snapshot(db);
    std::set<QString> changed;
    if (auto e = readPupils(db, sums, &changed))
        return *e;
    qint64 newest = 0;
    qint64 recent = 0;
    if (auto e = readNewest(db, newest, recent))
        return *e;
    if (newest == sums.newest && recent == sums.recent)
        return newsOf(sums, changed);
    // Everything numbered after what was read, and a little before it, for
    // an answer committed late.
    const qint64 from = std::min(sums.newest, newest) - kLookBack;
    ClassSums read;
    if (auto e = readDays(db, read, from))
        return *e;
    for (auto &[name, pupil] : read.pupils) {
        PupilSums &held = sums.pupils[name];
        bool differs = false;
        for (auto &[day, daySums] : pupil.days) {
            auto it = held.days.find(day);
            differs = differs || it == held.days.end() || it->second != daySums;
            held.days[day] = daySums;
            held.skills.erase(held.skills.lower_bound({day, 0}),
                              held.skills.lower_bound({day.addDays(1), 0}));
        }
        for (auto &[key, skillSums] : pupil.skills)
            held.skills[key] = skillSums;
        if (differs)
            changed.insert(name);
    }
    for (auto &[day, table] : read.confusions)
        sums.confusions[day] = table;
    sums.newest = newest;
    sums.recent = recent;
    return newsOf(sums, changed);
}

practice::SkillStates skillStates(const PupilSums &pupil)
{
    practice::SkillStates states;
    for (const auto &[key, s] : pupil.skills) {
        const auto &[day, skill] = key;
        // Within a day the order of rights and misses matters only at its
        // end: after a miss the skill is back in the first box, and a right
        // answer after the day's last miss lifts it one box. Misses first
        // and then rights, or rights and then misses, leave it where the
        // day's own order left it.
        const bool endsRight =
            !s.lastMiss.isValid() || (s.lastRight.isValid() && s.lastRight > s.lastMiss);
        const int misses = s.asked - s.right;
        practice::SkillState &state = states[std::size_t(skill)];
        for (int pass = 0; pass < 2; ++pass) {
            const bool right = (pass == 0) != endsRight;
            for (int i = 0, n = right ? s.right : misses; i < n; ++i)
                practice::learn(state, right, day);
        }
    }
    return states;
}

std::variant<std::vector<ClassAnswer>, Error> pupilAnswers(QSqlDatabase &db, const QString &pupil)
{
    QSqlQuery q(db);
    if (auto e = select(
            q, u"SELECT %1 FROM answer WHERE pupil = ? ORDER BY at, seq"_s.arg(kAnswerColumns),
            {pupil}))
        return *e;
    std::vector<ClassAnswer> answers;
    while (q.next())
        answers.push_back(answerOf(q, 0));
    return answers;
}

std::optional<Error>
eachAnswer(QSqlDatabase &db, const std::function<bool(const QString &, const ClassAnswer &)> &take)
{
    QSqlQuery q(db);
    if (auto e = select(
            q, u"SELECT pupil, %1 FROM answer ORDER BY pupil, at, seq"_s.arg(kAnswerColumns)))
        return e;
    while (q.next()) {
        if (!take(q.value(0).toString(), answerOf(q, 1)))
            return std::nullopt;
    }
    if (q.lastError().isValid())
        return errorOf(q.lastError());
    return std::nullopt;
}

namespace {

// How long closing waits for a thread between reads to end.
constexpr int kStopWaitMs = 200;

std::atomic<int> g_watchThreads{0};

// A thread's connection let go: closed and forgotten; or, for a thread left
// to end by itself after the program has closed, whose Qt state is torn
// down by then, left to go with the process.
void letGo(QSqlDatabase &db, const QString &connection)
{
    if (QCoreApplication::instance()) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection);
    } else {
        (void)new QSqlDatabase(std::move(db));
    }
}

// The whole class into `sums` when it has not been read yet (no news then),
// else what came in since.
std::variant<ClassNews, Error> readOn(QSqlDatabase &db, std::optional<ClassSums> &sums)
{
    if (sums)
        return readNews(db, *sums);
    auto whole = readClass(db);
    if (auto *e = std::get_if<Error>(&whole))
        return *e;
    sums = std::move(std::get<ClassSums>(whole));
    return ClassNews{};
}

} // namespace

// What the window and the reading thread share. The thread may outlive the
// ClassWatch, so it holds this, never the ClassWatch itself.
struct ClassWatch::Shared : Background<ClassWatch> {
    // The reading thread's work, on a connection of its own.
    void work(const Server &teacher, int everyMs, int retryMs, const QString &connection);
};

void ClassWatch::Shared::work(const Server &teacher, int everyMs, int retryMs,
                              const QString &connection)
{
    std::optional<ClassSums> sums; // none until the class is first read
    std::optional<Error> told;     // the failure said, until the class is read again
    const auto fail = [&](const Error &error) {
        // A server shutting down, then gone, is said as it stands now.
        if (!told || told->failure != error.failure || told->detail != error.detail)
            post([error](ClassWatch *watch) { emit watch->failed(error); });
        told = error;
    };
    QSqlDatabase db;
    while (!stopped()) {
        bool fresh = false; // made this turn
        if (!db.isOpen()) {
            auto opened = classdb::connect(teacher, connection);
            if (auto *e = std::get_if<Error>(&opened)) {
                letGo(db, connection);
                fail(*e);
                if (!pause(retryMs))
                    break;
                continue;
            }
            db = std::get<QSqlDatabase>(opened);
            fresh = true;
        }
        const bool first = !sums;
        auto read = readOn(db, sums);
        if (auto *e = std::get_if<Error>(&read)) {
            letGo(db, connection);
            // A connection the server dropped (a restart) is made again at
            // once; a fresh one that cannot read is tried again later.
            if (fresh) {
                fail(*e);
                if (!pause(retryMs))
                    break;
            }
            continue;
        }
        if (first)
            post([whole = *sums](ClassWatch *watch) { emit watch->classRead(whole); });
        if (told) {
            told.reset();
            post([](ClassWatch *watch) { emit watch->following(); });
        }
        if (auto &news = std::get<ClassNews>(read); !news.empty())
            post([news = std::move(news)](ClassWatch *watch) { emit watch->news(news); });
        if (!pause(everyMs))
            break;
    }
    letGo(db, connection);
}

ClassWatch::ClassWatch(const Server &teacher, int everyMs, int retryMs, QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
    ++g_watchThreads;
    std::thread([shared = m_shared, teacher, everyMs, retryMs] {
        const QString connection =
            u"pallado-class-watch-"_s + QUuid::createUuid().toString(QUuid::Id128);
        shared->work(teacher, everyMs, retryMs, connection);
        --g_watchThreads;
        shared->finish();
    }).detach();
}

ClassWatch::~ClassWatch()
{
    m_shared->stop(kStopWaitMs);
}

int ClassWatch::threadsRunning()
{
    return g_watchThreads;
}

namespace {

std::atomic<int> g_taskThreads{0};

} // namespace

struct ServerTask::Shared : Background<ServerTask> {};

ServerTask::ServerTask(const Server &server, Work work, QObject *parent)
    : QObject(parent), m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
    ++g_taskThreads;
    std::thread([shared = m_shared, server, work = std::move(work)] {
        const QString connection =
            u"pallado-class-task-"_s + QUuid::createUuid().toString(QUuid::Id128);
        std::optional<Error> error;
        QSqlDatabase db;
        {
            auto opened = classdb::connect(server, connection);
            if (auto *e = std::get_if<Error>(&opened))
                error = *e;
            else
                db = std::get<QSqlDatabase>(opened);
        }
        if (!error)
            error = work(db, [&] { return shared->stopped(); });
        letGo(db, connection);
        shared->post([error](ServerTask *task) { emit task->finished(error); });
        --g_taskThreads;
        shared->finish();
    }).detach();
}

ServerTask::~ServerTask()
{
    m_shared->stop(kStopWaitMs);
}

int ServerTask::threadsRunning()
{
    return g_taskThreads;
}

ServerTask::Work answersToFile(const QString &path, const QString &header, AnswerLine line,
                               std::shared_ptr<SaveProgress> progress)
{
    return [=](QSqlDatabase &db, const std::function<bool()> &dropped) -> std::optional<Error> {
        QSaveFile file(path);
        bool fine = file.open(QIODevice::WriteOnly) && file.write(header.toUtf8()) >= 0;
        std::optional<Error> error;
        if (fine) {
            error = eachAnswer(db, [&](const QString &pupil, const ClassAnswer &answer) {
                fine = fine && !dropped() && file.write(line(pupil, answer).toUtf8()) >= 0;
                ++progress->written;
                return fine;
            });
        }
        progress->saved = fine && !error && !dropped() && file.commit();
        if (!progress->saved)
            file.cancelWriting();
        return error;
    };
}

} // namespace classdb
