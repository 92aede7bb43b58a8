#pragma once

// How a chart or a table shows that it has the keyboard's focus, and the
// faint grey of its grid, told apart in a light and a dark scheme alike.

#include <QColor>
#include <QPalette>
#include <QWidget>

// A quarter of the way from the background of views to their text: grey
// in a light scheme and in a dark one, for grid lines, empty bars and the
// confusion table's diagonal, with text readable on it.
QColor faintColour(const QPalette &palette);

// The frame that shows a chart has the keyboard's focus, painted over its
// viewport: a chart has no current item whose frame would show it.
void paintFocusFrame(QWidget *viewport);

// A view framed while it has the focus: a chart has no item to show it,
// and a table's current cell shows it too faintly.
template <typename View> class FramedOnFocus : public View {
public:
    using View::View;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        View::paintEvent(event);
        if (this->hasFocus())
            paintFocusFrame(this->viewport());
    }
    void focusInEvent(QFocusEvent *event) override
    {
        View::focusInEvent(event);
        this->viewport()->update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        View::focusOutEvent(event);
        this->viewport()->update();
    }
};
