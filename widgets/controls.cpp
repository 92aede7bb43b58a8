#include "widgets/controls.h"

#include "widgets/bandshape.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace ui {

namespace {

template <typename Control>
Control *placed(Control *control, const QString &name, const QRect &geometry)
{
    control->setObjectName(name);
    if (!geometry.isNull())
        control->setGeometry(geometry);
    return control;
}

} // namespace

QGroupBox *makeFrame(QWidget *parent, const QString &name, const QString &title,
                     const QRect &geometry)
{
    return placed(new QGroupBox(title, parent), name, geometry);
}

QRadioButton *makeOption(QWidget *frame, const QString &name, const QString &text,
                         const QRect &geometry)
{
    return placed(new QRadioButton(text, frame), name, geometry);
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry)
{
    return placed(new QPushButton(text, parent), name, geometry);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    return placed(new QLabel(text, parent), name, geometry);
}

QCheckBox *makeCheck(QWidget *parent, const QString &name, const QString &text, bool checked,
                     const QRect &geometry)
{
    QCheckBox *check = placed(new QCheckBox(text, parent), name, geometry);
    check->setAccessibleName(text);
    check->setChecked(checked);
    return check;
}

void setTextColor(QLabel *label, colorcode::ColorCode code)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, resolveColor(code, palette));
    label->setPalette(palette);
}

} // namespace ui
