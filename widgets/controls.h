#pragma once

// Frames and option buttons made one way on every page and dialog: named
// as their members, at their place in the parent.

#include <QRect>
#include <QString>

class QGroupBox;
class QRadioButton;
class QWidget;

namespace ui {

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &title,
                     const QRect &geometry);

QRadioButton *makeOption(QWidget *frame, const QString &name, const QString &text,
                         const QRect &geometry);

} // namespace ui
