#include "widgets/bandshape.h"

#include <QPainter>

namespace ui {

QColor resolveColor(colorcode::ColorCode code, const QPalette &palette)
{
    if (code == colorcode::kWindowBackground)
        return palette.color(QPalette::Base);
    return QColor(colorcode::redOf(code), colorcode::greenOf(code), colorcode::blueOf(code));
}

BandShape::BandShape(QWidget *parent, const QString &name, const QRect &geometry) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
}

void BandShape::setFilled(bool filled)
{
    m_filled = filled;
    update();
}

void BandShape::setFillColor(quint32 code)
{
    m_fillColor = code;
    update();
}

void BandShape::setBorderColor(quint32 code)
{
    m_borderColor = code;
    update();
}

void BandShape::setBorderVisible(bool visible)
{
    m_borderVisible = visible;
    update();
}

void BandShape::setDescription(const QString &text)
{
    setToolTip(text);
    setAccessibleName(text);
}

void BandShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(m_borderVisible ? QPen(resolveColor(m_borderColor, palette()), 1) : QPen(Qt::NoPen));
    p.setBrush(m_filled ? QBrush(resolveColor(m_fillColor, palette())) : QBrush(Qt::NoBrush));
    p.drawRect(box);
}

} // namespace ui
