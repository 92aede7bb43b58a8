#pragma once

// The resistor of the colour-to-value page: its artwork with the five band
// shapes where that page paints them. The practice shows the same drawing,
// cut down to the resistor and enlarged, so both always agree on where a
// band is.

#include "widgets/svgpicture.h"
#include "widgets/twips.h"

#include <QRect>
#include <QStringView>

#include <array>

namespace ui {

class BandShape;

// The band places in the artwork's pixels: three digit bands (the third
// is the multiplier on a 4-band resistor), the 5-band multiplier, and the
// tolerance band apart on the right. The tolerance band reaches the outline
// of the raised part it stands on: a light band that stops short of it
// leaves a seam of body colour.
inline constexpr std::array<QRect, 5> kResistorBands{
    twipsRect(3240, 180, 135, 645), twipsRect(3450, 210, 135, 585), twipsRect(3660, 240, 135, 525),
    twipsRect(3870, 240, 135, 525), twipsRect(4440, 195, 135, 615)};

// The sixth band of a 6-band resistor, the temperature coefficient, stands on
// the flat of the end cap after the tolerance band; only the colour-to-value
// page draws it.
inline constexpr QRect kTempcoBand = twipsRect(4650, 180, 135, 645);

// The part of the artwork that holds the resistor itself, leads and all.
inline constexpr QRect kResistorPart{176, 4, 180, 58};

// The artwork the bands stand on; the worksheet paints it on paper too.
inline constexpr QStringView kResistorArt = u":/art/page0_resistor.svg";

class ResistorDrawing : public SvgPicture {
    Q_OBJECT

public:
    // The whole artwork at its own size, bands named `bandNames` in the
    // order of kResistorBands.
    ResistorDrawing(QWidget *parent, QStringView name, const QRect &geometry,
                    const std::array<QStringView, 5> &bandNames);
    // Only kResistorPart, `scale` times as large, framed.
    ResistorDrawing(QWidget *parent, QStringView name, QPoint topLeft, int scale,
                    const std::array<QStringView, 5> &bandNames);

    BandShape *band(std::size_t index) const { return m_bands[index]; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void makeBands(const std::array<QStringView, 5> &names, QPoint origin, int scale);

    std::array<BandShape *, 5> m_bands{};
    bool m_framed = false;
};

} // namespace ui
