#pragma once

// Rounding to a number of significant decimal digits, as a learner with a
// pocket calculator would: the value counts as its 15-digit decimal text, so
// a quotient that binary arithmetic leaves at 64.99999999999999 is 65 and a
// half rounds up.

namespace led {

// v rounded half up to `digits` significant digits (1 to 15). Zero and
// values that are not finite come back unchanged.
double roundToSignificant(double v, int digits);

} // namespace led
