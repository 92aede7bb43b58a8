#pragma once

// Controls made one way on every page and dialog: named as their members,
// with their text, at their place in the parent. A control without a place
// (an empty rectangle) is left to a layout. A button or check box is named
// for the screen reader by its text without its access key ("채점(&G)" is
// heard as "채점").

#include "colorcode/colortables.h"

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &title,
                     const QRect &geometry);

QRadioButton *makeOption(QWidget *frame, const QString &name, const QString &text,
                         const QRect &geometry);

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry = {});

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                  const QRect &geometry = {});

// A caption of `buddy`: its access key ("학생(&P)") moves the focus there.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QWidget *buddy,
                  const QRect &geometry = {});

QCheckBox *makeCheck(QWidget *parent, const QString &name, const QString &text, bool checked,
                     const QRect &geometry = {});

// A text box named for the screen reader by what it holds ("공급전압").
QLineEdit *makeEntry(QWidget *parent, const QString &name, const QString &accessibleName,
                     const QRect &geometry = {});

// A list of fixed entries, the first one chosen, named for the screen reader
// by what it holds ("단위").
QComboBox *makeList(QWidget *parent, const QString &name, const QStringList &entries,
                    const QString &accessibleName, const QRect &geometry = {});

// The red a result is written in, as the pages have always shown it.
inline constexpr colorcode::ColorCode kResultRed = 0x0000FF;

// A label's text in a colour code, resolved against the label's palette.
void setTextColor(QLabel *label, colorcode::ColorCode code);

} // namespace ui
