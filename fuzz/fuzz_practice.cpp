// The practice's judging, for a question chosen by the first bytes: any
// answer text (number, unit, tolerance) and any picked band texts are judged
// without crashing, the feedback starts with "정답" or "오답" and ends with
// the question's working, and the right answer (typed in every unit with
// blanks around it, or picked from the lists) is always "정답" with no slip
// named.

#include "fuzzinput.h"

#include "colorcode/numbertext.h"
#include "colorcode/readingworking.h"
#include "pages/practice/practice.h"

#include <random>

using fuzzinput::require;
using practice::Kind;

namespace {

// A question from the generator, or any value the bands can spell.
practice::Resistor questionOf(const std::uint8_t *data)
{
    if (data[0] & 1) {
        std::mt19937 random(std::uint32_t(data[1] | data[2] << 8 | data[3] << 16));
        return practice::randomQuestion(random);
    }
    const int digitCount = data[0] & 2 ? 3 : 2;
    const int significand = (data[1] | data[2] << 8) % (digitCount == 3 ? 1000 : 100);
    return {{significand, digitCount, data[3] % colorcode::kMultiplierEntries},
            &colorcode::kTolerances[std::size_t(data[2] % colorcode::kTolerances.size())]};
}

void requireFeedback(const practice::Resistor &q, Kind kind,
                     const std::optional<practice::Judgement> &j)
{
    const QString text = practice::feedback(q, kind, j);
    if (!j)
        return;
    require(text.startsWith(j->right ? u"정답" : u"오답"));
    require(text.endsWith(u'\n' + colorcode::readingWorking(q.value, q.tolerance->text)));
    require(!j->right || j->mistake == practice::Mistake::None);
}

void requireRight(const practice::Resistor &q, Kind kind,
                  const std::optional<practice::Judgement> &j)
{
    require(j && j->right);
    requireFeedback(q, kind, j);
}

QString item(int digit)
{
    return colorcode::kBandColors[std::size_t(digit)].itemText.toString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    const practice::Resistor q = questionOf(data);
    const QStringList f = fuzzinput::fields(data + 4, size - 4, 5);

    // Anything typed or picked.
    requireFeedback(q, Kind::Read, practice::judgeReading(q, f[0], f[1], f[2]));
    if (const auto picked = practice::pickedResistor(q.bands(), f[0], f[1], f[2], f[3], f[4]))
        requireFeedback(q, Kind::Write, practice::judgeWriting(q, *picked));

    // The right answer, whatever the unit. A value of zero, which bands can
    // spell but no question asks, is refused as typed and never judged.
    const bool zero = q.value.significand == 0;
    for (const colorcode::Unit &unit : colorcode::kListUnits) {
        const QString number =
            QStringLiteral("  ") + colorcode::numberText(q.value.inUnit(unit)) + u' ';
        const auto judged = practice::judgeReading(q, number, unit.suffix, q.tolerance->text);
        if (zero)
            require(!judged);
        else
            requireRight(q, Kind::Read, judged);
    }
    const auto picked =
        practice::pickedResistor(q.bands(), item(q.value.digit(0)), item(q.value.digit(1)),
                                 q.value.digitCount == 3 ? item(q.value.digit(2)) : QString(),
                                 item(q.value.exponent), q.tolerance->colourWord);
    require(picked.has_value());
    requireRight(q, Kind::Write, practice::judgeWriting(q, *picked));
    return 0;
}
