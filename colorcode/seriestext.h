#pragma once

// What a result's value is among the preferred series, in words, for the end
// of a page's working line: the learner sees at once whether the value can be
// bought as it is, and if not, which E24 values lie either side of it.

#include "colorcode/resistance.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace colorcode {

// "E3, E6, E12, E24, E192 표준값" for 4.7 kΩ, every series holding the value
// in the series' order; for a value in none, the nearest E24 values below and
// above it written in `units` as the page writes values: "표준값이 아닙니다:
// 가까운 E24 값 4.7KΩ, 5.1KΩ". Empty for 0 Ω, which is no resistor one buys
// by a series.
QString seriesEnding(const Resistance &value, std::span<const Unit> units = kUnits);

// A page's working line with the series ending of its result's value after
// it, joined with ", ". The working alone when there is no value (a refusal)
// or the value has no ending.
QString withSeriesEnding(const QString &working, const std::optional<Resistance> &value,
                         std::span<const Unit> units = kUnits);

} // namespace colorcode
