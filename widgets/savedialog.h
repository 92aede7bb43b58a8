#pragma once

// The dialog that asks where to save a file the program writes for the
// user (a worksheet, the learner's record as CSV): it opens in the user's
// documents folder, or in their home folder when they have none, never in
// the folder the program happened to be started from.

#include <QString>

class QWidget;

namespace ui {

// The folder a save dialog starts in.
QString saveFolder();

// Asks where to save, the dialog named `name`, starting in saveFolder()
// with `fileName` chosen. The path chosen, ending in `suffix` ("pdf") when
// the user typed no ending; empty when they cancelled.
QString askSavePath(QWidget *parent, const QString &name, const QString &title,
                    const QString &fileName, const QString &filter, const QString &suffix);

} // namespace ui
