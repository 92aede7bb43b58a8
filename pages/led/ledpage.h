#pragma once

// Page 2, "저항값계산(&L)": the series resistor of an LED from supply voltage,
// LED voltage and LED current.

#include <QWidget>

class QLineEdit;

class LedPage : public QWidget {
    Q_OBJECT

public:
    explicit LedPage(QWidget *parent = nullptr);

    QLineEdit *Text26 = nullptr;  // supply voltage, volts
    QLineEdit *Text30 = nullptr;  // LED voltage, volts
    QLineEdit *Text31 = nullptr;  // LED current, milliamperes
    QLineEdit *Text32 = nullptr;  // computed resistor with unit
    QLineEdit *Text41 = nullptr;  // lower end of the usable range
    QLineEdit *Text42 = nullptr;  // upper end of the usable range
};
