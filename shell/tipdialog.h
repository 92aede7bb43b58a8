#pragma once

// frmTip, "저항과 관련된 상식": one piece of resistor lore at a time from the
// tips file beside the program. The file is read again at every opening, so
// edits show without a restart; the setting that may keep the dialog shut is
// the application's default QSettings.

#include "shell/tips.h"

#include <QDialog>
#include <QStringList>

#include <random>

class QCheckBox;
class QLabel;
class QPushButton;

namespace ui {
class SvgPicture;
}

class frmTip : public QDialog {
    Q_OBJECT

public:
    explicit frmTip(QWidget *owner);

    // Runs once per opening. False when the dialog closed itself while
    // loading (the setting says it is not to be shown).
    bool Form_Load();

    // Reads the tips at `path` and shows one; false when there is no tips
    // file there, or it could not be read (the label then says so).
    bool LoadTips(const QString &path);
    void DisplayCurrentTip();

    void chkLoadTipsAtStartup_Click();
    void cmdNextTip_Click();
    void cmdOK_Click();

    // The folder the tips file is looked for in; empty (the default) means
    // the program's own folder. For tests, which must not write beside the
    // executable.
    static void setTipsFolder(const QString &folder);

    ui::SvgPicture *Picture1 = nullptr;        // white tip panel with a small icon
    QLabel *Label1 = nullptr;                  // "알고 계십니까.." heading in the panel
    QLabel *lblTipText = nullptr;              // the tip, or why there is none
    QPushButton *cmdOK = nullptr;              // "확인": closes the dialog
    QPushButton *cmdNextTip = nullptr;         // "다음 팁(&N)": another random tip
    ui::SvgPicture *Picture2 = nullptr;        // decoration
    QCheckBox *chkLoadTipsAtStartup = nullptr; // mirrors the setting; never shown

private:
    void PickRandomTip();
    float randomUnit();

    QStringList m_tips;   // one entry per line of the tips file
    int m_currentTip = 1; // 1-based into m_tips
    std::mt19937 m_random;
    shell::TipsFileProblem m_problem = shell::TipsFileProblem::Missing;
};
