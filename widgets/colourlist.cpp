#include "widgets/colourlist.h"

#include "widgets/controls.h"
#include "widgets/swatchdelegate.h"

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtMath>

namespace ui {

namespace {

constexpr int kCaptionGap = 2;
constexpr int kCaptionHeight = 16;
// QComboBox leaves at least this much room for a line of text.
constexpr int kLeastTextHeight = 14;

// The height the list would ask for, as QComboBox::sizeHint works it out,
// without measuring the width of every entry, which would shape all their
// Hangul texts before the window is first shown.
int listHeight(const QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QSize text(0, qMax(qCeil(QFontMetricsF(list->font()).height()), kLeastTextHeight) + 2);
    return list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, list).height();
}

// The swatches are painted only in the open list, so its view and the
// delegate are made when the list first opens: making six list views costs
// as much as painting the page's first frame.
class ColourList : public QComboBox {
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        if (!m_swatchesSet) {
            m_swatchesSet = true;
            // Plain list rows rather than the style's menu rows, which are
            // twice as wide as these short texts and would stick out of a
            // narrow list.
            setItemDelegate(new SwatchDelegate(this, kColourRowHeight));
        }
        QComboBox::showPopup();
    }

private:
    bool m_swatchesSet = false;
};

} // namespace

QComboBox *makeColourList(QWidget *parent, const QString &name, const QStringList &entries,
                          QStringView caption, const QRect &geometry)
{
    auto *list = new ColourList(parent);
    list->setObjectName(name);
    list->addItems(entries);
    list->setAccessibleName(caption.toString());
    list->setGeometry(geometry.x(), geometry.y(), geometry.width(),
                      geometry.height() > 0 ? geometry.height() : listHeight(list));
    return list;
}

QLabel *makeCaption(QWidget *parent, const QString &name, QStringView text, QComboBox *list)
{
    QLabel *label = makeLabel(parent, name, text.toString(), list);
    label->setAlignment(Qt::AlignCenter);
    placeCaption(label, list);
    return label;
}

void placeCaption(QLabel *caption, const QComboBox *list)
{
    caption->setGeometry(list->x(), list->geometry().bottom() + 1 + kCaptionGap, list->width(),
                         kCaptionHeight);
}

} // namespace ui
