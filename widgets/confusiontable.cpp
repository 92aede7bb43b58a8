#include "widgets/confusiontable.h"

#include "widgets/swatchdelegate.h"

#include <QHeaderView>
#include <QPainter>
#include <QProxyStyle>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

constexpr int kSwatchSide = 12;

// A colour's swatch for the table's headers, at the screen's pixel ratio so
// it stays sharp at 2×; the tolerance band that is not there is an empty
// outline.
QIcon swatchIcon(const std::optional<colorcode::ColorCode> &colour, qreal ratio)
{
    QPixmap pixmap(QSize(kSwatchSide, kSwatchSide) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintSwatch(&p, QRect(0, 0, kSwatchSide, kSwatchSide), colour);
    p.end();
    return QIcon(pixmap);
}

// The table's headers leave a swatch's room for its icon, not a toolbar
// icon's: thirteen columns then fit a 1024×768 screen beside the skills.
class SwatchHeaderStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_SmallIconSize)
            return kSwatchSide;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

ConfusionTableView::ConfusionTableView(
    int count, const std::function<QString(int)> &word,
    const std::function<std::optional<colorcode::ColorCode>(int)> &colour, QWidget *parent)
    : FramedOnFocus<QTableWidget>(count, count, parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrow keys go from cell to cell.
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        auto *style = new SwatchHeaderStyle;
        style->setParent(header);
        header->setStyle(style);
    }
    const qreal ratio = devicePixelRatioF();
    const QColor diagonal = faintColour(palette());
    for (int c = 0; c < count; ++c) {
        const QIcon swatch = swatchIcon(colour(c), ratio);
        m_words << word(c);
        setHorizontalHeaderItem(c, new QTableWidgetItem(swatch, m_words.last()));
        setVerticalHeaderItem(c, new QTableWidgetItem(swatch, m_words.last()));
        for (int taken = 0; taken < count; ++taken) {
            auto *cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (taken == c)
                cell->setBackground(diagonal);
            setItem(c, taken, cell);
        }
    }
}

void ConfusionTableView::setCounts(const std::function<int(int asked, int taken)> &count)
{
    const int n = int(m_words.size());
    for (int asked = 0; asked < n; ++asked) {
        for (int taken = 0; taken < n; ++taken) {
            const int times = count(asked, taken);
            QTableWidgetItem *cell = item(asked, taken);
            cell->setText(times > 0 ? QString::number(times) : QString());
            cell->setData(Qt::AccessibleTextRole,
                          u"물은 색 %1, 답한 색 %2, %3번"_s.arg(m_words[asked], m_words[taken],
                                                                QString::number(times)));
        }
    }
}

} // namespace ui
