// The SMD marking rules. Any text read as a marking gives a reading or one
// of the named refusals, each with its working and message; any value
// written as markings reads back to that value in the form it was written
// in; and the practice's markings read back to their question's value, its
// right answer judged right.

#include "fuzzinput.h"

#include "colorcode/colortables.h"
#include "colorcode/marking.h"
#include "colorcode/numbertext.h"
#include "pages/practice/markingpractice.h"

#include <random>

using fuzzinput::require;

namespace {

constexpr std::array<smd::Form, 5> kForms{smd::Form::ThreeDigit, smd::Form::FourDigit,
                                          smd::Form::RPoint, smd::Form::Eia96, smd::Form::Jumper};

void requireRead(const QString &entry)
{
    const auto result = smd::readMarking(entry);
    require(!smd::markingWorking(entry, result).isEmpty());
    if (const auto *refusal = std::get_if<smd::Refusal>(&result)) {
        require(!smd::refusalMessage(*refusal).isEmpty());
        if (*refusal == smd::Refusal::Empty)
            require(entry.trimmed().isEmpty());
        return;
    }
    const smd::Marking &m = std::get<smd::Marking>(result);
    require(!m.text.isEmpty() && m.text.size() <= 4);
    require(m.text.compare(entry.trimmed(), Qt::CaseInsensitive) == 0);
    require(m.reading.value.ohms() >= 0);
    require(!smd::markingValueText(m).isEmpty());
    require(!m.eia96 || (m.reading.form == smd::Form::RPoint && m.text.endsWith(u'R')));
}

// Every marking of the value, in every form, reads back to it in that form.
void requireWrittenReadsBack(const colorcode::Resistance &value)
{
    for (const smd::Form form : kForms) {
        for (const QString &text : smd::markingsIn(form, value)) {
            const auto read = smd::readMarking(text);
            require(std::holds_alternative<smd::Marking>(read));
            const smd::Marking &m = std::get<smd::Marking>(read);
            const smd::Reading &r = form == smd::Form::Eia96 && m.eia96 ? *m.eia96 : m.reading;
            require(r.form == form);
            require(r.value.ohms() == value.ohms());
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList f = fuzzinput::fields(data, size, 2);
    requireRead(f[0]);

    // The second field as a typed value, in a unit picked by its length.
    const QStringView unit = colorcode::kUnitList[std::size_t(f[1].size()) % 3];
    const auto written = smd::markingsOf(f[1], unit);
    require(!smd::markingsWorking(f[1], unit, written).isEmpty());
    if (const auto *markings = std::get_if<smd::Markings>(&written)) {
        require(!markings->byForm.empty());
        requireWrittenReadsBack(markings->value);
    } else {
        require(!smd::valueRefusalMessage(std::get<smd::ValueRefusal>(written)).isEmpty());
    }

    if (size < 4)
        return 0;
    // Any value of up to three digits, from 10⁻⁵ to 10¹¹.
    const int significand = (data[0] | data[1] << 8) % 1000;
    requireWrittenReadsBack({significand, 3, int(data[2] % 17) - 5});

    std::mt19937 random(std::uint32_t(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24));
    const smd::MarkingQuestion q = smd::randomMarkingQuestion(random);
    const auto read = smd::readMarking(q.marking);
    require(std::holds_alternative<smd::Marking>(read));
    require(std::get<smd::Marking>(read).reading.value.ohms() == q.value.ohms());
    const auto judged = smd::judgeMarkingAnswer(q, f[1], unit);
    require(!smd::markingFeedback(q, judged).isEmpty());
    const colorcode::Unit &u = q.value.unit(colorcode::kListUnits);
    const auto right =
        smd::judgeMarkingAnswer(q, colorcode::numberText(q.value.inUnit(u)), u.suffix);
    require(right && right->right && right->mistake == practice::Mistake::None);
    return 0;
}
