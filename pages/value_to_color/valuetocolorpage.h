#pragma once

// Page 1, "저항값@컬러(&R)": the learner types a resistance and sees the four
// bands of its 4-band code.

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

class ValueToColorPage : public QWidget {
    Q_OBJECT

public:
    explicit ValueToColorPage(QWidget *parent = nullptr);

    QLineEdit *Text25 = nullptr;  // value entry, text as typed, no unit
    QComboBox *Combo1 = nullptr;  // unit, editable
    QLabel *Label3 = nullptr;     // result label: entry, unit and tolerance
};
