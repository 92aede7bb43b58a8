#pragma once

// A straight line drawn over a picture, shown and hidden like any control.
// It lets mouse clicks through to whatever lies beneath it.

#include "colorcode/colortables.h"

#include <QLine>
#include <QWidget>

namespace ui {

class LeaderLine : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QLine line READ line)
    Q_PROPERTY(quint32 lineColor READ lineColor WRITE setLineColor)

public:
    // line in pixels of the parent
    LeaderLine(QWidget *parent, const QString &name, const QLine &line,
               colorcode::ColorCode color = 0x404040);

    QLine line() const { return m_line; }
    quint32 lineColor() const { return m_color; }
    void setLineColor(quint32 code);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLine m_line;
    quint32 m_color;
};

} // namespace ui
