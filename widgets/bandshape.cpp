#include "widgets/bandshape.h"

#include "widgets/raisedtext.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QtMath>

namespace ui {

QColor resolveColor(colorcode::ColorCode code, const QPalette &)
{
    if (code == colorcode::kWindowBackground)
        return QColor(Qt::white);
    return QColor(colorcode::redOf(code), colorcode::greenOf(code), colorcode::blueOf(code));
}

namespace {

// A band's label: small dark text on a pale plate, readable over the
// drawing's lines and in any desktop theme. Painted, not a QLabel, so a
// screen reader hears the band's description once rather than twice.
class BandLabel : public QWidget {
public:
    explicit BandLabel(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont f = font();
        f.setPointSizeF(kLabelPoints);
        f.setBold(true);
        setFont(f);
        hide();
    }

    void setText(const QString &text)
    {
        m_text.setDefaultFont(font());
        m_text.setDocumentMargin(0);
        m_text.setHtml(raisedDigitsHtml(text));
        const QSizeF size = m_text.size();
        resize(qCeil(size.width()) + 2 * kPadding, qCeil(size.height()));
        update();
    }

    static constexpr double kLabelPoints = 7.5;
    static constexpr int kPadding = 2;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.setBrush(QColor(0xFF, 0xFF, 0xF0, 0xE6));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
        // Dark text on the pale plate whatever the desktop's colours.
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        p.translate(kPadding, 0);
        m_text.documentLayout()->draw(&p, context);
    }

private:
    QTextDocument m_text;
};

constexpr int kLabelGap = 1;

} // namespace

BandShape::BandShape(QWidget *parent, const QString &name, const QRect &geometry) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    if (parent) {
        m_labelWidget = new BandLabel(parent);
        m_labelWidget->setObjectName(name + QStringLiteral("Label"));
    }
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

void BandShape::describe(QStringView role, colorcode::Palette palette)
{
    setDescription(colorcode::bandDescription(role, m_fillColor, m_filled, palette));
    m_labelText = colorcode::bandLabel(role, m_fillColor, m_filled, palette);
    placeLabel();
}

void BandShape::setLabelShown(bool shown)
{
    m_labelShown = shown;
    placeLabel();
}

void BandShape::setLabelRow(int row, int firstLineTop)
{
    m_labelRow = row;
    m_firstLineTop = firstLineTop;
    placeLabel();
}

void BandShape::placeLabel()
{
    if (!m_labelWidget)
        return;
    auto *label = static_cast<BandLabel *>(m_labelWidget);
    // Labels are off unless the learner asks for them: the text is laid out
    // only then, so a window with labels off never loads the label's face.
    if (!m_labelShown) {
        label->hide();
        return;
    }
    label->setText(m_labelText);
    const int h = label->height();
    const int firstLine = m_firstLineTop >= 0 ? m_firstLineTop : y() + height() + kLabelGap;
    const int top = m_labelRow < 0 ? y() - kLabelGap - h * -m_labelRow : firstLine + m_labelRow * h;
    label->move(x() + width() / 2 - label->width() / 2, top);
    label->raise();
    label->setVisible(m_labelShown && isVisibleTo(parentWidget()) && !m_labelText.isEmpty());
}

void BandShape::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    placeLabel();
}

void BandShape::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    placeLabel();
}

void BandShape::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_labelWidget)
        m_labelWidget->hide();
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
