#include "pages/value_to_color/encoder.h"

#include <QList>

using namespace Qt::StringLiterals;

namespace valuetocolor {

namespace {

constexpr uint kPoint = U'.';

// Only the ASCII digits: an Arabic-Indic or full-width digit is as foreign
// to a colour code as a letter.
bool isDigit(uint c)
{
    return c >= U'0' && c <= U'9';
}

int digitOf(uint c)
{
    return int(c - U'0');
}

ValueBand band(std::optional<int> d)
{
    // An unset digit reads as empty but paints as 0 does.
    return {d ? QString::number(*d) : QString(),
            colorcode::digitColor(d.value_or(0), colorcode::Palette::Encoder)};
}

// Two digit bands and the multiplier, as the entry's characters give them.
colorcode::Resistance decoded(int first, int second, int exponent)
{
    return {first * 10 + second, 2, exponent};
}

// The entry's characters must be digits wherever the rules below read a
// digit or compare a character with zero. The one "." they know of stands
// second of three characters; anywhere else ("5.", ".5", "4..") it would be
// taken for a digit, and "40." would come out as 400 ohms.
bool onlyDigitsWhereRead(const QList<uint> &c)
{
    for (qsizetype i = 0; i < c.size(); ++i) {
        if (isDigit(c[i]))
            continue;
        if (c.size() == 3 && i == 1 && c[i] == kPoint)
            continue;
        return false;
    }
    return true;
}

std::variant<colorcode::Resistance, Refusal> decode(const QList<uint> &c,
                                                    const colorcode::Unit &unit)
{
    const bool ohms = unit.power == 0;
    switch (c.size()) {
    case 1:
        // A single ohm digit is the second band behind a black first one, so
        // "5" reads 05; with a larger unit the digit moves up a band: 1 kilo-ohm
        // is 10 x 10^2.
        if (ohms)
            return decoded(0, digitOf(c[0]), 0);
        return decoded(digitOf(c[0]), 0, unit.power - 1);
    case 2:
        return decoded(digitOf(c[0]), digitOf(c[1]), unit.power);
    default:
        break;
    }

    // Three characters. Ohms test the third digit first, so "4.7" ohms, a
    // fraction, is refused there; "4.0" ohms is the one entry emptied without
    // a message: it is meant, not a slip.
    if (ohms) {
        if (c[2] > U'0')
            return Refusal::NoFourBandCode;
        if (c[1] == kPoint)
            return Refusal::SilentlyCleared;
        return decoded(digitOf(c[0]), digitOf(c[1]), 1);
    }
    // Kilo- and mega-ohms test the point first: "4.7" is two digits one
    // exponent below the unit's.
    if (c[1] == kPoint)
        return decoded(digitOf(c[0]), digitOf(c[2]), unit.power - 1);
    if (c[2] > U'0')
        return Refusal::NoFourBandCode;
    return decoded(digitOf(c[0]), digitOf(c[1]), unit.power + 1);
}

} // namespace

std::variant<FourBands, Refusal> encodeValue(QStringView entry, QStringView unit,
                                             QStringView tolerance)
{
    // Characters as the user sees them, so a letter outside the BMP counts once.
    const QList<uint> c = entry.toUcs4();
    if (c.size() >= 4)
        return Refusal::TooManyCharacters;

    // An empty entry, or a unit that is none of the list's, leaves every
    // value unset: the value bands paint black and the readouts go empty.
    std::optional<colorcode::Resistance> value;
    const colorcode::Unit *matched = colorcode::unitOf(unit, colorcode::kListUnits);
    if (matched && !c.isEmpty()) {
        if (!onlyDigitsWhereRead(c))
            return Refusal::NotADigit;
        const std::variant<colorcode::Resistance, Refusal> d = decode(c, *matched);
        if (const Refusal *refusal = std::get_if<Refusal>(&d))
            return *refusal;
        value = std::get<colorcode::Resistance>(d);
    }

    const auto digit = [&value](int index) -> std::optional<int> {
        if (!value)
            return std::nullopt;
        return value->digit(index);
    };
    const ToleranceBand t = toleranceBandOf(tolerance);
    return FourBands{value,
                     band(digit(0)),
                     band(digit(1)),
                     band(value ? std::optional<int>(value->exponent) : std::nullopt),
                     t.fill,
                     t.color,
                     QString().append(entry).append(unit).append(tolerance)};
}

ToleranceBand toleranceBandOf(QStringView tolerance, std::span<const QStringView> offered)
{
    const colorcode::ToleranceEntry *t = colorcode::toleranceOf(tolerance, offered);
    if (!t)
        return {ToleranceFill::Unchanged, colorcode::kBlack};
    if (!t->filled)
        return {ToleranceFill::Unfilled, colorcode::kBlack};
    return {ToleranceFill::Filled, t->encoderColor};
}

std::optional<QString> refusalMessage(Refusal refusal)
{
    switch (refusal) {
    case Refusal::NoFourBandCode:
        return u"4색 칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!"_s;
    case Refusal::TooManyCharacters:
        return u"칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!"_s;
    case Refusal::SilentlyCleared:
        return std::nullopt;
    case Refusal::NotADigit:
        return u"숫자로 읽을 수 없는 값입니다. 0부터 9까지의 숫자로 입력하고, "
               "소수점은 4.7처럼 두 숫자 사이에 하나만 넣으세요!"_s;
    }
    return std::nullopt;
}

} // namespace valuetocolor
