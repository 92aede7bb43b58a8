#include "pages/worksheet/worksheetquestions.h"

#include "colorcode/marking.h"
#include "colorcode/readingworking.h"
#include "colorcode/series.h"

#include <algorithm>
#include <array>
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
    return std::any_of(sheet.begin(), sheet.end(), [&](const WorksheetQuestion &q) {
        return q.kind != Kind::Marking && q.resistor == r;
    });
}

bool onSheet(const std::vector<WorksheetQuestion> &sheet, const smd::MarkingQuestion &m)
{
    return std::any_of(sheet.begin(), sheet.end(), [&](const WorksheetQuestion &q) {
        return q.kind == Kind::Marking && q.marking.marking == m.marking;
    });
}

// The common values: E12 from 10Ω (4 bands, 3-digit markings) or 100Ω
// (5 bands, 4-digit markings, which need three digits) up to 1MΩ, tolerances
// by tenths as in the usual mix.
constexpr int kCommonDecades = 5; // 10Ω to 820KΩ, then 1MΩ alone
constexpr int kCommonTightInTen = 7;
constexpr int kFiveBandInFive = 2;

colorcode::Resistance commonValue(std::mt19937 &random, int digitCount)
{
    const std::span<const int> e12 = colorcode::seriesValues(colorcode::Series::E12);
    const int lowest = digitCount - 2; // 10Ω on two digits, 100Ω on three
    const int decades = kCommonDecades - lowest;
    const int pick = below(random, e12.size() * std::size_t(decades) + 1);
    const int scale = digitCount == 3 ? 10 : 1;
    if (pick == int(e12.size()) * decades)
        return {10 * scale, digitCount, decades}; // 1MΩ
    return {e12[std::size_t(pick) % e12.size()] * scale, digitCount, pick / int(e12.size())};
}

Resistor commonQuestion(std::mt19937 &random)
{
    const bool five = below(random, 5) < kFiveBandInFive;
    const bool tight = below(random, 10) < kCommonTightInTen;
    const QStringView tolerance = five ? (tight ? u"±1%" : u"±2%") : (tight ? u"±5%" : u"±10%");
    return {commonValue(random, five ? 3 : 2), colorcode::toleranceOf(tolerance)};
}

smd::MarkingQuestion commonMarking(std::mt19937 &random)
{
    smd::MarkingQuestion q;
    q.form = below(random, 2) == 0 ? smd::Form::ThreeDigit : smd::Form::FourDigit;
    q.value = commonValue(random, q.form == smd::Form::ThreeDigit ? 2 : 3);
    q.marking = smd::markingsIn(q.form, q.value).value(0);
    return q;
}

// The code's fields from the lowest bit up, then the check character.
constexpr int kCountBits = 5;
constexpr int kKindBits = 3;
constexpr int kCommonBits = 1;
constexpr int kColourBits = 10;
constexpr int kCodeBits = kSheetSeedBits + kCountBits + kKindBits + kCommonBits + kColourBits;
constexpr int kBitsPerCharacter = 5;
constexpr int kCodeCharacters = kCodeBits / kBitsPerCharacter + 1; // and the check
constexpr int kCodeGroup = 5;
static_assert(kCodeBits % kBitsPerCharacter == 0);

// Thirty-two characters that are not mistaken for each other in print.
constexpr QStringView kCodeAlphabet = u"0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kBase = 32;
static_assert(kCodeAlphabet.size() == kBase);

// The value of a code character; I and L read as 1, O as 0; -1 for none.
int codeValue(QChar c)
{
    const QChar upper = c.toUpper();
    if (upper == u'I' || upper == u'L')
        return 1;
    if (upper == u'O')
        return 0;
    return int(kCodeAlphabet.indexOf(upper));
}

// Luhn's check over base 32: one character changed changes it, and so do
// two side by side swapped, but for 0 and Z.
int checkOf(std::span<const int> values)
{
    int sum = 0;
    bool twice = true; // the character next to the check is doubled
    for (auto v = values.rbegin(); v != values.rend(); ++v, twice = !twice) {
        const int added = twice ? *v * 2 : *v;
        sum += added / kBase + added % kBase;
    }
    return (kBase - sum % kBase) % kBase;
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
                                                  std::span<const int> weakDigits, bool commonOnly)
{
    std::vector<WorksheetQuestion> sheet;
    std::vector<Kind> asked;
    for (const auto &[wanted, kind] : {std::pair{kinds.read, Kind::Read},
                                       {kinds.write, Kind::Write},
                                       {kinds.marking, Kind::Marking}}) {
        if (wanted)
            asked.push_back(kind);
    }
    if (count <= 0 || asked.empty())
        return sheet;
    sheet.reserve(std::size_t(count));
    const int share = count / int(asked.size());
    const int extra = count % int(asked.size());
    int bandQuestions = 0;
    for (int k = 0; k < int(asked.size()); ++k) {
        const Kind kind = asked[std::size_t(k)];
        for (int i = 0; i < share + (k < extra ? 1 : 0); ++i) {
            WorksheetQuestion q{{}, kind, {}};
            if (kind == Kind::Marking) {
                const auto draw = [&] {
                    return commonOnly ? commonMarking(random) : smd::randomMarkingQuestion(random);
                };
                q.marking = draw();
                for (int n = 1; n < kDraws && onSheet(sheet, q.marking); ++n)
                    q.marking = draw();
            } else {
                const bool weakFirst =
                    !weakDigits.empty() && bandQuestions % kUsualMixEvery != kUsualMixEvery - 1;
                ++bandQuestions;
                const auto draw = [&] {
                    return commonOnly ? commonQuestion(random) : randomQuestion(random);
                };
                q.resistor = draw();
                for (int n = 1;
                     n < kDraws && (onSheet(sheet, q.resistor) ||
                                    (weakFirst && !showsDigitColour(q.resistor, weakDigits)));
                     ++n)
                    q.resistor = draw();
            }
            sheet.push_back(q);
        }
    }
    return sheet;
}

std::vector<WorksheetQuestion> worksheetQuestions(const WorksheetRecipe &recipe)
{
    std::mt19937 random(recipe.seed);
    const std::vector<int> weak = digitsOfBits(recipe.weakColours);
    return worksheetQuestions(recipe.count, recipe.kinds, random, weak, recipe.commonOnly);
}

std::uint16_t colourBits(std::span<const int> digits)
{
    std::uint16_t bits = 0;
    for (const int d : digits) {
        if (d >= 0 && d < kColourBits)
            bits |= std::uint16_t(1U << d);
    }
    return bits;
}

std::vector<int> digitsOfBits(std::uint16_t bits)
{
    std::vector<int> digits;
    for (int d = 0; d < kColourBits; ++d) {
        if (bits & (1U << d))
            digits.push_back(d);
    }
    return digits;
}

QString sheetCode(const WorksheetRecipe &recipe)
{
    std::uint64_t bits = recipe.weakColours & ((1U << kColourBits) - 1);
    bits = (bits << kCommonBits) | (recipe.commonOnly ? 1U : 0U);
    bits = (bits << kKindBits) | (recipe.kinds.read ? 1U : 0U) | (recipe.kinds.write ? 2U : 0U) |
           (recipe.kinds.marking ? 4U : 0U);
    bits = (bits << kCountBits) | std::uint64_t(recipe.count - kWorksheetFewest);
    bits = (bits << kSheetSeedBits) | (recipe.seed & ((1U << kSheetSeedBits) - 1));
    std::array<int, kCodeCharacters> values{};
    for (int i = kCodeCharacters - 2; i >= 0; --i, bits >>= kBitsPerCharacter)
        values[std::size_t(i)] = int(bits % kBase);
    values.back() = checkOf(std::span(values).first(kCodeCharacters - 1));
    QString code;
    for (int i = 0; i < kCodeCharacters; ++i) {
        if (i == kCodeGroup)
            code += u'-';
        code += kCodeAlphabet[values[std::size_t(i)]];
    }
    return code;
}

std::variant<WorksheetRecipe, CodeRefusal> readSheetCode(QStringView text)
{
    std::vector<int> values;
    bool foreign = false;
    for (const QChar c : text) {
        if (c.isSpace() || c == u'-')
            continue;
        const int v = codeValue(c);
        foreign = foreign || v < 0;
        values.push_back(v);
    }
    if (int(values.size()) != kCodeCharacters)
        return CodeRefusal::WrongLength;
    if (foreign)
        return CodeRefusal::ForeignCharacter;
    if (checkOf(std::span(values).first(kCodeCharacters - 1)) != values.back())
        return CodeRefusal::Mistyped;
    std::uint64_t bits = 0;
    for (int i = 0; i < kCodeCharacters - 1; ++i)
        bits = bits * kBase + std::uint64_t(values[std::size_t(i)]);
    const auto take = [&bits](int width) {
        const auto field = std::uint32_t(bits & ((std::uint64_t(1) << width) - 1));
        bits >>= width;
        return field;
    };
    WorksheetRecipe recipe;
    recipe.seed = take(kSheetSeedBits);
    recipe.count = kWorksheetFewest + int(take(kCountBits));
    const std::uint32_t kinds = take(kKindBits);
    recipe.kinds = {(kinds & 1) != 0, (kinds & 2) != 0, (kinds & 4) != 0};
    recipe.commonOnly = take(kCommonBits) != 0;
    recipe.weakColours = std::uint16_t(take(kColourBits));
    if (recipe.count > kWorksheetMost || kinds == 0)
        return CodeRefusal::NotASheet;
    return recipe;
}

QString codeRefusalMessage(CodeRefusal refusal)
{
    QString what;
    switch (refusal) {
    case CodeRefusal::WrongLength:
        what = u"연습지 코드는 숫자와 영문 대문자 열 자입니다."_s;
        break;
    case CodeRefusal::ForeignCharacter:
        what = u"연습지 코드에는 숫자와 영문자만 씁니다."_s;
        break;
    case CodeRefusal::Mistyped:
        what = u"잘못 옮겨 적은 글자가 있습니다. 연습지나 정답지에 인쇄된 코드와 "
               "한 글자씩 맞춰 보십시오."_s;
        break;
    case CodeRefusal::NotASheet:
        what = u"이 프로그램이 만든 연습지의 코드가 아닙니다."_s;
        break;
    }
    return what + u"\n예: 006M9-XD3FP"_s;
}

std::vector<int> questionsPerPage(std::span<const WorksheetQuestion> questions,
                                  const WorksheetRoom &room)
{
    // The rows: how many questions each holds, and whether it starts a kind.
    struct Row {
        int questions;
        bool startsKind;
    };
    std::vector<Row> rows;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const bool starts = i == 0 || questions[i].kind != questions[i - 1].kind;
        if (starts || rows.back().questions == 2)
            rows.push_back({1, starts});
        else
            ++rows.back().questions;
    }
    // Rows onto pages. Aiming at `pagesWanted` pages, each page takes its
    // share of the rows still to place; with none aimed at, all that fit.
    // A row taller than a page still gets a page of its own.
    const auto pack = [&](std::size_t pagesWanted) {
        std::vector<int> pages;
        double y = 0;
        std::size_t onPage = 0, most = 0, placed = 0;
        for (const Row &r : rows) {
            const double below = room.row + (r.startsKind ? room.heading : 0);
            if (onPage == 0 || onPage == most || y + below > room.page) {
                const std::size_t left = rows.size() - placed;
                most = pages.size() < pagesWanted
                           ? (left + pagesWanted - pages.size() - 1) / (pagesWanted - pages.size())
                           : left;
                pages.push_back(0);
                y = room.heading + room.row;
                onPage = 1;
            } else {
                y += below;
                ++onPage;
            }
            pages.back() += r.questions;
            ++placed;
        }
        return pages;
    };
    const std::vector<int> fewest = pack(0);
    const std::vector<int> even = pack(fewest.size());
    return even.size() == fewest.size() ? even : fewest;
}

QString worksheetAnswer(const WorksheetQuestion &question)
{
    const Resistor &r = question.resistor;
    if (question.kind == Kind::Marking)
        return question.marking.value.text(colorcode::kListUnits);
    if (question.kind == Kind::Read)
        return statedValue(r);
    const QString bands = colorcode::bandWords(r.value);
    if (!r.tolerance->filled)
        return bands + u" (허용오차 띠 없음)"_s;
    return bands + u", "_s + r.tolerance->colourWord.toString();
}

QString worksheetWorking(const WorksheetQuestion &question)
{
    const smd::MarkingQuestion &m = question.marking;
    if (question.kind == Kind::Marking)
        return smd::readingWorking(m.marking, {m.form, m.value});
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

std::vector<int> classWeakDigits(std::span<const SkillStates> pupils)
{
    // How many pupils miss each colour; of as many, the smaller digit first.
    std::array<int, 10> missedBy{};
    for (const SkillStates &states : pupils)
        for (int digit : weakDigits(states))
            ++missedBy[std::size_t(digit)];
    std::vector<int> digits;
    for (int digit = 0; digit < 10; ++digit)
        if (missedBy[std::size_t(digit)] > 0)
            digits.push_back(digit);
    std::stable_sort(digits.begin(), digits.end(), [&](int a, int b) {
        return missedBy[std::size_t(a)] > missedBy[std::size_t(b)];
    });
    return digits;
}

} // namespace practice
