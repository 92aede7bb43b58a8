#pragma once

// A run of practice: the score, and the missed questions, which come back a
// few questions later until they are answered right.

#include "learner/question.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <random>
#include <vector>

namespace practice {

// Right answers out of the questions judged so far; the streak is the right
// answers in a row. A question skipped (left for the next one or another
// kind before it was judged) is not counted at all.
struct Score {
    int right = 0;
    int asked = 0;
    int streak = 0;
    friend bool operator==(const Score &, const Score &) = default;
};

// A missed question comes back within this many questions of its kind, again
// and again until it is answered right; never as the very next one, which
// would only test whether the learner remembers the working just shown.
inline constexpr int kComesBackWithin = 5;
inline constexpr int kComesBackAfter = 2;

// The missed questions waiting to come back, each under the key of the kind
// it was asked as ("read", "marking").
struct Review {
    struct Pending {
        QString kind;
        Question question;
        int askedSince = 0; // questions of its kind asked since it was last asked
    };
    std::vector<Pending> pending;
};

// The missed question of `kind` that comes back now, if any: every one
// waiting counts one more question of its kind asked, and the one waiting
// longest comes back once it has waited kComesBackWithin (now and then from
// kComesBackAfter on). nullopt when a new question is to be asked.
std::optional<Question> comeBack(Review &review, QStringView kind, std::mt19937 &random);

// A judged question of `kind` leaves the review when it was answered right
// and joins it (or stays) when it was missed.
void remember(Review &review, QStringView kind, const Question &question, bool right);

// Band questions as one stream, for a simulated learner and generated
// records: a missed one when it is due, a new one of today's mix otherwise.
Resistor pickNext(Review &review, std::mt19937 &random);
void remember(Review &review, const Resistor &question, bool right);

// A run of practice: the score, the missed questions and the question on
// screen with its kind. It lives while the program runs; nothing of it is
// written anywhere.
struct Session {
    Score score;
    Review review;
    QString kind; // the kind on screen, by its key: the practice opens again on it
    std::optional<Question> current;
    bool judged = false; // the current question has been answered and scored
};

// Puts `question` of `kind` on screen. The question there before, if it was
// not judged, is skipped: neither scored nor remembered.
void ask(Session &session, QStringView kind, const Question &question);

// Counts the judged current question in the score and the review, once:
// false when there is none or it was judged already.
bool judge(Session &session, bool right);

// Counts a judged answer in the score.
void score(Score &score, bool right);

} // namespace practice
