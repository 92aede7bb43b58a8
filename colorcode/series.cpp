#include "colorcode/series.h"

#include "colorcode/numbertext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace colorcode {

namespace {

constexpr std::array<int, 3> kE3{10, 22, 47};
constexpr std::array<int, 6> kE6{10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> kE12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 48> kE48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                   178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                   316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                   562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 192> kE192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// The 15 digits of a value, leading digit first, and their power of ten.
constexpr int kAllDigits = 15;

} // namespace

QStringView seriesName(Series series)
{
    constexpr std::array<QStringView, 7> kNames{u"E3",  u"E6",  u"E12", u"E24",
                                                u"E48", u"E96", u"E192"};
    return kNames[std::size_t(series)];
}

std::span<const int> seriesValues(Series series)
{
    switch (series) {
    case Series::E3:
        return kE3;
    case Series::E6:
        return kE6;
    case Series::E12:
        return kE12;
    case Series::E24:
        return kE24;
    case Series::E48:
        return kE48;
    case Series::E96:
        return kE96;
    case Series::E192:
        return kE192;
    }
    return {};
}

int seriesDigits(Series series)
{
    return seriesValues(series).front() >= 100 ? 3 : 2;
}

std::vector<Series> seriesHolding(const Resistance &value)
{
    std::vector<Series> out;
    const FifteenDigits d = fifteenDigits(value.ohms());
    if (d.digits == 0)
        return out;
    for (Series s : kAllSeries) {
        const std::uint64_t unit = std::uint64_t(powerOfTen(kAllDigits - seriesDigits(s)));
        if (d.digits % unit != 0)
            continue;
        const int lead = int(d.digits / unit);
        const std::span<const int> values = seriesValues(s);
        if (std::binary_search(values.begin(), values.end(), lead))
            out.push_back(s);
    }
    return out;
}

std::optional<Resistance> seriesAtOrAbove(Series series, double ohms)
{
    if (!(ohms > 0) || !std::isfinite(ohms))
        return std::nullopt;
    // ohms is lead.rest × 10^(exponent − digits + 1), the lead having the
    // series' number of digits; a series value at or above has a lead at or
    // above it, and above it when anything follows the lead.
    const int n = seriesDigits(series);
    const FifteenDigits d = fifteenDigits(ohms);
    const std::uint64_t rest = std::uint64_t(powerOfTen(kAllDigits - n));
    const int lead = int(d.digits / rest);
    const bool more = d.digits % rest != 0;
    const std::span<const int> values = seriesValues(series);
    for (int m : values) {
        if (m > lead || (m == lead && !more))
            return Resistance{m, n, d.exponent - n + 1};
    }
    return Resistance{values.front(), n, d.exponent - n + 2};
}

std::optional<Resistance> seriesAtOrBelow(Series series, double ohms)
{
    if (!(ohms > 0) || !std::isfinite(ohms))
        return std::nullopt;
    const int n = seriesDigits(series);
    const FifteenDigits d = fifteenDigits(ohms);
    const int lead = int(d.digits / std::uint64_t(powerOfTen(kAllDigits - n)));
    const std::span<const int> values = seriesValues(series);
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        if (*it <= lead)
            return Resistance{*it, n, d.exponent - n + 1};
    }
    return Resistance{values.back(), n, d.exponent - n};
}

} // namespace colorcode
