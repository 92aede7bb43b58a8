#pragma once

// Page 4, "SMD 저항(&S)": the markings printed on surface-mount chip
// resistors. The learner types a marking and reads its value, with the
// marking shown on a drawn chip; or types a value and sees every marking
// that writes it. A short guide shows the four forms.
//
// Enter in an entry only moves the focus to its button; the button hands
// the entry to one rule of smd:: (readMarking, markingsOf) and writes what
// comes back, or shows its refusal. Nothing is kept outside the controls.

#include "widgets/learnerpage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class ChipPicture;
}

class SmdPage : public ui::LearnerPage {
    Q_OBJECT

public:
    explicit SmdPage(QWidget *parent = nullptr);

    // The marking entry.
    QWidget *firstFocus() const override;

    QGroupBox *fraReadMarking = nullptr;   // "표시 → 저항값"
    QLabel *lblMarking = nullptr;          // "표시(&M)", caption of the marking entry
    QLineEdit *txtMarking = nullptr;       // the marking as typed: "472", "4r7", " 01C"
    QPushButton *cmdReadMarking = nullptr; // "읽기(&G)": read the marking
    QLabel *lblMarkingValue = nullptr;     // the value read: "4.7KΩ", "10Ω 또는 1.24Ω"
    ui::ChipPicture *picChip = nullptr;    // the chip with the marking read, white on black

    QGroupBox *fraMakeMarking = nullptr;   // "저항값 → 표시"
    QLabel *lblChipValue = nullptr;        // "저항값(&K)", caption of the value entry
    QLineEdit *txtChipValue = nullptr;     // value entry, text as typed, no unit
    QComboBox *cboChipUnit = nullptr;      // "Ω", "KΩ", "MΩ"
    QPushButton *cmdMakeMarking = nullptr; // "표시 보기(&B)": the markings of the value
    QLabel *lblMarkings = nullptr;         // "3자리 103 · 4자리 1002 · EIA-96 01C"

    QGroupBox *fraGuide = nullptr; // "읽는 법"
    QLabel *lblGuide = nullptr;    // the four forms with an example each

    void cmdReadMarking_Click();
    void cmdMakeMarking_Click();
    // Enter moves the focus to the entry's button; the key itself goes on
    // to the entry unchanged.
    void txtMarking_KeyPress(int keyAscii);
    void txtChipValue_KeyPress(int keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refuse(const QString &message, QLineEdit *entry);
};
