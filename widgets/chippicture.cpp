#include "widgets/chippicture.h"

#include "colorcode/speech.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

// An 0805 chip is 2.0 × 1.25 mm; each end cap takes about a sixth of its
// length.
constexpr qreal kLengthToWidth = 1.6;
constexpr qreal kCapShare = 1.0 / 6;
// Room round the chip for its outline and the focus frame.
constexpr qreal kMargin = 4;

// The marking's height against the body's, and the share of the space
// between the caps it may fill; a longer marking is set smaller.
constexpr qreal kTextHeightShare = 0.45;
constexpr qreal kTextWidthShare = 0.85;

// A chip is black and its caps are tin whatever the desktop scheme; the
// outline keeps it apart from a dark window.
const QColor kBody(0x1C, 0x1C, 0x1C);
const QColor kBodyEdge(0x3A, 0x3A, 0x3A);
const QColor kCapLight(0xE4, 0xE4, 0xE4);
const QColor kCapDark(0x9C, 0x9C, 0x9C);
const QColor kOutline(0x70, 0x70, 0x70);
const QColor kPrint(Qt::white);

// Spelled, so that the voice reads no number the learner is to read:
// "표시 4, 알, 7".
QString accessibleNameOf(const QString &marking)
{
    return marking.isEmpty() ? u"표시 없음"_s : u"표시 "_s + colorcode::spelledMarking(marking);
}

// The largest chip of the right proportions inside `area`, centred.
QRectF chipRect(const QRectF &area)
{
    qreal length = area.width();
    qreal width = length / kLengthToWidth;
    if (width > area.height()) {
        width = area.height();
        length = width * kLengthToWidth;
    }
    QRectF chip(0, 0, length, width);
    chip.moveCenter(area.center());
    return chip;
}

} // namespace

ChipPicture::ChipPicture(QWidget *parent, QStringView name, const QRect &geometry) : QWidget(parent)
{
    setObjectName(name.toString());
    setGeometry(geometry);
    setAccessibleName(accessibleNameOf(m_marking));
}

void ChipPicture::setMarking(const QString &marking)
{
    m_marking = marking;
    setAccessibleName(accessibleNameOf(marking));
    update();
}

void paintChip(QPainter &p, const QRectF &area, const QString &marking, QFont font, qreal line)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF chip = chipRect(area);
    const qreal cap = chip.width() * kCapShare;

    // The caps, lit from above.
    QLinearGradient tin(chip.topLeft(), chip.bottomLeft());
    tin.setColorAt(0, kCapLight);
    tin.setColorAt(1, kCapDark);
    p.setPen(QPen(kOutline, line));
    p.setBrush(tin);
    p.drawRoundedRect(chip, 2 * line, 2 * line);

    // The body between them.
    const QRectF body = chip.adjusted(cap, 0, -cap, 0);
    QLinearGradient black(body.topLeft(), body.bottomLeft());
    black.setColorAt(0, kBodyEdge);
    black.setColorAt(0.15, kBody);
    black.setColorAt(0.85, kBody);
    black.setColorAt(1, kBodyEdge);
    p.setBrush(black);
    p.drawRect(body);

    if (!marking.isEmpty()) {
        font.setBold(true);
        font.setPixelSize(std::max(1, int(body.height() * kTextHeightShare)));
        const qreal room = body.width() * kTextWidthShare;
        const qreal wide = QFontMetricsF(font, p.device()).horizontalAdvance(marking);
        if (wide > room)
            font.setPixelSize(std::max(1, int(font.pixelSize() * room / wide)));
        p.setFont(font);
        p.setPen(kPrint);
        p.drawText(body, Qt::AlignCenter, marking);
    }
    p.restore();
}

void ChipPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintChip(p, QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin), m_marking, font(),
              1);

    // A chip that Tab reaches (a practice question) shows where the focus is.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

} // namespace ui
