#pragma once

// A surface-mount chip resistor seen from above: a black body between two
// tinned end caps, its marking printed white in the middle. It is painted,
// so it stays crisp at any scaling, and looks the same in every desktop
// scheme, as a real chip does. The marking is also its accessible name,
// spelled ("표시 4, 7, 2"), so a screen reader reads what the eye sees.

#include <QString>
#include <QWidget>

class QPainter;

namespace ui {

// Paints the chip, the largest of its proportions centred in `area`, its
// marking in a bold `font` sized to the chip; `line` is the outline's width
// in the painter's units. The picture and the printed worksheet both paint
// it so.
void paintChip(QPainter &p, const QRectF &area, const QString &marking, QFont font, qreal line);

class ChipPicture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString marking READ marking WRITE setMarking)

public:
    // geometry in pixels of the parent
    ChipPicture(QWidget *parent, QStringView name, const QRect &geometry);

    QString marking() const { return m_marking; }
    // An empty marking leaves the chip blank.
    void setMarking(const QString &marking);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_marking;
};

} // namespace ui
