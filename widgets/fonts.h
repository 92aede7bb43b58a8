#pragma once

// The window design gives a few controls a larger or bold face of the
// window's font.

#include <QFont>
#include <QWidget>

namespace ui {

inline void setPointFont(QWidget *w, int points, bool bold)
{
    QFont f = w->font();
    f.setPointSize(points);
    if (bold)
        f.setBold(true);
    w->setFont(f);
}

} // namespace ui
