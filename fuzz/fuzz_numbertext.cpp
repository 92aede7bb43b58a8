// Number text: any text either is not a number or reads as one whose text
// reads back to the same value; any finite double's text reads back to it to
// 15 significant digits, without an exponent (for magnitudes up to 1e300).

#include "colorcode/numbertext.h"

#include "fuzzinput.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using fuzzinput::require;

namespace {

void checkRoundTrip(double value)
{
    const QString text = colorcode::numberText(value);
    if (!std::isfinite(value)) {
        require(text.isEmpty());
        return;
    }
    // Near the largest double, 15 digits round past it and the text no longer
    // reads back; the program's values stay far below that.
    if (std::abs(value) > 1e300)
        return;
    require(!text.isEmpty());
    require(!text.contains(u'e') && !text.contains(u'E') && !text.contains(u','));
    require(!(text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.'))));
    const std::optional<double> back = colorcode::parseNumber(text);
    require(back.has_value());
    const double tolerance = std::abs(value) * 1e-14;
    require(std::abs(*back - value) <= tolerance || (*back == 0 && std::abs(value) < 1e-300));
    // Formatting is a fixed point: the text of what it reads is itself.
    require(colorcode::numberText(*back) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        checkRoundTrip(value);
    }
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<double> value = colorcode::parseNumber(text))
        checkRoundTrip(*value);
    return 0;
}
