#pragma once

// Page 0, "컬러@저항값(&C)": the learner picks the bands of a 4-band or
// 5-band resistor and reads its value.

#include <QWidget>

class QComboBox;
class QLineEdit;

class ColorToValuePage : public QWidget {
    Q_OBJECT

public:
    explicit ColorToValuePage(QWidget *parent = nullptr);

    QComboBox *Combo7 = nullptr;  // first digit
    QComboBox *Combo8 = nullptr;  // second digit
    QComboBox *Combo9 = nullptr;  // third digit, 5-band mode only
    QLineEdit *Text17 = nullptr;  // resistance readout
    QLineEdit *Text18 = nullptr;  // tolerance readout
    QLineEdit *Text19 = nullptr;  // hidden holder of the first digit
    QLineEdit *Text20 = nullptr;  // hidden holder of the second digit
    QLineEdit *Text33 = nullptr;  // hidden holder of the third digit
    QLineEdit *Text34 = nullptr;  // hidden holder of the multiplier exponent
};
