#include "widgets/resistordrawing.h"

#include "widgets/bandshape.h"

#include <QPainter>

namespace ui {

namespace {

// The artwork's own frame lies outside the resistor part; the same line
// closes the part when it is shown alone.
constexpr QRgb kArtFrame = 0xB8B2A4;

} // namespace

ResistorDrawing::ResistorDrawing(QWidget *parent, QStringView name, const QRect &geometry,
                                 const std::array<QStringView, 5> &bandNames)
    : SvgPicture(parent, name, kResistorArt, geometry)
{
    makeBands(bandNames, {}, 1);
}

ResistorDrawing::ResistorDrawing(QWidget *parent, QStringView name, QPoint topLeft, int scale,
                                 const std::array<QStringView, 5> &bandNames)
    : SvgPicture(parent, name, kResistorArt, QRect(topLeft, kResistorPart.size() * scale)),
      m_framed(true)
{
    setShownPart(kResistorPart);
    makeBands(bandNames, kResistorPart.topLeft(), scale);
}

void ResistorDrawing::makeBands(const std::array<QStringView, 5> &names, QPoint origin, int scale)
{
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const QRect art = kResistorBands[i];
        m_bands[i] = new BandShape(this, names[i].toString(),
                                   QRect((art.topLeft() - origin) * scale, art.size() * scale));
    }
}

void ResistorDrawing::paintEvent(QPaintEvent *event)
{
    SvgPicture::paintEvent(event);
    if (!m_framed)
        return;
    QPainter p(this);
    p.setPen(QColor(kArtFrame));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace ui
