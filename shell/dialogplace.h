#pragma once

// How the main window opens a dialog: the pages set aside while it is open,
// the dialog placed by an offset from the window's corner.

#include <QPointer>

class QDialog;
class QWidget;

namespace shell {

// While a dialog is open the pages are disabled. However it ends (OK, its
// close button, Escape, the close box, or closing itself while loading),
// they are usable again and the focus goes back to the control that had it,
// not to the tab bar that disabling the pages pushed it to.
class PagesAside {
public:
    explicit PagesAside(QWidget *pages);
    // A dialog opened from another leaves the pages as the other one has
    // them.
    ~PagesAside();
    PagesAside(const PagesAside &) = delete;
    PagesAside &operator=(const PagesAside &) = delete;

private:
    QWidget *m_pages;
    bool m_wereEnabled;
    QPointer<QWidget> m_focus;
};

// Runs `dialog` modally at an offset, in twips, from `window`'s top-left
// corner.
void showDialog(const QWidget &window, QDialog &dialog, int offsetTopTwips, int offsetLeftTwips);

} // namespace shell
