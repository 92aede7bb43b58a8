#pragma once

// One colour band of a drawn resistor: a rectangle with a fill state and a
// fill colour, set independently, and an outline. Colours are kept as the
// program's 0x00BBGGRR codes so a test reads back exactly what was painted.

#include "colorcode/colortables.h"

#include <QWidget>

namespace ui {

// The colour a code stands for; the window-background code takes the
// palette's base colour (white in the default scheme).
QColor resolveColor(colorcode::ColorCode code, const QPalette &palette);

class BandShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool filled READ filled WRITE setFilled)
    Q_PROPERTY(quint32 fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(quint32 borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(bool borderVisible READ borderVisible WRITE setBorderVisible)

public:
    // geometry in pixels of the parent picture
    BandShape(QWidget *parent, const QString &name, const QRect &geometry);

    bool filled() const { return m_filled; }
    void setFilled(bool filled);
    quint32 fillColor() const { return m_fillColor; }
    void setFillColor(quint32 code);
    quint32 borderColor() const { return m_borderColor; }
    void setBorderColor(quint32 code);
    bool borderVisible() const { return m_borderVisible; }
    void setBorderVisible(bool visible);

    // What the band shows in words, for a learner who cannot tell the
    // colours apart or uses a screen reader: "제1색띠: 노랑". It becomes the
    // band's tooltip and accessible name; the page keeps it current whenever
    // it paints or clears the band.
    void setDescription(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_filled = false;
    quint32 m_fillColor = colorcode::kBlack;
    quint32 m_borderColor = colorcode::kBlack;
    bool m_borderVisible = false;
};

} // namespace ui
