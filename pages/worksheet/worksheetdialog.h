#pragma once

// frmWorksheet, "연습지 만들기": a sheet of the practice's questions for a
// class, saved as a PDF or printed, with or without its answer key; the key
// can be saved on its own.
//
// The handlers read the controls, ask the worksheet's rules for the
// questions and paint them (practice::writeWorksheetPdf, paintWorksheet).
// The sheet's code shows what the sheet is made from: saved and then
// printed, it is the same sheet, until a control changes and a new one is
// drawn. A code typed in (from a sheet handed out earlier) sets the controls
// and makes that sheet again, so its key can be printed later.

#include "pages/worksheet/worksheet.h"
#include "pages/worksheet/worksheetquestions.h"

#include <QDialog>

#include <random>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
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

    // Writes the sheet, or its key alone, to `path`; when it cannot, says
    // so in a message box and returns false.
    bool savePdf(const QString &path);
    bool saveKey(const QString &path);

    void cmdNewCode_Click();
    void cmdSavePdf_Click();
    void cmdSaveKey_Click();
    void cmdPrint_Click();
    void cmdClose_Click();
    void txtCode_EditingFinished();

    QLabel *lblQuestions = nullptr;   // "문제 수(&N)", caption of the count
    QSpinBox *spnQuestions = nullptr; // how many questions, 10 to 40; 20 at first
    QGroupBox *fraKind = nullptr;     // "문제 종류(&T)": the kinds asked
    QCheckBox *chkRead = nullptr;     // "색띠 읽기": read the drawn bands; checked
    QCheckBox *chkWrite = nullptr;    // "색띠 고르기": colour in the bands of a value; checked
    QCheckBox *chkSmd = nullptr;      // "SMD 표시 읽기": read a chip's marking
    QCheckBox *chkCommon = nullptr;   // "흔히 쓰는 값만": E12 values from 10Ω to 1MΩ
    QCheckBox *chkWeakFirst = nullptr; // "내가 자주 틀리는 색 위주로"
    QCheckBox *chkKey = nullptr;       // "정답지 포함": the key after the questions; checked
    QCheckBox *chkGrey = nullptr;      // "흑백 인쇄": colour names under the bands
    QLabel *lblCode = nullptr;         // "연습지 코드(&O)", caption of the code
    QLineEdit *txtCode = nullptr;      // the sheet's code; one typed in remakes its sheet
    QPushButton *cmdNewCode = nullptr; // "다른 문제로(&D)": a new sheet, a new code
    QPushButton *cmdSavePdf = nullptr; // "PDF로 저장(&S)": asks for a file; the default
    QPushButton *cmdSaveKey = nullptr; // "정답지만 저장(&A)": the key alone, asks for a file
    QPushButton *cmdPrint = nullptr;   // "인쇄(&P)": the system's print dialog
    QPushButton *cmdClose = nullptr;   // "닫기(&C)"

protected:
    void showEvent(QShowEvent *event) override;

private:
    void newSheet();
    void showRecipe(const practice::WorksheetRecipe &recipe);
    bool makeSheet();
    // Makes the sheet, asks for a file under `suggested` and saves it with
    // `save`: the sheet with its key, or the key alone.
    void saveAsked(const QString &dialogName, const QString &title, const QString &suggested,
                   bool (frmWorksheet::*save)(const QString &));
    bool write(const QString &path, const practice::WorksheetPrint &print);
    practice::WorksheetPrint printed(bool questions, bool key) const;
    void showMessage(const QString &text);

    std::vector<int> m_weakDigits;
    practice::WorksheetRecipe m_recipe;
    std::vector<practice::WorksheetQuestion> m_questions;
    std::mt19937 m_random;
};
