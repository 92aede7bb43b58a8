#pragma once

// A PostgreSQL server of the test's own: a new cluster in a scratch folder,
// listening on 127.0.0.1 only, with SCRAM passwords, stopped and removed when
// the test ends. Run as root, the server runs as the postgres user, as
// PostgreSQL refuses to run as root.

#include "server/classdb.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>

#include <unistd.h>

#include <atomic>
#include <optional>
#include <variant>
#include <vector>

using namespace Qt::StringLiterals;

class ScratchServer {
public:
    static constexpr char16_t kAdminPassword[] = u"admin's pw;";
    // Why a test that needs the server is skipped without one.
    static constexpr char kNotStarted[] =
        "PostgreSQL could not be started here (is the postgresql package installed?)";

    ScratchServer()
    {
        const QStringList found =
            QDir(u"/usr/lib/postgresql"_s)
                .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
        if (found.isEmpty() || !m_dir.isValid())
            return;
        m_bin = u"/usr/lib/postgresql/%1/bin/"_s.arg(found.first());
        m_port = 20000 + int(::getpid() % 20000);
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther |
                                                QFile::ReadGroup | QFile::ExeGroup);
        QFile pw(m_dir.filePath(u"pw"_s));
        pw.open(QIODevice::WriteOnly);
        pw.write(QString::fromUtf16(kAdminPassword).toUtf8());
        pw.close();
        QDir(m_dir.path()).mkdir(u"data"_s);
        if (::getuid() == 0)
            QProcess::execute(u"chown"_s, {u"-R"_s, u"postgres:postgres"_s, m_dir.path()});
        if (run(u"initdb"_s,
                {u"-D"_s, data(), u"-U"_s, u"admin"_s, u"--auth=scram-sha-256"_s, u"--pwfile"_s,
                 m_dir.filePath(u"pw"_s), u"-E"_s, u"UTF8"_s, u"--locale=C.UTF-8"_s}) != 0)
            return;
        m_started = start();
    }

    ~ScratchServer() { stop(); }

    bool started() const { return m_started; }
    // One of the server's programs (pgbench, psql), for a benchmark's reference.
    QString tool(const QString &name) const { return m_bin + name; }
    int port() const { return m_port; }

    bool start()
    {
        return run(u"pg_ctl"_s,
                   {u"-D"_s, data(), u"-l"_s, m_dir.filePath(u"log"_s), u"-w"_s, u"-o"_s,
                    u"-p %1 -k %2 -c listen_addresses=127.0.0.1 -c max_connections=300"_s
                        .arg(m_port)
                        .arg(m_dir.path()),
                    u"start"_s}) == 0;
    }

    void stop() { run(u"pg_ctl"_s, {u"-D"_s, data(), u"-m"_s, u"fast"_s, u"-w"_s, u"stop"_s}); }

    classdb::Server as(const QString &user, const QString &password,
                       const QString &database = u"pallado"_s) const
    {
        return {u"127.0.0.1"_s, m_port, database, user, password};
    }
    classdb::Server admin() const { return as(u"admin"_s, QString::fromUtf16(kAdminPassword)); }

    // The administrator's URL, its password percent-encoded.
    QString adminUrl() const
    {
        return u"postgresql://admin:%1@127.0.0.1:%2/pallado"_s.arg(
            QString::fromLatin1(QUrl::toPercentEncoding(QString::fromUtf16(kAdminPassword))),
            QString::number(m_port));
    }

private:
    QString data() const { return m_dir.filePath(u"data"_s); }

    // Runs one of the server's tools, its output kept out of the test's.
    int run(const QString &tool, const QStringList &args) const
    {
        if (m_bin.isEmpty())
            return -1;
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardOutputFile(QProcess::nullDevice());
        if (::getuid() == 0)
            p.start(u"runuser"_s,
                    QStringList{u"-u"_s, u"postgres"_s, u"--"_s, m_bin + tool} + args);
        else
            p.start(m_bin + tool, args);
        if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit)
            return -1;
        return p.exitCode();
    }

    QTemporaryDir m_dir;
    QString m_bin;
    int m_port = 0;
    bool m_started = false;
};

// A connection of one login for as long as it lives, removed again when it
// goes (a query made on it must go first). Each has a name of its own, so
// several may be open at once, on any thread.
class ScratchConnection {
public:
    explicit ScratchConnection(const classdb::Server &login) : m_name(u"scratch-%1"_s.arg(++s_made))
    {
        auto opened = classdb::connect(login, m_name);
        if (auto *db = std::get_if<QSqlDatabase>(&opened))
            m_db = *db;
        else
            m_error = std::get<classdb::Error>(opened);
    }
    ~ScratchConnection()
    {
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    ScratchConnection(const ScratchConnection &) = delete;
    ScratchConnection &operator=(const ScratchConnection &) = delete;

    bool isOpen() const { return !m_error; }
    QSqlDatabase &db() { return m_db; }
    // Why it did not open; a default error while it is open.
    classdb::Error error() const { return m_error.value_or(classdb::Error{}); }

private:
    static inline std::atomic<int> s_made{0};
    QString m_name;
    QSqlDatabase m_db;
    std::optional<classdb::Error> m_error;
};

// A scratch server with a class set up on it and the people of a test's
// class, every one with the same password (quotes, a semicolon and Hangul,
// as any password may hold).
class ScratchClass : public ScratchServer {
public:
    static constexpr char16_t kPassword[] = u"pw; 'quoted' 비밀";

    // Sets the class up and makes the people's logins: the failure in
    // words, or nothing.
    QString setUp(const QStringList &pupils, const QStringList &teachers = {})
    {
        if (!started())
            return u"the server did not start"_s;
        if (const auto failed = classdb::setUp(admin()))
            return classdb::message(*failed, admin());
        for (const QString &pupil : pupils)
            if (QString failed = add(pupil); !failed.isEmpty())
                return failed;
        for (const QString &teacher : teachers)
            if (QString failed = add(teacher, classdb::PersonKind::Teacher); !failed.isEmpty())
                return failed;
        return {};
    }

    QString add(const QString &name, classdb::PersonKind kind = classdb::PersonKind::Pupil)
    {
        ScratchConnection c(admin());
        if (!c.isOpen())
            return classdb::message(c.error(), admin());
        const auto failed = classdb::addPerson(c.db(), name, password(), kind);
        return failed ? classdb::message(*failed, admin()) : QString();
    }

    static QString password() { return QString::fromUtf16(kPassword); }
    classdb::Server login(const QString &name) const { return as(name, password()); }
    // The address as a pupil types it into the join dialog.
    QString address() const { return u"127.0.0.1:%1"_s.arg(port()); }

    // Sends answers as the pupil does, over a connection of the pupil's own:
    // the first refusal, or nothing.
    std::optional<classdb::Error> send(const QString &pupil,
                                       const std::vector<classdb::ClassAnswer> &answers) const
    {
        ScratchConnection c(login(pupil));
        if (!c.isOpen())
            return c.error();
        classdb::AnswerSender sender(c.db());
        for (const classdb::ClassAnswer &a : answers)
            if (auto refused = sender.send(a))
                return refused;
        return {};
    }
};

// Makes `answers` answers of `pupils` (people of the class already), as the
// administrator, on the server alone: each pupil's spread evenly over the
// last `days` days up to now, a fifth of them missing a digit, the picked
// ones with their colour pairs. The sums' trigger, which adds one answer at
// a time, is off while they go in; the sums are counted afresh after, as for
// a class brought up to date. The server's error, or nothing.
inline QString generateAnswers(QSqlDatabase &admin, const QStringList &pupils, int answers,
                               int days)
{
    if (!admin.transaction())
        return admin.lastError().text();
    QSqlQuery q(admin);
    const auto failed = [&](const QString &error) {
        q.finish();
        admin.rollback();
        return error;
    };
    if (!q.exec(u"ALTER TABLE answer DISABLE TRIGGER answer_added"_s))
        return failed(q.lastError().text());
    q.prepare(uR"(
        INSERT INTO answer (id, pupil, at, day, kind, question, given, correct, slip, seconds,
                            skills, missed, mixups)
        SELECT gen_random_uuid(), (string_to_array(:pupils, E'\t'))[1 + n % :count], t, t::date,
               k, '노랑, 보라, 적색, 금색', '4.7K' || U&'\2126' || ' ±5%', NOT miss,
               CASE WHEN miss THEN 'neighbour-colour' ELSE '' END, 3.5,
               'digit-' || d1 || ' digit-' || d2 || ' multiplier-' || m || ' tolerance-' ||
                   (ARRAY['5%', '10%', '1%', '2%'])[1 + n % 4] || ' reading-end',
               CASE WHEN miss THEN 'digit-' || d1 ELSE '' END,
               CASE WHEN k = 'write' THEN '[["' || w[1 + d1] || '","' ||
                    w[1 + CASE WHEN miss THEN (d1 + 1) % 10 ELSE d1 END] || '"]]' ELSE '' END
        FROM (SELECT n, now() - make_interval(secs => (:answers - n) * (:days * 86400.0 / :answers)) AS t,
                     (n * 7919) % 10 AS d1, (n * 104729) % 10 AS d2, (n * 31) % 7 AS m,
                     (n * 2654435761) % 10 < 2 + (n % 7) / 3 AS miss,
                     CASE WHEN n % 2 = 0 THEN 'read' ELSE 'write' END AS k,
                     ARRAY['검정','갈색','적색','주황','노랑','초록','파랑','보라','회색','백색'] AS w
              FROM generate_series(1::bigint, :answers) n) g)"_s);
    q.bindValue(u":pupils"_s, pupils.join(u'\t'));
    q.bindValue(u":count"_s, int(pupils.size()));
    q.bindValue(u":answers"_s, answers);
    q.bindValue(u":days"_s, days);
    if (!q.exec() || !q.exec(u"ALTER TABLE answer ENABLE TRIGGER answer_added"_s))
        return failed(q.lastError().text());
    if (const auto e = classdb::recountSums(admin))
        return failed(e->detail);
    if (!admin.commit())
        return failed(admin.lastError().text());
    return q.exec(u"ANALYZE"_s) ? QString() : q.lastError().text();
}
