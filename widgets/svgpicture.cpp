#include "widgets/svgpicture.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSvgRenderer>

namespace ui {

SvgPicture::SvgPicture(QWidget *parent, QStringView name, QStringView source, const QRect &geometry)
    : QWidget(parent), m_source(source.toString())
{
    setObjectName(name.toString());
    setGeometry(geometry);
}

SvgPicture::~SvgPicture() = default;

void SvgPicture::setSource(const QString &source)
{
    m_source = source;
    m_renderer.reset();
    update();
}

void SvgPicture::setShownPart(const QRectF &part)
{
    m_shownPart = part;
    m_renderer.reset();
    update();
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    if (m_source.isEmpty())
        return;
    if (!m_renderer) {
        m_renderer = std::make_unique<QSvgRenderer>(m_source);
        if (!m_shownPart.isNull())
            m_renderer->setViewBox(m_shownPart);
    }
    QPainter p(this);
    m_renderer->render(&p, QRectF(rect()));
    // A picture that Tab reaches (page 3's guide) shows where the focus is.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace ui
