#pragma once

// The practice's record read as skills: what a learner has to know to answer
// a question, each a row of one table. A question exercises a few of them, a
// wrong answer shows which of those failed, and the schedule asks for the
// ones that are due or weak. Plain values over Qt Core.

#include "colorcode/colortables.h"
#include "learner/judgement.h"
#include "learner/question.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

namespace practice {

enum class SkillKind {
    Digit,      // a colour as a digit band: `index` is the digit
    Multiplier, // a colour as the multiplier band: `index` is the power of ten
    Tolerance,  // a tolerance band: `index` is its entry in colorcode::kTolerances
    ReadingEnd, // which end the bands are read from
    FiveBand,   // a 5-band resistor: three digit bands, the fourth the multiplier
    Marking,    // an SMD marking of one form: `index` is its smd::Form
};

struct Skill {
    SkillKind kind;
    int index;
    QStringView key; // how the record names it; never changes once written
};

// Every skill, in the order the progress view lists them. A new kind of
// question adds its rows here (and a SkillKind); the record keeps the rows it
// does not know by their keys, so an older program reads a newer record's
// skills it has. The digits and multipliers are keyed by digit, the
// tolerances by their text, so a reordered colour table keeps every key.
inline constexpr std::array<Skill, 32> kSkills{{
    {SkillKind::Digit, 0, u"digit-0"},
    {SkillKind::Digit, 1, u"digit-1"},
    {SkillKind::Digit, 2, u"digit-2"},
    {SkillKind::Digit, 3, u"digit-3"},
    {SkillKind::Digit, 4, u"digit-4"},
    {SkillKind::Digit, 5, u"digit-5"},
    {SkillKind::Digit, 6, u"digit-6"},
    {SkillKind::Digit, 7, u"digit-7"},
    {SkillKind::Digit, 8, u"digit-8"},
    {SkillKind::Digit, 9, u"digit-9"},
    {SkillKind::Multiplier, 0, u"multiplier-0"},
    {SkillKind::Multiplier, 1, u"multiplier-1"},
    {SkillKind::Multiplier, 2, u"multiplier-2"},
    {SkillKind::Multiplier, 3, u"multiplier-3"},
    {SkillKind::Multiplier, 4, u"multiplier-4"},
    {SkillKind::Multiplier, 5, u"multiplier-5"},
    {SkillKind::Multiplier, 6, u"multiplier-6"},
    {SkillKind::Tolerance, 0, u"tolerance-5%"},
    {SkillKind::Tolerance, 1, u"tolerance-10%"},
    {SkillKind::Tolerance, 2, u"tolerance-20%"},
    {SkillKind::Tolerance, 3, u"tolerance-1%"},
    {SkillKind::Tolerance, 4, u"tolerance-2%"},
    {SkillKind::Tolerance, 5, u"tolerance-0.05%"},
    {SkillKind::Tolerance, 6, u"tolerance-0.5%"},
    {SkillKind::Tolerance, 7, u"tolerance-0.25%"},
    {SkillKind::Tolerance, 8, u"tolerance-0.1%"},
    {SkillKind::ReadingEnd, 0, u"reading-end"},
    {SkillKind::FiveBand, 0, u"five-band"},
    {SkillKind::Marking, 0, u"marking-3-digit"},
    {SkillKind::Marking, 1, u"marking-4-digit"},
    {SkillKind::Marking, 2, u"marking-r"},
    {SkillKind::Marking, 3, u"marking-eia-96"},
}};

// A skill by its place in kSkills.
using SkillId = int;
inline constexpr int kSkillCount = int(kSkills.size());

// Whether a band question can exercise the skill: every skill but the
// markings', which only a marking question asks.
constexpr bool isBandSkill(SkillId skill)
{
    return kSkills[std::size_t(skill)].kind != SkillKind::Marking;
}

// The skill of a marking form (smd::Form as a number); nullopt for the
// zero-ohm jumper, which no question asks.
std::optional<SkillId> markingSkill(int form);

// The skill of a record key; nullopt for a key this program does not know.
std::optional<SkillId> skillOfKey(QStringView key);

// The skill's name as the progress view labels it: "숫자 노랑 (4)",
// "승수 적색 (×10²)", "허용오차 금색 (±5%)", "읽는 방향", "5색 저항".
QString skillName(SkillId skill);

// The colour of the skill's swatch on the colour-to-value page; nullopt for
// a skill that is no colour (the reading end, 5-band reading) and for the
// tolerance band that is not there.
std::optional<colorcode::ColorCode> skillColour(SkillId skill);

// The skills a question exercises, in table order: the colours of its digit
// bands as digits, its multiplier, its tolerance band, the reading end, and
// 5-band reading for a 5-band resistor.
std::vector<SkillId> exercisedSkills(const Resistor &question);

// The skills a judged answer shows were not there, among those the question
// exercises: none for a right answer; the reading end for a reversed one;
// 5-band reading for a 5-band resistor read as a 4-band one; otherwise each
// band whose colour the answer got wrong, as the question's colour (the
// tolerance band too when only it is wrong). `answered` is the resistor the
// answer spells, with the question's number of digit bands; without it (a
// reading no bands of that kind spell) every value band counts as failed.
std::vector<SkillId> failedSkills(const Resistor &question, const Judgement &judgement,
                                  const std::optional<Resistor> &answered);

// The resistor a reading spells, with as many digit bands as the question
// has, for comparing it band by band: 4.8 KΩ read on a 4-band question is
// yellow, grey, red. nullopt when it is no number, its unit is none of the
// list, the tolerance text is none of the nine, or no such bands spell it.
std::optional<Resistor> readResistor(const Resistor &question, QStringView number, QStringView unit,
                                     QStringView tolerance);

} // namespace practice
