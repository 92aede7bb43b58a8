#pragma once

// fmAbout, "Pallado정보": version, description and credits.

#include <QDialog>

class QPushButton;

class fmAbout : public QDialog {
    Q_OBJECT

public:
    explicit fmAbout(QWidget *owner);

    QPushButton *Cmd_ok = nullptr;  // closes the dialog
};
