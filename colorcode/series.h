#pragma once

// The preferred numbers resistors are made in (IEC 60063): E3 to E24 with
// two significant digits, E48 to E192 with three. Each series lists the
// significands of one decade; a value belongs to a series when its digits,
// at whatever power of ten, are one of them. E3 to E24 are older than the
// others and are not rounded E192 values: E24 holds 2.7, 3.0, … 9.1.

#include "colorcode/resistance.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace colorcode {

enum class Series { E3, E6, E12, E24, E48, E96, E192 };

inline constexpr std::array<Series, 7> kAllSeries{
    Series::E3, Series::E6, Series::E12, Series::E24, Series::E48, Series::E96, Series::E192};

// "E24"
QStringView seriesName(Series series);

// The significands of one decade, rising: 10 … 91 for E24, 100 … 988 for
// E192.
std::span<const int> seriesValues(Series series);

// How many significant digits the series' values have: 2 or 3.
int seriesDigits(Series series);

// The series that hold `value`, in the order of kAllSeries; none for zero.
std::vector<Series> seriesHolding(const Resistance &value);

// The nearest value of `series` at or above `ohms`, and at or below it, for
// ohms above zero and finite; nullopt otherwise. A value of the series is
// its own answer.
std::optional<Resistance> seriesAtOrAbove(Series series, double ohms);
std::optional<Resistance> seriesAtOrBelow(Series series, double ohms);

} // namespace colorcode
