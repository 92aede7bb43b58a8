#pragma once

// Controls made one way on every page and dialog: named as their members,
// with their text, at their place in the parent. A control without a place
// (an empty rectangle) is left to a layout.

#include "colorcode/colortables.h"

#include <QRect>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
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

// A check box named by its own text for the screen reader.
QCheckBox *makeCheck(QWidget *parent, const QString &name, const QString &text, bool checked,
                     const QRect &geometry = {});

// The red a result is written in, as the pages have always shown it.
inline constexpr colorcode::ColorCode kResultRed = 0x0000FF;

// A label's text in a colour code, resolved against the label's palette.
void setTextColor(QLabel *label, colorcode::ColorCode code);

} // namespace ui
