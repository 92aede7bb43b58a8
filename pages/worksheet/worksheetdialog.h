#pragma once

// frmWorksheet, "연습지 만들기": a sheet of the practice's questions for a
// class, saved as a PDF or printed, with the answer key on its last page.
//
// The handlers read the controls, ask the worksheet's rules for the
// questions and paint them (practice::writeWorksheetPdf, paintWorksheet).
// One sheet serves both buttons: saved and then printed, it is the same
// sheet, until a control changes and the next one is drawn anew.

#include "pages/worksheet/worksheetquestions.h"

#include <QDialog>

#include <random>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;

class frmWorksheet : public QDialog {
    Q_OBJECT

public:
    explicit frmWorksheet(QWidget *owner);

    // The digits whose colours the learner often misses, which
    // "내가 자주 틀리는 색 위주로" favours. They come from the learner's
    // record; while none are given, the box leaves the usual mix.
    void setWeakDigits(std::vector<int> digits);

    // The questions of the sheet last saved or printed.
    const std::vector<practice::WorksheetQuestion> &questions() const { return m_questions; }

    // Writes the sheet to `path`; when it cannot, says so in a message box
    // and returns false.
    bool savePdf(const QString &path);

    void cmdSavePdf_Click();
    void cmdPrint_Click();
    void cmdClose_Click();

    QLabel *lblQuestions = nullptr;   // "문제 수(&N)", caption of the count
    QSpinBox *spnQuestions = nullptr; // how many questions, 10 to 40; 20 at first
    QGroupBox *fraKind = nullptr;     // "문제 종류(&T)": the kinds asked
    QCheckBox *chkRead = nullptr;     // "색띠 읽기": read the drawn bands; checked
    QCheckBox *chkWrite = nullptr;    // "색띠 고르기": colour in the bands of a value; checked
    QCheckBox *chkWeakFirst = nullptr; // "내가 자주 틀리는 색 위주로"
    QPushButton *cmdSavePdf = nullptr; // "PDF로 저장(&S)": asks for a file; the default
    QPushButton *cmdPrint = nullptr;   // "인쇄(&P)": the system's print dialog
    QPushButton *cmdClose = nullptr;   // "닫기"

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool makeSheet();
    void showMessage(const QString &text);

    std::vector<int> m_weakDigits;
    std::vector<practice::WorksheetQuestion> m_questions;
    std::mt19937 m_random;
};
