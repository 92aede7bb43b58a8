#include "colorcode/seriestext.h"

#include "colorcode/series.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace colorcode {

QString seriesEnding(const Resistance &value, std::span<const Unit> units)
{
    const std::vector<Series> holding = seriesHolding(value);
    if (!holding.empty()) {
        QStringList names;
        for (Series s : holding)
            names << seriesName(s).toString();
        return names.join(u", ") + u" 표준값"_s;
    }
    // A value in no series lies strictly between two E24 values.
    const std::optional<Resistance> below = seriesAtOrBelow(Series::E24, value.ohms());
    const std::optional<Resistance> above = seriesAtOrAbove(Series::E24, value.ohms());
    if (!below || !above)
        return {};
    return u"표준값이 아닙니다: 가까운 E24 값 %1, %2"_s.arg(below->text(units), above->text(units));
}

QString withSeriesEnding(const QString &working, const std::optional<Resistance> &value,
                         std::span<const Unit> units)
{
    const QString ending = value ? seriesEnding(*value, units) : QString();
    if (ending.isEmpty())
        return working;
    if (working.isEmpty())
        return ending;
    return working + u", "_s + ending;
}

} // namespace colorcode
