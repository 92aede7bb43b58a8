#pragma once

// The markings printed on surface-mount chip resistors (IEC 60062, EIA-96),
// read into a value and written from one, with the learner's working.
//
// A marking is at most four characters: three or four digits whose last one
// counts the zeros ("472" is 47 and two zeros), digits with R for the decimal
// point ("4R7"), or two digits numbering an E96 value and a letter for its
// multiplier ("01C"). Two digits 01 to 96 and an R are both an R form and an
// EIA-96 code; such a marking is read both ways and the learner is told so.

#include "colorcode/resistance.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <variant>
#include <vector>

namespace smd {

// How a marking writes its value.
enum class Form {
    ThreeDigit, // "472": two digits, then the count of zeros
    FourDigit,  // "4701": three digits, then the count of zeros
    RPoint,     // "4R7", "R47", "1R00", "97R": R stands for the decimal point
    Eia96,      // "01C": the number of an E96 value, then its multiplier letter
    Jumper,     // "0", "000", "0R": a zero-ohm link, no resistor at all
};

// "3자리", "4자리", "R 표기", "EIA-96", "0Ω 점퍼"
QString formName(Form form);

struct Reading {
    Form form = Form::ThreeDigit;
    colorcode::Resistance value;

    friend bool operator==(const Reading &, const Reading &) = default;
};

struct Marking {
    QString text;    // as read: blanks trimmed, letters upper case: "4R7"
    Reading reading; // for a marking read both ways, the R form
    // The EIA-96 reading of a marking read both ways ("10R": 1.24Ω); unset
    // for every other marking.
    std::optional<Reading> eia96;

    friend bool operator==(const Marking &, const Marking &) = default;
};

enum class Refusal {
    Empty,            // nothing but blanks
    TooLong,          // more than four characters
    ForeignCharacter, // a character that is neither an ASCII digit nor a Latin letter: "4.7"
    TooFewDigits,     // one or two digits, not all zero: "5", "47"
    UnknownLetter,    // a letter no marking uses: "4K7", "47Q"
    MoreThanOneR,     // "RR", "4R7R"
    RWithoutDigits,   // "R" alone
    MisplacedLetter,  // a multiplier letter anywhere but after two digits: "C01", "4C7"
    NoEia96Code,      // a multiplier letter after 00 or 97 to 99: "97C", "00A"
};

// The marking of an entry: blanks around it are trimmed and lower-case
// letters read as capitals. 8 and 9 as the last of three or four digits are
// ten to the eighth and ninth, nothing else: "479" is 47GΩ. Every marking
// whose value is zero ("0", "00", "000", "0000", "0R", "0R0", "R00") is the
// jumper.
std::variant<Marking, Refusal> readMarking(QStringView entry);

// The value a marking stands for, as the page writes it: "4.7KΩ", "47GΩ",
// "0Ω 점퍼"; both values of a marking read both ways ("10Ω 또는 1.24Ω")
// unless they are one.
QString markingValueText(const Marking &marking);

// How one reading comes from the marking, in words: "4, 7, 2 → 47 × 10² =
// 4700Ω = 4.7KΩ", "4R7: R이 소수점 → 4.7Ω", "01C: E96의 01번 값 100, C는
// × 10² → 100 × 10² = 10000Ω = 10KΩ".
QString readingWorking(QStringView marking, const Reading &reading);

// The working line after the read button: the reading's working; for a
// marking read both ways, both values in short and the advice to look at
// the part's datasheet; for a refusal, what is wrong with the entry and what
// a marking looks like instead.
QString markingWorking(QStringView entry, const std::variant<Marking, Refusal> &result);

// The message box of a refusal: what is wrong, then what a marking looks
// like.
QString refusalMessage(Refusal refusal);

// Every marking of `form` that writes `value`, those that read one way
// first ("10R0" before "10R", which is also an EIA-96 code), then the usual
// one first; none
// when the form cannot write it. Three and four digits write 10Ω and up and
// 100Ω and up, to 99GΩ and 999GΩ; the R forms values below 100Ω in three or
// four characters ("4R7", "4R70"); EIA-96 the E96 values from 0.1Ω to
// 97.6MΩ, each multiplier letter that means the same ("01X", "01S"). The
// jumper is the one form of zero.
QStringList markingsIn(Form form, const colorcode::Resistance &value);

// The value-to-marking side of the page.
enum class ValueRefusal {
    Empty,      // no value typed
    NotANumber, // not a plain decimal number ("4k7", "1e3")
    BelowZero,  // a negative value
    NoUnit,     // a unit that is none of "Ω", "KΩ", "MΩ"
    NoMarking,  // a value no marking writes: four or more significant digits, or out of range
};

struct FormMarkings {
    Form form = Form::ThreeDigit;
    QStringList texts;

    friend bool operator==(const FormMarkings &, const FormMarkings &) = default;
};

struct Markings {
    colorcode::Resistance value;      // with three digits: 4.7KΩ is 470 × 10¹
    std::vector<FormMarkings> byForm; // in the order of Form, forms that cannot write it left out

    friend bool operator==(const Markings &, const Markings &) = default;
};

// Every marking that writes the value of an entry in a unit among "Ω",
// "KΩ", "MΩ", compared exactly.
std::variant<Markings, ValueRefusal> markingsOf(QStringView entry, QStringView unit);

// The words that say a marking reads two ways, seen from the form it was
// written in: "EIA-96으로는 3.01Ω" for "47R" as an R form, "R 표기로는 10Ω"
// for "10R" as an EIA-96 code; empty for a marking that reads one way.
QString otherReadingWords(const QString &marking, Form form);

// "3자리 103 · 4자리 1002 · EIA-96 01C"; the markings of one form joined by
// ", ", each that reads two ways with the words that say so: "R 표기 10R0,
// 10R(EIA-96으로는 1.24Ω)".
QString markingsText(const Markings &markings);

// The working line after the markings button: how each form writes the
// value, "10KΩ = 10000Ω: 10 × 10³ → 3자리 103, 100 × 10² → 4자리 1002, E96의
// 01번 값 100 × 10² → EIA-96 01C"; for a refusal, why no marking writes it.
QString markingsWorking(QStringView entry, QStringView unit,
                        const std::variant<Markings, ValueRefusal> &result);

// The message box of a value refusal.
QString valueRefusalMessage(ValueRefusal refusal);

// The short guide on the page: the four forms with one example each, the
// examples read by the rules above, and the jumper's markings.
QString readingGuide();

} // namespace smd
