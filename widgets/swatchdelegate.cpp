#include "widgets/swatchdelegate.h"

#include "widgets/bandshape.h"

#include <QComboBox>
#include <QPainter>

#include <vector>

namespace ui {

namespace {

constexpr int kSwatchSide = 10;
constexpr int kSwatchGap = 4;

} // namespace

void paintSwatch(QPainter *painter, const QRect &box, std::optional<colorcode::ColorCode> colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QColor(0x60, 0x60, 0x60));
    painter->setBrush(colour ? QBrush(resolveColor(*colour, QPalette())) : QBrush(Qt::NoBrush));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    painter->restore();
}

SwatchDelegate::SwatchDelegate(QObject *parent, int rowHeight)
    : QStyledItemDelegate(parent), m_rowHeight(rowHeight)
{
}

QSize SwatchDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += kSwatchSide + 2 * kSwatchGap;
    size.setHeight(qMax(size.height(), m_rowHeight));
    return size;
}

void SwatchDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                           const QModelIndex &index) const
{
    const QVariant swatch = index.data(kSwatchRole);
    if (!swatch.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The text moves right to make room for the swatch in front of it.
    QStyleOptionViewItem textOption = option;
    textOption.rect.setLeft(option.rect.left() + kSwatchSide + 2 * kSwatchGap);
    QStyleOptionViewItem background = option;
    initStyleOption(&background, index);
    background.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : nullptr;
    if (style)
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);
    QStyledItemDelegate::paint(painter, textOption, index);

    const QRect box(option.rect.left() + kSwatchGap, option.rect.center().y() - kSwatchSide / 2 + 1,
                    kSwatchSide, kSwatchSide);
    const qint64 code = swatch.toLongLong();
    paintSwatch(painter, box,
                code == kNoBandSwatch ? std::nullopt : std::optional(colorcode::ColorCode(code)));
}

void setSwatches(QComboBox *list, std::span<const std::optional<colorcode::ColorCode>> colors)
{
    for (int i = 0; i < list->count() && i < int(colors.size()); ++i) {
        const std::optional<colorcode::ColorCode> &c = colors[std::size_t(i)];
        list->setItemData(i, c ? qint64(*c) : kNoBandSwatch, kSwatchRole);
    }
}

void setDigitSwatches(QComboBox *list, colorcode::Palette palette)
{
    std::vector<std::optional<colorcode::ColorCode>> colors;
    for (const colorcode::BandColor &band : colorcode::kBandColors)
        colors.push_back(colorcode::digitColor(band.digit, palette));
    setSwatches(list, colors);
}

void setToleranceSwatches(QComboBox *list, colorcode::Palette palette)
{
    std::vector<std::optional<colorcode::ColorCode>> colors;
    for (int i = 0; i < list->count(); ++i) {
        const colorcode::ToleranceEntry *entry = colorcode::toleranceOf(list->itemText(i));
        if (entry && entry->filled)
            colors.push_back(colorcode::toleranceColor(*entry, palette));
        else
            colors.push_back(std::nullopt);
    }
    setSwatches(list, colors);
}

} // namespace ui
