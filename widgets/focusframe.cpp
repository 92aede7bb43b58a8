#include "widgets/focusframe.h"

#include <QPainter>

QColor faintColour(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    return QColor((3 * base.red() + text.red()) / 4, (3 * base.green() + text.green()) / 4,
                  (3 * base.blue() + text.blue()) / 4);
}

void paintFocusFrame(QWidget *viewport)
{
    QPainter p(viewport);
    p.setPen(QPen(viewport->palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(viewport->rect().adjusted(1, 1, -1, -1));
}
