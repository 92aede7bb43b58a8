#pragma once

// Colour lists whose entries show a small swatch of the colour they paint
// beside their unchanged text, so a learner sees gold and yellow, brown and
// red apart in the list itself. Only the open list shows the swatches; the
// closed box keeps its text alone.

#include "colorcode/colortables.h"

#include <QStyledItemDelegate>

#include <optional>
#include <span>

class QComboBox;

namespace ui {

// The item data role that holds an entry's swatch: a colour code, or
// kNoBandSwatch for an entry whose band is not drawn (an empty outline).
inline constexpr int kSwatchRole = Qt::UserRole + 1;
inline constexpr qint64 kNoBandSwatch = -1;

// Paints a colour's swatch into `box`: the colour in a dark grey outline,
// which shows light swatches (white, silver) on a light background and dark
// ones on a dark background; the outline alone for nullopt, the band that is
// not there.
void paintSwatch(QPainter *painter, const QRect &box, std::optional<colorcode::ColorCode> colour);

class SwatchDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // rowHeight: the least height of a row, 0 for the style's own
    explicit SwatchDelegate(QObject *parent, int rowHeight = 0);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int m_rowHeight;
};

// Gives the entries of `list` their swatches, in list order: a colour, or
// nullopt for the entry with no band. Entries past the end keep none.
void setSwatches(QComboBox *list, std::span<const std::optional<colorcode::ColorCode>> colors);

// The swatch of a digit list's entries ("0 검정" …) in a page's palette.
void setDigitSwatches(QComboBox *list, colorcode::Palette palette);

// The swatch of a tolerance list's entries, looked up by their texts.
void setToleranceSwatches(QComboBox *list, colorcode::Palette palette);

} // namespace ui
