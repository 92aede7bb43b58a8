#pragma once

// How the typed value becomes its bands, in words, for the learner: the
// working line of the value-to-colour page, from the encoder's own result.
// After a refusal it says how to get a code instead.

#include "pages/value_to_color/encoder.h"
#include "pages/value_to_color/fivebands.h"

#include <QString>
#include <QStringView>

#include <variant>

namespace valuetocolor {

// "4.7KΩ = 4700Ω = 47 × 10² → 노랑, 보라, 적색, 금색" for an accepted entry;
// for a refusal, the way to a code: the 5-band code of a value with three
// significant digits, the short entry of a value typed too long ("1KΩ"),
// the plain digit for a cleared "4.0".
QString encodingWorking(QStringView entry, QStringView unit, QStringView tolerance,
                        const std::variant<FourBands, Refusal> &result);

// The same for a 5-band code: "4.75KΩ = 4750Ω = 475 × 10¹ → 노랑, 보라, 초록,
// 갈색, 갈색(±1%)"; after a refusal the range a 5-band code spans, or for a
// value of four or more digits the nearest E96 value and its bands.
QString fiveBandWorking(QStringView entry, QStringView unit, QStringView tolerance,
                        const std::variant<FiveBands, FiveBandRefusal> &result);

} // namespace valuetocolor
