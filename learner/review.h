#pragma once

// A run of practice: the score, and the missed questions, which come back a
// few questions later until they are answered right.

#include "learner/judgement.h"
#include "learner/question.h"

#include <optional>
#include <random>
#include <vector>

namespace practice {

// Right answers out of the questions so far, a skipped question counted as
// asked; the streak is the right answers in a row, which a skip leaves as it
// is (it is no miss).
struct Score {
    int right = 0;
    int asked = 0;
    int streak = 0;
};

// A missed question comes back within this many questions, again and again
// until it is answered right; never as the very next one, which would only
// test whether the learner remembers the working just shown.
inline constexpr int kComesBackWithin = 5;
inline constexpr int kComesBackAfter = 2;

// The missed questions waiting to come back.
struct Review {
    struct Pending {
        Resistor question;
        int askedSince = 0; // questions asked since it was last asked
    };
    std::vector<Pending> pending;
};

// The next question: a missed one when it is due (now and then earlier), a
// new one otherwise.
Resistor pickNext(Review &review, std::mt19937 &random);

// A judged question leaves the review when it was answered right and joins
// it (or stays) when it was missed.
void remember(Review &review, const Resistor &question, bool right);

// A run of practice: the score, the missed questions and the question on
// screen. It lives while the program runs; nothing of it is written anywhere.
struct Session {
    Score score;
    Review review;
    std::optional<Resistor> current;
    bool judged = false; // the current question has been answered and scored
};

// Moves on to the next question; a current one not yet judged counts as
// asked, not as missed.
const Resistor &nextQuestion(Session &session, std::mt19937 &random);

// Counts an answer in the score: right or wrong, or (nullopt) a question
// left unanswered, which counts as asked and leaves the streak as it is.
void score(Score &score, std::optional<bool> right);

// Scores the judgement of the current question, once.
void record(Session &session, const Judgement &judgement);

} // namespace practice
