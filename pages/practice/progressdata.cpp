#include "pages/practice/progressdata.h"

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;

namespace practice {

QString totalsText(const Totals &totals)
{
    const int percent = totals.answers > 0 ? int(qint64(totals.right) * 100 / totals.answers) : 0;
    return u"푼 문제 %1 · 정답률 %2% · 연속 %3일"_s.arg(totals.answers)
        .arg(percent)
        .arg(totals.daysInARow);
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

} // namespace practice
