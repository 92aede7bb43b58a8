#include "learner/answers.h"

#include "colorcode/numbertext.h"
#include "learner/skills.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

QString dayText(QDate day)
{
    return day.toString(Qt::ISODate);
}

QString keysText(const std::vector<SkillId> &skills)
{
    QStringList keys;
    for (SkillId s : skills)
        keys << kSkills[std::size_t(s)].key.toString();
    // An empty text, never a null one, which the record would bind as NULL.
    return keys.isEmpty() ? u""_s : keys.join(u' ');
}

std::vector<SkillId> skillsOf(QStringView keys)
{
    std::vector<SkillId> skills;
    for (QStringView key : keys.split(u' ', Qt::SkipEmptyParts)) {
        if (const std::optional<SkillId> s = skillOfKey(key))
            skills.push_back(*s);
    }
    return skills;
}

// "+09:00", "-03:30", "+00:00": ISO 8601's offset, never "Z", so every
// line reads alike.
QString offsetText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return u"%1%2:%3"_s.arg(seconds < 0 ? u"-"_s : u"+"_s)
        .arg(minutes / 60, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
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

Row rowOf(const Answer &answer)
{
    const SkillAnswer learnt = skillAnswer(answer);
    Row row;
    row.at = answer.when.toUTC().toString(Qt::ISODateWithMs);
    row.day = dayText(learnt.day);
    row.kind = kindKey(answer.kind).toString();
    row.question = questionText(answer);
    row.given = answer.given.isNull() ? u""_s : answer.given;
    row.correct = answer.judgement.right;
    row.slip = mistakeKey(answer.judgement.mistake).toString();
    row.seconds = answer.seconds;
    row.skills = keysText(learnt.exercised);
    row.missed = keysText(learnt.failed);
    for (const Mixup &m : mixups(answer))
        row.mixups.emplace_back(confusionColourWord(m.asked).toString(),
                                confusionColourWord(m.taken).toString());
    return row;
}

SkillAnswer skillAnswerOf(const Row &row)
{
    return {QDate::fromString(row.day, Qt::ISODate), skillsOf(row.skills), skillsOf(row.missed)};
}

QByteArray waitingLine(const Row &row)
{
    QJsonArray mixed;
    for (const auto &[asked, taken] : row.mixups)
        mixed.append(QJsonArray{asked, taken});
    const QJsonObject o{
        {u"token"_s, row.token},       {u"at"_s, row.at},
        {u"day"_s, row.day},           {u"kind"_s, row.kind},
        {u"question"_s, row.question}, {u"given"_s, row.given},
        {u"correct"_s, row.correct},   {u"slip"_s, row.slip},
        {u"seconds"_s, row.seconds},   {u"skills"_s, row.skills},
        {u"missed"_s, row.missed},     {u"mixups"_s, mixed},
        {u"sent"_s, row.sent},
    };
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<Row> rowOfWaitingLine(QByteArrayView line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject o = document.object();
    for (const QString &key : {u"token"_s, u"at"_s, u"day"_s, u"kind"_s, u"question"_s, u"given"_s,
                               u"slip"_s, u"skills"_s, u"missed"_s}) {
        if (!o.value(key).isString())
            return std::nullopt;
    }
    if (!o.value(u"correct"_s).isBool() || !o.value(u"seconds"_s).isDouble() ||
        o.value(u"token"_s).toString().isEmpty())
        return std::nullopt;
    Row row{o.value(u"token"_s).toString(),
            o.value(u"at"_s).toString(),
            o.value(u"day"_s).toString(),
            o.value(u"kind"_s).toString(),
            o.value(u"question"_s).toString(),
            o.value(u"given"_s).toString(),
            o.value(u"correct"_s).toBool(),
            o.value(u"slip"_s).toString(),
            o.value(u"seconds"_s).toDouble(),
            o.value(u"skills"_s).toString(),
            o.value(u"missed"_s).toString(),
            {},
            // Lines written before the mark was kept have none: not sent.
            o.value(u"sent"_s).toBool()};
    for (const QJsonValue &pair : o.value(u"mixups"_s).toArray()) {
        const QJsonArray p = pair.toArray();
        if (p.size() != 2 || !p[0].isString() || !p[1].isString())
            return std::nullopt;
        row.mixups.emplace_back(p[0].toString(), p[1].toString());
    }
    return row;
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
    return {u"시각(현지 시각 · UTC와의 차 포함)"_s,
            u"문제 종류"_s,
            u"문제"_s,
            u"답"_s,
            u"채점"_s,
            u"실수"_s,
            u"걸린 시간(초)"_s};
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
    return {when.toString(u"yyyy-MM-ddTHH:mm:ss") + offsetText(when.offsetFromUtc()),
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
