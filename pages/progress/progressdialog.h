#pragma once

// frmProgress, "학습 기록": what the learner's record holds, at a glance: the
// totals, each skill's strength, the answers and the share right of the last
// 30 days, and which colours were taken for which. The record can be saved
// as CSV for a spreadsheet, or emptied.
//
// The dialog reads the record once as it opens (practice::Record's queries,
// and the texts of progressdata.h) and again after the record is emptied;
// the handlers call one of the record's functions and read it anew.

#include "widgets/confusiontable.h"

#include <QDialog>

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;
class SkillChart;

namespace practice {
class Record;
}

class frmProgress : public QDialog {
    Q_OBJECT

public:
    frmProgress(QWidget *owner, practice::Record &record);

    // Reads the record and shows what it holds.
    void refresh();

    // Shows a record only to look at, such as a pupil's in the teacher's
    // view of the class: what would change it is hidden.
    void setReadOnly(bool readOnly);

    // Writes every answer to `path` as CSV, whole or not at all; when it
    // cannot, says so in a message box and returns false.
    bool exportTo(const QString &path);

    void cmdExportRecord_Click();
    void cmdResetRecord_Click();
    void cmdClose_Click();

    QLabel *lblTotals = nullptr; // "푼 문제 312 · 정답률 87% · 연속 5일"; Tab stops here
    QLabel *lblSkillChart = nullptr;  // "익힌 정도(&K)", caption of the skill chart
    SkillChart *skillChart = nullptr; // every skill's strength, with its swatch
    QLabel *lblDailyChart = nullptr;  // "최근 30일(&A)", caption of the daily chart
    QChartView *dailyChart = nullptr; // answers (bars) and share right (line) per day
    QLabel *lblConfusion = nullptr;   // "헷갈린 색(&M)", caption of the confusion table
    ui::ConfusionTableView *tblConfusion =
        nullptr;                            // rows the colour asked, columns the colour answered
    QPushButton *cmdExportRecord = nullptr; // "CSV로 저장(&E)": asks for a file
    QPushButton *cmdResetRecord = nullptr;  // "기록 지우기(&D)": asks first
    QPushButton *cmdClose = nullptr;        // "닫기(&C)"; the default

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The steps of making the dialog, in tab order, then placing it.
    void makeTotals();
    void makeSkillChart();
    void makeDailyChart();
    void makeConfusionTable();
    void makeButtons();
    void layOut();
    void connectControls();
    // As large as its contents ask, within the owner's screen.
    void fitToScreen(const QWidget *owner);

    void showDays();
    void showConfusions();
    void showMessage(const QString &text);
    void fitTotals();
    // Says why when the record cannot be read, and is then true.
    bool recordUnreadable();

    practice::Record &m_record;
    QChart *m_dailyChart = nullptr;
    int m_focusFrame = 0; // the height the totals' focus frame adds
};
