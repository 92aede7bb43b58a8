#include "learner/review.h"

#include <algorithm>

namespace practice {

namespace {

// Band questions taken as one stream have no kind of their own.
constexpr QStringView kBandStream = u"";

} // namespace

std::optional<Question> comeBack(Review &review, QStringView kind, std::mt19937 &random)
{
    Review::Pending *longest = nullptr;
    for (Review::Pending &p : review.pending) {
        if (p.kind != kind)
            continue;
        ++p.askedSince;
        if (!longest || p.askedSince > longest->askedSince)
            longest = &p;
    }
    if (longest && (longest->askedSince >= kComesBackWithin ||
                    (longest->askedSince >= kComesBackAfter && below(random, 3) == 0))) {
        longest->askedSince = 0;
        return longest->question;
    }
    return std::nullopt;
}

void remember(Review &review, QStringView kind, const Question &question, bool right)
{
    const auto it =
        std::find_if(review.pending.begin(), review.pending.end(), [&](const Review::Pending &p) {
            return p.kind == kind && p.question == question;
        });
    if (right) {
        if (it != review.pending.end())
            review.pending.erase(it);
    } else if (it == review.pending.end()) {
        review.pending.push_back({kind.toString(), question, 0});
    } else {
        it->askedSince = 0;
    }
}

Resistor pickNext(Review &review, std::mt19937 &random)
{
    if (const std::optional<Question> back = comeBack(review, kBandStream, random))
        return back->resistor;
    return randomQuestion(random);
}

void remember(Review &review, const Resistor &question, bool right)
{
    remember(review, kBandStream, Question{question, {}, 0}, right);
}

void ask(Session &session, QStringView kind, const Question &question)
{
    session.kind = kind.toString();
    session.current = question;
    session.judged = false;
}

bool judge(Session &session, bool right)
{
    if (!session.current || session.judged)
        return false;
    session.judged = true;
    score(session.score, right);
    remember(session.review, session.kind, *session.current, right);
    return true;
}

void score(Score &score, bool right)
{
    ++score.asked;
    if (right) {
        ++score.right;
        ++score.streak;
    } else {
        score.streak = 0;
    }
}

} // namespace practice
