#include "learner/schedule.h"

#include <algorithm>

namespace practice {

namespace {

// Candidates drawn for a question: of so many that exercise the pressing
// skill, the one with the most other due skills is asked.
constexpr int kCandidates = 6;
// Today's mix is drawn from until a question has the skill wanted; the
// rarest skill (a ±0.05% band) is in about one question in a hundred.
constexpr int kMostDraws = 2000;

bool exercises(const Resistor &question, SkillId skill)
{
    const Skill &s = kSkills[std::size_t(skill)];
    const colorcode::Resistance &v = question.value;
    switch (s.kind) {
    case SkillKind::Digit:
        for (int i = 0; i < v.digitCount; ++i) {
            if (v.digit(i) == s.index)
                return true;
        }
        return false;
    case SkillKind::Multiplier:
        return v.exponent == s.index;
    case SkillKind::Tolerance:
        return question.tolerance == &colorcode::kTolerances[std::size_t(s.index)];
    case SkillKind::ReadingEnd:
        return true;
    case SkillKind::FiveBand:
        return question.bands() == colorcode::BandCount::Five;
    case SkillKind::Marking:
        return false;
    }
    return false;
}

int dueCount(const Resistor &question, const SkillStates &states, QDate today)
{
    int n = 0;
    for (SkillId skill : exercisedSkills(question))
        n += isDue(states[std::size_t(skill)], today) ? 1 : 0;
    return n;
}

// A question of today's mix that has `skill`.
Resistor questionWith(SkillId skill, std::mt19937 &random)
{
    Resistor q = randomQuestion(random);
    for (int i = 1; i < kMostDraws && !exercises(q, skill); ++i)
        q = randomQuestion(random);
    return q;
}

// The due skill to build the next question around, among the band skills or
// among the markings': the lowest box, then the one asked longest ago (never
// asked first), then table order.
std::optional<SkillId> mostPressing(const SkillStates &states, QDate today, bool markings)
{
    std::optional<SkillId> best;
    for (SkillId skill = 0; skill < kSkillCount; ++skill) {
        const SkillState &s = states[std::size_t(skill)];
        if (isBandSkill(skill) == markings || !isDue(s, today))
            continue;
        if (!best) {
            best = skill;
            continue;
        }
        const SkillState &b = states[std::size_t(*best)];
        const auto older = [](QDate a, QDate b) {
            return !a.isValid() ? b.isValid() : b.isValid() && a < b;
        };
        if (s.box < b.box || (s.box == b.box && older(s.last, b.last)))
            best = skill;
    }
    return best;
}

// Whether no skill of the band questions (or of the markings) was asked yet.
bool nothingAsked(const SkillStates &states, bool markings)
{
    for (SkillId skill = 0; skill < kSkillCount; ++skill) {
        if (isBandSkill(skill) != markings && states[std::size_t(skill)].asked > 0)
            return false;
    }
    return true;
}

Resistor chosen(const SkillStates &states, QDate today, std::mt19937 &random)
{
    const std::optional<SkillId> pressing = mostPressing(states, today, false);
    const bool known = !pressing || random() % kKnownEvery == 0;
    Resistor best = known ? randomQuestion(random) : questionWith(*pressing, random);
    int bestDue = dueCount(best, states, today);
    for (int i = 1; i < kCandidates; ++i) {
        const Resistor q = known ? randomQuestion(random) : questionWith(*pressing, random);
        const int due = dueCount(q, states, today);
        if (known ? due < bestDue : due > bestDue) {
            best = q;
            bestDue = due;
        }
    }
    return best;
}

} // namespace

void learn(SkillState &state, bool right, QDate day)
{
    ++state.asked;
    state.last = day;
    if (!right) {
        state.box = 0;
        state.due = day;
        return;
    }
    ++state.right;
    if (isDue(state, day)) {
        state.box = std::min(state.box + 1, kTopBox);
        state.due = day.addDays(kBoxDays[std::size_t(state.box)]);
    }
}

void learn(SkillStates &states, const SkillAnswer &answer)
{
    for (SkillId skill : answer.exercised) {
        const bool failed =
            std::find(answer.failed.begin(), answer.failed.end(), skill) != answer.failed.end();
        learn(states[std::size_t(skill)], !failed, answer.day);
    }
}

SkillStates replay(std::span<const SkillAnswer> answers)
{
    SkillStates states;
    for (const SkillAnswer &a : answers)
        learn(states, a);
    return states;
}

double strength(const SkillState &state)
{
    return double(state.box) / kTopBox;
}

bool isDue(const SkillState &state, QDate today)
{
    return !state.due.isValid() || state.due <= today;
}

Resistor scheduledQuestion(Review &review, QStringView kind, const SkillStates &states, QDate today,
                           std::mt19937 &random)
{
    if (const std::optional<Question> back = comeBack(review, kind, random))
        return back->resistor;
    if (nothingAsked(states, false))
        return randomQuestion(random);
    return chosen(states, today, random);
}

std::optional<int> scheduledMarkingForm(const SkillStates &states, QDate today,
                                        std::mt19937 &random)
{
    if (nothingAsked(states, true))
        return std::nullopt;
    const std::optional<SkillId> pressing = mostPressing(states, today, true);
    if (!pressing || random() % kKnownEvery == 0)
        return std::nullopt;
    return kSkills[std::size_t(*pressing)].index;
}

} // namespace practice
