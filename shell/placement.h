#pragma once

// Where the main window and its dialogs go on the screen.

#include <QPoint>
#include <QSize>

namespace shell {

// Top-left corner that centres a window of outer size `window` on a screen of
// size `screen`. Not clamped: on a screen smaller than the window the corner
// is negative, and it is applied as it is.
constexpr QPoint centredTopLeft(QSize screen, QSize window)
{
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

} // namespace shell
