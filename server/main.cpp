// pallado-class: sets up a class on the school's PostgreSQL server and adds
// and removes its pupils and teachers, from an administrator's connection.
// Every message is one Korean line; any failure ends with exit code 1.

#include "colorcode/korean.h"
#include "server/classdb.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFailed = 1;
constexpr int kUsage = 2;

const QString kHelp = uR"(사용법: pallado-class 명령 URL [이름] [선택]

학교의 PostgreSQL 서버에 Pallado 반을 만들고 학생과 교사를 더하거나 뺍니다.
URL은 관리자 연결입니다: postgresql://사용자:비밀번호@호스트:포트/데이터베이스
(포트를 빼면 5432, 데이터베이스를 빼면 pallado)

명령:
  setup URL                        반의 데이터베이스, 표, 역할과 규칙을 만듭니다.
                                   다시 실행해도 바뀌거나 잃는 것이 없습니다.
  add-pupil URL 이름 [--password 비밀번호]
                                   학생의 로그인을 만듭니다.
  add-teacher URL 이름 [--password 비밀번호]
                                   교사의 로그인을 만듭니다.
                                   비밀번호를 주지 않으면 만들어 한 번 보여 줍니다.
  list URL                         학생마다 이름, 푼 문제, 맞힌 문제, 마지막 답을
                                   탭으로 나누어 보여 줍니다.
  remove URL 이름 [--yes]          그 사람의 로그인과 답을 지웁니다. --yes가 없으면
                                   먼저 묻습니다.
  --help                           이 도움말을 보여 줍니다.
)"_s;

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

int fail(const QString &line)
{
    QTextStream err(stderr);
    err << line << Qt::endl;
    return kFailed;
}

int usage(const QString &why)
{
    QTextStream err(stderr);
    err << why << u" 'pallado-class --help'로 사용법을 보세요."_s << Qt::endl;
    return kUsage;
}

// The value after an option (--password PW), taken out of `args`.
std::optional<QString> takeOption(QStringList &args, QStringView option)
{
    const qsizetype at = args.indexOf(option.toString());
    if (at < 0 || at + 1 >= args.size())
        return std::nullopt;
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

bool takeFlag(QStringList &args, QStringView flag)
{
    return args.removeAll(flag.toString()) > 0;
}

int withConnection(const classdb::Server &server, const std::function<int(QSqlDatabase &)> &work)
{
    const QString name = u"pallado-class"_s;
    int code = kFailed;
    {
        auto opened = classdb::connect(server, name);
        if (auto *e = std::get_if<classdb::Error>(&opened))
            code = fail(classdb::message(*e, server));
        else if (auto e = classdb::checkAdministrator(std::get<QSqlDatabase>(opened)))
            code = fail(classdb::message(*e, server));
        else
            code = work(std::get<QSqlDatabase>(opened));
    }
    QSqlDatabase::removeDatabase(name);
    return code;
}

int add(const classdb::Server &server, QStringList args, classdb::PersonKind kind)
{
    const std::optional<QString> given = takeOption(args, u"--password");
    if (args.size() != 1)
        return usage(u"이름을 하나 주세요."_s);
    const QString name = args.first();
    const QString password = given ? *given : classdb::madePassword();
    return withConnection(server, [&](QSqlDatabase &db) {
        if (auto e = classdb::addPerson(db, name, password, kind))
            return fail(classdb::message(*e, server));
        const QString who = kind == classdb::PersonKind::Pupil ? u"학생"_s : u"교사"_s;
        out() << u"%1 '%2'의 로그인을 만들었습니다."_s.arg(who, name) << Qt::endl;
        if (!given)
            out() << u"비밀번호: %1 (지금 한 번만 보여 줍니다)"_s.arg(password) << Qt::endl;
        return 0;
    });
}

int list(const classdb::Server &server)
{
    return withConnection(server, [&](QSqlDatabase &db) {
        auto rows = classdb::pupils(db);
        if (auto *e = std::get_if<classdb::Error>(&rows))
            return fail(classdb::message(*e, server));
        out() << u"이름\t푼 문제\t맞힌 문제\t마지막 답"_s << Qt::endl;
        for (const classdb::PupilRow &row : std::get<std::vector<classdb::PupilRow>>(rows))
            out() << row.name << u'\t' << row.answers << u'\t' << row.right << u'\t'
                  << (row.last ? row.last->toLocalTime().toString(Qt::ISODate) : QString())
                  << Qt::endl;
        return 0;
    });
}

int remove(const classdb::Server &server, QStringList args)
{
    const bool yes = takeFlag(args, u"--yes");
    if (args.size() != 1)
        return usage(u"이름을 하나 주세요."_s);
    const QString name = args.first();
    return withConnection(server, [&](QSqlDatabase &db) {
        auto count = classdb::answersOf(db, name);
        if (auto *e = std::get_if<classdb::Error>(&count))
            return fail(classdb::message(*e, server));
        if (!yes) {
            out() << u"'%1'의 로그인과 답 %2개를 지웁니다. 계속할까요? [y/N] "_s.arg(name).arg(
                         std::get<qint64>(count))
                  << Qt::flush;
            QTextStream in(stdin);
            const QString reply = in.readLine().trimmed().toLower();
            if (reply != u"y"_s && reply != u"yes"_s && reply != u"예"_s) {
                out() << u"아무것도 지우지 않았습니다."_s << Qt::endl;
                return kFailed;
            }
        }
        if (auto e = classdb::removePerson(db, name))
            return fail(classdb::message(*e, server));
        out() << u"'%1'의 로그인과 답을 지웠습니다."_s.arg(name) << Qt::endl;
        return 0;
    });
}

// Qt Sql's own warnings are in English and about its statements; the user
// is told what went wrong in one Korean line instead.
void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << Qt::endl;
}

} // namespace

int main(int argc, char *argv[])
{
    // The client library's own messages stay in English, which the
    // failures are told apart by; the user sees only the Korean line.
    qputenv("LC_MESSAGES", "C");
    qInstallMessageHandler(quiet);
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || takeFlag(args, u"--help") || takeFlag(args, u"-h")) {
        out() << kHelp;
        return args.isEmpty() && app.arguments().size() == 1 ? kUsage : 0;
    }
    const QString command = args.takeFirst();
    if (args.isEmpty())
        return usage(u"서버 URL이 없습니다."_s);
    const std::optional<classdb::Server> server = classdb::parseUrl(args.takeFirst());
    if (!server)
        return usage(u"URL은 postgresql://사용자:비밀번호@호스트:포트/데이터베이스 꼴입니다."_s);

    if (command == u"setup"_s) {
        if (!args.isEmpty())
            return usage(u"setup에는 URL만 줍니다."_s);
        if (auto e = classdb::setUp(*server))
            return fail(classdb::message(*e, *server));
        out() << u"%1 데이터베이스에 반을 준비했습니다."_s.arg(server->database) << Qt::endl;
        return 0;
    }
    if (command == u"add-pupil"_s)
        return add(*server, args, classdb::PersonKind::Pupil);
    if (command == u"add-teacher"_s)
        return add(*server, args, classdb::PersonKind::Teacher);
    if (command == u"list"_s)
        return args.isEmpty() ? list(*server) : usage(u"list에는 URL만 줍니다."_s);
    if (command == u"remove"_s)
        return remove(*server, args);
    const QString quoted = u"'"_s + command + u"'"_s;
    return usage(
        u"%1 없는 명령입니다."_s.arg(colorcode::withParticle(quoted, colorcode::Particle::Topic)));
}
