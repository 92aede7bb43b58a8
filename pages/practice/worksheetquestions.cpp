#include "pages/practice/worksheetquestions.h"

#include "pages/color_to_value/working.h"

#include <algorithm>

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
    return colortovalue::readingWorking(r.value, r.tolerance->text);
}

} // namespace practice
