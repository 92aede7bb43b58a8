#include "widgets/controls.h"

#include "colorcode/speech.h"
#include "widgets/bandshape.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
    QPushButton *button = placed(new QPushButton(text, parent), name, geometry);
    button->setAccessibleName(colorcode::withoutAccessKey(text));
    return button;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    return placed(new QLabel(text, parent), name, geometry);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, QWidget *buddy,
                  const QRect &geometry)
{
    QLabel *label = makeLabel(parent, name, text, geometry);
    label->setBuddy(buddy);
    return label;
}

QCheckBox *makeCheck(QWidget *parent, const QString &name, const QString &text, bool checked,
                     const QRect &geometry)
{
    QCheckBox *check = placed(new QCheckBox(text, parent), name, geometry);
    check->setAccessibleName(colorcode::withoutAccessKey(text));
    check->setChecked(checked);
    return check;
}

QLineEdit *makeEntry(QWidget *parent, const QString &name, const QString &accessibleName,
                     const QRect &geometry)
{
    QLineEdit *entry = placed(new QLineEdit(parent), name, geometry);
    entry->setAccessibleName(accessibleName);
    return entry;
}

QComboBox *makeList(QWidget *parent, const QString &name, const QStringList &entries,
                    const QString &accessibleName, const QRect &geometry)
{
    QComboBox *list = placed(new QComboBox(parent), name, geometry);
    list->addItems(entries);
    list->setAccessibleName(accessibleName);
    return list;
}

void setTextColor(QLabel *label, colorcode::ColorCode code)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, resolveColor(code, palette));
    label->setPalette(palette);
}

} // namespace ui
