#include "pages/practice/practice.h"

#include "colorcode/numbertext.h"
#include "colorcode/series.h"
#include "pages/color_to_value/working.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;
using colorcode::Resistance;

namespace practice {

namespace {

constexpr std::array<QStringView, 4> kPrecisionTolerances{u"±0.5%", u"±0.25%", u"±0.1%", u"±0.05%"};

// The multiplier list goes from ×1 to ×10⁶.
constexpr int kLargestExponent = colorcode::kMultiplierEntries - 1;

// A typed value is read with at most three significant digits, as many as
// the bands of any resistor here spell.
constexpr int kMostDigits = 3;

// Two in five questions are 5-band; tolerances by tenths.
constexpr int kFiveBandInFive = 2;
constexpr int kCommonInTen = 6; // ±5% or ±1%
constexpr int kSecondInTen = 3; // ±10% or ±2%; the tenth is ±20% or a precision tolerance

// A number in 0 … n−1 straight from the generator, so a seed gives the same
// questions with every standard library.
int below(std::mt19937 &random, std::size_t n)
{
    return int(random() % std::uint32_t(n));
}

const colorcode::ToleranceEntry *tolerance(QStringView text)
{
    return colorcode::toleranceOf(text);
}

// Whether two values are one: each is its digits times an exact power of
// ten, so equal values give the same double, however many digit bands spell
// them.
bool sameValue(const Resistance &a, const Resistance &b)
{
    return a.ohms() == b.ohms();
}

// The digits of a value without its trailing zeros: 47 for 4.7 kΩ and for
// 470 Ω alike; 0 for zero.
int digitsOf(const Resistance &r)
{
    int s = r.significand;
    while (s != 0 && s % 10 == 0)
        s /= 10;
    return s;
}

int powerOfTen(int n)
{
    int p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Brown, red and orange look alike, and so do blue and violet, grey and white.
int lookAlikeGroup(int digit)
{
    if (digit >= 1 && digit <= 3)
        return 0;
    if (digit == 6 || digit == 7)
        return 1;
    if (digit == 8 || digit == 9)
        return 2;
    return -1;
}

bool lookAlike(int a, int b)
{
    return a != b && lookAlikeGroup(a) >= 0 && lookAlikeGroup(a) == lookAlikeGroup(b);
}

struct Slip {
    Mistake mistake = Mistake::None;
    int band = 0;
    int bandsDigit = 0; // the digit the bands have
    int readDigit = 0;  // the digit they were read as
};

// The slip by which reading `bands` gives `value`. A learner who reads a
// drawn question makes it on the question's bands; one who picks bands for a
// stated value makes it backwards, so the picked bands, read with the slip,
// give the stated value.
Slip slipBetween(const Resistance &bands, const Resistance &value)
{
    const int n = bands.digitCount;
    if (bands.exponent >= 0 && bands.exponent <= 9) {
        // From the wrong end the multiplier band is the first digit, the
        // digit bands come backwards and the first of them is the multiplier.
        int reversed = bands.exponent;
        for (int i = n - 1; i >= 1; --i)
            reversed = reversed * 10 + bands.digit(i);
        if (sameValue({reversed, n, bands.digit(0)}, value))
            return {Mistake::Reversed};
    }
    if (n == 3 && sameValue({bands.digit(0) * 10 + bands.digit(1), 2, bands.digit(2)}, value))
        return {Mistake::FiveAsFour};
    for (int i = 0; i < n; ++i) {
        const int digit = bands.digit(i);
        for (int other = 0; other <= 9; ++other) {
            if (!lookAlike(digit, other))
                continue;
            Resistance misread = bands;
            misread.significand += (other - digit) * powerOfTen(n - 1 - i);
            if (sameValue(misread, value))
                return {Mistake::NeighbourColour, i, digit, other};
        }
    }
    if (digitsOf(bands) != 0 && digitsOf(bands) == digitsOf(value) && !sameValue(bands, value))
        return {Mistake::PowerOfTen};
    return {};
}

Judgement judged(const Resistor &question, const Resistance &value, bool toleranceRight)
{
    Judgement j;
    j.toleranceRight = toleranceRight;
    if (sameValue(value, question.value)) {
        j.right = toleranceRight;
        j.mistake = toleranceRight ? Mistake::None : Mistake::ToleranceOnly;
    }
    return j;
}

// 이 after a final consonant, 가 after a vowel: "갈색이", "보라가".
QStringView subjectParticle(QStringView word)
{
    constexpr char16_t kFirstSyllable = 0xAC00, kLastSyllable = 0xD7A3, kFinals = 28;
    const char16_t last = word.isEmpty() ? 0 : word.back().unicode();
    if (last >= kFirstSyllable && last <= kLastSyllable && (last - kFirstSyllable) % kFinals == 0)
        return u"가";
    return u"이";
}

QStringView colourWord(int digit)
{
    return colorcode::kBandColors[std::size_t(digit)].colourWord;
}

constexpr std::array<QStringView, 3> kDigitRoles{
    colorcode::kFirstDigitRole, colorcode::kSecondDigitRole, colorcode::kThirdDigitRole};

QString mistakeSentence(Kind kind, const Judgement &j)
{
    const bool read = kind == Kind::Read;
    switch (j.mistake) {
    case Mistake::None:
        return {};
    case Mistake::Reversed:
        return read ? u"색띠를 거꾸로 읽었습니다. 허용오차 띠를 오른쪽에 두고 왼쪽 띠부터 "
                      "읽습니다."_s
                    : u"색띠를 거꾸로 놓았습니다. 첫째 숫자 띠가 왼쪽 끝, 허용오차 띠가 오른쪽 "
                      "끝에 옵니다."_s;
    case Mistake::FiveAsFour:
        return (read ? u"5색 저항을 4색 저항처럼 읽었습니다."_s
                     : u"5색 저항을 4색 저항처럼 골랐습니다."_s) +
               u" 5색 저항은 숫자 띠가 셋이고 넷째 띠가 승수입니다."_s;
    case Mistake::NeighbourColour: {
        const QStringView taken = colourWord(j.takenDigit);
        return u"%1는 %2%3 아니라 %4입니다. 비슷한 색을 잘 구별하십시오."_s.arg(
            kDigitRoles[std::size_t(std::clamp(j.band, 0, 2))], taken, subjectParticle(taken),
            colourWord(j.rightDigit));
    }
    case Mistake::PowerOfTen:
        return read ? u"숫자는 맞지만 승수나 단위가 틀렸습니다."_s
                    : u"숫자 띠는 맞지만 승수 띠가 틀렸습니다."_s;
    case Mistake::ToleranceOnly:
        return u"저항값은 맞지만 허용오차가 틀렸습니다."_s;
    }
    return {};
}

} // namespace

Resistor randomQuestion(std::mt19937 &random)
{
    const bool five = below(random, 5) < kFiveBandInFive;
    const int exponent = below(random, kLargestExponent + 1);
    const int roll = below(random, 10);
    if (five) {
        const std::span<const int> e96 = colorcode::seriesValues(colorcode::Series::E96);
        const int digits = e96[std::size_t(below(random, e96.size()))];
        const QStringView text =
            roll < kCommonInTen ? u"±1%"
            : roll < kCommonInTen + kSecondInTen
                ? u"±2%"
                : kPrecisionTolerances[std::size_t(below(random, kPrecisionTolerances.size()))];
        return {{digits, 3, exponent}, tolerance(text)};
    }
    const std::span<const int> e24 = colorcode::seriesValues(colorcode::Series::E24);
    const int digits = e24[std::size_t(below(random, e24.size()))];
    const QStringView text = roll < kCommonInTen                  ? u"±5%"
                             : roll < kCommonInTen + kSecondInTen ? u"±10%"
                                                                  : u"±20%";
    return {{digits, 2, exponent}, tolerance(text)};
}

std::optional<Judgement> judgeReading(const Resistor &question, QStringView number,
                                      QStringView unit, QStringView tolerance)
{
    const std::optional<double> typed = colorcode::parseNumber(number);
    const colorcode::Unit *u = colorcode::unitOf(unit, colorcode::kListUnits);
    if (!typed || !u)
        return std::nullopt;
    const bool toleranceRight = tolerance == question.tolerance->text;
    // The product is rounded to fifteen digits on the way, so 0.0047 MΩ is
    // exactly 4700 Ω. A value that needs more digits than any bands spell, is
    // below zero or too large is wrong in no named way.
    const std::optional<Resistance> said =
        colorcode::resistanceOf(*typed * std::pow(10.0, u->power), kMostDigits);
    if (!said) {
        Judgement j;
        j.toleranceRight = toleranceRight;
        return j;
    }
    Judgement j = judged(question, *said, toleranceRight);
    if (!sameValue(*said, question.value)) {
        const Slip slip = slipBetween(question.value, *said);
        j.mistake = slip.mistake;
        j.band = slip.band;
        j.rightDigit = slip.bandsDigit;
        j.takenDigit = slip.readDigit;
    }
    return j;
}

Judgement judgeWriting(const Resistor &question, const Resistor &picked)
{
    Judgement j = judged(question, picked.value, picked.tolerance == question.tolerance);
    if (!sameValue(picked.value, question.value)) {
        const Slip slip = slipBetween(picked.value, question.value);
        j.mistake = slip.mistake;
        j.band = slip.band;
        j.rightDigit = slip.readDigit;
        j.takenDigit = slip.bandsDigit;
    }
    return j;
}

std::optional<Resistor> pickedResistor(colorcode::BandCount bands, QStringView first,
                                       QStringView second, QStringView third,
                                       QStringView multiplier, QStringView toleranceWord)
{
    const std::optional<int> d1 = colorcode::digitOfItemText(first);
    const std::optional<int> d2 = colorcode::digitOfItemText(second);
    const std::optional<int> d3 =
        bands == colorcode::BandCount::Five ? colorcode::digitOfItemText(third) : 0;
    const std::optional<int> m =
        colorcode::digitOfItemText(multiplier, colorcode::kMultiplierEntries);
    const auto entry = std::find_if(
        colorcode::kTolerances.begin(), colorcode::kTolerances.end(),
        [&](const colorcode::ToleranceEntry &t) { return t.colourWord == toleranceWord; });
    if (!d1 || !d2 || !d3 || !m || entry == colorcode::kTolerances.end())
        return std::nullopt;
    return Resistor{colorcode::resistanceOfBands(bands, *d1, *d2, *d3, *m), &*entry};
}

QString statedValue(const Resistor &question)
{
    return question.value.text(colorcode::kListUnits) + u' ' + question.tolerance->text.toString();
}

QString feedback(const Resistor &question, Kind kind, const std::optional<Judgement> &judgement)
{
    if (!judgement)
        return u"저항값을 숫자로 입력하십시오. 예: 4.7"_s;
    QString line = judgement->right ? u"정답입니다."_s : u"오답입니다."_s;
    const QString sentence = mistakeSentence(kind, *judgement);
    if (!sentence.isEmpty())
        line += u' ' + sentence;
    if (!judgement->toleranceRight && judgement->mistake != Mistake::ToleranceOnly)
        line += u" 허용오차도 틀렸습니다."_s;
    return line + u'\n' + colortovalue::readingWorking(question.value, question.tolerance->text);
}

QStringList toleranceTexts()
{
    return colorcode::itemTexts(colorcode::kFourBandTolerances) +
           colorcode::itemTexts(colorcode::kFiveBandTolerances);
}

QStringList toleranceWords()
{
    QStringList words;
    for (const colorcode::ToleranceEntry &t : colorcode::kTolerances)
        words << t.colourWord.toString();
    return words;
}

std::array<DrawnBand, 5> drawnBands(const Resistor &resistor)
{
    using colorcode::Palette;
    const Resistance &v = resistor.value;
    const auto digitBand = [](int digit, QStringView role) {
        // Only a multiplier beyond the lists (never in a question) falls
        // outside the ten colours; it is painted black.
        const bool colour = digit >= 0 && digit <= 9;
        return DrawnBand{
            true, true,
            colour ? colorcode::digitColor(digit, Palette::Selector) : colorcode::kBlack, role};
    };
    const bool five = resistor.bands() == colorcode::BandCount::Five;
    // The multiplier lands on the band after the last digit band.
    const DrawnBand multiplier = digitBand(v.exponent, colorcode::kMultiplierRole);
    return {{
        digitBand(v.digit(0), colorcode::kFirstDigitRole),
        digitBand(v.digit(1), colorcode::kSecondDigitRole),
        five ? digitBand(v.digit(2), colorcode::kThirdDigitRole) : multiplier,
        five ? multiplier : DrawnBand{false, true, colorcode::kBlack, colorcode::kMultiplierRole},
        {true, resistor.tolerance->filled,
         colorcode::toleranceColor(*resistor.tolerance, Palette::Selector),
         colorcode::kToleranceRole},
    }};
}

QString scoreText(const Score &score)
{
    return u"맞힌 문제 %1 / %2 · 연속 정답 %3"_s.arg(score.right)
        .arg(score.asked)
        .arg(score.streak);
}

Resistor pickNext(Review &review, std::mt19937 &random)
{
    for (Review::Pending &p : review.pending)
        ++p.askedSince;
    const auto longest = std::max_element(review.pending.begin(), review.pending.end(),
                                          [](const Review::Pending &a, const Review::Pending &b) {
                                              return a.askedSince < b.askedSince;
                                          });
    if (longest != review.pending.end() &&
        (longest->askedSince >= kComesBackWithin ||
         (longest->askedSince >= kComesBackAfter && below(random, 3) == 0))) {
        longest->askedSince = 0;
        return longest->question;
    }
    return randomQuestion(random);
}

void remember(Review &review, const Resistor &question, bool right)
{
    const auto it = std::find_if(review.pending.begin(), review.pending.end(),
                                 [&](const Review::Pending &p) { return p.question == question; });
    if (right) {
        if (it != review.pending.end())
            review.pending.erase(it);
    } else if (it == review.pending.end()) {
        review.pending.push_back({question, 0});
    } else {
        it->askedSince = 0;
    }
}

const Resistor &nextQuestion(Session &session, std::mt19937 &random)
{
    if (session.current && !session.judged)
        ++session.score.asked;
    session.current = pickNext(session.review, random);
    session.judged = false;
    return *session.current;
}

void record(Session &session, const Judgement &judgement)
{
    if (!session.current || session.judged)
        return;
    session.judged = true;
    ++session.score.asked;
    if (judgement.right) {
        ++session.score.right;
        ++session.score.streak;
    } else {
        session.score.streak = 0;
    }
    remember(session.review, *session.current, judgement.right);
}

} // namespace practice
