#pragma once

// fmAbout, "Pallado정보": version, description and credits.

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {
class LeaderLine;
class SvgPicture;
} // namespace ui

class fmAbout : public QDialog {
    Q_OBJECT

public:
    explicit fmAbout(QWidget *owner);

    // Runs once, when the dialog is made.
    void Form_Load();
    void Cmd_ok_Click();

    ui::SvgPicture *Picture1 = nullptr; // illustration
    ui::SvgPicture *Picture2 = nullptr; // title image
    QLabel *lblVersion = nullptr;       // "버젼: 1.0.22", from the build's version
    QLabel *Label3 = nullptr;           // description
    QLabel *Label4 = nullptr;           // date
    QLabel *Label5 = nullptr;           // credits
    ui::LeaderLine *Line1 = nullptr;    // separator
    ui::LeaderLine *Line2 = nullptr;    // separator highlight
    QLabel *Label6 = nullptr;           // free-use notice
    QPushButton *Cmd_ok = nullptr;      // "확인": closes the dialog

protected:
    void showEvent(QShowEvent *event) override;
};
