#pragma once

// What a screen reader is handed to speak, made from what the screen shows.
// The Korean voice of the desktop's speech synthesizer drops "×", "²" and
// "→", reads "±", "=", "V" and "mA" in English, "K" as a letter and "4.7"
// digit by digit, so a learner who listens would lose the very numbers the
// program teaches. The screen keeps its symbols; only the spoken copy uses
// words.

#include <QString>
#include <QStringView>

namespace smd {
struct Markings;
}

namespace colorcode {

// The shown text in words the Korean voice reads right:
// "4.7KΩ±5%" → "4점7킬로옴 플러스마이너스 5퍼센트",
// "4R7: R이 소수점" → "4, 알, 7: R이 소수점",
// "47 × 10² = 4700Ω" → "47 곱하기 10의 2제곱은 4700옴",
// "노랑 → 보라" → "노랑, 보라", "20mA" → "20밀리암페어".
// Decimal digits after "점" are spaced so they are read one by one ("0점0 5"),
// as a decimal fraction is read aloud; "=" becomes the particle that fits the
// word before it (은 or 는). A marking with a letter in it ("4R7", "01C"),
// or of digits beside the name of its form ("3자리 103", "3자리: 472",
// "472(3자리)"), or of zeros beside the jumper's name ("0Ω 점퍼: 0, 000"),
// is spelled as spelledMarking spells it; markings listed one after another
// are parted by "또는" ("0 또는 0, 0, 0"), so that none runs into the next.
// Items parted by a spaced "·" are heard as sentences. Everything else is
// passed through, with runs of blanks made one.
QString spokenText(QStringView shown);

// What a screen reader hears for a value that is not there.
inline constexpr QStringView kNoValueWord = u"없음";

// The same, for a text about one chip: its `marking`, of digits alone too,
// is spelled wherever it stands as a word of its own ("472 → 47에 0을 2개
// 붙여" → "4, 7, 2, 47에 0을 2개 붙여"), never inside a number or before a
// unit. An empty marking spells none.
QString spokenText(QStringView shown, QStringView marking);

// A chip's marking character by character, each letter by its Korean name,
// so that it is not read as a number: "223" → "2, 2, 3" (not 이백이십삼),
// "4R7" → "4, 알, 7", "68E" → "6, 8, 영문자 이" (이 alone is a 2).
QString spelledMarking(QStringView marking);

// A value's markings as a screen reader says them, in the order shown, each
// spelled so that none is heard as a number, a marking that reads two ways
// with the words that say so: "3자리 1, 0, 3. 4자리 1, 0, 0, 2. EIA-96 0, 1, 씨".
QString spokenMarkings(const smd::Markings &markings);

// A control's caption without its access-key marker, as it is spoken:
// "저항값@컬러(&R)" → "저항값@컬러", "&4색저항" → "4색저항", "&&" → "&".
QString withoutAccessKey(QStringView caption);

} // namespace colorcode
