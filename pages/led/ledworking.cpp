#include "pages/led/ledworking.h"

#include "colorcode/numbertext.h"
#include "colorcode/sentences.h"

using namespace Qt::StringLiterals;

namespace led {

namespace {

// More than any LED a beginner meets draws, in milliamperes.
constexpr double kLargestLedCurrent = 1000;

QString refusalWorking(const InputRefusal &refusal)
{
    switch (refusal.problem) {
    case InputProblem::Missing:
        return u"공급전압, LED전압, LED전류를 모두 입력해야 저항값을 구할 수 있습니다."_s;
    case InputProblem::NotANumber:
        return u"%1 값이 숫자가 아니라서 계산하지 않았습니다."_s.arg(inputName(refusal.input));
    case InputProblem::CurrentNotPositive:
        return u"LED전류가 0보다 커야 저항값을 구할 수 있습니다."_s;
    case InputProblem::LedAboveSupply:
        return u"LED전압이 공급전압보다 높으면 저항에 걸릴 전압이 없어 저항값이 없습니다."_s;
    }
    return {};
}

QString number(QStringView text)
{
    return colorcode::numberText(colorcode::parseNumber(text).value_or(0));
}

} // namespace

QString ledWorking(QStringView supply, QStringView ledVoltage, QStringView current,
                   const Outcome &outcome)
{
    if (const auto *refusal = std::get_if<InputRefusal>(&outcome))
        return refusalWorking(*refusal);
    const Calculation &c = std::get<Calculation>(outcome);
    const QString quotient =
        u"(%1V − %2V) ÷ %3mA = %4"_s.arg(number(supply), number(ledVoltage), number(current),
                                         colorcode::withUnit(c.exactOhms, colorcode::kOhm));
    if (c.refused)
        return quotient + u" → 100GΩ 이상은 4색 코드로 나타낼 수 없습니다."_s;
    // No room for a resistor: the page shows 0Ω, and the learner hears why.
    if (c.value.significand == 0) {
        if (c.exactOhms == 0)
            return quotient + u" → 공급전압과 LED전압이 같아 저항에 걸릴 전압이 없습니다. "
                              "저항을 넣으려면 공급전압이 LED전압보다 높아야 합니다."_s;
        const bool hugeCurrent = colorcode::parseNumber(current).value_or(0) > kLargestLedCurrent;
        return quotient +
               (hugeCurrent ? u" → 전류가 너무 커서 저항값이 1Ω보다 작습니다. LED전류는 보통 "
                              "20mA 안팎입니다."_s
                            : u" → 공급전압이 LED전압보다 조금밖에 높지 않아 저항값이 1Ω보다 "
                              "작습니다."_s) +
               u" 1Ω보다 작은 저항은 색띠로 나타낼 수 없습니다."_s;
    }
    QString out = u"%1 → 유효숫자 두 자리: %2 → %3"_s.arg(quotient, c.value.text(colorcode::kUnits),
                                                          colorcode::bandWords(c.value));
    // Below 10Ω the page paints two digits with a black first band, as it
    // always has; a resistor one buys carries a gold or silver multiplier.
    if (const std::optional<QString> real = colorcode::realCodeBelowTen(c.value.ohms()))
        out += u"("_s + *real + u")"_s;
    return out;
}

} // namespace led
