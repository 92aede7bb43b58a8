#include "learner/progressdata.h"

#include <QStringList>

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;

namespace practice {

QString totalsText(const Totals &totals)
{
    return u"푼 문제 %1 · 정답률 %2 · 연속 %3일"_s.arg(totals.answers)
        .arg(shareText(totals.right, totals.answers))
        .arg(totals.daysInARow);
}

QString shareText(int right, int answers)
{
    // No answer has no share right: a dash, not a 0 % that reads as a score.
    return answers > 0 ? u"%1%"_s.arg(percentRight(right, answers)) : u"\u2013"_s;
}

int percentRight(int right, int answers)
{
    return answers > 0 ? int(qint64(right) * 100 / answers) : 0;
}

int daysInARow(std::span<const QDate> practised, QDate today)
{
    const std::set<QDate> days(practised.begin(), practised.end());
    QDate day = days.contains(today) ? today : today.addDays(-1);
    int n = 0;
    while (days.contains(day)) {
        ++n;
        day = day.addDays(-1);
    }
    return n;
}

std::vector<DayCount> lastDays(std::span<const DayCount> practised, QDate today, int count)
{
    std::vector<DayCount> days;
    for (int i = count - 1; i >= 0; --i)
        days.push_back({today.addDays(-i)});
    for (const DayCount &p : practised) {
        const qint64 back = p.day.daysTo(today);
        if (back >= 0 && back < count) {
            DayCount &d = days[std::size_t(count - 1 - back)];
            d.answers += p.answers;
            d.right += p.right;
        }
    }
    return days;
}

QString daysText(std::span<const DayCount> days)
{
    QStringList said;
    for (const DayCount &d : days) {
        if (d.answers > 0)
            said << u"%1월 %2일 %3문제 정답률 %4%"_s.arg(d.day.month())
                        .arg(d.day.day())
                        .arg(d.answers)
                        .arg(percentRight(d.right, d.answers));
    }
    return said.isEmpty() ? u"푼 문제 없음"_s : said.join(u", "_s);
}

int strengthPercent(const SkillState &state)
{
    return qRound(strength(state) * 100);
}

QString skillText(SkillId skill, const SkillState &state)
{
    return u"%1, %2%"_s.arg(skillName(skill)).arg(strengthPercent(state));
}

} // namespace practice
