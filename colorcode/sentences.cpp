#include "colorcode/sentences.h"

#include "colorcode/colortables.h"
#include "colorcode/korean.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace colorcode {

namespace {

// The multiplier of a real resistor goes down to silver, ×0.01.
constexpr int kLowestMultiplier = -2;

} // namespace

QString enterValueSentence()
{
    return u"저항값을 입력하세요. 예: 4.7"_s + kKiloOhm.toString();
}

QString pickUnitSentence()
{
    QStringList units;
    for (const QStringView unit : kUnitList)
        units << unit.toString();
    return u"단위는 %1 가운데 하나를 고르세요."_s.arg(units.join(u", "));
}

QString tooManyDigitsSentence(QStringView typed)
{
    const int most = significantDigits(BandCount::Five);
    return u"%1 유효숫자가 %2자리 이상입니다. 색띠와 표시는 유효숫자 %3자리까지 나타냅니다."_s.arg(
        withParticle(typed, Particle::Topic), QString::number(most + 1), QString::number(most));
}

QString saveFailedSentence(QStringView what, QStringView path)
{
    return u"%1 저장하지 못했습니다:\n%2\n\n폴더가 있는지, 쓸 수 있는 곳인지 확인하고 다른 곳에 "
           "저장해 보십시오."_s.arg(withParticle(what, Particle::Object), path);
}

std::optional<QString> realCodeBelowTen(double ohms)
{
    const std::optional<Resistance> two = resistanceOf(ohms, significantDigits(BandCount::Four));
    if (!two || two->significand == 0 || two->exponent >= 0 || two->exponent < kLowestMultiplier)
        return std::nullopt;
    return u"실제 저항에는 "_s + bandWords(*two);
}

} // namespace colorcode
