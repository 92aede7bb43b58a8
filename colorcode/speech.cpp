#include "colorcode/speech.h"

#include "colorcode/colortables.h"
#include "colorcode/korean.h"
#include "colorcode/marking.h"
#include "colorcode/numbertext.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <span>

using namespace Qt::StringLiterals;

namespace colorcode {

namespace {

constexpr char16_t kGreekOmega = u'\u03A9'; // as a tips file may write the ohm
constexpr char16_t kDash = u'\u2013';       // a value not there: "정답률 –"

struct Word {
    QStringView symbol;
    QStringView words;
};

// Units read after a number, longest first, so "mA" is not "m" and "A".
// Those spelt in Latin letters count only when no letter follows ("5V", not
// "5Vx"). The ohms are read by ohmUnit(), from the units' table.
constexpr std::array<Word, 8> kUnitWords{{
    {u"ppm/K", u"피피엠 퍼 켈빈"},
    {u"ppm", u"피피엠"},
    {u"mA", u"밀리암페어"},
    {u"mW", u"밀리와트"},
    {u"V", u"볼트"},
    {u"W", u"와트"},
    {u"%", u"퍼센트"},
    {u"\u2103", u"도"}, // "1℃": one degree
}};
// Units that mean the same anywhere, with no number before them: "ppm" for
// parts per million (an ohm sign, too, always stands for ohms).
constexpr std::size_t kUnitsAnywhere = 2;

// The prefix of a unit of ohms by its power of ten.
QStringView prefixWord(int power)
{
    switch (power) {
    case 3:
        return u"킬로";
    case 6:
        return u"메가";
    case 9:
        return u"기가";
    default:
        return {};
    }
}

// The Latin letters by the names Korean gives them. E and O are named as
// letters, since 이 and 오 alone are the digits 2 and 5: "0, 1, 이" would be
// heard as 012.
constexpr std::array<QStringView, 26> kLetterNames{
    u"에이", u"비",   u"씨", u"디",   u"영문자 이", u"에프",      u"지",   u"에이치", u"아이",
    u"제이", u"케이", u"엘", u"엠",   u"엔",        u"영문자 오", u"피",   u"큐",     u"알",
    u"에스", u"티",   u"유", u"브이", u"더블유",    u"엑스",      u"와이", u"제트"};

// The letters that follow two digits in a marking, each a multiplier.
constexpr QStringView kMultiplierLetters = u"ZYRXSABHCDEF";

// Signs read as words wherever they stand. "→" and the "->" of the guide
// join steps of a working: a pause, as a comma gives. "@" in a page's name
// stands for "from one into the other" ("컬러@저항값").
// A spaced "·" parts items of their own ("3자리 103 · 4자리 1002"), heard
// as sentences; one between two words joins them ("금색·은색"). The voice
// says nothing for it.
constexpr std::array<Word, 8> kSignWords{{
    {u" · ", u". "},
    {u"·", u", "},
    {u"±", u" 플러스마이너스 "},
    {u"×", u" 곱하기 "},
    {u"÷", u" 나누기 "},
    {u"→", u", "},
    {u"->", u", "},
    {u"@", u"에서 "},
}};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isLatinLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isOhmSign(QChar c)
{
    return c == kOhm.front() || c == kGreekOmega;
}

bool isLatinOrDigit(QChar c)
{
    return isDigit(c) || isLatinLetter(c);
}

// A marking printed on a chip: digits with one R for the point ("4R7",
// "R47", "10R"), or two digits and a multiplier letter ("01C"). Markings
// of digits alone look like any number and are spelled by those who know
// them for markings.
bool looksLikeMarking(QStringView word)
{
    if (word.size() < 2 || word.size() > 4)
        return false;
    if (word.size() == 3 && isDigit(word[0]) && isDigit(word[1]) &&
        kMultiplierLetters.contains(word[2]))
        return true;
    return word.count(u'R') == 1 &&
           std::all_of(word.begin(), word.end(), [](QChar c) { return isDigit(c) || c == u'R'; });
}

// A word that reads as a marking of any form, the jumper's "0" and "000"
// too.
bool isMarking(QStringView word)
{
    return std::holds_alternative<smd::Marking>(smd::readMarking(word));
}

bool isJumper(QStringView word)
{
    const auto read = smd::readMarking(word);
    const auto *marking = std::get_if<smd::Marking>(&read);
    return marking && marking->reading.form == smd::Form::Jumper;
}

// "=" is read as the topic particle that fits the words before it.
QStringView particleAfterSpoken(QStringView spoken)
{
    return spokenEnding(spoken) == Ending::Vowel ? u"는" : u"은";
}

class Reader {
public:
    Reader(QStringView shown, QStringView marking) : m_in(shown), m_marking(marking) {}

    QString read()
    {
        while (m_pos < m_in.size()) {
            if (marking()) {
                continue;
            } else if (isDigit(m_in[m_pos])) {
                number();
                unitAfterNumber();
            } else if (!sign() && !unitAnywhere() && !raised()) {
                other();
            }
        }
        return tidy(m_out);
    }

private:
    bool startsWith(QStringView s) const { return m_in.sliced(m_pos).startsWith(s); }
    QChar at(qsizetype i) const { return i >= 0 && i < m_in.size() ? m_in[i] : QChar(); }

    // The words of the first of `words` whose symbol stands here.
    bool wordOf(std::span<const Word> words)
    {
        for (const Word &word : words) {
            if (startsWith(word.symbol)) {
                m_out += word.words;
                m_pos += word.symbol.size();
                return true;
            }
        }
        return false;
    }

    // A marking is spelled, so the voice reads no number in it. Markings
    // listed one after another (", ") are told apart by "또는": spelled and
    // parted by commas alone, "0, 000" would be heard as four zeros.
    bool marking()
    {
        if (isLatinOrDigit(at(m_pos - 1)))
            return false;
        qsizetype end = m_pos;
        while (isLatinOrDigit(at(end)))
            ++end;
        const QStringView word = m_in.sliced(m_pos, end - m_pos);
        if (word.isEmpty())
            return false;
        const bool listed = m_spelledEnd >= 0 &&
                            m_in.sliced(m_spelledEnd, m_pos - m_spelledEnd) == u", " &&
                            standsAlone(end) && isMarking(word);
        if (!listed && !looksLikeMarking(word) && !(word == m_marking && standsAlone(end)) &&
            !besideJumperName(word, end))
            return false;
        if (listed && m_out.endsWith(u", "))
            m_out.replace(m_out.size() - 2, 2, u" 또는 "_s);
        spell(word, end);
        return true;
    }

    void spell(QStringView word, qsizetype end)
    {
        m_out += spelledMarking(word);
        m_pos = end;
        m_spelledEnd = end;
    }

    // A jumper's marking after the jumper's name ("0Ω 점퍼: 0, 000, 0R") or
    // before it ("000: 0Ω 점퍼"): of zeros alone, it would be read as a
    // number.
    bool besideJumperName(QStringView word, qsizetype end) const
    {
        if (!standsAlone(end) || !isJumper(word))
            return false;
        const QString name = smd::formName(smd::Form::Jumper);
        const QStringView before = m_in.first(m_pos);
        return before.endsWith(name + u' ') || before.endsWith(name + u": "_s) ||
               m_in.sliced(end).startsWith(u": "_s + name);
    }

    // The word from m_pos to `end` is a word of its own, not a part of a
    // number ("2,472", "472.5") nor one before its unit ("472Ω").
    bool standsAlone(qsizetype end) const
    {
        const auto joins = [](QChar c) { return c == u'.' || c == u','; };
        if (joins(at(m_pos - 1)) && isDigit(at(m_pos - 2)))
            return false;
        if (joins(at(end)) && isDigit(at(end + 1)))
            return false;
        return !isOhmSign(at(end));
    }

    // A marking of digits alone next to the name of its form: "3자리 103",
    // "3자리: 472", "472(3자리)".
    bool besideFormName(qsizetype end) const
    {
        const qsizetype length = end - m_pos;
        if ((length != 3 && length != 4) || isLatinOrDigit(at(end)) || !standsAlone(end) ||
            at(end) == u'점')
            return false;
        const QString form = QString::number(length) + u"자리"_s;
        return m_out.endsWith(form + u' ') || m_out.endsWith(form + u": "_s) ||
               m_in.sliced(end).startsWith(u'(' + form + u')');
    }

    qsizetype digitsFrom(qsizetype i) const
    {
        qsizetype end = i;
        while (end < m_in.size() && isDigit(m_in[end]))
            ++end;
        return end;
    }

    // "2,700" is one number; "1/4" a fraction, read "4분의 1", and so is a
    // score "3 / 5" ("5분의 3"); "4.7" has a point read as 점 and decimals
    // read one by one; "1.0.22" is a version, each point a 점.
    void number()
    {
        qsizetype end = digitsFrom(m_pos);
        if (besideFormName(end)) {
            spell(m_in.sliced(m_pos, end - m_pos), end);
            return;
        }
        QString whole = m_in.sliced(m_pos, end - m_pos).toString();
        while (at(end) == u',' && digitsFrom(end + 1) - (end + 1) == 3) {
            whole += m_in.sliced(end + 1, 3);
            end += 4;
        }
        const int blank = at(end) == u' ' && at(end + 1) == u'/' && at(end + 2) == u' ' ? 1 : 0;
        if (at(end + blank) == u'/' && isDigit(at(end + 1 + 2 * blank))) {
            end += 2 * blank;
            const qsizetype below = digitsFrom(end + 1);
            m_out += m_in.sliced(end + 1, below - end - 1).toString() + u"분의 "_s + whole;
            m_pos = below;
            return;
        }
        QStringList parts{whole};
        while (at(end) == u'.' && isDigit(at(end + 1))) {
            const qsizetype next = digitsFrom(end + 1);
            parts.append(m_in.sliced(end + 1, next - end - 1).toString());
            end = next;
        }
        if (parts.size() == 2) {
            QStringList decimals;
            for (QChar d : parts[1])
                decimals.append(QString(d));
            parts[1] = decimals.join(u' ');
        }
        m_out += parts.join(u"점"_s);
        m_pos = end;
        raised();
    }

    void unitAfterNumber()
    {
        if (ohmUnit())
            return;
        for (const Word &unit : kUnitWords) {
            if (!startsWith(unit.symbol))
                continue;
            if (isLatinLetter(unit.symbol.back()) && isLatinLetter(at(m_pos + unit.symbol.size())))
                continue;
            m_out += unit.words;
            m_pos += unit.symbol.size();
            return;
        }
    }

    // "Ω", "KΩ", "kΩ", "MΩ", "GΩ", with the ohm sign or the Greek omega.
    bool ohmUnit()
    {
        const QChar first = at(m_pos);
        const bool prefixed = QStringView(u"KkMG").contains(first) && isOhmSign(at(m_pos + 1));
        if (!prefixed && !isOhmSign(first))
            return false;
        const QString suffix = prefixed ? first.toUpper() + kOhm.toString() : kOhm.toString();
        const Unit *unit = unitOf(suffix, kUnits);
        if (!unit)
            return false;
        m_out += prefixWord(unit->power);
        m_out += u"옴";
        m_pos += prefixed ? 2 : 1;
        return true;
    }

    bool unitAnywhere()
    {
        if (isLatinLetter(at(m_pos - 1)))
            return false;
        return ohmUnit() || wordOf(std::span(kUnitWords).first(kUnitsAnywhere));
    }

    // "10²" is "10의 2제곱", "10⁻¹" "10의 마이너스 1제곱".
    bool raised()
    {
        qsizetype end = m_pos;
        QString power;
        for (QChar d; !(d = loweredDigit(at(end))).isNull(); ++end)
            power += d == u'-' ? u"마이너스 "_s : QString(d);
        if (end == m_pos)
            return false;
        m_out += u"의 "_s + power + u"제곱"_s;
        m_pos = end;
        return true;
    }

    bool sign()
    {
        const QChar c = m_in[m_pos];
        // A value's place: a word of its own, as in "정답률 –" or a lone "?".
        const QChar before = at(m_pos - 1);
        const QChar after = at(m_pos + 1);
        if ((c == u'?' || c == kDash) && (before.isNull() || before == u' ') &&
            (after.isNull() || QStringView(u" ,.").contains(after))) {
            m_out += kNoValueWord;
            ++m_pos;
            return true;
        }
        if (c == u'=') {
            m_out = tidy(m_out);
            m_out += particleAfterSpoken(m_out);
            m_out += u' ';
            ++m_pos;
            return true;
        }
        if (c == u'−') {
            // Between two values it is a subtraction; before one, its sign.
            qsizetype before = m_pos - 1;
            while (before >= 0 && m_in[before] == u' ')
                --before;
            const QChar operand = at(before);
            const bool between = before >= 0 && (operand.isLetterOrNumber() || operand == u')' ||
                                                 isOhmSign(operand) || operand == u'%' ||
                                                 !loweredDigit(operand).isNull());
            m_out += between ? u" 빼기 "_s : u" 마이너스 "_s;
            ++m_pos;
            return true;
        }
        return wordOf(kSignWords);
    }

    void other()
    {
        m_out += m_in[m_pos];
        ++m_pos;
    }

    // One blank where the words left several, none before a comma or at the
    // ends of a line or of brackets.
    static QString tidy(const QString &text)
    {
        QString out;
        out.reserve(text.size());
        for (QChar c : text) {
            if (c == u' ' && (out.isEmpty() || QStringView(u" \n(").contains(out.back())))
                continue;
            if (QStringView(u",\n)").contains(c) && out.endsWith(u' '))
                out.chop(1);
            out += c;
        }
        if (out.endsWith(u' '))
            out.chop(1);
        return out;
    }

    QStringView m_in;
    QStringView m_marking;
    qsizetype m_pos = 0;
    qsizetype m_spelledEnd = -1; // where the last marking spelled ends in m_in
    QString m_out;
};

} // namespace

QString spokenText(QStringView shown)
{
    return Reader(shown, {}).read();
}

QString spokenText(QStringView shown, QStringView marking)
{
    return Reader(shown, marking).read();
}

QString spelledMarking(QStringView marking)
{
    QStringList said;
    for (const QChar c : marking) {
        if (isLatinLetter(c))
            said.append(kLetterNames[std::size_t((c.unicode() | 0x20) - u'a')].toString());
        else if (c != u' ')
            said.append(QString(c));
    }
    return said.join(u", "_s);
}

QString spokenMarkings(const smd::Markings &markings)
{
    QStringList forms;
    for (const smd::FormMarkings &form : markings.byForm) {
        QStringList spelled;
        for (const QString &marking : form.texts) {
            const QString other = smd::otherReadingWords(marking, form.form);
            spelled << spelledMarking(marking) +
                           (other.isEmpty() ? QString() : u", "_s + spokenText(other));
        }
        forms << smd::formName(form.form) + u' ' + spelled.join(u" 또는 "_s);
    }
    return forms.join(u". "_s);
}

QString withoutAccessKey(QStringView caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c != u'&') {
            out += c;
            continue;
        }
        if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            out += u'&';
            ++i;
            continue;
        }
        // "(&R)" goes whole, as a caption in Korean marks its key after the
        // words; a lone "&" only marks the letter after it.
        if (out.endsWith(u'(') && i + 2 < caption.size() && caption[i + 2] == u')') {
            out.chop(1);
            i += 2;
            while (out.endsWith(u' '))
                out.chop(1);
        }
    }
    return out;
}

} // namespace colorcode
