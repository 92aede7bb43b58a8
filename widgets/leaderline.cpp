#include "widgets/leaderline.h"

#include "widgets/bandshape.h"

#include <QPainter>

namespace ui {

namespace {
constexpr int kMargin = 1; // room for the pen beside the line's ends
}

LeaderLine::LeaderLine(QWidget *parent, const QString &name, const QLine &line,
                       colorcode::ColorCode color)
    : QWidget(parent), m_line(line), m_color(color)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect box = QRect(line.p1(), line.p2()).normalized();
    setGeometry(box.adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

void LeaderLine::setLineColor(quint32 code)
{
    m_color = code;
    update();
}

void LeaderLine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(resolveColor(m_color, palette()), 1));
    const QPointF offset = -QPointF(pos()) + QPointF(0.5, 0.5);
    p.drawLine(QPointF(m_line.p1()) + offset, QPointF(m_line.p2()) + offset);
}

} // namespace ui
