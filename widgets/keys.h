#pragma once

// The Enter key as the pages' handlers take it: a key press of Return or of
// the keypad's Enter, handed on as the character code the handlers were
// written for.

#include <QEvent>
#include <QKeyEvent>

namespace ui {

// The character code of Enter, as a KeyPress handler receives it.
inline constexpr int kEnter = 13;

// Whether `event` is a press of Return or of the keypad's Enter.
inline bool isEnter(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace ui
