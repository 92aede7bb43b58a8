#pragma once

// Page 3, "저항값 읽는법(&H)": an illustrated guide to reading 4-band and
// 5-band codes.

#include <QWidget>

class QRadioButton;

class GuidePage : public QWidget {
    Q_OBJECT

public:
    explicit GuidePage(QWidget *parent = nullptr);

    QRadioButton *Option3 = nullptr;  // "4색": the 4-band guide
};
