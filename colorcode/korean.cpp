#include "colorcode/korean.h"

#include "colorcode/speech.h"

#include <array>

using namespace Qt::StringLiterals;

namespace colorcode {

namespace {

constexpr char16_t kFirstSyllable = 0xAC00;
constexpr char16_t kLastSyllable = 0xD7A3;
constexpr int kFinals = 28; // final consonants a syllable may close on, none first
constexpr int kFinalRieul = 8;

struct Forms {
    QStringView closed, open, afterRieul;
};

// Indexed by Particle.
constexpr std::array<Forms, 5> kForms{{
    {u"은", u"는", u"은"},
    {u"이", u"가", u"이"},
    {u"을", u"를", u"을"},
    {u"과", u"와", u"과"},
    {u"으로", u"로", u"로"},
}};

// Latin letters as Korean reads their names: L 엘, M 엠, N 엔, R 알 close;
// the others (에이, 비, 씨, … 엑스, 와이) end in a vowel.
Ending letterEnding(char16_t c)
{
    switch (c | 0x20) {
    case u'l':
    case u'r':
        return Ending::Rieul;
    case u'm':
    case u'n':
        return Ending::Consonant;
    default:
        return Ending::Vowel;
    }
}

Ending syllableEnding(char16_t c)
{
    const int final = (c - kFirstSyllable) % kFinals;
    if (final == 0)
        return Ending::Vowel;
    return final == kFinalRieul ? Ending::Rieul : Ending::Consonant;
}

// A number as read ends on its last digit (일, 이, 삼, …); a 0 is read 영
// alone and 십, 백, 천 or 만 after other digits, all closed.
Ending digitEnding(char16_t c)
{
    switch (c) {
    case u'1':
    case u'7':
    case u'8':
        return Ending::Rieul;
    case u'3':
    case u'6':
    case u'0':
        return Ending::Consonant;
    default:
        return Ending::Vowel;
    }
}

bool isReadable(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
           (u >= kFirstSyllable && u <= kLastSyllable);
}

} // namespace

Ending spokenEnding(QStringView spoken)
{
    qsizetype at = spoken.size() - 1;
    while (at >= 0 && !isReadable(spoken[at]))
        --at;
    if (at < 0)
        return Ending::Vowel;
    const char16_t c = spoken[at].unicode();
    if (c >= kFirstSyllable && c <= kLastSyllable)
        return syllableEnding(c);
    if (c >= u'0' && c <= u'9')
        return digitEnding(c);
    return letterEnding(c);
}

Ending readEnding(QStringView word)
{
    // Units and signs are read as words first ("Ω" as 옴, "%" as 퍼센트).
    return spokenEnding(spokenText(word));
}

QStringView particle(QStringView word, Particle p)
{
    const Forms &forms = kForms[std::size_t(p)];
    switch (readEnding(word)) {
    case Ending::Vowel:
        return forms.open;
    case Ending::Rieul:
        return forms.afterRieul;
    case Ending::Consonant:
        break;
    }
    return forms.closed;
}

QString withParticle(QStringView word, Particle p)
{
    return word.toString() + particle(word, p).toString();
}

} // namespace colorcode
