#include "pages/value_to_color/working.h"

#include "colorcode/korean.h"
#include "colorcode/numbertext.h"
#include "colorcode/resistance.h"
#include "colorcode/sentences.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace valuetocolor {

namespace {

// ", 금색(±5%)": the tolerance band after the value bands, when the text is
// one of the list's.
QString toleranceWords(QStringView tolerance, std::span<const QStringView> offered)
{
    const colorcode::ToleranceEntry *t = colorcode::toleranceOf(tolerance, offered);
    if (!t)
        return {};
    return u", "_s + t->colourWord.toString() + u"("_s + t->text.toString() + u")"_s;
}

QString fiveBandRefusalWorking(QStringView entry, QStringView unit, FiveBandRefusal refusal)
{
    const QString typed = entry.toString() + unit.toString();
    switch (refusal) {
    case FiveBandRefusal::Empty:
        return colorcode::enterValueSentence();
    case FiveBandRefusal::NotANumber:
        return u"색띠는 0부터 9까지의 숫자만 나타냅니다. 4.75처럼 숫자와 소수점 하나로 "
               "입력하세요."_s;
    case FiveBandRefusal::NoUnit:
        return colorcode::pickUnitSentence();
    case FiveBandRefusal::OutOfRange:
        return u"5색 코드로 나타낼 수 있는 값은 %1부터 %2까지입니다. %3 그 범위 밖입니다."_s.arg(
            kFiveBandLowest.text(colorcode::kListUnits),
            kFiveBandHighest.text(colorcode::kListUnits),
            colorcode::withParticle(typed, colorcode::Particle::Topic));
    case FiveBandRefusal::TooManyDigits: {
        QString out = colorcode::tooManyDigitsSentence(typed);
        const std::optional<double> ohms = colorcode::enteredOhms(entry, unit);
        if (const std::optional<colorcode::Resistance> e96 =
                ohms ? nearestFiveBandE96(*ohms) : std::nullopt) {
            out += u" 가장 가까운 E96 값: %1 → %2"_s.arg(e96->text(colorcode::kListUnits),
                                                         colorcode::bandWords(*e96));
        }
        return out;
    }
    }
    return {};
}

QString fiveBandHint(double ohms)
{
    const std::optional<colorcode::Resistance> five =
        colorcode::resistanceOf(ohms, colorcode::significantDigits(colorcode::BandCount::Five));
    if (!five || five->exponent < -2 || five->exponent > 9)
        return {};
    return u" 5색 저항이라면: "_s + colorcode::bandWords(*five);
}

// The entry of at most three characters that the encoder takes for the same
// value, written as the page writes values: "1KΩ" for 1000 Ω.
QString shortEntry(double ohms, QStringView tolerance)
{
    const std::optional<colorcode::Resistance> two =
        colorcode::resistanceOf(ohms, colorcode::significantDigits(colorcode::BandCount::Four));
    if (!two)
        return {};
    const colorcode::Unit &unit = two->unit(colorcode::kListUnits);
    const QString number = colorcode::numberText(two->inUnit(unit));
    const auto result = encodeValue(number, unit.suffix, tolerance);
    const auto *bands = std::get_if<FourBands>(&result);
    if (!bands || !bands->value || bands->value->ohms() != two->ohms())
        return {};
    return number + unit.suffix.toString();
}

QString refusalWorking(QStringView entry, QStringView unit, QStringView tolerance, Refusal refusal)
{
    const QString typed = entry.toString() + unit.toString();
    const std::optional<double> ohms = colorcode::enteredOhms(entry, unit);
    switch (refusal) {
    case Refusal::NoFourBandCode: {
        // Two digits below 10 Ω need a gold or silver multiplier, which this
        // page does not paint; three digits need a third digit band.
        if (const std::optional<QString> real =
                ohms ? colorcode::realCodeBelowTen(*ohms) : std::nullopt)
            return u"%1처럼 10Ω 미만의 소수는 금색·은색 승수가 필요해 여기서는 나타낼 수 "
                   "없습니다. %2"_s.arg(typed, *real);
        return u"%1 유효숫자가 세 자리라 4색 코드가 없습니다.%2"_s.arg(
            colorcode::withParticle(typed, colorcode::Particle::Topic),
            ohms ? fiveBandHint(*ohms) : QString());
    }
    case Refusal::TooManyCharacters: {
        const QString shorter = ohms ? shortEntry(*ohms, tolerance) : QString();
        if (!shorter.isEmpty())
            return u"네 글자 이상은 읽지 않습니다. 같은 값을 %1 입력하세요."_s.arg(
                colorcode::withParticle(shorter, colorcode::Particle::Direction));
        const QString five = ohms ? fiveBandHint(*ohms) : QString();
        if (!five.isEmpty())
            return u"네 글자 이상은 읽지 않습니다. 유효숫자가 세 자리라 4색 코드가 없습니다.%1"_s
                .arg(five);
        return u"네 글자 이상은 읽지 않습니다. 4.7처럼 세 글자 이하로 입력하세요."_s;
    }
    case Refusal::SilentlyCleared: {
        const QString number =
            ohms ? colorcode::numberText(*colorcode::parseNumber(entry)) : QString();
        return u"%1 %2 같습니다. \"%3\"%4 입력하세요."_s.arg(
            colorcode::withParticle(typed, colorcode::Particle::Topic),
            colorcode::withParticle(number + unit.toString(), colorcode::Particle::With), number,
            colorcode::particle(number, colorcode::Particle::Object));
    }
    case Refusal::NotADigit:
        return u"색띠는 0부터 9까지의 숫자만 나타냅니다. 4.7처럼 숫자와 소수점 하나로 "
               "입력하세요."_s;
    }
    return {};
}

} // namespace

QString encodingWorking(QStringView entry, QStringView unit, QStringView tolerance,
                        const std::variant<FourBands, Refusal> &result)
{
    if (const Refusal *refusal = std::get_if<Refusal>(&result))
        return refusalWorking(entry, unit, tolerance, *refusal);
    const FourBands &bands = std::get<FourBands>(result);
    if (!bands.value) {
        if (entry.isEmpty())
            return colorcode::enterValueSentence();
        return colorcode::pickUnitSentence();
    }
    const colorcode::Resistance &value = *bands.value;
    QString out = u"%1%2 = %3 = %4%5 × %6 → %7"_s.arg(
        entry.toString(), unit.toString(), colorcode::withUnit(value.ohms(), colorcode::kOhm),
        QString::number(value.digit(0)), QString::number(value.digit(1)),
        colorcode::powerOfTenText(value.exponent), colorcode::bandWords(value));
    return out + toleranceWords(tolerance, colorcode::kEncoderTolerances);
}

QString fiveBandWorking(QStringView entry, QStringView unit, QStringView tolerance,
                        const std::variant<FiveBands, FiveBandRefusal> &result)
{
    if (const FiveBandRefusal *refusal = std::get_if<FiveBandRefusal>(&result))
        return fiveBandRefusalWorking(entry, unit, *refusal);
    const colorcode::Resistance &value = std::get<FiveBands>(result).value;
    return u"%1%2 = %3 = %4 × %5 → %6"_s.arg(entry.toString(), unit.toString(),
                                             colorcode::withUnit(value.ohms(), colorcode::kOhm),
                                             QString::number(value.significand),
                                             colorcode::powerOfTenText(value.exponent),
                                             colorcode::bandWords(value)) +
           toleranceWords(tolerance, colorcode::kFiveBandTolerances);
}

} // namespace valuetocolor
