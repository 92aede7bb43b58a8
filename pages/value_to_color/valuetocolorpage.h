#pragma once

// Page 1, "저항값@컬러(&R)": the learner types a resistance and sees the four
// bands of its 4-band code, or the five of its 5-band code.
//
// The keypad keys append their character to the entry; Enter in the entry
// only moves the focus to the result button. The result button hands the
// entry, unit and tolerance texts to valuetocolor::encodeValue and paints
// what comes back, or shows its refusal; with "5색 코드" chosen it hands
// them to valuetocolor::encodeFiveBands instead. Nothing is kept outside the
// controls.

#include "colorcode/colortables.h"

#include "widgets/learnerpage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {
class BandShape;
class SvgPicture;
} // namespace ui

class ValueToColorPage : public ui::LearnerPage {
    Q_OBJECT

public:
    explicit ValueToColorPage(QWidget *parent = nullptr);

    // The value entry.
    QWidget *firstFocus() const override;

    // The state the window opens with: the larger faces of the entry, the
    // unit list and the result.
    void takeStartingState();

    QLabel *Label4 = nullptr;    // usage hint
    QGroupBox *Frame5 = nullptr; // "입력정보": entry, unit and tolerance
    QLabel *Label1 = nullptr;    // "저항값", caption of the entry
    QLineEdit *Text25 = nullptr; // value entry, text as typed, no unit
    QComboBox *Combo1 = nullptr; // unit, editable: "Ω", "KΩ", "MΩ" or anything typed
    QLabel *Label2 = nullptr;    // "허용오차", caption of the tolerance box
    QComboBox *Combo2 = nullptr; // tolerance, editable: the code's entries or anything typed

    QGroupBox *Frame4 = nullptr;      // "Keypad", telephone layout
    QPushButton *Command6 = nullptr;  // "1"
    QPushButton *Command7 = nullptr;  // "2"
    QPushButton *Command8 = nullptr;  // "3"
    QPushButton *Command9 = nullptr;  // "4"
    QPushButton *Command10 = nullptr; // "5"
    QPushButton *Command11 = nullptr; // "6"
    QPushButton *Command12 = nullptr; // "7"
    QPushButton *Command13 = nullptr; // "8"
    QPushButton *Command14 = nullptr; // "9"
    QPushButton *Command16 = nullptr; // "0", a double-width key
    QPushButton *Command15 = nullptr; // "."

    QPushButton *Command3 = nullptr;  // "결과는?(&V)": encode the entry into bands
    QPushButton *Command17 = nullptr; // "지우기(&D)": clear the page

    ui::SvgPicture *Picture2 = nullptr; // resistor drawing with the band captions
    ui::BandShape *Shape5 = nullptr;    // first digit band
    ui::BandShape *Shape6 = nullptr;    // second digit band
    ui::BandShape *Shape7 = nullptr;    // multiplier band
    ui::BandShape *Shape8 = nullptr;    // tolerance band

    QLineEdit *Text27 = nullptr; // first digit readout
    QLineEdit *Text28 = nullptr; // second digit readout
    QLineEdit *Text29 = nullptr; // multiplier exponent readout
    QLabel *Label3 = nullptr;    // result label: entry, unit and tolerance, red
    QLabel *Label26 = nullptr; // "※4색 저항 기준입니다.", "※5색 저항 기준입니다." for 5 bands

    QRadioButton *optEncodeFour = nullptr; // "&4색 코드", checked at start: the page as always
    QRadioButton *optEncodeFive = nullptr; // "&5색 코드": three digits, gold and silver multipliers
    ui::BandShape *shpDigit3 = nullptr;    // third digit band, 5-band code only
    QLineEdit *txtDigit3 = nullptr;        // third digit readout, 5-band code only

    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command16_Click();
    void Command15_Click();
    void Command3_Click();
    void Command17_Click();
    // Enter moves the focus to the result button; the key itself goes on
    // to the entry unchanged.
    void Text25_KeyPress(int keyAscii);
    void optEncodeFour_Click();
    void optEncodeFive_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The constructor's steps, in order.
    void buildInputs();
    void buildKeypad();
    void buildDrawingAndResults();
    void buildCodeChoice();
    void setKeyboardOrder();
    void connectHandlers();

    void appendKey(QChar key);
    void describeBands();
    void setCodeBands(colorcode::BandCount bands);
    void encodeFiveBands();
};
