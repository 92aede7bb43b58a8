#include "learner/answers.h"

#include "colorcode/numbertext.h"
#include "learner/skills.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace practice {

namespace {

struct MistakeNames {
    Mistake mistake;
    QStringView key;
    QStringView name; // in the exported file
};

constexpr std::array<MistakeNames, 7> kMistakes{{
    {Mistake::None, u"", u""},
    {Mistake::Reversed, u"reversed", u"순서 거꾸로"},
    {Mistake::FiveAsFour, u"five-as-four", u"5색을 4색처럼"},
    {Mistake::NeighbourColour, u"neighbour-colour", u"비슷한 색"},
    {Mistake::PowerOfTen, u"power-of-ten", u"승수나 단위"},
    {Mistake::ToleranceOnly, u"tolerance-only", u"허용오차만"},
    {Mistake::LastDigitAsDigit, u"last-digit-as-digit", u"마지막 숫자를 숫자로"},
}};

// After the ten digit colours, the colours only tolerance bands have.
constexpr std::array<QStringView, 3> kToleranceOnlyWords{u"금색", u"은색", colorcode::kNoBandWord};

std::optional<int> colourOfDigit(int digit)
{
    if (digit < 0 || digit > 9)
        return std::nullopt;
    return digit;
}

void add(std::vector<Mixup> &mixups, std::optional<int> asked, std::optional<int> taken)
{
    if (asked && taken)
        mixups.push_back({*asked, *taken});
}

bool needsQuotes(QStringView field)
{
    return field.contains(u',') || field.contains(u'"') || field.contains(u'\n') ||
           field.contains(u'\r');
}

} // namespace

Answer readingAnswer(const Resistor &question, QStringView number, QStringView unit,
                     QStringView tolerance, const Judgement &judgement, double seconds,
                     const QDateTime &when)
{
    return {when,
            Kind::Read,
            question,
            number.trimmed().toString() + unit.toString() + u' ' + tolerance.toString(),
            readResistor(question, number, unit, tolerance),
            judgement,
            seconds,
            {},
            0};
}

Answer pickingAnswer(const Resistor &question, const Resistor &picked, const Judgement &judgement,
                     double seconds, const QDateTime &when)
{
    return {when, Kind::Write, question, bandsText(picked), picked, judgement, seconds, {}, 0};
}

Answer markingAnswer(const colorcode::Resistance &value, QStringView marking, int form,
                     QStringView number, QStringView unit, bool right, Mistake mistake,
                     double seconds, const QDateTime &when)
{
    Judgement judgement;
    judgement.right = right;
    judgement.mistake = mistake;
    return {when,
            Kind::Marking,
            Resistor{value, &colorcode::kTolerances[0]},
            number.trimmed().toString() + unit.toString(),
            {},
            judgement,
            seconds,
            marking.toString(),
            form};
}

QString questionText(const Answer &answer)
{
    return answer.kind == Kind::Marking ? answer.marking : bandsText(answer.question);
}

SkillAnswer skillAnswer(const Answer &answer)
{
    const QDate day = answer.when.toLocalTime().date();
    if (answer.kind == Kind::Marking) {
        const std::optional<SkillId> form = markingSkill(answer.markingForm);
        if (!form)
            return {day, {}, {}};
        return {day, {*form}, answer.judgement.right ? std::vector<SkillId>{} : std::vector{*form}};
    }
    return {day, exercisedSkills(answer.question),
            failedSkills(answer.question, answer.judgement, answer.spelt)};
}

QString bandsText(const Resistor &resistor)
{
    return colorcode::bandWords(resistor.value) + u", "_s +
           resistor.tolerance->colourWord.toString();
}

QStringView kindKey(Kind kind)
{
    for (const KindName &k : kKindNames) {
        if (k.kind == kind)
            return k.key;
    }
    return {};
}

QStringView kindName(Kind kind)
{
    for (const KindName &k : kKindNames) {
        if (k.kind == kind)
            return k.name;
    }
    return {};
}

QStringView mistakeKey(Mistake mistake)
{
    for (const MistakeNames &m : kMistakes) {
        if (m.mistake == mistake)
            return m.key;
    }
    return {};
}

QStringView confusionColourWord(int colour)
{
    if (colour < 10)
        return colorcode::kBandColors[std::size_t(colour)].colourWord;
    return kToleranceOnlyWords[std::size_t(colour - 10)];
}

std::optional<colorcode::ColorCode> confusionColour(int colour)
{
    using colorcode::Palette;
    if (colour < 10)
        return colorcode::digitColor(colour, Palette::Selector);
    for (const colorcode::ToleranceEntry &t : colorcode::kTolerances) {
        if (t.colourWord == confusionColourWord(colour))
            return t.filled ? std::optional(colorcode::toleranceColor(t, Palette::Selector))
                            : std::nullopt;
    }
    return std::nullopt;
}

std::optional<int> confusionColourOf(QStringView word)
{
    for (int c = 0; c < kConfusionColours; ++c) {
        if (confusionColourWord(c) == word)
            return c;
    }
    return std::nullopt;
}

std::vector<Mixup> mixups(const Answer &answer)
{
    std::vector<Mixup> found;
    const Judgement &j = answer.judgement;
    const Resistor &q = answer.question;
    if (answer.kind == Kind::Marking)
        return found; // no colours
    if (answer.kind == Kind::Read) {
        if (j.mistake == Mistake::NeighbourColour)
            add(found, colourOfDigit(j.rightDigit), colourOfDigit(j.takenDigit));
        return found;
    }
    // A right value may be spelt with other bands (a leading black one); it
    // still knew every colour of the question's value.
    const colorcode::Resistance &v = q.value;
    Resistor picked = answer.spelt.value_or(q);
    if (j.right || picked.value.ohms() == v.ohms())
        picked.value = v;
    if (picked.value.digitCount == v.digitCount) {
        for (int i = 0; i < v.digitCount; ++i)
            add(found, colourOfDigit(v.digit(i)), colourOfDigit(picked.value.digit(i)));
    }
    add(found, colourOfDigit(v.exponent), colourOfDigit(picked.value.exponent));
    add(found, confusionColourOf(q.tolerance->colourWord),
        confusionColourOf(picked.tolerance->colourWord));
    return found;
}

QStringList csvHeader()
{
    return {u"시각(UTC)"_s, u"문제 종류"_s, u"문제"_s,         u"답"_s,
            u"채점"_s,      u"실수"_s,      u"걸린 시간(초)"_s};
}

QStringList csvFields(const QDateTime &when, QStringView kind, QStringView question,
                      QStringView given, bool right, QStringView mistake, double seconds)
{
    QString kindText = kind.toString();
    for (const KindName &k : kKindNames) {
        if (k.key == kind)
            kindText = k.name.toString();
    }
    QString mistakeName = mistake.toString();
    for (const MistakeNames &m : kMistakes) {
        if (m.key == mistake)
            mistakeName = m.name.toString();
    }
    return {when.toUTC().toString(u"yyyy-MM-dd HH:mm:ss"),
            kindText,
            question.toString(),
            given.toString(),
            right ? u"정답"_s : u"오답"_s,
            mistakeName,
            colorcode::numberText(std::round(seconds * 10.0) / 10.0)};
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &f : fields) {
        if (needsQuotes(f))
            quoted << u'"' + QString(f).replace(u"\""_s, u"\"\""_s) + u'"';
        else
            quoted << f;
    }
    return quoted.join(u',') + u"\r\n"_s;
}

} // namespace practice
