// How fast a simulated learner gets every skill to a recall of 0.9 with the
// practice's schedule and with today's uniform questions. Run by `make bench`.
//
// The learner is the memory model of FSRS v4 (Jarrett Ye's Free Spaced
// Repetition Scheduler, 2023) with its published default weights. Each skill
// has a stability S, the days after which its recall has fallen to 0.9;
// after t days recall is p = (1 + t/(9S))^-1. The learner knows no skill
// before meeting it: the first time, it is missed and learnt from the
// working shown, which leaves it at FSRS's first stability S = w0 = 0.4. Of
// a question's other skills each is recalled with its p. A recalled one grows,
// the more the nearer it was to being forgotten:
//     S ← S·(1 + e^w8·(11 − D)·S^−w9·(e^(w10·(1 − p)) − 1)),
// a forgotten one, after the working is shown, falls to
//     S ← min(S, w11·D^−w12·((S + 1)^w13 − 1)·e^(w14·(1 − p))),
// with w8 = 1.49, w9 = 0.14, w10 = 0.94, w11 = 2.18, w12 = 0.05, w13 = 0.34,
// w14 = 1.26. The difficulty D is FSRS's starting one, 5, for most skills
// and 8 for the colours of the look-alike groups (brown, red, orange; blue,
// violet; grey, white; gold, yellow), and a forgotten one of those is taken
// for another of its group. A slower learner, all growth halved, is run as
// well, to show the schedule does not hang on the weights.
//
// A marking question asks one skill, its marking's form: recalled, the
// answer is right; forgotten, it is wrong, and the working is shown.
//
// 20 questions a day, read, pick and marking in turn, 30 s apart at 19:00,
// for 30 days; 200 seeds with each way of choosing questions. Recall is
// taken at the next day's sitting, before its first question, for the band
// skills and the marking skills apart.

#include "learner/schedule.h"
#include "learner/skills.h"
#include "pages/practice/markingpractice.h"
#include "pages/practice/practice.h"

#include "colorcode/numbertext.h"

#include <QDate>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

using namespace practice;

namespace {

constexpr int kSeeds = 200;
constexpr int kDays = 30;
constexpr int kQuestionsADay = 20;
constexpr double kSittingStart = 19.0 / 24.0;
constexpr double kSecondsPerQuestion = 30.0;
constexpr double kSecondsPerDay = 24.0 * 60.0 * 60.0;
constexpr double kGoal = 0.9;

// FSRS v4's default weights, those this model uses.
constexpr double w0 = 0.4, w8 = 1.49, w9 = 0.14, w10 = 0.94, w11 = 2.18, w12 = 0.05, w13 = 0.34,
                 w14 = 1.26;
constexpr double kEasy = 5.0, kHard = 8.0;

const QDate kFirstDay{2027, 1, 4};

// Colours that look alike: digits 1-3, 6-7, 8-9; and yellow (4), which the
// gold tolerance band is taken for.
int groupOf(int digit)
{
    switch (digit) {
    case 1:
    case 2:
    case 3:
        return 0;
    case 6:
    case 7:
        return 1;
    case 8:
    case 9:
        return 2;
    case 4:
        return 3;
    }
    return -1;
}

bool hardColourWord(QStringView word)
{
    for (const colorcode::BandColor &b : colorcode::kBandColors) {
        if (b.colourWord == word)
            return groupOf(b.digit) >= 0;
    }
    return word == u"금색";
}

bool isHard(SkillId skill)
{
    const Skill &s = kSkills[std::size_t(skill)];
    switch (s.kind) {
    case SkillKind::Digit:
    case SkillKind::Multiplier:
        return groupOf(s.index) >= 0;
    case SkillKind::Tolerance:
        return hardColourWord(colorcode::kTolerances[std::size_t(s.index)].colourWord);
    case SkillKind::ReadingEnd:
    case SkillKind::FiveBand:
    case SkillKind::Marking:
        return false;
    }
    return false;
}

struct Memory {
    double stability = 0; // 0: never met
    double last = 0;      // days since the start, the moment it was last retrieved or shown
};

class Learner {
public:
    Learner(std::mt19937 &random, double growth) : m_random(random), m_growth(growth) {}

    double recall(SkillId skill, double now) const
    {
        const Memory &m = m_memory[std::size_t(skill)];
        if (m.stability == 0)
            return 0;
        return 1.0 / (1.0 + (now - m.last) / (9.0 * m.stability));
    }

    // Tries to recall a skill and learns from it.
    bool retrieve(SkillId skill, double now)
    {
        const double p = recall(skill, now);
        const bool recalled = std::uniform_real_distribution(0.0, 1.0)(m_random) < p;
        Memory &m = m_memory[std::size_t(skill)];
        const double d = isHard(skill) ? kHard : kEasy;
        const double s = m.stability;
        if (s == 0) {
            m.stability = w0;
        } else if (recalled) {
            m.stability = s * (1.0 + m_growth * std::exp(w8) * (11.0 - d) * std::pow(s, -w9) *
                                         (std::exp(w10 * (1.0 - p)) - 1.0));
        } else {
            m.stability = std::min(s, w11 * std::pow(d, -w12) * (std::pow(s + 1.0, w13) - 1.0) *
                                          std::exp(w14 * (1.0 - p)));
        }
        m.last = now;
        return recalled;
    }

    // A digit (or multiplier) colour as the learner sees it: a forgotten one
    // is taken for another of its group, or any other colour up to `last`.
    int seen(int digit, bool recalled, int last = 9)
    {
        if (recalled)
            return digit;
        std::vector<int> others;
        for (int d = 0; d <= last; ++d) {
            if (d != digit && (groupOf(digit) < 0 || groupOf(d) == groupOf(digit)))
                others.push_back(d);
        }
        if (others.empty())
            return digit == 0 ? 1 : digit - 1;
        return others[std::size_t(m_random() % others.size())];
    }

    const colorcode::ToleranceEntry *seenTolerance(const colorcode::ToleranceEntry *t,
                                                   bool recalled)
    {
        if (recalled)
            return t;
        std::vector<const colorcode::ToleranceEntry *> others;
        for (const colorcode::ToleranceEntry &e : colorcode::kTolerances) {
            if (&e != t)
                others.push_back(&e);
        }
        return others[std::size_t(m_random() % others.size())];
    }

private:
    std::mt19937 &m_random;
    double m_growth;
    std::array<Memory, kSkillCount> m_memory{};
};

struct Outcome {
    Judgement judgement;
    std::optional<Resistor> answered;
};

// The learner answers a question: every skill it exercises is tried, and the
// answer is built from what was recalled, as a learner would give it.
Outcome answer(Learner &learner, const Resistor &q, Kind kind, double now)
{
    const colorcode::Resistance &v = q.value;
    std::array<bool, kSkillCount> recalled{};
    for (SkillId s : exercisedSkills(q))
        recalled[std::size_t(s)] = learner.retrieve(s, now);
    const auto has = [&](SkillKind kind, int index = 0) {
        for (SkillId s = 0; s < kSkillCount; ++s) {
            const Skill &k = kSkills[std::size_t(s)];
            if (k.kind == kind && k.index == index)
                return recalled[std::size_t(s)];
        }
        return true;
    };
    const bool write = kind == Kind::Write;
    std::array<int, 3> digits{};
    for (int i = 0; i < v.digitCount; ++i)
        digits[std::size_t(i)] = learner.seen(v.digit(i), has(SkillKind::Digit, v.digit(i)));
    int exponent = learner.seen(v.exponent, has(SkillKind::Multiplier, v.exponent),
                                write ? colorcode::kMultiplierEntries - 1 : 9);
    const int tolerance = int(q.tolerance - colorcode::kTolerances.data());
    const colorcode::ToleranceEntry *t =
        learner.seenTolerance(q.tolerance, has(SkillKind::Tolerance, tolerance));

    int n = v.digitCount;
    if (n == 3 && !has(SkillKind::FiveBand) && !write) {
        // The third digit band taken for the multiplier.
        exponent = digits[2];
        n = 2;
    }
    int significand = 0;
    for (int i = 0; i < n; ++i)
        significand = significand * 10 + digits[std::size_t(i)];
    colorcode::Resistance seen{significand, n, exponent};
    if (!has(SkillKind::ReadingEnd) && (!write || digits[0] < colorcode::kMultiplierEntries)) {
        // From the wrong end: the multiplier band first, the first digit band last.
        int reversed = exponent;
        for (int i = n - 1; i >= 1; --i)
            reversed = reversed * 10 + digits[std::size_t(i)];
        seen = {reversed, n, digits[0]};
    }
    if (write) {
        const Resistor picked{seen, t};
        return {judgeWriting(q, picked), picked};
    }
    const colorcode::Unit &unit = seen.unit(colorcode::kListUnits);
    const QString number = colorcode::numberText(seen.inUnit(unit));
    const std::optional<Judgement> j = judgeReading(q, number, unit.suffix, t->text);
    return {j.value_or(Judgement{}), readResistor(q, number, unit.suffix, t->text)};
}

// The band skills, or the markings'.
struct Group {
    std::vector<double> shareByDay; // share of skills at the goal the day after each day
    int firstDay = 0;               // 0: never within kDays
};

struct Run {
    Group bands;
    Group markings;
};

constexpr QStringView kMarkings = u"marking";

// The learner reads a marking: right when its form is recalled.
void answerMarking(Learner &learner, Review &review, SkillStates &states, bool scheduled,
                   QDate today, double now, std::mt19937 &random)
{
    Question q;
    if (const std::optional<Question> back = comeBack(review, kMarkings, random)) {
        q = *back;
    } else {
        const std::optional<int> form =
            scheduled ? scheduledMarkingForm(states, today, random) : std::nullopt;
        const smd::MarkingQuestion m = form ? smd::markingQuestion(smd::Form(*form), random)
                                            : smd::randomMarkingQuestion(random);
        q = {Resistor{m.value}, m.marking, int(m.form)};
    }
    const SkillId skill = *markingSkill(q.form);
    const bool right = learner.retrieve(skill, now);
    remember(review, kMarkings, q, right);
    learn(states[std::size_t(skill)], right, today);
}

void tally(Group &group, const Learner &learner, bool markings, double next, int day)
{
    int atGoal = 0;
    int skills = 0;
    for (SkillId s = 0; s < kSkillCount; ++s) {
        if (isBandSkill(s) == markings)
            continue;
        ++skills;
        atGoal += learner.recall(s, next) >= kGoal ? 1 : 0;
    }
    group.shareByDay.push_back(double(atGoal) / skills);
    if (atGoal == skills && group.firstDay == 0)
        group.firstDay = day + 1;
}

Run simulate(bool scheduled, double growth, unsigned seed)
{
    std::mt19937 random(seed);
    std::mt19937 learnerRandom(seed ^ 0x9E3779B9u);
    Learner learner(learnerRandom, growth);
    Review review;
    SkillStates states;
    Run run;
    for (int day = 0; day < kDays; ++day) {
        const QDate today = kFirstDay.addDays(day);
        for (int i = 0; i < kQuestionsADay; ++i) {
            const double now = day + kSittingStart + i * kSecondsPerQuestion / kSecondsPerDay;
            if (i % 3 == 2) {
                answerMarking(learner, review, states, scheduled, today, now, random);
                continue;
            }
            const Resistor q = scheduled ? scheduledQuestion(review, {}, states, today, random)
                                         : pickNext(review, random);
            const Kind kind = i % 3 == 0 ? Kind::Read : Kind::Write;
            const Outcome o = answer(learner, q, kind, now);
            remember(review, q, o.judgement.right);
            const std::vector<SkillId> failed = failedSkills(q, o.judgement, o.answered);
            for (SkillId s : exercisedSkills(q)) {
                const bool missed = std::find(failed.begin(), failed.end(), s) != failed.end();
                learn(states[std::size_t(s)], !missed, today);
            }
        }
        const double next = day + 1 + kSittingStart;
        tally(run.bands, learner, false, next, day);
        tally(run.markings, learner, true, next, day);
    }
    return run;
}

struct Summary {
    double share = 0;  // mean share of skills at the goal on day 31
    double median = 0; // median first day every skill is at the goal; kDays + 1 for never
    int reached = 0;   // seeds that got every skill there within kDays
};

struct Summaries {
    Summary bands;
    Summary markings;
};

void add(Summary &s, const Group &group, std::vector<int> &firstDays)
{
    s.share += group.shareByDay.back() / kSeeds;
    firstDays.push_back(group.firstDay == 0 ? kDays + 1 : group.firstDay);
    s.reached += group.firstDay == 0 ? 0 : 1;
}

double median(std::vector<int> days)
{
    std::sort(days.begin(), days.end());
    return (days[kSeeds / 2 - 1] + days[kSeeds / 2]) / 2.0;
}

Summaries summarise(bool scheduled, double growth)
{
    Summaries s;
    std::vector<int> bandDays, markingDays;
    for (unsigned seed = 1; seed <= kSeeds; ++seed) {
        const Run run = simulate(scheduled, growth, seed);
        add(s.bands, run.bands, bandDays);
        add(s.markings, run.markings, markingDays);
    }
    s.bands.median = median(bandDays);
    s.markings.median = median(markingDays);
    return s;
}

void print(const char *name, const Summary &s)
{
    char day[32];
    if (s.median > kDays)
        std::snprintf(day, sizeof day, "never");
    else
        std::snprintf(day, sizeof day, "%.1f", s.median);
    std::printf("%-9s %20.3f %26s %15d of %d\n", name, s.share, day, s.reached, kSeeds);
}

} // namespace

bool goalMet(const Summary &schedule, const Summary &uniform)
{
    const bool twiceAsEarly = uniform.median > kDays || schedule.median * 2 <= uniform.median;
    return twiceAsEarly && schedule.share > uniform.share && schedule.median <= kDays;
}

int main()
{
    std::printf("learning: %d seeds, %d questions a day (read, pick, marking in turn) for %d days, "
                "recall goal p >= %.1f\n",
                kSeeds, kQuestionsADay, kDays, kGoal);
    std::printf("%-9s %20s %26s %21s\n", "questions", "share at goal, day 31",
                "first day all at goal (median)", "all at goal by day 30");
    const Summaries schedule = summarise(true, 1.0);
    const Summaries uniform = summarise(false, 1.0);
    const Summaries slowSchedule = summarise(true, 0.5);
    const Summaries slowUniform = summarise(false, 0.5);
    std::printf("band skills:\n");
    print("schedule", schedule.bands);
    print("uniform", uniform.bands);
    std::printf("marking skills:\n");
    print("schedule", schedule.markings);
    print("uniform", uniform.markings);
    std::printf("a slower learner, growth halved, band skills:\n");
    print("schedule", slowSchedule.bands);
    print("uniform", slowUniform.bands);
    std::printf("a slower learner, marking skills:\n");
    print("schedule", slowSchedule.markings);
    print("uniform", slowUniform.markings);
    const bool met = goalMet(schedule.bands, uniform.bands);
    std::printf("goal (every band skill at least twice as early, higher share on day 31): %s\n",
                met ? "met" : "NOT met");
    return met ? 0 : 1;
}
