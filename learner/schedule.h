#pragma once

// When each skill is asked again: Leitner's boxes (Sebastian Leitner, "So
// lernt man lernen", 1972). A skill climbs one box each time it is answered
// right on or after the day it is due, and the box says how many days it
// rests before it is due again; a miss sends it back to the first box, due
// the same day. The next question is built around the skills that are due,
// the weakest first, with now and then one of known skills, so a sitting is
// never all misses. Plain values over Qt Core.

#include "learner/judgement.h"
#include "learner/question.h"
#include "learner/review.h"
#include "learner/skills.h"

#include <QDate>

#include <array>
#include <random>
#include <span>
#include <vector>

namespace practice {

// Box 0 holds the skills never answered and those just missed; box
// kTopBox the ones known for weeks. The days a skill rests in each box
// double, as the compartments of Leitner's card box grow.
inline constexpr int kTopBox = 5;
inline constexpr std::array<int, kTopBox + 1> kBoxDays{0, 1, 2, 4, 8, 16};

struct SkillState {
    int box = 0;
    QDate due;  // the day it is asked again; invalid while it was never asked
    QDate last; // the day it was last asked
    int asked = 0;
    int right = 0;

    friend bool operator==(const SkillState &, const SkillState &) = default;
};

// Every skill's state, in the order of kSkills.
using SkillStates = std::array<SkillState, kSkillCount>;

// A skill answered on `day`: right on or after its due day it climbs a box
// and rests that box's days; right before it is due it stays where it is
// (seeing a known colour again the same day proves nothing new); missed, it
// goes back to box 0, due the same day.
void learn(SkillState &state, bool right, QDate day);

// An answer as the skills see it: its day, the skills it exercised and
// those it failed (answers.h makes one of a judged answer).
struct SkillAnswer {
    QDate day;
    std::vector<SkillId> exercised;
    std::vector<SkillId> failed;
};

// Every skill the answer exercised learns whether it was right.
void learn(SkillStates &states, const SkillAnswer &answer);

// The states after a run of answers, oldest first.
SkillStates replay(std::span<const SkillAnswer> answers);

// How well a skill is known, 0 to 1: its box out of kTopBox. A skill never
// asked is 0.
double strength(const SkillState &state);

// Due on `today`: never asked, or its day has come.
bool isDue(const SkillState &state, QDate today);

// One question in this many is built from skills that are not due.
inline constexpr int kKnownEvery = 4;

// The next band question of `kind`: a missed one that comes back
// (comeBack's rule), else, with no band skill asked yet, today's mix
// (randomQuestion); else now and then (one in kKnownEvery) one whose skills
// are known, otherwise one that exercises the most pressing due skill
// (lowest box, then the longest unseen) and, of a few such, the one with the
// most other due skills. With nothing due, any question.
Resistor scheduledQuestion(Review &review, QStringView kind, const SkillStates &states, QDate today,
                           std::mt19937 &random);

// The form of the next marking question (smd::Form as a number), scheduled
// as the band skills are: the most pressing due marking form (lowest box,
// then the longest unseen). nullopt for today's mix: no marking asked yet,
// none due, or the one question in kKnownEvery left to the mix. A missed
// marking comes back by comeBack before this is asked.
std::optional<int> scheduledMarkingForm(const SkillStates &states, QDate today,
                                        std::mt19937 &random);

} // namespace practice
