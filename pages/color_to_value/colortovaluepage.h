#pragma once

// Page 0, "컬러@저항값(&C)": the learner picks the bands of a 4-band, 5-band
// or 6-band resistor and reads its value.
//
// A pick on a band list (QComboBox::activated) runs its ComboN_Click, which
// writes the digit into its hidden holder and paints the band on the drawing.
// The result button reads the holders, never the lists, through
// colortovalue::resistanceReadout. The option buttons reshape the drawing and
// swap the tolerance list between the two band counts. 6-band mode is 5-band
// mode with the temperature-coefficient list, band and readout shown.

#include "colorcode/colortables.h"
#include "colorcode/tempco.h"

#include "widgets/learnerpage.h"

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {
class BandShape;
class LeaderLine;
class ResistorDrawing;
} // namespace ui

class ColorToValuePage : public ui::LearnerPage {
    Q_OBJECT

public:
    explicit ColorToValuePage(QWidget *parent = nullptr);

    // The first band list.
    QWidget *firstFocus() const override;

    // The state the window opens with: the digit lists open tall enough for
    // every colour, the readout fonts, the digit holders hidden.
    void takeStartingState();

    QComboBox *Combo7 = nullptr;  // first digit
    QComboBox *Combo8 = nullptr;  // second digit
    QComboBox *Combo9 = nullptr;  // third digit, 5-band mode only
    QComboBox *Combo10 = nullptr; // multiplier, "0 검정" to "6 파랑"
    QComboBox *Combo11 = nullptr; // tolerance, the entries of the current mode
    QLabel *Label16 = nullptr;    // "제1색띠" under the first digit list
    QLabel *Label17 = nullptr;    // "제2색띠" under the second digit list
    QLabel *Label18 = nullptr;    // "제3색띠" under the third digit list, 5-band mode only
    QLabel *Label19 = nullptr;    // "승수" under the multiplier list
    QLabel *Label22 = nullptr;    // "허용오차" under the tolerance list
    QLabel *Label5 = nullptr;     // instruction line

    QGroupBox *Frame6 = nullptr;     // "저항선택": the band count
    QRadioButton *Option1 = nullptr; // "&4색저항", selected at start
    QRadioButton *Option2 = nullptr; // "&5색저항"

    QRadioButton *optSixBand = nullptr; // "&6색저항" under them: 5-band mode plus the coefficient

    ui::ResistorDrawing *Picture5 = nullptr; // resistor drawing; holds bands, leader lines, holders
    ui::BandShape *Shape9 = nullptr;         // first digit band
    ui::BandShape *Shape14 = nullptr;        // second digit band
    ui::BandShape *Shape15 = nullptr;        // multiplier (4-band) or third digit (5-band)
    ui::BandShape *Shape16 = nullptr;        // multiplier, 5-band mode only
    ui::BandShape *Shape17 = nullptr;        // tolerance band, apart on the right

    // Leader lines from the bands down to their lists.
    ui::LeaderLine *Line10 = nullptr; // first band, stub
    ui::LeaderLine *Line11 = nullptr; // first band to first list
    ui::LeaderLine *Line9 = nullptr;  // first list, drop
    ui::LeaderLine *Line3 = nullptr;  // second band, stub
    ui::LeaderLine *Line13 = nullptr; // second band to second list
    ui::LeaderLine *Line12 = nullptr; // second list, drop
    ui::LeaderLine *Line17 = nullptr; // third band, stub
    ui::LeaderLine *Line5 = nullptr;  // third band to third-digit list, 5-band only
    ui::LeaderLine *Line19 = nullptr; // third-digit list, drop, 5-band only
    ui::LeaderLine *Line18 = nullptr; // third band to multiplier list, 4-band only
    ui::LeaderLine *Line6 = nullptr;  // fourth band, stub, 5-band only
    ui::LeaderLine *Line14 = nullptr; // fourth band to multiplier list, 5-band only
    ui::LeaderLine *Line8 = nullptr;  // multiplier list, drop
    ui::LeaderLine *Line7 = nullptr;  // tolerance band, stub
    ui::LeaderLine *Line16 = nullptr; // tolerance band to tolerance list
    ui::LeaderLine *Line15 = nullptr; // tolerance list, drop

    QLineEdit *Text19 = nullptr; // hidden holder of the first digit
    QLineEdit *Text20 = nullptr; // hidden holder of the second digit
    QLineEdit *Text33 = nullptr; // hidden holder of the third digit
    QLineEdit *Text34 = nullptr; // hidden holder of the multiplier exponent

    QGroupBox *Frame8 = nullptr;      // "저항값": the two readouts
    QLineEdit *Text17 = nullptr;      // resistance readout, read-only, empty at start
    QLineEdit *Text18 = nullptr;      // tolerance readout, read-only
    QPushButton *Command18 = nullptr; // "결과는?(&Z)": show the resistance
    QPushButton *Command19 = nullptr; // "지우기(&E)": digit bands back to black

    // 6-band mode only. The list hangs beside the drawing's far end, where
    // the band is, since the lists under the drawing fill the page's width.
    QComboBox *cboTempco = nullptr; // temperature coefficient, "250ppm 검정" … "1ppm 회색"
    QLabel *lblTempcoCaption = nullptr;   // "온도계수" under it
    ui::BandShape *shpTempco = nullptr;   // sixth band, after the tolerance band at the far end
    ui::LeaderLine *linTempco1 = nullptr; // sixth band, stub
    ui::LeaderLine *linTempco2 = nullptr; // sixth band to its list
    QLabel *lblTempco = nullptr;          // "100ppm/K" under the tolerance readout

    void Combo7_Click();
    void Combo8_Click();
    void Combo9_Click();
    void Combo10_Click();
    void Combo11_Click();
    void Command18_Click();
    void Command19_Click();
    void Option1_Click();
    void Option2_Click();
    void optSixBand_Click();
    void cboTempco_Click();

    // The digit lists at their places relative to the tab control that
    // holds the page, which are known once it has been laid out.
    void placeDigitLists();

private:
    // The constructor's steps, in order.
    void buildDrawing();
    void buildLists();
    void buildModeAndReadouts();
    void buildSixBand();
    void openInFourBandMode();
    void connectHandlers();

    void setBandCount(colorcode::BandCount bands);
    std::optional<colorcode::BandCount> bandCount() const;
    void paintDigit(QComboBox *list, int entries, QLineEdit *holder, ui::BandShape *band,
                    bool fill);
    void describe(ui::BandShape *band);
    void fillToleranceList(colorcode::BandCount bands);
    void setLinesShown(colorcode::BandCount bands);
    void setSixBandShown(bool shown);
    const colorcode::TempcoEntry *pickedTempco() const;
};
