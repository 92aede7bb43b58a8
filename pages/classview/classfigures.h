#pragma once

// What the teacher's view shows of each pupil and of the class, as plain
// values and texts from the class's sums (server/classview.h): the pupil
// table's row, the class's confusion table, and the CSV of the table. The
// figures are the progress view's own (practice's totals, days in a row,
// schedule), so a pupil's row never disagrees with their progress view.

#include "learner/progressdata.h"
#include "learner/schedule.h"
#include "server/classview.h"

#include <QDateTime>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace classview {

// The pupil table's columns, in order.
enum Column { Name, Answers, Today, Share, DaysInARow, Last, Weak, ColumnCount };
inline constexpr std::array<QStringView, ColumnCount> kColumnNames{
    u"이름", u"푼 문제", u"오늘", u"정답률", u"연속", u"마지막 답", u"약한 색"};

// How many of a pupil's weakest skills the table names.
inline constexpr int kWeakSkills = 3;
// A last answer this recent shows that the pupil is practising now.
inline constexpr qint64 kPractisingSeconds = 120;

struct PupilFigures {
    QString name;
    int answers = 0;
    int today = 0;
    int right = 0;
    int daysInARow = 0;
    QDateTime last; // invalid with no answer
    std::vector<practice::SkillId> weak;
};

PupilFigures figuresOf(const QString &name, const classdb::PupilSums &sums,
                       const practice::SkillStates &states, QDate today);

// The weakest skills, at most `count`: those missed at least once, the
// lowest box first, then the smaller share right.
std::vector<practice::SkillId> weakestSkills(const practice::SkillStates &states, int count);

// The last answer as the table shows it: "지금 연습 중" within
// kPractisingSeconds of `now`, the local time ("14:05") on today's date,
// the date and time ("12월 8일 14:05") before it; "–" with none.
QString lastAnswerText(const QDateTime &last, const QDateTime &now);

// The row's texts, in the columns' order.
std::array<QString, ColumnCount> rowTexts(const PupilFigures &figures, const QDateTime &now);
// What the row's cells sort by, in the columns' order: numbers, or the text
// for the name and the weak skills. No share right and no answer sort
// before any.
std::array<QVariant, ColumnCount> sortKeys(const PupilFigures &figures);

// A cell as a screen reader hears it, its column first, in spoken words:
// "정답률 66퍼센트", "마지막 답 14시 5분", "약한 색 없음". A screen reader
// reads a row whole on moving to it, so the pupil is heard once, in the
// name's cell ("이름 김민수"), not again in every cell.
QString spokenCell(int column, const QString &shown);

// What a screen reader hears when the table is sorted: "정렬: 정답률,
// 내림차순".
QString sortedSentence(int column, Qt::SortOrder order);

// The class's colour pairs over every day, or over one day.
practice::ConfusionTable classConfusions(const classdb::ClassSums &sums,
                                         std::optional<QDate> day = std::nullopt);

// The table as CSV: byte-order mark, header, one line per pupil.
QString pupilsCsv(const std::vector<PupilFigures> &pupils, const QDateTime &now);

// The header of every answer with its pupil's name, and one answer's line.
QString answersCsvHeader();
QString answerCsvLine(const QString &pupil, const classdb::ClassAnswer &answer);

} // namespace classview
