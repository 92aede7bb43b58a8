#include "learner/skills.h"

#include "colorcode/marking.h"
#include "colorcode/numbertext.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace practice {

namespace {

using colorcode::Palette;

std::optional<SkillId> skillOf(SkillKind kind, int index = 0)
{
    const auto it = std::find_if(kSkills.begin(), kSkills.end(), [&](const Skill &s) {
        return s.kind == kind && s.index == index;
    });
    if (it == kSkills.end())
        return std::nullopt;
    return SkillId(it - kSkills.begin());
}

std::optional<SkillId> toleranceSkill(const colorcode::ToleranceEntry *entry)
{
    return skillOf(SkillKind::Tolerance, int(entry - colorcode::kTolerances.data()));
}

void add(std::vector<SkillId> &skills, std::optional<SkillId> skill)
{
    if (skill)
        skills.push_back(*skill);
}

// Table order, each once: a question may show one colour in two bands.
std::vector<SkillId> inTableOrder(std::vector<SkillId> skills)
{
    std::sort(skills.begin(), skills.end());
    skills.erase(std::unique(skills.begin(), skills.end()), skills.end());
    return skills;
}

QStringView colourWord(int digit)
{
    return colorcode::kBandColors[std::size_t(digit)].colourWord;
}

} // namespace

std::optional<SkillId> skillOfKey(QStringView key)
{
    const auto it =
        std::find_if(kSkills.begin(), kSkills.end(), [&](const Skill &s) { return s.key == key; });
    if (it == kSkills.end())
        return std::nullopt;
    return SkillId(it - kSkills.begin());
}

QString skillName(SkillId skill)
{
    const Skill &s = kSkills[std::size_t(skill)];
    switch (s.kind) {
    case SkillKind::Digit:
        return u"숫자 %1 (%2)"_s.arg(colourWord(s.index)).arg(s.index);
    case SkillKind::Multiplier:
        return u"승수 %1 (%2)"_s.arg(
            colourWord(s.index),
            colorcode::bandLabel(colorcode::kMultiplierRole,
                                 colorcode::digitColor(s.index, Palette::Selector), true,
                                 Palette::Selector));
    case SkillKind::Tolerance: {
        const colorcode::ToleranceEntry &t = colorcode::kTolerances[std::size_t(s.index)];
        return u"허용오차 %1 (%2)"_s.arg(t.colourWord, t.text);
    }
    case SkillKind::ReadingEnd:
        return u"읽는 방향"_s;
    case SkillKind::FiveBand:
        return u"5색 저항"_s;
    case SkillKind::Marking:
        return u"SMD 표시 "_s + smd::formName(smd::Form(s.index));
    }
    return {};
}

std::optional<colorcode::ColorCode> skillColour(SkillId skill)
{
    const Skill &s = kSkills[std::size_t(skill)];
    switch (s.kind) {
    case SkillKind::Digit:
    case SkillKind::Multiplier:
        return colorcode::digitColor(s.index, Palette::Selector);
    case SkillKind::Tolerance: {
        const colorcode::ToleranceEntry &t = colorcode::kTolerances[std::size_t(s.index)];
        if (!t.filled)
            return std::nullopt;
        return colorcode::toleranceColor(t, Palette::Selector);
    }
    case SkillKind::ReadingEnd:
    case SkillKind::FiveBand:
    case SkillKind::Marking:
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<SkillId> exercisedSkills(const Resistor &question)
{
    std::vector<SkillId> skills;
    const colorcode::Resistance &v = question.value;
    for (int i = 0; i < v.digitCount; ++i)
        add(skills, skillOf(SkillKind::Digit, v.digit(i)));
    add(skills, skillOf(SkillKind::Multiplier, v.exponent));
    add(skills, toleranceSkill(question.tolerance));
    add(skills, skillOf(SkillKind::ReadingEnd));
    if (question.bands() == colorcode::BandCount::Five)
        add(skills, skillOf(SkillKind::FiveBand));
    return inTableOrder(std::move(skills));
}

std::vector<SkillId> failedSkills(const Resistor &question, const Judgement &judgement,
                                  const std::optional<Resistor> &answered)
{
    if (judgement.right)
        return {};
    std::vector<SkillId> skills;
    if (!judgement.toleranceRight)
        add(skills, toleranceSkill(question.tolerance));
    const colorcode::Resistance &v = question.value;
    switch (judgement.mistake) {
    case Mistake::Reversed:
        add(skills, skillOf(SkillKind::ReadingEnd));
        return inTableOrder(std::move(skills));
    case Mistake::FiveAsFour:
        add(skills, skillOf(SkillKind::FiveBand));
        return inTableOrder(std::move(skills));
    case Mistake::ToleranceOnly:
        return inTableOrder(std::move(skills));
    case Mistake::None:
    case Mistake::NeighbourColour:
    case Mistake::PowerOfTen:
    case Mistake::LastDigitAsDigit: // marking answers have their own skills
        break;
    }
    // A wrong value: the bands it got wrong. A value spelt with other bands
    // (a leading black band) is still the value.
    const bool valueRight = answered && answered->value.ohms() == v.ohms();
    if (valueRight)
        return inTableOrder(std::move(skills));
    const bool comparable = answered && answered->value.digitCount == v.digitCount;
    for (int i = 0; i < v.digitCount; ++i) {
        if (!comparable || answered->value.digit(i) != v.digit(i))
            add(skills, skillOf(SkillKind::Digit, v.digit(i)));
    }
    if (!comparable || answered->value.exponent != v.exponent)
        add(skills, skillOf(SkillKind::Multiplier, v.exponent));
    return inTableOrder(std::move(skills));
}

std::optional<Resistor> readResistor(const Resistor &question, QStringView number, QStringView unit,
                                     QStringView tolerance)
{
    const std::optional<double> ohms = colorcode::enteredOhms(number, unit);
    const colorcode::ToleranceEntry *t = colorcode::toleranceOf(tolerance);
    if (!ohms || !t)
        return std::nullopt;
    const std::optional<colorcode::Resistance> value =
        colorcode::resistanceOf(*ohms, question.value.digitCount);
    if (!value)
        return std::nullopt;
    return Resistor{*value, t};
}

std::optional<SkillId> markingSkill(int form)
{
    for (SkillId id = 0; id < kSkillCount; ++id) {
        if (kSkills[std::size_t(id)].kind == SkillKind::Marking &&
            kSkills[std::size_t(id)].index == form)
            return id;
    }
    return std::nullopt;
}

} // namespace practice
