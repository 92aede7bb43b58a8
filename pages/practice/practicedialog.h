#pragma once

// frmPractice, "색띠 연습": the learner reads the bands of a drawn resistor,
// picks the bands of a stated value, or reads the marking on an SMD chip, and
// is told whether the answer is right, which classic slip a wrong one shows,
// and how the right answer comes. A missed question comes back a few
// questions later.
//
// One flow for every kind of question (practice::QuestionKind): ask, check,
// feedback, next. The handlers read the controls, call the kind on screen and
// write the result back; the dialog never asks which kind it has. The score,
// the missed questions, the question on screen and its kind live in a
// practice::Session that the main window keeps; the dialog is made anew at
// each opening and goes on where the last one stopped, on the same kind. A
// question left before it is judged is skipped, not counted. Each judged
// answer is written to the learner's record before its feedback is shown,
// and the questions are chosen for the skills the record says are due or
// weak.

#include "learner/schedule.h"
#include "pages/practice/markingpractice.h"
#include "pages/practice/practice.h"

#include <QDialog>
#include <QElapsedTimer>

#include <optional>
#include <random>
#include <span>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace practice {
class Record;
}

namespace ui {
class BandShape;
class ChipPicture;
class ResistorDrawing;
} // namespace ui

class frmPractice : public QDialog {
    Q_OBJECT

public:
    // The score, the missed questions and the question on screen live in
    // `session`, which outlasts the dialog: closed and opened again, it goes
    // on where it stopped. `kinds` are the kinds offered, an option each.
    frmPractice(QWidget *owner, practice::Session &session, practice::Record &record,
                std::span<const practice::QuestionKind *const> kinds = practice::kinds());

    // The question on screen: its resistor, and the whole of it.
    const practice::Resistor &question() const { return m_session.current->resistor; }
    const practice::Question &current() const { return *m_session.current; }

    // An option chosen: its kind's first question.
    void setKind(const practice::QuestionKind &kind);
    void cmdProgress_Click();

    // Reads the skills from the record again, after it changed elsewhere.
    void reloadSkills();
    void cmdCheck_Click();
    void cmdNext_Click();
    void cmdClose_Click();

    QGroupBox *fraKind = nullptr; // "문제 종류": how the question is put
    // One option a kind, made from the kinds' list; selected: the kind on screen.
    QRadioButton *optRead = nullptr;  // "색띠 읽기(&R)": read the drawn bands
    QRadioButton *optWrite = nullptr; // "색띠 고르기(&W)": pick the bands of a stated value
    QRadioButton *optSmd = nullptr;   // "SMD 표시 읽기(&D)": read the marking on a chip
    QLabel *lblScore = nullptr;       // "맞힌 문제 3 / 5 · 연속 정답 2"
    QLabel *lblInstruction = nullptr; // what to do for the kind of question
    QLabel *lblQuestion = nullptr;    // the stated value and tolerance, "4.7KΩ ±5%"; write only
    ui::ResistorDrawing *picQuestion = nullptr; // the resistor; holds the bands
    ui::ChipPicture *picQuestionChip = nullptr; // a marking question's chip, "표시 472"
    ui::BandShape *Band1 = nullptr;             // first digit
    ui::BandShape *Band2 = nullptr;             // second digit
    ui::BandShape *Band3 = nullptr;             // third digit (5-band) or the multiplier (4-band)
    ui::BandShape *Band4 = nullptr;             // multiplier, 5-band only
    ui::BandShape *Band5 = nullptr;             // tolerance, apart on the right

    QLabel *lblAnswer = nullptr;    // "저항값(&V)", caption of the value entry; read only
    QLineEdit *txtAnswer = nullptr; // the value read, a plain number; Enter checks
    QComboBox *cboUnit = nullptr;   // its unit: "Ω", "KΩ", "MΩ"
    QLabel *lblTolerance = nullptr; // "허용오차(&T)", caption of the tolerance list; read only
    QComboBox *cboTolerance = nullptr; // the nine tolerance texts

    QComboBox *cboDigit1 = nullptr;        // first digit band, "0 검정" to "9 백색"; write only
    QComboBox *cboDigit2 = nullptr;        // second digit band
    QComboBox *cboDigit3 = nullptr;        // third digit band, 5-band questions only
    QComboBox *cboMultiplier = nullptr;    // multiplier band, "0 검정" to "6 파랑"
    QComboBox *cboToleranceBand = nullptr; // tolerance band by colour word, "금색" … "없음"
    QLabel *lblDigit1 = nullptr;           // captions under the band lists
    QLabel *lblDigit2 = nullptr;
    QLabel *lblDigit3 = nullptr;
    QLabel *lblMultiplier = nullptr;
    QLabel *lblToleranceBand = nullptr;

    QPushButton *cmdCheck = nullptr;    // "채점(&G)": judges; the default until judged
    QPushButton *cmdNext = nullptr;     // "다음 문제(&N)": moves on, judged or not
    QPushButton *cmdProgress = nullptr; // "기록 보기(&S)": the progress view
    QPushButton *cmdClose = nullptr;    // "닫기(&C)"
    QLabel *lblFeedback = nullptr;      // "정답…" or "오답…", the slip, and the working

signals:
    // The learner asks for the progress view.
    void progressRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void makeKindOptions();
    void makeQuestionControls();
    void makeAnswerControls();
    void makeButtons();
    void connectControls();
    void askFirstQuestion();

    const practice::QuestionKind &kind() const;
    void askNext();
    void showQuestion();
    void paintPicks();
    void paint(const practice::Resistor &resistor);
    practice::Given given() const;
    void placeBandLists(bool fiveBand);
    QWidget *firstAnswerControl() const;
    void showNotice(const QString &notice);

    practice::Session &m_session;
    practice::Record &m_record;
    std::span<const practice::QuestionKind *const> m_kinds;
    std::vector<QRadioButton *> m_options; // in the order of m_kinds
    practice::SkillStates m_skills;
    QElapsedTimer m_shown; // since the question appeared
    std::mt19937 m_random;
};
