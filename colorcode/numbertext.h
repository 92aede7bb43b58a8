#pragma once

// Number text as every page writes and reads it: "." as the decimal separator
// whatever the user's locale, no exponent, no thousands separators.

#include <QString>
#include <QStringView>

#include <optional>

namespace colorcode {

// The shortest decimal text of v with at most 15 significant digits: no
// trailing zeros, no trailing point, "0.95" below 1, never an exponent.
// 99 * 0.1 gives "9.9", 4.7 - 0.235 gives "4.465". A value that is not finite
// has no text and gives an empty string.
QString numberText(double v);

// The value of a plain decimal text: an optional sign, digits with at most one
// ".", blanks around it allowed ("  4.7 ", ".5", "5."). Anything else (an
// exponent, a comma, letters, a non-ASCII digit, blanks only, a value too
// large for a double) is not a number.
std::optional<double> parseNumber(QStringView text);

} // namespace colorcode
