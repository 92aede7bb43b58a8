#include "learner/review.h"

#include <algorithm>

namespace practice {

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
        score(session.score, std::nullopt);
    session.current = pickNext(session.review, random);
    session.judged = false;
    return *session.current;
}

void record(Session &session, const Judgement &judgement)
{
    if (!session.current || session.judged)
        return;
    session.judged = true;
    score(session.score, judgement.right);
    remember(session.review, *session.current, judgement.right);
}

void score(Score &score, std::optional<bool> right)
{
    ++score.asked;
    if (!right)
        return;
    if (*right) {
        ++score.right;
        ++score.streak;
    } else {
        score.streak = 0;
    }
}

} // namespace practice
