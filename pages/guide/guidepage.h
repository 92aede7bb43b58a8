#pragma once

// Page 3, "저항값 읽는법(&H)": an illustrated guide to reading 4-band, 5-band
// and 6-band codes. Three option buttons swap the resistor picture and
// rewrite the seven captions over the guide drawing, the 6-band one adds the
// line on the temperature coefficient; the page computes nothing.

#include "widgets/learnerpage.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace guide {
struct GuideView;
}

namespace ui {
class SvgPicture;
}

class GuidePage : public ui::TabPage {
    Q_OBJECT

public:
    explicit GuidePage(QWidget *parent = nullptr);

    // The 4-band option.
    QWidget *firstFocus() const override;

    // Each does nothing unless its own button is selected.
    void Option3_Click();
    void Option4_Click();
    void optGuideSix_Click();

    QGroupBox *Frame1 = nullptr;          // "저항선택": the band count
    QRadioButton *Option3 = nullptr;      // "4색": the 4-band guide
    QRadioButton *Option4 = nullptr;      // "5색": the 5-band guide
    QRadioButton *optGuideSix = nullptr;  // "6색": the 6-band guide, the temperature coefficient
    ui::SvgPicture *Picture1 = nullptr;   // guide drawing with the fixed words
    ui::SvgPicture *Picture4 = nullptr;   // 4-band resistor
    ui::SvgPicture *Picture6 = nullptr;   // 5-band resistor
    ui::SvgPicture *picSixBand = nullptr; // 6-band resistor
    QLabel *Label13 = nullptr;            // end of the digit-band sentence
    QLabel *Label14 = nullptr;            // multiplier band number
    QLabel *Label27 = nullptr;            // example multiplier colour
    QLabel *Label15 = nullptr;            // tolerance band number
    QLabel *Label23 = nullptr;            // tolerance band number, again
    QLabel *Label24 = nullptr;            // example tolerance colour
    QLabel *Label25 = nullptr;            // worked example
    QLabel *lblGuideTempco = nullptr;     // the sixth band's line, 6-band guide only

private:
    void showView(const guide::GuideView &view);
};
