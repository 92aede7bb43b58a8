#include "colorcode/marking.h"

#include "colorcode/korean.h"

#include "colorcode/colortables.h"
#include "colorcode/numbertext.h"
#include "colorcode/sentences.h"
#include "colorcode/series.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;
using colorcode::Resistance;

namespace smd {

namespace {

// A character shown in quotes, with the particle for how it is read: "'R'은".
QString quotedTopic(const QString &character)
{
    return u"'%1'%2"_s.arg(character, colorcode::particle(character, colorcode::Particle::Topic));
}

// A chip is too small for more.
constexpr qsizetype kLongest = 4;
// A four-digit marking spells three significant digits, as a 5-band code
// does, and no marking more.
constexpr int kMostDigits = colorcode::significantDigits(colorcode::BandCount::Five);

constexpr char32_t kPoint = U'R';

// EIA-96 multiplier letters in the order the code tables list them; R, S and
// H are older letters for the same multipliers as Y, X and B, so the first
// letter of an exponent is the one a marking is written with.
struct MultiplierLetter {
    char32_t letter;
    int exponent;
};
constexpr std::array<MultiplierLetter, 12> kMultiplierLetters{{
    {U'Z', -3},
    {U'Y', -2},
    {U'R', -2},
    {U'X', -1},
    {U'S', -1},
    {U'A', 0},
    {U'B', 1},
    {U'H', 1},
    {U'C', 2},
    {U'D', 3},
    {U'E', 4},
    {U'F', 5},
}};

// The zero-ohm jumper is printed in these ways.
constexpr std::array<QStringView, 6> kJumperMarkings{u"0", u"00", u"000", u"0000", u"0R", u"0R0"};

// The last digit of a digits-only marking counts zeros up to nine.
constexpr int kMostZeros = 9;

// The guide's examples, one for each form.
constexpr std::array<QStringView, 4> kGuideExamples{u"472", u"4701", u"4R7", u"01C"};

const QString kSeparator = u" · "_s;

// Only the ASCII digits and capitals: a full-width digit or a Korean letter
// is as foreign to a marking as a point.
bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool isCapital(char32_t c)
{
    return c >= U'A' && c <= U'Z';
}

int digitOf(char32_t c)
{
    return int(c - U'0');
}

std::optional<int> multiplierOf(char32_t letter)
{
    for (const MultiplierLetter &m : kMultiplierLetters) {
        if (m.letter == letter)
            return m.exponent;
    }
    return std::nullopt;
}

// The entry as a marking is compared: blanks around it trimmed, ASCII
// letters in capitals (only those, so no letter grows into two, as "ß"
// would).
QList<char32_t> normalised(QStringView entry)
{
    QList<char32_t> c;
    for (const char32_t u : entry.trimmed().toUcs4())
        c << ((u >= U'a' && u <= U'z') ? u - U'a' + U'A' : u);
    return c;
}

QString textOf(const QList<char32_t> &c)
{
    return QString::fromUcs4(c.constData(), c.size());
}

// The first character of `c` that fails `fits`, as text for the working.
template <typename Fits> QString firstNot(const QList<char32_t> &c, Fits fits)
{
    const auto it = std::find_if_not(c.begin(), c.end(), fits);
    return it == c.end() ? QString() : QString::fromUcs4(&*it, 1);
}

int numberOf(const QList<char32_t> &digits)
{
    int n = 0;
    for (const char32_t d : digits)
        n = n * 10 + digitOf(d);
    return n;
}

Reading readingOf(Form form, const Resistance &value)
{
    if (value.significand == 0)
        return {Form::Jumper, {0, 2, 0}};
    return {form, value};
}

std::variant<Reading, Refusal> eia96Reading(int code, char32_t letter)
{
    const std::span<const int> e96 = colorcode::seriesValues(colorcode::Series::E96);
    if (code < 1 || code > int(e96.size()))
        return Refusal::NoEia96Code;
    return Reading{Form::Eia96, {e96[std::size_t(code - 1)], 3, *multiplierOf(letter)}};
}

std::variant<Marking, Refusal> digitsOnly(const QList<char32_t> &c, const QString &text)
{
    if (std::all_of(c.begin(), c.end(), [](char32_t d) { return d == U'0'; }))
        return Marking{text, {Form::Jumper, {0, 2, 0}}, std::nullopt};
    if (c.size() < 3)
        return Refusal::TooFewDigits;
    // The last digit always counts zeros, 8 and 9 too.
    const int zeros = digitOf(c.back());
    const QList<char32_t> digits = c.first(c.size() - 1);
    const Form form = c.size() == 3 ? Form::ThreeDigit : Form::FourDigit;
    return Marking{text, readingOf(form, {numberOf(digits), int(digits.size()), zeros}),
                   std::nullopt};
}

std::variant<Marking, Refusal> withMultiplierLetter(const QList<char32_t> &c, const QString &text)
{
    for (const char32_t u : c) {
        if (isCapital(u) && !multiplierOf(u))
            return Refusal::UnknownLetter;
    }
    if (c.size() != 3 || !isDigit(c[0]) || !isDigit(c[1]))
        return Refusal::MisplacedLetter;
    const auto reading = eia96Reading(digitOf(c[0]) * 10 + digitOf(c[1]), c[2]);
    if (const Refusal *refusal = std::get_if<Refusal>(&reading))
        return *refusal;
    return Marking{text, std::get<Reading>(reading), std::nullopt};
}

std::variant<Marking, Refusal> withPoint(const QList<char32_t> &c, const QString &text)
{
    if (std::count(c.begin(), c.end(), kPoint) > 1)
        return Refusal::MoreThanOneR;
    if (c.size() == 1)
        return Refusal::RWithoutDigits;
    const qsizetype point = c.indexOf(kPoint);
    QList<char32_t> digits = c;
    digits.removeAt(point);
    const int after = int(c.size() - 1 - point);
    Marking marking{
        text, readingOf(Form::RPoint, {numberOf(digits), std::max(2, int(digits.size())), -after}),
        std::nullopt};
    // Two digits and an R at the end also number an E96 value: "10R" is 10Ω
    // as an R form and 1.24Ω as an EIA-96 code. Nothing on the chip tells
    // which; 00R and 97R to 99R are no code, so they are R forms alone.
    if (c.size() == 3 && point == 2) {
        const auto eia96 = eia96Reading(numberOf(digits), kPoint);
        if (const Reading *r = std::get_if<Reading>(&eia96))
            marking.eia96 = *r;
    }
    return marking;
}

QString valueText(const Reading &reading)
{
    if (reading.form == Form::Jumper)
        return formName(Form::Jumper);
    return reading.value.text(colorcode::kUnits);
}

// "= 4700Ω = 4.7KΩ", the second only where it says something new.
QString equalsValue(const Resistance &value)
{
    const QString ohms = colorcode::withUnit(value.ohms(), colorcode::kOhm);
    const QString shown = value.text(colorcode::kUnits);
    return shown == ohms ? u" = "_s + ohms : u" = "_s + ohms + u" = "_s + shown;
}

// "4.7KΩ = 4700Ω", or "47Ω" alone.
QString valueAndOhms(const Resistance &value)
{
    const QString ohms = colorcode::withUnit(value.ohms(), colorcode::kOhm);
    const QString shown = value.text(colorcode::kUnits);
    return shown == ohms ? shown : shown + u" = "_s + ohms;
}

QString product(int significand, int exponent)
{
    return u"%1 × %2"_s.arg(significand).arg(colorcode::powerOfTenText(exponent));
}

// "4R7" → "4.7", "R47" → "0.47", "47R" → "47".
QString decimalOfRForm(QStringView marking)
{
    QString d = marking.toString();
    d.replace(QChar(kPoint), u'.');
    if (d.startsWith(u'.'))
        d.prepend(u'0');
    if (d.endsWith(u'.'))
        d.chop(1);
    return d;
}

// "01"
QString codeText(int code)
{
    return u"%1"_s.arg(code, 2, 10, QChar(u'0'));
}

int e96Code(int significand)
{
    const std::span<const int> e96 = colorcode::seriesValues(colorcode::Series::E96);
    const auto it = std::find(e96.begin(), e96.end(), significand);
    return it == e96.end() ? 0 : int(it - e96.begin()) + 1;
}

std::optional<Resistance> withDigits(const Resistance &value, int digits)
{
    return colorcode::resistanceOf(value.ohms(), digits);
}

// The R form of a value below 100Ω in `digits` digits: the whole part
// without leading zeros, R, then the fraction filled up to the digits.
std::optional<QString> rForm(const Resistance &value, int digits)
{
    const std::optional<Resistance> three = withDigits(value, kMostDigits);
    if (!three)
        return std::nullopt;
    // The point falls this many digits into the three.
    const int point = 3 + three->exponent;
    QString all = QString::number(three->significand);
    if (point < 0)
        all.prepend(QString(-point, u'0'));
    const qsizetype wholeLength = std::max(0, point);
    const QString whole = all.left(wholeLength);
    QString fraction = all.mid(wholeLength);
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (whole.size() + fraction.size() > digits)
        return std::nullopt;
    fraction += QString(digits - whole.size() - fraction.size(), u'0');
    return whole + QChar(kPoint) + fraction;
}

bool belowHundredOhms(const Resistance &value)
{
    return value.wholeDigits() <= 2;
}

QString refusalHead(Refusal refusal)
{
    switch (refusal) {
    case Refusal::Empty:
        return u"표시를 입력하세요."_s;
    case Refusal::TooLong:
        return u"표시는 네 글자를 넘지 않습니다."_s;
    case Refusal::ForeignCharacter:
        return u"표시에는 숫자와 영문자만 씁니다."_s;
    case Refusal::TooFewDigits:
        return u"숫자로만 된 표시는 세 자리나 네 자리입니다."_s;
    case Refusal::UnknownLetter:
        return u"표시에 쓰지 않는 글자가 있습니다."_s;
    case Refusal::MoreThanOneR:
        return u"소수점을 뜻하는 R은 하나만 씁니다."_s;
    case Refusal::RWithoutDigits:
        return u"R 앞이나 뒤에 숫자가 있어야 합니다."_s;
    case Refusal::MisplacedLetter:
        return u"EIA-96 표시의 글자는 두 숫자 뒤에 하나만 옵니다."_s;
    case Refusal::NoEia96Code:
        return u"EIA-96 표시의 번호는 01부터 96까지입니다."_s;
    }
    return {};
}

// For digits typed where a marking was expected: the markings of those
// digits read as ohms.
QString markingsOfDigits(const QString &digits)
{
    const auto written = markingsOf(digits, colorcode::kOhm);
    if (const Markings *m = std::get_if<Markings>(&written))
        return u" %1Ω이라면: %2"_s.arg(digits, markingsText(*m));
    return {};
}

QString refusalExplanation(const QList<char32_t> &c, Refusal refusal)
{
    const QString text = textOf(c);
    switch (refusal) {
    case Refusal::Empty:
        return u"표시를 입력하세요. 예: 472, 4701, 4R7, 01C"_s;
    case Refusal::TooLong: {
        const bool digits = std::all_of(c.begin(), c.end(), isDigit);
        return u"%1 %2글자입니다. 칩 저항의 표시는 네 글자까지입니다.%3"_s.arg(
            colorcode::withParticle(text, colorcode::Particle::Topic), QString::number(c.size()),
            digits ? markingsOfDigits(text) : QString());
    }
    case Refusal::ForeignCharacter:
        return u"%1 표시에 쓰지 않습니다. 소수점은 R로 씁니다: 4.7Ω은 4R7."_s.arg(
            quotedTopic(firstNot(c, [](char32_t u) { return isDigit(u) || isCapital(u); })));
    case Refusal::TooFewDigits:
        return u"숫자로만 된 표시의 마지막 숫자는 붙일 0의 개수입니다: 470 = 47 × 10⁰ = 47Ω."_s +
               markingsOfDigits(text);
    case Refusal::UnknownLetter:
        return u"%1 표시에 쓰지 않는 글자입니다. R은 소수점이고, EIA-96의 끝 글자는 "
               "Z Y R X S A B H C D E F 가운데 하나입니다."_s.arg(quotedTopic(
                   firstNot(c, [](char32_t u) { return !isCapital(u) || multiplierOf(u); })));
    case Refusal::MoreThanOneR:
        return u"%1에는 R이 %2개 있습니다. R은 소수점이라 하나만 씁니다: 4R7 = 4.7Ω."_s.arg(
            text, QString::number(std::count(c.begin(), c.end(), kPoint)));
    case Refusal::RWithoutDigits:
        return u"R은 소수점이라 숫자 사이나 앞뒤에 씁니다: R47 = 0.47Ω, 4R7 = 4.7Ω, 47R = 47Ω."_s;
    case Refusal::MisplacedLetter:
        return u"EIA-96 표시는 두 숫자(E96 값의 번호) 뒤에 승수 글자 하나입니다: 01C = 10KΩ. "
               "%1 그 꼴이 아닙니다."_s.arg(
                   colorcode::withParticle(text, colorcode::Particle::Topic));
    case Refusal::NoEia96Code:
        return u"E96 값은 96개라 EIA-96 번호는 01부터 96까지입니다. %1번은 없습니다."_s.arg(
            text.left(2));
    }
    return {};
}

// The other value of a marking that reads two ways ("10R": 1.24Ω as an
// EIA-96 code beside 10Ω as an R form), seen from `form`; nothing for a
// marking that reads one way.
std::optional<Reading> otherReading(const QString &text, Form form)
{
    const auto read = readMarking(text);
    const Marking *m = std::get_if<Marking>(&read);
    if (!m || !m->eia96 || m->eia96->value.ohms() == m->reading.value.ohms())
        return std::nullopt;
    return form == Form::Eia96 ? m->reading : *m->eia96;
}

// The markings that read one way before those that read two: "10R0, 10R"
// for 10Ω; the letters Y and X come before R and S already.
QStringList oneWayFirst(QStringList markings, Form form)
{
    std::stable_partition(markings.begin(), markings.end(),
                          [form](const QString &text) { return !otherReading(text, form); });
    return markings;
}

// The markings of one form joined by ", ", each that reads two ways with
// the words that say so: "10Y, 10R(R 표기로는 10Ω)".
QString writtenWithReadings(const FormMarkings &f)
{
    QStringList texts;
    for (const QString &text : f.texts) {
        const QString other = otherReadingWords(text, f.form);
        texts << (other.isEmpty() ? text : u"%1(%2)"_s.arg(text, other));
    }
    return texts.join(u", ");
}

} // namespace

QString otherReadingWords(const QString &marking, Form form)
{
    const std::optional<Reading> other = otherReading(marking, form);
    if (!other)
        return {};
    return u"%1는 %2"_s.arg(
        colorcode::withParticle(formName(other->form), colorcode::Particle::Direction),
        valueText(*other));
}

QString formName(Form form)
{
    switch (form) {
    case Form::ThreeDigit:
        return u"3자리"_s;
    case Form::FourDigit:
        return u"4자리"_s;
    case Form::RPoint:
        return u"R 표기"_s;
    case Form::Eia96:
        return u"EIA-96"_s;
    case Form::Jumper:
        return u"0%1 점퍼"_s.arg(colorcode::kOhm);
    }
    return {};
}

std::variant<Marking, Refusal> readMarking(QStringView entry)
{
    const QList<char32_t> c = normalised(entry);
    if (c.isEmpty())
        return Refusal::Empty;
    if (c.size() > kLongest)
        return Refusal::TooLong;
    if (!std::all_of(c.begin(), c.end(), [](char32_t u) { return isDigit(u) || isCapital(u); }))
        return Refusal::ForeignCharacter;
    const QString text = textOf(c);
    if (std::all_of(c.begin(), c.end(), isDigit))
        return digitsOnly(c, text);
    if (std::any_of(c.begin(), c.end(), [](char32_t u) { return isCapital(u) && u != kPoint; }))
        return withMultiplierLetter(c, text);
    return withPoint(c, text);
}

QString markingValueText(const Marking &marking)
{
    const QString first = valueText(marking.reading);
    if (!marking.eia96 || marking.eia96->value.ohms() == marking.reading.value.ohms())
        return first;
    return u"%1 또는 %2"_s.arg(first, valueText(*marking.eia96));
}

QString readingWorking(QStringView marking, const Reading &reading)
{
    const Resistance &v = reading.value;
    switch (reading.form) {
    case Form::ThreeDigit:
    case Form::FourDigit: {
        QStringList digits;
        for (const QChar d : marking)
            digits << QString(d);
        return u"%1 → %2%3"_s.arg(digits.join(u", "), product(v.significand, v.exponent),
                                  equalsValue(v));
    }
    case Form::RPoint: {
        const QString decimal = decimalOfRForm(marking) + colorcode::kOhm.toString();
        const QString shown = v.text(colorcode::kUnits);
        return u"%1: R이 소수점 → %2"_s.arg(marking, decimal == shown ? decimal
                                                                      : decimal + u" = "_s + shown);
    }
    case Form::Eia96:
        return u"%1: %2 → E96의 %3번째 값 %4, %5 → × %6, %7%8"_s.arg(
            marking, marking.left(2), QString::number(e96Code(v.significand)),
            QString::number(v.significand), marking.mid(2, 1),
            colorcode::powerOfTenText(v.exponent), product(v.significand, v.exponent),
            equalsValue(v));
    case Form::Jumper:
        return u"%1: %2 — 저항이 아니라 두 곳을 잇는 연결선입니다."_s.arg(marking,
                                                                          formName(Form::Jumper));
    }
    return {};
}

QString markingWorking(QStringView entry, const std::variant<Marking, Refusal> &result)
{
    if (const Refusal *refusal = std::get_if<Refusal>(&result))
        return refusalExplanation(normalised(entry), *refusal);
    const Marking &m = std::get<Marking>(result);
    if (!m.eia96)
        return readingWorking(m.text, m.reading);
    // Short enough for the working line's two lines.
    const Reading &e = *m.eia96;
    const QString both = u"%1: R이 소수점이면 %2, EIA-96 코드면 E96의 %3번째 값 %4 = %5."_s.arg(
        m.text, valueText(m.reading), QString::number(e96Code(e.value.significand)),
        product(e.value.significand, e.value.exponent), valueText(e));
    if (m.eia96->value.ohms() == m.reading.value.ohms())
        return both + u" 어느 쪽으로 읽어도 값이 같습니다."_s;
    return both + u" 어느 쪽인지는 부품의 데이터시트로 확인하세요."_s;
}

QString refusalMessage(Refusal refusal)
{
    return refusalHead(refusal) + u"\n"_s +
           u"SMD 저항의 표시는 472(3자리), 4701(4자리), 4R7(R이 소수점), 01C(EIA-96)처럼 "
           "씁니다. 다시 입력하세요!"_s;
}

QStringList markingsIn(Form form, const Resistance &value)
{
    const bool zero = value.significand == 0;
    if (form == Form::Jumper)
        return zero ? colorcode::itemTexts(kJumperMarkings) : QStringList();
    if (zero)
        return {};
    switch (form) {
    case Form::ThreeDigit:
    case Form::FourDigit: {
        const int digits = form == Form::ThreeDigit ? 2 : 3;
        const std::optional<Resistance> r = withDigits(value, digits);
        if (!r || r->exponent < 0 || r->exponent > kMostZeros)
            return {};
        return {QString::number(r->significand) + QString::number(r->exponent)};
    }
    case Form::RPoint: {
        if (!belowHundredOhms(value))
            return {};
        QStringList forms;
        for (const int digits : {2, 3}) {
            if (const std::optional<QString> r = rForm(value, digits))
                forms << *r;
        }
        return oneWayFirst(forms, form);
    }
    case Form::Eia96: {
        const std::optional<Resistance> r = withDigits(value, kMostDigits);
        const int code = r ? e96Code(r->significand) : 0;
        if (code == 0)
            return {};
        QStringList forms;
        for (const MultiplierLetter &m : kMultiplierLetters) {
            if (m.exponent == r->exponent)
                forms << codeText(code) + QString::fromUcs4(&m.letter, 1);
        }
        return oneWayFirst(forms, form);
    }
    case Form::Jumper:
        break;
    }
    return {};
}

std::variant<Markings, ValueRefusal> markingsOf(QStringView entry, QStringView unit)
{
    if (entry.trimmed().isEmpty())
        return ValueRefusal::Empty;
    const std::optional<double> number = colorcode::parseNumber(entry);
    if (!number)
        return ValueRefusal::NotANumber;
    if (*number < 0)
        return ValueRefusal::BelowZero;
    const std::optional<double> ohms = colorcode::enteredOhms(entry, unit);
    if (!ohms)
        return ValueRefusal::NoUnit;
    // Rounded to fifteen digits on the way, so 4.7 KΩ is exactly 47 × 10².
    const std::optional<Resistance> value = colorcode::resistanceOf(*ohms, kMostDigits);
    if (!value)
        return ValueRefusal::NoMarking;
    Markings markings{*value, {}};
    for (const Form form :
         {Form::ThreeDigit, Form::FourDigit, Form::RPoint, Form::Eia96, Form::Jumper}) {
        const QStringList texts = markingsIn(form, *value);
        if (!texts.isEmpty())
            markings.byForm.push_back({form, texts});
    }
    if (markings.byForm.empty())
        return ValueRefusal::NoMarking;
    return markings;
}

QString markingsText(const Markings &markings)
{
    QStringList parts;
    for (const FormMarkings &f : markings.byForm)
        parts << formName(f.form) + u' ' + writtenWithReadings(f);
    return parts.join(kSeparator);
}

QString markingsWorking(QStringView entry, QStringView unit,
                        const std::variant<Markings, ValueRefusal> &result)
{
    if (const Markings *m = std::get_if<Markings>(&result)) {
        const Resistance &v = m->value;
        QStringList steps;
        for (const FormMarkings &f : m->byForm) {
            const QString written = formName(f.form) + u' ' + writtenWithReadings(f);
            switch (f.form) {
            case Form::ThreeDigit:
            case Form::FourDigit: {
                const Resistance r = *withDigits(v, f.form == Form::ThreeDigit ? 2 : 3);
                steps << product(r.significand, r.exponent) + u" → "_s + written;
                break;
            }
            case Form::RPoint:
                steps << u"소수점을 R로 → "_s + written;
                break;
            case Form::Eia96:
                steps << u"E96의 %1번째 값 %2 → "_s.arg(e96Code(v.significand))
                                 .arg(product(v.significand, v.exponent)) +
                             written;
                break;
            case Form::Jumper:
                steps << written;
                break;
            }
        }
        return valueAndOhms(v) + u": "_s + steps.join(u", ");
    }
    switch (std::get<ValueRefusal>(result)) {
    case ValueRefusal::Empty:
        return colorcode::enterValueSentence();
    case ValueRefusal::NotANumber:
        return u"저항값은 4.7처럼 숫자와 소수점 하나로 입력하고, 단위는 목록에서 고르세요."_s;
    case ValueRefusal::BelowZero:
        return u"저항값은 0 이상입니다."_s;
    case ValueRefusal::NoUnit:
        return colorcode::pickUnitSentence();
    case ValueRefusal::NoMarking:
        break;
    }
    const QString typed = entry.trimmed().toString() + unit.toString();
    const std::optional<double> entered = colorcode::enteredOhms(entry, unit);
    if (!entered)
        return valueRefusalMessage(ValueRefusal::NoMarking);
    const double ohms = *entered;
    if (!colorcode::resistanceOf(ohms, kMostDigits)) {
        const auto below = colorcode::seriesAtOrBelow(colorcode::Series::E96, ohms);
        const auto above = colorcode::seriesAtOrAbove(colorcode::Series::E96, ohms);
        QString out = colorcode::tooManyDigitsSentence(typed);
        if (below && above)
            out += u" 가까운 E96 값: %1, %2"_s.arg(below->text(colorcode::kUnits),
                                                   above->text(colorcode::kUnits));
        return out;
    }
    if (ohms < 1)
        return u"%1 너무 작아 표시로 쓸 수 없습니다. R 뒤에는 숫자가 세 개까지라 가장 작은 "
               "표시는 R001 = 0.001Ω입니다."_s.arg(
                   colorcode::withParticle(typed, colorcode::Particle::Topic));
    return u"%1 너무 커서 표시로 쓸 수 없습니다. 가장 큰 표시는 9999 = 999GΩ입니다."_s.arg(
        colorcode::withParticle(typed, colorcode::Particle::Topic));
}

QString valueRefusalMessage(ValueRefusal refusal)
{
    switch (refusal) {
    case ValueRefusal::Empty:
        return colorcode::enterValueSentence();
    case ValueRefusal::NotANumber:
        return u"숫자로 읽을 수 없는 값입니다. 4.7처럼 숫자와 소수점으로 입력하세요!"_s;
    case ValueRefusal::BelowZero:
        return u"저항값은 0보다 작을 수 없습니다. 다시 입력하세요!"_s;
    case ValueRefusal::NoUnit:
        return colorcode::pickUnitSentence();
    case ValueRefusal::NoMarking:
        return u"SMD 저항의 표시로 쓸 수 없는 값입니다. 다시 입력하세요!"_s;
    }
    return {};
}

QString readingGuide()
{
    QStringList lines;
    for (const QStringView example : kGuideExamples) {
        const Marking m = std::get<Marking>(readMarking(example));
        const Resistance &v = m.reading.value;
        QString line = formName(m.reading.form) + u": "_s + m.text;
        switch (m.reading.form) {
        case Form::ThreeDigit:
        case Form::FourDigit:
            line += u" = %1 = %2 (마지막 숫자는 0의 개수)"_s.arg(product(v.significand, v.exponent),
                                                                 v.text(colorcode::kUnits));
            break;
        case Form::RPoint:
            line += u" = %1 (R이 소수점)"_s.arg(v.text(colorcode::kUnits));
            break;
        case Form::Eia96:
            line += u" = %1 = %2 (E96 값의 번호와 승수 글자)"_s.arg(
                product(v.significand, v.exponent), v.text(colorcode::kUnits));
            break;
        case Form::Jumper:
            break;
        }
        lines << line;
    }
    // Not a resistor but printed like one.
    lines << u"%1: %2"_s.arg(formName(Form::Jumper), QStringList{kJumperMarkings[0].toString(),
                                                                 kJumperMarkings[2].toString(),
                                                                 kJumperMarkings[4].toString()}
                                                         .join(u", "));
    return lines.join(u'\n');
}

} // namespace smd
