#pragma once

// Korean particles chosen for the word they follow. A particle has two forms,
// one after a closing consonant and one after a vowel, and the choice follows
// how the word is read aloud, not how it is written: "472" is read 사백칠십이
// and takes 는, "4.7KΩ" ends in 옴 and takes 은, "1KΩ" takes 으로, "R" is read
// 알 and takes 로, as every word ending in ㄹ does.

#include <QString>
#include <QStringView>

namespace colorcode {

enum class Particle {
    Topic,     // 은 / 는
    Subject,   // 이 / 가
    Object,    // 을 / 를
    With,      // 과 / 와
    Direction, // 으로 / 로 (로 after ㄹ too)
};

// The closing sound of the word as read aloud.
enum class Ending { Vowel, Rieul, Consonant };

// How `word` (shown text: digits, units, Hangul, Latin letters) ends when it
// is read. Quotes, brackets and other marks after the last readable
// character are passed over.
Ending readEnding(QStringView word);

// The same for text already in its spoken form (see speech.h).
Ending spokenEnding(QStringView spoken);

// The particle that fits after `word`, alone: particle(u"4.7KΩ", Topic) is "은".
QStringView particle(QStringView word, Particle p);

// `word` followed by its particle: withParticle(u"472", Topic) is "472는".
QString withParticle(QStringView word, Particle p);

} // namespace colorcode
