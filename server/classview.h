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

#include <functional>
#include <map>
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

// The whole class as it is now.
std::variant<ClassSums, Error> readClass(QSqlDatabase &db);

// Reads what changed since `sums` was read and puts it in: the pupils whose
// sums changed (new pupils, and pupils removed from the class, among them);
// none when nothing came in.
std::variant<std::set<QString>, Error> readNews(QSqlDatabase &db, ClassSums &sums);

// The pupil's skills as the learner's schedule has them after those
// answers: each day replayed through practice::learn in an order that
// leaves every skill where the answers' own order left it (a day whose last
// answer of the skill was a miss ends on the misses).
practice::SkillStates skillStates(const PupilSums &pupil);

// Every answer of one pupil, oldest first.
std::variant<std::vector<ClassAnswer>, Error> pupilAnswers(QSqlDatabase &db, const QString &pupil);

// Every answer of the class, pupil by pupil, each oldest first, handed to
// `take` as it is read.
std::optional<Error>
eachAnswer(QSqlDatabase &db, const std::function<void(const QString &, const ClassAnswer &)> &take);

} // namespace classdb
