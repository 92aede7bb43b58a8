#pragma once

// What the teacher's view reads of the class record: the sums the server
// keeps of each pupil's answers (per day, per day and skill, per day and
// colour pair), read whole once, then only where answers came in since.
// Every read is one read-only snapshot of the server, so its parts agree.
//
// The view opens in a time that grows with the pupils and the days they
// practised, never with the answers: a million answers are a few thousand
// days of sums. What is new is found by the answers' numbers, read again a
// little way back (kLookBack), as an answer may be committed after one with
// a higher number.

#include "learner/progressdata.h"
#include "learner/schedule.h"
#include "server/classdb.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <QObject>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <variant>

namespace classdb {

// A pupil's answers of one day.
struct DaySums {
    int answers = 0;
    int right = 0;
    QDateTime last;
    friend bool operator==(const DaySums &, const DaySums &) = default;
};

// A skill asked on one day: how often, how often right, and when it was
// last missed and last answered right that day.
struct SkillDaySums {
    int asked = 0;
    int right = 0;
    QDateTime lastMiss; // invalid when never missed that day
    QDateTime lastRight;
    friend bool operator==(const SkillDaySums &, const SkillDaySums &) = default;
};

struct PupilSums {
    std::map<QDate, DaySums> days;
    std::map<std::pair<QDate, practice::SkillId>, SkillDaySums> skills; // by day, then skill
};

struct ClassSums {
    std::map<QString, PupilSums> pupils; // every pupil of the class, with answers or none
    std::map<QDate, practice::ConfusionTable> confusions; // the class's colour pairs of each day
    qint64 newest = 0;                                    // the highest answer number read
    qint64 recent = 0; // the answers numbered within kLookBack of it
};

// How far back from the newest answer read each refresh looks again.
inline constexpr qint64 kLookBack = 10000;

// What changed in the class since it was last read: the pupils whose sums
// changed, each with their sums now (none: removed from the class), and,
// when any did, the class's colour pairs of every day.
struct ClassNews {
    std::map<QString, std::optional<PupilSums>> pupils;
    std::map<QDate, practice::ConfusionTable> confusions;
    bool empty() const { return pupils.empty(); }
};

// Puts `news` into sums read before it.
void apply(ClassSums &sums, const ClassNews &news);

// The whole class as it is now.
std::variant<ClassSums, Error> readClass(QSqlDatabase &db);

// Reads what changed since `sums` was read and puts it in; the news is
// empty when nothing came in.
std::variant<ClassNews, Error> readNews(QSqlDatabase &db, ClassSums &sums);

// The pupil's skills as the learner's schedule has them after those
// answers: each day replayed through practice::learn in an order that
// leaves every skill where the answers' own order left it (a day whose last
// answer of the skill was a miss ends on the misses).
practice::SkillStates skillStates(const PupilSums &pupil);

// Every answer of one pupil, oldest first.
std::variant<std::vector<ClassAnswer>, Error> pupilAnswers(QSqlDatabase &db, const QString &pupil);

// Every answer of the class, pupil by pupil, each oldest first, handed to
// `take` as it is read; reading stops when `take` is false.
std::optional<Error>
eachAnswer(QSqlDatabase &db, const std::function<bool(const QString &, const ClassAnswer &)> &take);

// Work over the class's server on a thread of its own and a connection of
// its own, so the window draws and hears its keys while a large class is
// read or a server does not answer: `work` runs there with the open
// connection and a test of whether the task has been dropped, and
// `finished` tells, on the window's thread, the server's error (none: the
// work was done). Dropped before it ends, the task posts nothing more, its
// work is told so, and a thread caught in the network ends by itself.
class ServerTask : public QObject {
    Q_OBJECT

public:
    using Work =
        std::function<std::optional<Error>(QSqlDatabase &db, const std::function<bool()> &dropped)>;
    ServerTask(const Server &server, Work work, QObject *parent = nullptr);
    ~ServerTask() override;

    // Tasks' threads not yet ended, those left to end by themselves among
    // them.
    static int threadsRunning();

signals:
    void finished(std::optional<classdb::Error> error);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

// How far saving every answer has got: the answers written, and, once the
// task has finished, whether the file is whole in its place.
struct SaveProgress {
    std::atomic<qint64> written{0};
    std::atomic<bool> saved{false};
};

// Every answer of the class into the file at `path`, as a task's work:
// `header` first, then a line an answer made by `line`; the file takes its
// place only when whole, and a task dropped leaves no file, nor half a file.
using AnswerLine = std::function<QString(const QString &pupil, const ClassAnswer &answer)>;
ServerTask::Work answersToFile(const QString &path, const QString &header, AnswerLine line,
                               std::shared_ptr<SaveProgress> progress);

// The class followed on a thread of its own, over a connection of its own:
// the whole class is read first and handed to the window by `classRead`,
// then what came in is read every `everyMs` and handed over by `news`; a
// server that cannot be reached is tried again every `retryMs`. The window
// never waits on the network, not even for the first read.
//
// Closing waits a moment for a thread between reads, never for one caught
// in the network: a connect to a server that does not answer takes its
// time-out (classdb::connect), and that thread ends by itself when it gives
// up, touching nothing of the watch's by then.
class ClassWatch : public QObject {
    Q_OBJECT

public:
    ClassWatch(const Server &teacher, int everyMs, int retryMs, QObject *parent = nullptr);
    ~ClassWatch() override;

    // Watches' threads not yet ended, those left to end by themselves among
    // them.
    static int threadsRunning();

signals:
    // The whole class, read once as the watch starts; `news` after it
    // changes these sums. A failure before it is told by `failed`.
    void classRead(const classdb::ClassSums &sums);
    // Answers came in, or pupils came or went.
    void news(const classdb::ClassNews &news);
    // The class cannot be read now: said once until it can again.
    void failed(const classdb::Error &error);
    // The class is read again after a failure.
    void following();

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

} // namespace classdb
