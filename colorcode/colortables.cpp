#include "colorcode/colortables.h"

#include <algorithm>

namespace colorcode {

std::optional<int> digitOfItemText(QStringView text, int entries)
{
    const int n = std::clamp(entries, 0, int(kBandColors.size()));
    for (int d = 0; d < n; ++d) {
        if (text == kBandColors[d].itemText)
            return d;
    }
    return std::nullopt;
}

const ToleranceEntry *toleranceOf(QStringView text, std::span<const QStringView> offered)
{
    if (std::find(offered.begin(), offered.end(), text) == offered.end())
        return nullptr;
    for (const ToleranceEntry &entry : kTolerances) {
        if (entry.text == text)
            return &entry;
    }
    return nullptr;
}

QStringList digitItemTexts(int entries)
{
    QStringList list;
    const int n = std::clamp(entries, 0, int(kBandColors.size()));
    for (int d = 0; d < n; ++d)
        list << kBandColors[d].itemText.toString();
    return list;
}

} // namespace colorcode
