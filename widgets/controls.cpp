#include "widgets/controls.h"

#include <QGroupBox>
#include <QRadioButton>

namespace ui {

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &title,
                     const QRect &geometry)
{
    auto *frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
}

QRadioButton *makeOption(QWidget *frame, const QString &name, const QString &text,
                         const QRect &geometry)
{
    auto *option = new QRadioButton(text, frame);
    option->setObjectName(name);
    option->setGeometry(geometry);
    return option;
}

} // namespace ui
