#pragma once

// What the progress view shows of the record, as plain values: the totals
// line, the answers of each of the last days, and the confusion table. The
// record (learner/record.h) fills them; the rules here are the ones a
// test can check without a database.

#include "learner/answers.h"

#include <QDate>
#include <QString>

#include <array>
#include <span>
#include <vector>

namespace practice {

struct Totals {
    int answers = 0;
    int right = 0;
    int daysInARow = 0;
    friend bool operator==(const Totals &, const Totals &) = default;
};

// "푼 문제 312 · 정답률 87% · 연속 5일", and "정답률 –" while there is no
// answer. The share right is cut, not rounded, so it shows 100% only when
// every answer was right.
QString totalsText(const Totals &totals);

// The share right in whole percent, cut as the totals cut it; 0 for none.
int percentRight(int right, int answers);

// The share right as the totals show it: "87%", or "–" with no answer.
QString shareText(int right, int answers);

// The days practised in a row up to today; a streak that ended yesterday
// still counts, as today's sitting may be yet to come. `practised` holds
// each day with an answer, in any order.
int daysInARow(std::span<const QDate> practised, QDate today);

struct DayCount {
    QDate day;
    int answers = 0;
    int right = 0;
    friend bool operator==(const DayCount &, const DayCount &) = default;
};

// The last `count` days up to today, oldest first, each with its answers
// (none on a day without practice), from the days that had any.
std::vector<DayCount> lastDays(std::span<const DayCount> practised, QDate today, int count);

// The days as the daily chart's description lists them: each day with
// answers, oldest first, "3월 14일 12문제 정답률 91%", joined by commas;
// "푼 문제 없음" when there are none.
QString daysText(std::span<const DayCount> days);

// A skill's strength as the progress view shows it, in whole percent.
int strengthPercent(const SkillState &state);

// A skill and its strength as the skill chart's row says it to a screen
// reader, the name first, as the row shows them: "숫자 갈색 (1), 20%".
QString skillText(SkillId skill, const SkillState &state);

// How often each colour was answered for each, by the confusion colours'
// indices: counts[asked][taken]; the diagonal is the colour answered right.
struct ConfusionTable {
    std::array<std::array<int, kConfusionColours>, kConfusionColours> counts{};
};

} // namespace practice
