#include "shell/learnerdialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace shell {

namespace {

LearnerDialogsMaker linkedMaker = nullptr;

// Below the program's folder: the build folder, where `make run` finds it,
// and the program's own folder when installed.
QString modulePlace()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(PALLADO_DIALOGS_FILE));
}

} // namespace

void setLinkedLearnerDialogs(LearnerDialogsMaker maker)
{
    linkedMaker = maker;
}

std::variant<LearnerDialogsMaker, QString> loadLearnerDialogs()
{
    if (linkedMaker)
        return linkedMaker;
    // Opened once; a module is never unloaded while the program runs.
    static LearnerDialogsMaker loaded = nullptr;
    if (loaded)
        return loaded;
    const QString place = modulePlace();
    if (!QFileInfo::exists(place))
        return u"%1 파일이 없습니다."_s.arg(place);
    QLibrary module(place);
    loaded = reinterpret_cast<LearnerDialogsMaker>(module.resolve(kMakerSymbol));
    if (loaded)
        return loaded;
    return module.errorString();
}

} // namespace shell
