#include "shell/dialogplace.h"

#include "widgets/twips.h"

#include <QApplication>
#include <QDialog>

namespace shell {

PagesAside::PagesAside(QWidget *pages)
    : m_pages(pages), m_wereEnabled(pages->isEnabled()), m_focus(QApplication::focusWidget())
{
    m_pages->setEnabled(false);
}

PagesAside::~PagesAside()
{
    m_pages->setEnabled(m_wereEnabled);
    if (m_focus)
        m_focus->setFocus(Qt::OtherFocusReason);
}

void showDialog(const QWidget &window, QDialog &dialog, int offsetTopTwips, int offsetLeftTwips)
{
    dialog.move(window.frameGeometry().topLeft() + ui::twipsPoint(offsetLeftTwips, offsetTopTwips));
    dialog.exec();
}

} // namespace shell
