#include "colorcode/speech.h"

#include "colorcode/korean.h"

#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace colorcode {

namespace {

constexpr char16_t kOhmSign = u'\u2126';
constexpr char16_t kGreekOmega = u'\u03A9'; // as a tips file may write the ohm

struct Word {
    QStringView symbol;
    QStringView words;
};

// Units read after a number, longest first, so "mA" is not "m" and "A".
// Those spelt in Latin letters count only when no letter follows ("5V", not
// "5Vx").
constexpr std::array<Word, 18> kUnitWords{{
    {u"ppm/K", u"피피엠 퍼 켈빈"},
    {u"ppm", u"피피엠"},
    {u"K\u2126", u"킬로옴"},
    {u"k\u2126", u"킬로옴"},
    {u"M\u2126", u"메가옴"},
    {u"G\u2126", u"기가옴"},
    {u"K\u03A9", u"킬로옴"},
    {u"k\u03A9", u"킬로옴"},
    {u"M\u03A9", u"메가옴"},
    {u"G\u03A9", u"기가옴"},
    {u"\u2126", u"옴"},
    {u"\u03A9", u"옴"},
    {u"mA", u"밀리암페어"},
    {u"mW", u"밀리와트"},
    {u"V", u"볼트"},
    {u"W", u"와트"},
    {u"%", u"퍼센트"},
    {u"\u2103", u"도"}, // "1℃": one degree
}};
// Units that mean the same anywhere, with no number before them: an ohm
// sign always stands for ohms, "ppm" for parts per million.
constexpr std::size_t kUnitsAnywhere = 12;

// Signs read as words wherever they stand. "→" and the "->" of the guide
// join steps of a working: a pause, as a comma gives. "@" in a page's name
// stands for "from one into the other" ("컬러@저항값").
constexpr std::array<Word, 6> kSignWords{{
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

// The digit a raised digit stands for, -1 for the raised minus, -2 for any
// other character.
int raisedDigit(QChar c)
{
    switch (c.unicode()) {
    case 0x2070:
        return 0;
    case 0x00B9:
        return 1;
    case 0x00B2:
        return 2;
    case 0x00B3:
        return 3;
    case 0x207B:
        return -1;
    default:
        if (c.unicode() >= 0x2074 && c.unicode() <= 0x2079)
            return c.unicode() - 0x2070;
        return -2;
    }
}

// "=" is read as the topic particle that fits the words before it.
QStringView particleAfterSpoken(QStringView spoken)
{
    return spokenEnding(spoken) == Ending::Vowel ? u"는" : u"은";
}

class Reader {
public:
    explicit Reader(QStringView shown) : m_in(shown) {}

    QString read()
    {
        while (m_pos < m_in.size()) {
            if (isDigit(m_in[m_pos])) {
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

    qsizetype digitsFrom(qsizetype i) const
    {
        qsizetype end = i;
        while (end < m_in.size() && isDigit(m_in[end]))
            ++end;
        return end;
    }

    // "2,700" is one number; "1/4" a fraction, read "4분의 1"; "4.7" has a
    // point read as 점 and decimals read one by one; "1.0.22" is a version,
    // each point a 점.
    void number()
    {
        qsizetype end = digitsFrom(m_pos);
        QString whole = m_in.sliced(m_pos, end - m_pos).toString();
        while (at(end) == u',' && digitsFrom(end + 1) - (end + 1) == 3) {
            whole += m_in.sliced(end + 1, 3);
            end += 4;
        }
        if (at(end) == u'/' && isDigit(at(end + 1))) {
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

    bool unitAnywhere()
    {
        if (isLatinLetter(at(m_pos - 1)))
            return false;
        for (std::size_t i = 0; i < kUnitsAnywhere; ++i) {
            const Word &unit = kUnitWords[i];
            if (startsWith(unit.symbol)) {
                m_out += unit.words;
                m_pos += unit.symbol.size();
                return true;
            }
        }
        return false;
    }

    // "10²" is "10의 2제곱", "10⁻¹" "10의 마이너스 1제곱".
    bool raised()
    {
        qsizetype end = m_pos;
        QString power;
        for (int d; (d = raisedDigit(at(end))) != -2; ++end)
            power += d == -1 ? u"마이너스 "_s : QString::number(d);
        if (end == m_pos)
            return false;
        m_out += u"의 "_s + power + u"제곱"_s;
        m_pos = end;
        return true;
    }

    bool sign()
    {
        const QChar c = m_in[m_pos];
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
                                                 operand == kOhmSign || operand == kGreekOmega ||
                                                 operand == u'%' || raisedDigit(operand) != -2);
            m_out += between ? u" 빼기 "_s : u" 마이너스 "_s;
            ++m_pos;
            return true;
        }
        for (const Word &sign : kSignWords) {
            if (startsWith(sign.symbol)) {
                m_out += sign.words;
                m_pos += sign.symbol.size();
                return true;
            }
        }
        return false;
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
    qsizetype m_pos = 0;
    QString m_out;
};

} // namespace

QString spokenText(QStringView shown)
{
    return Reader(shown).read();
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
