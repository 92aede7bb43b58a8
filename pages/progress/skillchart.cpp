#include "pages/progress/skillchart.h"

#include "colorcode/speech.h"
#include "learner/progressdata.h"
#include "widgets/raisedtext.h"
#include "widgets/swatchdelegate.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QtMath>

using namespace Qt::StringLiterals;
using practice::SkillId;

namespace {

constexpr int kMargin = 6;
constexpr int kSwatchSide = 12;
constexpr int kGap = 6;
// A bar never shorter than this, so 20% and 40% stay apart.
constexpr int kBarLeast = 100;
constexpr int kBarPreferred = 130;
// Rows in view at the least.
constexpr int kLeastRows = 6;
// The bars' one colour, the same in a light and a dark scheme; the swatch
// beside each says which colour the skill is.
constexpr QColor kBarColour{0x3C, 0x7F, 0xC8};

const QString kWidestPercent = u"100%"_s;

} // namespace

// Paints a row of the chart: the swatch, the name, the bar and the
// percent, over the style's row background, which shows the current row.
class SkillRowPainter : public QStyledItemDelegate {
public:
    explicit SkillRowPainter(SkillChart *chart) : QStyledItemDelegate(chart), m_chart(chart) {}

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {m_chart->contentWidth(kBarPreferred), m_chart->rowHeight()};
    }

    void paint(QPainter *p, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.text.clear();
        const QWidget *view = option.widget;
        QStyle *style = view ? view->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, p, view);

        const SkillId skill = index.row();
        const QRect row = option.rect;
        const QPalette &pal = option.palette;
        const QColor text = pal.color(QPalette::Text);
        const QFontMetrics metrics = option.fontMetrics;
        const int rows = row.height();
        const int nameLeft = row.left() + kMargin + kSwatchSide + kGap;
        const int barLeft = nameLeft + m_chart->m_nameWidth + 2 * kGap;
        const int percentWidth = metrics.horizontalAdvance(kWidestPercent);
        const int barWidth = qMax(kBarLeast, row.right() - barLeft - kGap - percentWidth - kMargin);

        p->save();
        // A line between the digits, the multipliers, the tolerances and the
        // rest.
        if (skill > 0 && practice::kSkills[std::size_t(skill)].kind !=
                             practice::kSkills[std::size_t(skill - 1)].kind) {
            p->setPen(faintColour(pal));
            p->drawLine(row.topLeft(), row.topRight());
        }

        const QRect swatch(row.left() + kMargin, row.center().y() - kSwatchSide / 2 + 1,
                           kSwatchSide, kSwatchSide);
        const std::optional<colorcode::ColorCode> colour = practice::skillColour(skill);
        // The tolerance band that is not there has an empty swatch; the skills
        // that are no colour have none.
        if (colour || practice::kSkills[std::size_t(skill)].kind == practice::SkillKind::Tolerance)
            ui::paintSwatch(p, swatch, colour);

        p->setPen(text);
        const QStaticText &name = m_chart->m_names[std::size_t(skill)];
        p->drawStaticText(QPointF(nameLeft, row.top() + (rows - name.size().height()) / 2), name);

        const int percent = m_chart->m_percents[std::size_t(skill)];
        const QRect track(barLeft, row.top() + 4, barWidth, rows - 8);
        p->setPen(faintColour(pal));
        p->setBrush(Qt::NoBrush);
        p->drawRect(track.adjusted(0, 0, -1, -1));
        if (percent > 0)
            p->fillRect(
                QRect(track.topLeft(), QSize(track.width() * percent / 100, track.height())),
                kBarColour);

        p->setPen(text);
        p->drawText(QRect(track.right() + kGap, row.top(), percentWidth, rows),
                    Qt::AlignRight | Qt::AlignVCenter, u"%1%"_s.arg(percent));
        p->restore();

        // The row the arrow keys are on, while the chart has the focus.
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.backgroundColor = pal.color(QPalette::Base);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, p, view);
        }
    }

private:
    SkillChart *m_chart;
};

SkillChart::SkillChart(QWidget *parent) : QListView(parent)
{
    setObjectName(u"skillChart"_s);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The row the arrow keys are on is framed while the chart has the focus;
    // a highlight would hide the blue of its bar.
    setSelectionMode(QAbstractItemView::NoSelection);
    setUniformItemSizes(true);
    setAlternatingRowColors(true);
    setItemDelegate(new SkillRowPainter(this));
    m_rows = new QStandardItemModel(practice::kSkillCount, 1, this);
    for (SkillId skill = 0; skill < practice::kSkillCount; ++skill) {
        auto *row = new QStandardItem(practice::skillName(skill));
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_rows->setItem(skill, row);
    }
    setModel(m_rows);
    // The arrow keys start from the first skill, which Tab's arrival reads.
    setCurrentIndex(m_rows->index(0, 0));
    layOutNames();
    setStates({});
}

// The Korean face draws Unicode's raised digits as specks: "×10²" is shown
// with an ordinary 2, raised and smaller.
void SkillChart::layOutNames()
{
    m_nameWidth = 0;
    for (SkillId skill = 0; skill < practice::kSkillCount; ++skill) {
        QStaticText &name = m_names[std::size_t(skill)];
        name.setTextFormat(Qt::RichText);
        // One line, however the document would break a long name.
        QTextOption oneLine;
        oneLine.setWrapMode(QTextOption::NoWrap);
        name.setTextOption(oneLine);
        name.setText(ui::raisedDigitsHtml(practice::skillName(skill)));
        name.prepare(QTransform(), font());
        m_nameWidth = qMax(m_nameWidth, qCeil(name.size().width()));
    }
}

void SkillChart::setStates(const practice::SkillStates &states)
{
    for (SkillId skill = 0; skill < practice::kSkillCount; ++skill) {
        const practice::SkillState &state = states[std::size_t(skill)];
        m_percents[std::size_t(skill)] = practice::strengthPercent(state);
        m_rows->item(skill)->setData(colorcode::spokenText(practice::skillText(skill, state)),
                                     Qt::AccessibleTextRole);
    }
    viewport()->update();
}

int SkillChart::rowHeight() const
{
    return qMax(fontMetrics().height() + 6, kSwatchSide + 6);
}

int SkillChart::contentWidth(int barWidth) const
{
    return kMargin + kSwatchSide + kGap + m_nameWidth + 2 * kGap + barWidth + kGap +
           fontMetrics().horizontalAdvance(kWidestPercent) + kMargin;
}

QSize SkillChart::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return {contentWidth(kBarPreferred) + frame + verticalScrollBar()->sizeHint().width(),
            practice::kSkillCount * rowHeight() + frame};
}

QSize SkillChart::minimumSizeHint() const
{
    // Never narrower than a whole row with its scroll bar: no name is cut.
    const int frame = 2 * frameWidth();
    return {contentWidth(kBarLeast) + frame + verticalScrollBar()->sizeHint().width(),
            kLeastRows * rowHeight() + frame};
}

void SkillChart::changeEvent(QEvent *event)
{
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        layOutNames();
        // The rows' height follows the font.
        doItemsLayout();
        updateGeometry();
    }
}
