#include "widgets/raisedtext.h"

#include "colorcode/numbertext.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace ui {

QChar loweredDigit(QChar c)
{
    if (c == colorcode::kRaisedMinus)
        return u'-';
    for (int d = 0; d < 10; ++d) {
        if (c == colorcode::kRaisedDigits[d])
            return QChar(u'0' + d);
    }
    return {};
}

QString raisedDigitsHtml(const QString &text)
{
    QString out;
    bool raised = false;
    for (const QChar c : text) {
        const QChar plain = loweredDigit(c);
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

void RaisedTextLabel::paintEvent(QPaintEvent *)
{
    QTextDocument document;
    document.setDefaultFont(font());
    document.setDocumentMargin(0);
    document.setTextWidth(contentsRect().width());
    document.setHtml(raisedDigitsHtml(text()));
    QPainter p(this);
    p.translate(contentsRect().topLeft());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(foregroundRole()));
    document.documentLayout()->draw(&p, context);
}

} // namespace ui
