#pragma once

// One colour band of a drawn resistor: a rectangle with a fill state and a
// fill colour, set independently, and an outline. Colours are kept as the
// program's 0x00BBGGRR codes so a test reads back exactly what was painted.

#include "colorcode/colortables.h"

#include <QWidget>

namespace ui {

// The colour a code stands for. The window-background code is the white band
// of digit 9: it is painted as the default scheme's window background, white,
// whatever the desktop's colours are, so a dark scheme never shows a white
// band as a black one. The palette no longer changes any colour.
QColor resolveColor(colorcode::ColorCode code, const QPalette &palette);

class BandShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool filled READ filled WRITE setFilled)
    Q_PROPERTY(quint32 fillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(quint32 borderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(bool borderVisible READ borderVisible WRITE setBorderVisible)
    Q_PROPERTY(QString label READ label)

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

    // The description and the label from what the band shows now, for a band
    // of the given role ("제1색띠", "승수", "허용오차") on a page painting
    // with `palette`. Pages call it whenever they paint or clear the band.
    void describe(QStringView role, colorcode::Palette palette);

    // The short text shown on the band for a learner who cannot tell the
    // colours apart ("4", "×10²", "±5%") while labels are shown; empty while
    // they are not, or for a band not drawn.
    QString label() const { return m_labelShown && !isHidden() ? m_labelText : QString(); }
    void setLabelShown(bool shown);
    // Which line under the band its label takes (0 the first, 1 the second),
    // or above it (-1), so neighbouring labels never meet. Bands of
    // different heights line their labels up on a shared first line under
    // them, when the page gives its top (in the picture's pixels).
    void setLabelRow(int row, int firstLineTop = -1);

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void placeLabel();

    QWidget *m_labelWidget = nullptr; // beside the band, on the same picture
    QString m_labelText;
    bool m_labelShown = false;
    int m_labelRow = 0;
    int m_firstLineTop = -1;
    bool m_filled = false;
    quint32 m_fillColor = colorcode::kBlack;
    quint32 m_borderColor = colorcode::kBlack;
    bool m_borderVisible = false;
};

} // namespace ui
