#pragma once

// frmTip, "저항과 관련된 상식": one piece of resistor lore at a time from the
// tips file beside the program.

#include <QDialog>

class QPushButton;

class frmTip : public QDialog {
    Q_OBJECT

public:
    explicit frmTip(QWidget *owner);

    // Runs once per opening. False when the dialog closed itself while
    // loading (the setting says it is not to be shown).
    bool Form_Load();

    QPushButton *cmdOK = nullptr;  // closes the dialog
};
