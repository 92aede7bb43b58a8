#include "pages/practice/feedback.h"

#include "colorcode/korean.h"
#include "colorcode/readingworking.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace practice {

namespace {

QStringView colourWord(int digit)
{
    return colorcode::kBandColors[std::size_t(digit)].colourWord;
}

constexpr std::array<QStringView, 3> kDigitRoles{
    colorcode::kFirstDigitRole, colorcode::kSecondDigitRole, colorcode::kThirdDigitRole};

QString mistakeSentence(Kind kind, const Judgement &j)
{
    const bool read = kind == Kind::Read;
    switch (j.mistake) {
    case Mistake::None:
        return {};
    case Mistake::Reversed:
        return read ? u"색띠를 거꾸로 읽었습니다. 허용오차 띠를 오른쪽에 두고 왼쪽 띠부터 "
                      "읽습니다."_s
                    : u"색띠를 거꾸로 놓았습니다. 첫째 숫자 띠가 왼쪽 끝, 허용오차 띠가 오른쪽 "
                      "끝에 옵니다."_s;
    case Mistake::FiveAsFour:
        return (read ? u"5색 저항을 4색 저항처럼 읽었습니다."_s
                     : u"5색 저항을 4색 저항처럼 골랐습니다."_s) +
               u" 5색 저항은 숫자 띠가 셋이고 넷째 띠가 승수입니다."_s;
    case Mistake::NeighbourColour: {
        const QStringView taken = colourWord(j.takenDigit);
        return u"%1는 %2%3 아니라 %4입니다. 비슷한 색을 잘 구별하십시오."_s.arg(
            kDigitRoles[std::size_t(std::clamp(j.band, 0, 2))], taken,
            colorcode::particle(taken, colorcode::Particle::Subject), colourWord(j.rightDigit));
    }
    case Mistake::PowerOfTen:
        return read ? u"숫자는 맞지만 승수나 단위가 틀렸습니다."_s
                    : u"숫자 띠는 맞지만 승수 띠가 틀렸습니다."_s;
    case Mistake::ToleranceOnly:
        return u"저항값은 맞지만 허용오차가 틀렸습니다."_s;
    case Mistake::LastDigitAsDigit: // worded by the marking's own feedback
        return {};
    }
    return {};
}

} // namespace

QString feedback(const Resistor &question, Kind kind, const std::optional<Judgement> &judgement)
{
    if (!judgement)
        return kNumberRequest.toString();
    QString line = judgement->right ? u"정답입니다."_s : u"오답입니다."_s;
    QString sentence = mistakeSentence(kind, *judgement);
    if (!judgement->right && judgement->mistake == Mistake::None)
        sentence = kValueWrong.toString();
    if (!sentence.isEmpty())
        line += u' ' + sentence;
    if (!judgement->toleranceRight && judgement->mistake != Mistake::ToleranceOnly)
        line += u" 허용오차도 틀렸습니다."_s;
    return line + u'\n' + colorcode::readingWorking(question.value, question.tolerance->text);
}

QString scoreText(const Score &score)
{
    return u"맞힌 문제 %1 / %2 · 연속 정답 %3"_s.arg(score.right)
        .arg(score.asked)
        .arg(score.streak);
}

QStringView instruction(Kind kind)
{
    switch (kind) {
    case Kind::Read:
        return u"색띠를 읽고 저항값과 허용오차를 답하십시오.";
    case Kind::Write:
        return u"이 저항이 되도록 색띠를 고르십시오:";
    case Kind::Marking:
        return u"칩의 표시를 읽고 저항값을 답하십시오.";
    }
    return {};
}

QString questionInWords(const Resistor &question, Kind kind)
{
    if (kind == Kind::Write)
        return instruction(kind).toString() + u' ' + statedValue(question);
    QStringList bands;
    for (const DrawnBand &band : drawnBands(question)) {
        if (!band.shown)
            continue;
        const QStringView word =
            band.filled ? colorcode::colourWordOf(band.color, colorcode::Palette::Selector)
                        : colorcode::kNoBandWord;
        bands << u"%1 %2"_s.arg(band.role, word);
    }
    return bands.join(u", ");
}

} // namespace practice
