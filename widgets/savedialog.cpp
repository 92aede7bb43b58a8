#include "widgets/savedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace ui {

QString saveFolder()
{
    // A folder that is not there would have the dialog fall back to the
    // working folder, which is the program's own when started from a menu.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

QString askSavePath(QWidget *parent, const QString &name, const QString &title,
                    const QString &fileName, const QString &filter, const QString &suffix)
{
    QFileDialog files(parent, title);
    files.setObjectName(name);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setNameFilter(filter);
    files.setDefaultSuffix(suffix);
    files.setDirectory(saveFolder());
    files.selectFile(QDir(saveFolder()).filePath(fileName));
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return {};
    QString path = files.selectedFiles().constFirst();
    if (QFileInfo(path).suffix().isEmpty())
        path += u'.' + suffix;
    return path;
}

} // namespace ui
