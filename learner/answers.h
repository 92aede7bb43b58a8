#pragma once

// A judged practice answer as the learner's record keeps it, and what is read
// from it: the row the record stores (made here, in one place), the colours
// it mixed up, the line an answer waits in while the record cannot take it,
// and the lines of the CSV file a learner or teacher exports. Plain values
// over Qt Core; the record itself (learner/record.h) writes the rows.

#include "learner/judgement.h"
#include "learner/question.h"
#include "learner/schedule.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace practice {

struct Answer {
    QDateTime when; // when it was judged
    Kind kind = Kind::Read;
    Resistor question;
    QString given; // the answer as given: "4.7KΩ ±5%", "노랑, 보라, 적색, 금색"
    std::optional<Resistor> spelt; // the bands it spells, compared band by band
    Judgement judgement;
    double seconds = 0; // from the question shown to the answer judged
    // A marking question: the marking on the chip ("472") and its form
    // (smd::Form as a number); the value is the question's.
    QString marking;
    int markingForm = 0;
};

// A reading of a drawn question (number as typed, trimmed; unit; tolerance
// text) as the record keeps it.
Answer readingAnswer(const Resistor &question, QStringView number, QStringView unit,
                     QStringView tolerance, const Judgement &judgement, double seconds,
                     const QDateTime &when);

// The bands picked for a stated question as the record keeps them.
Answer pickingAnswer(const Resistor &question, const Resistor &picked, const Judgement &judgement,
                     double seconds, const QDateTime &when);

// A marking read off a chip (number as typed, trimmed; unit) as the record
// keeps it; `right` and the slip as the marking's rules judged them.
Answer markingAnswer(const colorcode::Resistance &value, QStringView marking, int form,
                     QStringView number, QStringView unit, bool right, Mistake mistake,
                     double seconds, const QDateTime &when);

// The question as the record keeps it: its bands' colours, or the marking.
QString questionText(const Answer &answer);

// The answer as the skills see it: the learner's local day it was given on,
// the skills its question exercised and those it failed. The practice keeps
// its skill states with learn(states, skillAnswer(answer)) when no record is
// kept; the record does the same with each answer it writes.
SkillAnswer skillAnswer(const Answer &answer);

// A resistor as its bands' colour words, the tolerance band last:
// "노랑, 보라, 적색, 금색"; "없음" for the tolerance band that is not there.
QString bandsText(const Resistor &resistor);

// The kinds of question: how the record names each ("read"; never changed
// once written) and how the learner reads it ("색띠 읽기": the practice's
// option, the exported file), in the order the practice offers them.
struct KindName {
    Kind kind;
    QStringView key;
    QStringView name;
};
inline constexpr std::array<KindName, 3> kKindNames{{
    {Kind::Read, u"read", u"색띠 읽기"},
    {Kind::Write, u"write", u"색띠 고르기"},
    {Kind::Marking, u"marking", u"SMD 표시 읽기"},
}};
QStringView kindKey(Kind kind);
QStringView kindName(Kind kind);

// How the record names a slip: "" for none, "reversed", "five-as-four",
// "neighbour-colour", "power-of-ten", "tolerance-only",
// "last-digit-as-digit". These never change once written.
QStringView mistakeKey(Mistake mistake);

// The colours of the confusion table, rows and columns alike: the ten digit
// colours, then gold, silver and the tolerance band that is not there.
inline constexpr int kConfusionColours = 13;
QStringView confusionColourWord(int colour);
// Its swatch on the colour-to-value page; nullopt for the band not there.
std::optional<colorcode::ColorCode> confusionColour(int colour);
// The colour of a word; nullopt for a word that is none of them.
std::optional<int> confusionColourOf(QStringView word);

// One colour asked and the colour answered for it, as indices of the
// confusion colours; the same for a colour answered right.
struct Mixup {
    int asked = 0;
    int taken = 0;
    friend bool operator==(const Mixup &, const Mixup &) = default;
};

// What an answer tells of the colours: a picked answer band by band (the
// colour the value needs against the colour picked; every band on the
// diagonal when the answer is right), a reading only where its slip says
// which colour was taken for which (a neighbour colour).
std::vector<Mixup> mixups(const Answer &answer);

// An answer as the record stores it: every field as it is written.
struct Row {
    // Names the answer while it waits to be written, so it is written once
    // however often it is offered; the record gives it.
    QString token;
    QString at;  // when judged: UTC, ISO 8601 with milliseconds
    QString day; // the learner's local day, ISO 8601
    QString kind;
    QString question;
    QString given;
    bool correct = false;
    QString slip;
    double seconds = 0;
    QString skills;                                  // keys of the skills exercised, space between
    QString missed;                                  // and of those failed
    std::vector<std::pair<QString, QString>> mixups; // colour words asked, taken
    // The class server has it: a joined pupil's answer once sent, or one
    // fetched from there. A home record's answers are never sent.
    bool sent = false;
    friend bool operator==(const Row &, const Row &) = default;
};

Row rowOf(const Answer &answer);

// The row as the skills see it, as skillAnswer(answer) of its answer.
SkillAnswer skillAnswerOf(const Row &row);

// A row as one line of the file answers wait in (JSON, no line break in it),
// and back; nullopt for a line that is not one, such as the half line a
// power cut leaves.
QByteArray waitingLine(const Row &row);
std::optional<Row> rowOfWaitingLine(QByteArrayView line);

// The exported file: UTF-8 with a byte-order mark, so a spreadsheet shows the
// Korean, a header row, then one line per answer; lines end in CR LF and a
// field holding a comma, a quote or a line break is quoted.
inline constexpr QStringView kCsvByteOrderMark = u"\uFEFF";
QStringList csvHeader();
// The fields of one answer as the record holds it: the kind and slip by
// their keys. The time is written as given, with its offset from UTC (ISO
// 8601, "2027-03-01T18:00:00+09:00"); the record gives the learner's local
// time, and a teacher in another zone still reads the same instant.
QStringList csvFields(const QDateTime &when, QStringView kind, QStringView question,
                      QStringView given, bool right, QStringView mistake, double seconds);
QString csvLine(const QStringList &fields);

} // namespace practice
