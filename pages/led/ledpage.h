#pragma once

// Page 2, "저항값계산(&L)": the series resistor of an LED from supply voltage,
// LED voltage and LED current, rounded to two significant digits, with the
// range its tolerance allows and its bands painted on the circuit drawing.

#include "pages/led/ledadvice.h"

#include "widgets/learnerpage.h"
#include <QMessageBox>

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class BandShape;
class SvgPicture;
} // namespace ui

class LedPage : public ui::LearnerPage {
    Q_OBJECT

public:
    explicit LedPage(QWidget *parent = nullptr);

    // The supply-voltage box.
    QWidget *firstFocus() const override;

    // The state the window opens with: what the reset button leaves, and the
    // larger faces of the results.
    void takeStartingState();

    ui::SvgPicture *Picture3 = nullptr; // circuit drawing; holds every control but Label12
    QLabel *Label6 = nullptr;           // "공급전압"
    QLineEdit *Text26 = nullptr;        // supply voltage, volts
    QLabel *Label9 = nullptr;           // "V"
    QLabel *Label7 = nullptr;           // "LED전압"
    QLineEdit *Text30 = nullptr;        // LED voltage, volts
    QLabel *Label10 = nullptr;          // "V"
    QLabel *Label8 = nullptr;           // "LED전류"
    QLineEdit *Text31 = nullptr;        // LED current, milliamperes
    QLabel *Label11 = nullptr;          // "mA"
    QGroupBox *Frame3 = nullptr;        // "계산된 저항값"
    QLineEdit *Text32 = nullptr;        // computed resistor with unit
    QComboBox *Combo3 = nullptr;        // tolerance
    QGroupBox *Frame9 = nullptr;        // "사용가능 저항값"
    QLineEdit *Text41 = nullptr;        // lower end of the usable range
    QLabel *Label20 = nullptr;          // "부터"
    QLineEdit *Text42 = nullptr;        // upper end of the usable range
    QLabel *Label21 = nullptr;          // "까지"
    QPushButton *Command5 = nullptr;    // "계  산(&A)": compute
    QPushButton *Command4 = nullptr;    // "지우기(&J)": reset the page
    ui::BandShape *Shape10 = nullptr;   // band 1, first digit
    ui::BandShape *Shape11 = nullptr;   // band 2, second digit
    ui::BandShape *Shape12 = nullptr;   // band 3, multiplier
    ui::BandShape *Shape13 = nullptr;   // band 4, tolerance
    QLabel *Label12 = nullptr;          // instruction line under the drawing
    // For the learner, under the results: what the shown resistor means for
    // the circuit. Empty until a value is shown.
    QLabel *adviceCurrent = nullptr; // the current the LED really draws
    QLabel *advicePower = nullptr;   // the resistor's heat and the rating to buy
    QLabel *adviceBuy = nullptr;     // the standard E24 values to buy

    void Command5_Click();
    void Command4_Click();
    void Text26_KeyPress(int keyAscii);
    void Text30_KeyPress(int keyAscii);
    void Text31_KeyPress(int keyAscii);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reset();
    void showAdvice(const std::optional<led::Advice> &advice);
    void showMessage(const QString &text, const QString &title, QMessageBox::Icon icon);
};
