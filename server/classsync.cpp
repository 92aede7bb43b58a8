#include "server/classsync.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace classdb {

QString pupilRecordPath(const Server &pupil)
{
    const QString key =
        u"%1:%2/%3/%4"_s.arg(pupil.host.toLower()).arg(pupil.port).arg(pupil.database, pupil.user);
    const QString folder = QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(u"class/"_s + folder + u"/record.sqlite"_s);
}

// Not yet written: the sync does nothing until it is.
struct ClassSync::Worker {};

ClassSync::ClassSync(const Server &, const QString &, QObject *parent) : QObject(parent) {}

ClassSync::~ClassSync() = default;

ClassSync::State ClassSync::state() const
{
    return State::Connecting;
}

} // namespace classdb
