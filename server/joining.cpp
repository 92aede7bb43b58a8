#include "server/joining.h"

#include <QAtomicInteger>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace classdb {

namespace {

// The server's code for a missing table: a database that holds no class.
constexpr QStringView kUndefinedTable = u"42P01";

// Each join its own connection name, as two may run at once (one from the
// menu, one from a remembered password at start-up).
QString connectionName()
{
    static QAtomicInteger<int> count;
    return u"pallado-join-%1"_s.arg(count.fetchAndAddRelaxed(1));
}

std::variant<PersonKind, Error> kindOf(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(u"SELECT kind FROM person WHERE name = current_user"_s)) {
        if (q.lastError().nativeErrorCode() == kUndefinedTable)
            return Error{Failure::NoClass, {}};
        return Error{Failure::Other, q.lastError().databaseText().trimmed()};
    }
    if (!q.next())
        return Error{Failure::NoSuchPerson, {}};
    return q.value(0).toString() == u"teacher"_s ? PersonKind::Teacher : PersonKind::Pupil;
}

} // namespace

std::optional<Server> parseAddress(QStringView text)
{
    text = text.trimmed();
    Server server;
    server.database = kDefaultDatabase.toString();
    if (const qsizetype slash = text.indexOf(u'/'); slash >= 0) {
        server.database = text.mid(slash + 1).trimmed().toString();
        text = text.left(slash).trimmed();
        if (server.database.isEmpty())
            return std::nullopt;
    }
    QStringView port;
    if (text.startsWith(u'[')) {
        const qsizetype close = text.indexOf(u']');
        if (close < 0)
            return std::nullopt;
        const QStringView rest = text.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(u':'))
            return std::nullopt;
        port = rest.mid(1);
        if (rest.startsWith(u':') && port.isEmpty())
            return std::nullopt;
        text = text.mid(1, close - 1);
    } else if (const qsizetype colon = text.indexOf(u':'); colon >= 0) {
        port = text.mid(colon + 1);
        if (port.isEmpty())
            return std::nullopt;
        text = text.left(colon);
    }
    if (!port.isEmpty()) {
        bool ok = false;
        server.port = port.toInt(&ok);
        if (!ok || server.port < 1 || server.port > 65535)
            return std::nullopt;
    }
    if (text.isEmpty() || text.contains(u' '))
        return std::nullopt;
    server.host = text.toString();
    return server;
}

QString addressText(const Server &server)
{
    QString text = server.host.contains(u':') ? u'[' + server.host + u']' : server.host;
    if (server.port != 5432)
        text += u':' + QString::number(server.port);
    if (server.database != kDefaultDatabase)
        text += u'/' + server.database;
    return text;
}

std::variant<PersonKind, Error> joinClass(const Server &person)
{
    const QString name = connectionName();
    std::variant<PersonKind, Error> result = Error{};
    {
        auto opened = connect(person, name);
        if (auto *e = std::get_if<Error>(&opened)) {
            result = *e;
        } else {
            QSqlDatabase &db = std::get<QSqlDatabase>(opened);
            result = kindOf(db);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace classdb
