#include "pages/progress/skillchart.h"

#include "colorcode/speech.h"
#include "learner/progressdata.h"
#include "widgets/raisedtext.h"
#include "widgets/swatchdelegate.h"

#include <QEvent>
#include <QPainter>
#include <QScrollBar>
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

QColor faintColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    return QColor((3 * base.red() + text.red()) / 4, (3 * base.green() + text.green()) / 4,
                  (3 * base.blue() + text.blue()) / 4);
}

void paintFocusFrame(QWidget *viewport)
{
    QPainter p(viewport);
    p.setPen(QPen(viewport->palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(viewport->rect().adjusted(1, 1, -1, -1));
}

SkillChart::SkillChart(QWidget *parent) : QAbstractScrollArea(parent)
{
    setObjectName(u"skillChart"_s);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    viewport()->setBackgroundRole(QPalette::Base);
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
    for (SkillId skill = 0; skill < practice::kSkillCount; ++skill)
        m_percents[std::size_t(skill)] = practice::strengthPercent(states[std::size_t(skill)]);
    setAccessibleDescription(colorcode::spokenText(practice::skillsText(states)));
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

void SkillChart::updateScrollRange()
{
    const int rows = rowHeight();
    verticalScrollBar()->setSingleStep(rows);
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, qMax(0, practice::kSkillCount * rows - viewport()->height()));
}

void SkillChart::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void SkillChart::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        layOutNames();
        updateGeometry();
        updateScrollRange();
    }
}

void SkillChart::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void SkillChart::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void SkillChart::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    const QPalette &pal = palette();
    const QFontMetrics metrics = fontMetrics();
    const int rows = rowHeight();
    const int width = viewport()->width();
    const int nameLeft = kMargin + kSwatchSide + kGap;
    const int barLeft = nameLeft + m_nameWidth + 2 * kGap;
    const int percentWidth = metrics.horizontalAdvance(kWidestPercent);
    const int barWidth = qMax(kBarLeast, width - barLeft - kGap - percentWidth - kMargin);
    const int top = -verticalScrollBar()->value();

    for (SkillId skill = 0; skill < practice::kSkillCount; ++skill) {
        const QRect row(0, top + skill * rows, width, rows);
        if (!row.intersects(viewport()->rect()))
            continue;
        if (skill % 2 == 1)
            p.fillRect(row, pal.color(QPalette::AlternateBase));
        // A line between the digits, the multipliers, the tolerances and the
        // rest.
        if (skill > 0 && practice::kSkills[std::size_t(skill)].kind !=
                             practice::kSkills[std::size_t(skill - 1)].kind) {
            p.setPen(faintColour(pal));
            p.drawLine(row.topLeft(), row.topRight());
        }

        const QRect swatch(kMargin, row.center().y() - kSwatchSide / 2 + 1, kSwatchSide,
                           kSwatchSide);
        const std::optional<colorcode::ColorCode> colour = practice::skillColour(skill);
        // The tolerance band that is not there has an empty swatch; the skills
        // that are no colour have none.
        if (colour || practice::kSkills[std::size_t(skill)].kind == practice::SkillKind::Tolerance)
            ui::paintSwatch(&p, swatch, colour);

        p.setPen(pal.color(QPalette::Text));
        const QStaticText &name = m_names[std::size_t(skill)];
        p.drawStaticText(QPointF(nameLeft, row.top() + (rows - name.size().height()) / 2), name);

        const int percent = m_percents[std::size_t(skill)];
        const QRect track(barLeft, row.top() + 4, barWidth, rows - 8);
        p.setPen(faintColour(pal));
        p.setBrush(Qt::NoBrush);
        p.drawRect(track.adjusted(0, 0, -1, -1));
        if (percent > 0)
            p.fillRect(QRect(track.topLeft(), QSize(track.width() * percent / 100, track.height())),
                       kBarColour);

        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRect(track.right() + kGap, row.top(), percentWidth, rows),
                   Qt::AlignRight | Qt::AlignVCenter, u"%1%"_s.arg(percent));
    }

    p.end();
    if (hasFocus())
        paintFocusFrame(viewport());
}
