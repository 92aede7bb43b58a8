#pragma once

// A kind of practice question as one small interface: the question it asks
// (in words too, for a learner who cannot see the drawing), how an answer is
// read and judged with its named slip, the feedback with the working, the
// skills the answer exercised and failed, and the key the record keeps it
// under. The practice dialog runs one flow over every kind (ask, check,
// feedback, next) and never asks which kind it has: a new kind is a file of
// rules and a row in kinds().

#include "learner/answers.h"
#include "learner/question.h"
#include "learner/review.h"
#include "learner/schedule.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>
#include <random>
#include <span>

namespace practice {

// The answer controls a kind needs: a value and its unit with the
// tolerance, a value and its unit alone, or a band list for each band.
enum class AnswerControls { ValueAndTolerance, Value, Bands };

// The answer as the dialog's controls hold it: the typed number (as typed),
// its unit and the tolerance text; for band lists, the resistor they spell
// (nullopt when an entry is none of its list's).
struct Given {
    QString number;
    QString unit;
    QString tolerance;
    std::optional<Resistor> picked;
};

// What a check gives: the judgement (nullopt: nothing to judge, the answer
// refused and asked for again), the feedback for the learner, and for a
// judged answer the answer as the record keeps it and the skills it showed.
struct Checked {
    std::optional<Judgement> judgement;
    QString feedback;
    std::optional<Answer> answer;
    SkillAnswer skills;
};

class QuestionKind {
public:
    virtual ~QuestionKind() = default;

    // How the session and the record know the kind: "read".
    virtual QStringView key() const = 0;
    // Its option in the dialog: the control's name ("optRead"), its text
    // with the access key ("색띠 읽기(&R)") and its name for a screen
    // reader ("색띠 읽기").
    virtual QString optionName() const = 0;
    virtual QString optionText() const = 0;
    virtual QString spokenName() const = 0;

    virtual AnswerControls controls() const = 0;
    // What the learner is asked to do.
    virtual QString instruction() const = 0;

    // The next question: a missed one that comes back, else one for the
    // skills that are due or weak.
    virtual Question next(Review &review, const SkillStates &skills, QDate today,
                          std::mt19937 &random) const = 0;
    // What the question states in words beside the picture ("4.7KΩ ±5%"); empty
    // when the picture is the whole question.
    virtual QString stated(const Question &question) const = 0;
    // The question as a screen reader says it when it appears.
    virtual QString spoken(const Question &question) const = 0;

    // Judges an answer, words the feedback and, for a judged one, makes the
    // answer as the record keeps it.
    virtual Checked check(const Question &question, const Given &given, double seconds,
                          const QDateTime &when) const = 0;
};

// A kind the record knows by a Kind of its own: its key, its names and its
// instruction are the record's and the practice's texts for that Kind.
class NamedKind : public QuestionKind {
public:
    // `optionName` names the option's control ("optRead"); `accessKey` is
    // its letter ('R').
    NamedKind(Kind kind, QStringView optionName, QChar accessKey)
        : m_kind(kind), m_optionName(optionName), m_accessKey(accessKey)
    {
    }

    QStringView key() const override;
    QString optionName() const override;
    QString optionText() const override;
    QString spokenName() const override;
    QString instruction() const override;

private:
    Kind m_kind;
    QStringView m_optionName;
    QChar m_accessKey;
};

// The kinds, each in a file of rules of its own.
const QuestionKind &bandReading();
const QuestionKind &bandPicking();
const QuestionKind &markingReading();

// The kinds the practice offers, in the order of its options: band reading,
// band picking, SMD marking reading.
std::span<const QuestionKind *const> kinds();

// The kind of a key among `list`; the first of them for a key none has.
const QuestionKind &kindOf(std::span<const QuestionKind *const> list, QStringView key);

} // namespace practice
