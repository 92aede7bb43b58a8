#include "widgets/colourlist.h"

#include "widgets/swatchdelegate.h"

#include <QComboBox>
#include <QLabel>

namespace ui {

namespace {

constexpr int kCaptionGap = 2;
constexpr int kCaptionHeight = 16;

} // namespace

QComboBox *makeColourList(QWidget *parent, const QString &name, const QStringList &entries,
                          QStringView caption, const QRect &geometry)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    // Plain list rows rather than the style's menu rows, which are twice as
    // wide as these short texts and would stick out of a narrow list.
    list->setItemDelegate(new SwatchDelegate(list, kColourRowHeight));
    list->addItems(entries);
    list->setAccessibleName(caption.toString());
    list->setGeometry(geometry.x(), geometry.y(), geometry.width(),
                      geometry.height() > 0 ? geometry.height() : list->sizeHint().height());
    return list;
}

QLabel *makeCaption(QWidget *parent, const QString &name, QStringView text, QComboBox *list)
{
    auto *label = new QLabel(text.toString(), parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    label->setBuddy(list);
    placeCaption(label, list);
    return label;
}

void placeCaption(QLabel *caption, const QComboBox *list)
{
    caption->setGeometry(list->x(), list->geometry().bottom() + 1 + kCaptionGap, list->width(),
                         kCaptionHeight);
}

} // namespace ui
