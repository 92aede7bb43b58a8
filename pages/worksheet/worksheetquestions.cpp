#include "pages/worksheet/worksheetquestions.h"

#include "colorcode/readingworking.h"

#include <algorithm>
#include <tuple>

using namespace Qt::StringLiterals;

namespace practice {

namespace {

// A sheet of one colour only would teach nothing: one question in four is
// drawn from the usual mix.
constexpr int kUsualMixEvery = 4;

// Enough draws that a wanted colour or a new resistor turns up, with a seed
// that would not give one taking the last draw rather than looping.
constexpr int kDraws = 200;

bool onSheet(const std::vector<WorksheetQuestion> &sheet, const Resistor &r)
{
    return std::any_of(sheet.begin(), sheet.end(),
                       [&](const WorksheetQuestion &q) { return q.resistor == r; });
}

} // namespace

bool showsDigitColour(const Resistor &resistor, std::span<const int> digits)
{
    const auto shown = [&](int digit) {
        return std::find(digits.begin(), digits.end(), digit) != digits.end();
    };
    const colorcode::Resistance &v = resistor.value;
    for (int i = 0; i < v.digitCount; ++i) {
        if (shown(v.digit(i)))
            return true;
    }
    return shown(v.exponent);
}

std::vector<WorksheetQuestion> worksheetQuestions(int count, WorksheetKinds kinds,
                                                  std::mt19937 &random,
                                                  std::span<const int> weakDigits)
{
    std::vector<WorksheetQuestion> sheet;
    if (count <= 0 || (!kinds.read && !kinds.write))
        return sheet;
    const int reads = !kinds.write ? count : !kinds.read ? 0 : (count + 1) / 2;
    sheet.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const bool weakFirst = !weakDigits.empty() && i % kUsualMixEvery != kUsualMixEvery - 1;
        Resistor r = randomQuestion(random);
        for (int draw = 1; draw < kDraws &&
                           (onSheet(sheet, r) || (weakFirst && !showsDigitColour(r, weakDigits)));
             ++draw)
            r = randomQuestion(random);
        sheet.push_back({r, i < reads ? Kind::Read : Kind::Write});
    }
    return sheet;
}

QString worksheetAnswer(const WorksheetQuestion &question)
{
    const Resistor &r = question.resistor;
    if (question.kind == Kind::Read)
        return statedValue(r);
    const QString bands = colorcode::bandWords(r.value);
    if (!r.tolerance->filled)
        return bands + u" (허용오차 띠 없음)"_s;
    return bands + u", "_s + r.tolerance->colourWord.toString();
}

QString worksheetWorking(const WorksheetQuestion &question)
{
    const Resistor &r = question.resistor;
    return colorcode::readingWorking(r.value, r.tolerance->text);
}

std::vector<int> weakDigits(const SkillStates &states)
{
    // Each colour's weakest value skill: the lower box, then the smaller
    // share right.
    struct Weak {
        int digit;
        int box;
        double shareRight;
    };
    std::vector<Weak> weak;
    for (SkillId id = 0; id < kSkillCount; ++id) {
        const Skill &skill = kSkills[std::size_t(id)];
        const SkillState &state = states[std::size_t(id)];
        if ((skill.kind != SkillKind::Digit && skill.kind != SkillKind::Multiplier) ||
            state.right >= state.asked || state.box > 1)
            continue;
        const Weak w{skill.index, state.box, double(state.right) / state.asked};
        const auto same = std::find_if(weak.begin(), weak.end(),
                                       [&](const Weak &o) { return o.digit == w.digit; });
        if (same == weak.end())
            weak.push_back(w);
        else if (std::tie(w.box, w.shareRight) < std::tie(same->box, same->shareRight))
            *same = w;
    }
    std::stable_sort(weak.begin(), weak.end(), [](const Weak &a, const Weak &b) {
        return std::tie(a.box, a.shareRight) < std::tie(b.box, b.shareRight);
    });
    std::vector<int> digits;
    for (const Weak &w : weak)
        digits.push_back(w.digit);
    return digits;
}

} // namespace practice
