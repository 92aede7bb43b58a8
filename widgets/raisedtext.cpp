#include "widgets/raisedtext.h"

#include "colorcode/numbertext.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QStringList>
#include <QTextDocument>
#include <QtMath>

namespace ui {

QString raisedDigitsHtml(const QString &text)
{
    QString out;
    bool raised = false;
    for (const QChar c : text) {
        const QChar plain = colorcode::loweredDigit(c);
        if (!plain.isNull() != raised) {
            raised = !raised;
            out += raised ? QStringLiteral("<sup>") : QStringLiteral("</sup>");
        }
        if (c == u'\n')
            out += QStringLiteral("<br>");
        else
            out += plain.isNull() ? QString(c).toHtmlEscaped() : QString(plain);
    }
    if (raised)
        out += QStringLiteral("</sup>");
    return out;
}

RaisedTextLabel::RaisedTextLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

namespace {

constexpr QChar kEllipsis = u'\u2026';

void layOut(QTextDocument &document, const QFont &font, int width, const QString &text)
{
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setTextWidth(width);
    document.setHtml(raisedDigitsHtml(text));
}

} // namespace

int RaisedTextLabel::heightOfLines(int lines) const
{
    QStringList sample;
    for (int i = 0; i < lines; ++i)
        sample << QStringLiteral("10\u00B2");
    QTextDocument document;
    layOut(document, font(), 1000, sample.join(u'\n'));
    const QMargins m = contentsMargins();
    return qCeil(document.size().height()) + m.top() + m.bottom();
}

QString RaisedTextLabel::shownText() const
{
    const int width = contentsRect().width();
    const qreal room = contentsRect().height();
    QTextDocument document;
    layOut(document, font(), width, text());
    if (text().isEmpty() || document.size().height() <= room)
        return text();
    // The longest beginning that fits with the ellipsis, cut at a blank
    // where there is one.
    qsizetype fits = 0;
    qsizetype low = 0;
    qsizetype high = text().size();
    while (low <= high) {
        const qsizetype middle = (low + high) / 2;
        layOut(document, font(), width, text().left(middle) + kEllipsis);
        if (document.size().height() <= room) {
            fits = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    const qsizetype blank = text().left(fits).lastIndexOf(u' ');
    return text().left(blank > 0 ? blank : fits) + kEllipsis;
}

void RaisedTextLabel::paintEvent(QPaintEvent *)
{
    QTextDocument document;
    layOut(document, font(), contentsRect().width(), shownText());
    QPainter p(this);
    p.translate(contentsRect().topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(foregroundRole()));
    document.documentLayout()->draw(&p, context);
}

} // namespace ui
