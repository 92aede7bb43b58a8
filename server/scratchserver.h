#pragma once

// A PostgreSQL server of the test's own: a new cluster in a scratch folder,
// listening on 127.0.0.1 only, with SCRAM passwords, stopped and removed when
// the test ends. Run as root, the server runs as the postgres user, as
// PostgreSQL refuses to run as root.

#include "server/classdb.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <unistd.h>

using namespace Qt::StringLiterals;

class ScratchServer {
public:
    static constexpr char16_t kAdminPassword[] = u"admin's pw;";

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
