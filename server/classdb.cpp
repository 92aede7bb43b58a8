#include "classdb.h"

#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace classdb {

namespace {

// SQLSTATE codes the server answers with.
constexpr QStringView kDuplicateObject = u"42710";
constexpr QStringView kInsufficientPrivilege = u"42501";
constexpr QStringView kUndefinedTable = u"42P01";
constexpr QStringView kInvalidPassword = u"28P01";
constexpr QStringView kInvalidAuthorization = u"28000";

// The group roles a person's login joins; the class's rules are granted to
// these, never to a person.
constexpr QStringView kPupils = u"pallado_pupil";
constexpr QStringView kTeachers = u"pallado_teacher";

// Version 1: who is in the class and every answer they sent. An answer's id
// is made by the computer that judged it, so one sent twice (after a
// dropped connection, from a second copy) is kept once.
const QStringList kVersion1{
    uR"(DO $$ BEGIN
        IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'pallado_pupil') THEN
            CREATE ROLE pallado_pupil NOLOGIN;
        END IF;
        IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = 'pallado_teacher') THEN
            CREATE ROLE pallado_teacher NOLOGIN;
        END IF;
    END $$)"_s,
    uR"(CREATE TABLE IF NOT EXISTS person (
        name text PRIMARY KEY,
        kind text NOT NULL CHECK (kind IN ('pupil', 'teacher')),
        created timestamptz NOT NULL DEFAULT now()))"_s,
    uR"(CREATE TABLE IF NOT EXISTS answer (
        id uuid PRIMARY KEY,
        pupil text NOT NULL DEFAULT current_user REFERENCES person(name) ON DELETE CASCADE,
        at timestamptz NOT NULL,
        day date NOT NULL,
        kind text NOT NULL,
        question text NOT NULL,
        given text NOT NULL,
        correct boolean NOT NULL,
        slip text NOT NULL,
        seconds real NOT NULL,
        skills text NOT NULL,
        missed text NOT NULL,
        mixups text NOT NULL DEFAULT '',
        received timestamptz NOT NULL DEFAULT now()))"_s,
    u"CREATE INDEX IF NOT EXISTS answer_pupil_at ON answer (pupil, at)"_s,
    u"ALTER TABLE answer ENABLE ROW LEVEL SECURITY"_s,
    u"DROP POLICY IF EXISTS pupil_reads_own ON answer"_s,
    uR"(CREATE POLICY pupil_reads_own ON answer FOR SELECT TO pallado_pupil
        USING (pupil = current_user))"_s,
    u"DROP POLICY IF EXISTS pupil_adds_own ON answer"_s,
    uR"(CREATE POLICY pupil_adds_own ON answer FOR INSERT TO pallado_pupil
        WITH CHECK (pupil = current_user))"_s,
    u"DROP POLICY IF EXISTS teacher_reads_all ON answer"_s,
    uR"(CREATE POLICY teacher_reads_all ON answer FOR SELECT TO pallado_teacher
        USING (true))"_s,
    u"ALTER TABLE person ENABLE ROW LEVEL SECURITY"_s,
    u"DROP POLICY IF EXISTS pupil_sees_self ON person"_s,
    uR"(CREATE POLICY pupil_sees_self ON person FOR SELECT TO pallado_pupil
        USING (name = current_user))"_s,
    u"DROP POLICY IF EXISTS teacher_sees_all ON person"_s,
    uR"(CREATE POLICY teacher_sees_all ON person FOR SELECT TO pallado_teacher
        USING (true))"_s,
    u"REVOKE ALL ON answer, person, class_version FROM PUBLIC"_s,
    // A pupil's insert names only the answer's own columns: the number the
    // server gives each answer (seq, version 2) and the time it took it are
    // the server's, or a pupil could set a number past every other (with
    // OVERRIDING SYSTEM VALUE) and hide the class's later answers from the
    // teacher's view, which asks for those after the last number it saw.
    u"GRANT SELECT ON answer TO pallado_pupil"_s,
    u"REVOKE INSERT ON answer FROM pallado_pupil"_s,
    uR"(GRANT INSERT (id, pupil, at, day, kind, question, given, correct, slip, seconds, skills,
                      missed, mixups) ON answer TO pallado_pupil)"_s,
    u"GRANT SELECT ON answer, person TO pallado_teacher"_s,
    u"GRANT SELECT ON person TO pallado_pupil"_s,
    u"GRANT SELECT ON class_version TO pallado_pupil, pallado_teacher"_s,
    u"REVOKE CREATE ON SCHEMA public FROM PUBLIC"_s,
    // The administrator's own steps: a person's login made and removed with
    // the name and password as values, quoted by format() on the server.
    uR"(CREATE OR REPLACE FUNCTION pallado_add_person(person_name text, person_password text,
                                                   person_kind text) RETURNS void
        LANGUAGE plpgsql AS $$
        BEGIN
            EXECUTE format('CREATE ROLE %I LOGIN PASSWORD %L IN ROLE %I', person_name,
                           person_password, 'pallado_' || person_kind);
            INSERT INTO person (name, kind) VALUES (person_name, person_kind);
        END $$)"_s,
    uR"(CREATE OR REPLACE FUNCTION pallado_remove_person(person_name text) RETURNS void
        LANGUAGE plpgsql AS $$
        BEGIN
            DELETE FROM answer WHERE pupil = person_name;
            DELETE FROM person WHERE name = person_name;
            EXECUTE format('DROP ROLE IF EXISTS %I', person_name);
        END $$)"_s,
    u"REVOKE ALL ON FUNCTION pallado_add_person(text, text, text) FROM PUBLIC"_s,
    u"REVOKE ALL ON FUNCTION pallado_remove_person(text) FROM PUBLIC"_s,
};

// The sums of every answer in the class, counted afresh: for a class
// brought up from version 1, and after answers loaded in bulk.
const QString kSumsOfEveryAnswer = uR"(
    INSERT INTO pupil_day (pupil, day, answers, right_answers, last_at)
        SELECT pupil, day, count(*), count(*) FILTER (WHERE correct), max(at)
        FROM answer GROUP BY pupil, day;
    INSERT INTO skill_day (pupil, day, skill, asked, right_answers, last_miss, last_right)
        SELECT pupil, day, skill, count(*), count(*) FILTER (WHERE NOT missed),
               max(at) FILTER (WHERE missed), max(at) FILTER (WHERE NOT missed)
        FROM (SELECT a.pupil, a.day, a.at, k AS skill,
                     k = ANY (string_to_array(a.missed, ' ')) AS missed
              FROM answer a, unnest(string_to_array(a.skills, ' ')) k WHERE k <> '') s
        GROUP BY pupil, day, skill;
    INSERT INTO mixup_day (pupil, day, asked, taken, n)
        SELECT a.pupil, a.day, p->>0, p->>1, count(*)
        FROM answer a, pallado_pairs(a.mixups) p WHERE a.mixups <> ''
        GROUP BY 1, 2, 3, 4;)"_s;

// Version 2: what the teacher's view of the class reads. Each answer gets a
// number in the order the server took it, so the view fetches only what is
// new; and each answer, as the server takes it, is added up per pupil and
// day (answers, right, the last), per pupil, day and skill (asked, right,
// the last miss and the last right answer of that day, which is all the
// learner's schedule needs to replay a day) and per pupil, day and colour
// pair, so the view never reads a million answers to open. The sums are
// kept by a function that runs as the class's owner: a pupil's login can
// neither read nor write them, and a teacher's reads them.
const QStringList kVersion2{
    u"ALTER TABLE answer ADD COLUMN IF NOT EXISTS seq bigint GENERATED ALWAYS AS IDENTITY"_s,
    u"CREATE UNIQUE INDEX IF NOT EXISTS answer_seq ON answer (seq)"_s,
    uR"(CREATE TABLE IF NOT EXISTS pupil_day (
        pupil text NOT NULL REFERENCES person(name) ON DELETE CASCADE,
        day date NOT NULL,
        answers integer NOT NULL,
        right_answers integer NOT NULL,
        last_at timestamptz NOT NULL,
        PRIMARY KEY (pupil, day)))"_s,
    uR"(CREATE TABLE IF NOT EXISTS skill_day (
        pupil text NOT NULL REFERENCES person(name) ON DELETE CASCADE,
        day date NOT NULL,
        skill text NOT NULL,
        asked integer NOT NULL,
        right_answers integer NOT NULL,
        last_miss timestamptz,
        last_right timestamptz,
        PRIMARY KEY (pupil, day, skill)))"_s,
    uR"(CREATE TABLE IF NOT EXISTS mixup_day (
        pupil text NOT NULL REFERENCES person(name) ON DELETE CASCADE,
        day date NOT NULL,
        asked text NOT NULL,
        taken text NOT NULL,
        n integer NOT NULL,
        PRIMARY KEY (pupil, day, asked, taken)))"_s,
    u"CREATE INDEX IF NOT EXISTS mixup_day_day ON mixup_day (day)"_s,
    // A mixups text as pairs; one that is no JSON array counts as none
    // rather than refusing the answer or the set-up.
    uR"(CREATE OR REPLACE FUNCTION pallado_pairs(mixups text) RETURNS SETOF jsonb
        LANGUAGE plpgsql IMMUTABLE SET search_path = public, pg_temp AS $$
        BEGIN
            IF mixups LIKE '[%' THEN
                RETURN QUERY SELECT p FROM jsonb_array_elements(mixups::jsonb) p
                             WHERE p->>0 IS NOT NULL AND p->>1 IS NOT NULL;
            END IF;
        EXCEPTION WHEN others THEN
            RETURN;
        END $$)"_s,
    u"REVOKE ALL ON pupil_day, skill_day, mixup_day FROM PUBLIC"_s,
    u"GRANT SELECT ON pupil_day, skill_day, mixup_day TO pallado_teacher"_s,
};

// Version 3: the sums kept by a trigger for each row rather than for each
// statement. A pupil sends one answer a statement; for one row the
// statement's trigger paid for a table of the rows added, grouping it and
// joining it three times, where this one adds the row's own values straight
// in: the insert's time on the server is about a tenth less. A class of
// version 2 keeps its sums, which the old trigger kept exactly as this one
// does; the old trigger goes in the same transaction, so no answer is
// counted twice or missed.
const QStringList kVersion3{
    uR"(CREATE OR REPLACE FUNCTION pallado_answer_added() RETURNS trigger LANGUAGE plpgsql
        SECURITY DEFINER SET search_path = public, pg_temp AS $$
        BEGIN
            INSERT INTO pupil_day AS d (pupil, day, answers, right_answers, last_at)
                VALUES (NEW.pupil, NEW.day, 1, NEW.correct::integer, NEW.at)
                ON CONFLICT (pupil, day) DO UPDATE
                SET answers = d.answers + 1,
                    right_answers = d.right_answers + excluded.right_answers,
                    last_at = greatest(d.last_at, excluded.last_at);
            -- A skill named twice in one answer counts twice, as in the
            -- sums counted afresh; grouped, as one statement may not
            -- change a row twice.
            INSERT INTO skill_day AS d (pupil, day, skill, asked, right_answers, last_miss,
                                        last_right)
                SELECT NEW.pupil, NEW.day, k, count(*), count(*) FILTER (WHERE NOT missed),
                       max(NEW.at) FILTER (WHERE missed), max(NEW.at) FILTER (WHERE NOT missed)
                FROM (SELECT k, k = ANY (string_to_array(NEW.missed, ' ')) AS missed
                      FROM unnest(string_to_array(NEW.skills, ' ')) k WHERE k <> '') s
                GROUP BY k
                ON CONFLICT (pupil, day, skill) DO UPDATE
                SET asked = d.asked + excluded.asked,
                    right_answers = d.right_answers + excluded.right_answers,
                    last_miss = greatest(d.last_miss, excluded.last_miss),
                    last_right = greatest(d.last_right, excluded.last_right);
            -- Only a wrong written answer has colour pairs.
            IF NEW.mixups <> '' THEN
                INSERT INTO mixup_day AS d (pupil, day, asked, taken, n)
                    SELECT NEW.pupil, NEW.day, p->>0, p->>1, count(*)
                    FROM pallado_pairs(NEW.mixups) p GROUP BY 3, 4
                    ON CONFLICT (pupil, day, asked, taken) DO UPDATE SET n = d.n + excluded.n;
            END IF;
            RETURN NULL;
        END $$)"_s,
    u"DROP TRIGGER IF EXISTS answers_added ON answer"_s,
    u"DROP FUNCTION IF EXISTS pallado_answers_added()"_s,
    u"DROP TRIGGER IF EXISTS answer_added ON answer"_s,
    uR"(CREATE TRIGGER answer_added AFTER INSERT ON answer
        FOR EACH ROW EXECUTE FUNCTION pallado_answer_added())"_s,
    u"REVOKE ALL ON FUNCTION pallado_answer_added() FROM PUBLIC"_s,
};

// Runs one statement with its values bound; the error if it fails. The
// server prepares only queries and row changes, so a statement of the schema
// (which takes no value) is run as it stands.
std::optional<Error> run(QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery q(db);
    if (values.isEmpty())
        return q.exec(sql) ? std::nullopt : std::optional<Error>(errorOf(q.lastError()));
    return runBound(q, sql, values);
}

// A statement that needs a name as an identifier: the server quotes the
// name with format(), and the statement it returns is run as it stands.
std::optional<Error> runQuoted(QSqlDatabase &db, const QString &formatQuery, const QString &name)
{
    QString statement;
    {
        QSqlQuery q(db);
        q.prepare(formatQuery);
        q.addBindValue(name);
        if (!q.exec() || !q.next())
            return errorOf(q.lastError());
        statement = q.value(0).toString();
    }
    return run(db, statement);
}

std::optional<Error> makeDatabase(QSqlDatabase &db, const QString &name)
{
    {
        QSqlQuery q(db);
        q.prepare(u"SELECT 1 FROM pg_database WHERE datname = ?"_s);
        q.addBindValue(name);
        if (!q.exec())
            return errorOf(q.lastError());
        if (q.next())
            return std::nullopt;
    }
    return runQuoted(db, u"SELECT format('CREATE DATABASE %I', ?::text)"_s, name);
}

QString kindKey(PersonKind kind)
{
    return kind == PersonKind::Pupil ? u"pupil"_s : u"teacher"_s;
}

// The class's steps, run in one transaction so a half-made class is never
// left behind.
std::optional<Error> bringUpToDate(QSqlDatabase &db)
{
    if (!db.transaction())
        return errorOf(db.lastError());
    const auto fail = [&db](Error e) {
        db.rollback();
        return std::optional<Error>(e);
    };
    if (auto e = run(db, u"CREATE TABLE IF NOT EXISTS class_version (version integer NOT NULL)"_s))
        return fail(*e);
    QSqlQuery q(db);
    if (!q.exec(u"SELECT coalesce(max(version), 0) FROM class_version"_s) || !q.next())
        return fail(errorOf(q.lastError()));
    const int have = q.value(0).toInt();
    if (have > kVersion)
        return fail(
            {Failure::Other, u"이 서버의 반 기록은 더 새 버전의 프로그램이 만들었습니다."_s});
    for (const QStringList *steps : {&kVersion1, &kVersion2, &kVersion3})
        for (const QString &sql : *steps)
            if (auto e = run(db, sql))
                return fail(*e);
    // A class of version 1 gets the sums of the answers it holds already.
    if (have < 2)
        if (auto e = recountSums(db))
            return fail(*e);
    if (have < kVersion) {
        if (auto e = run(db, u"DELETE FROM class_version"_s))
            return fail(*e);
        if (auto e = run(db, u"INSERT INTO class_version (version) VALUES (?)"_s, {kVersion}))
            return fail(*e);
    }
    if (!db.commit())
        return fail(errorOf(db.lastError()));
    return std::nullopt;
}

} // namespace

Error errorOf(const QSqlError &e)
{
    const QString code = e.nativeErrorCode();
    const QString text = e.databaseText() + u' ' + e.driverText();
    if (code == kInvalidPassword || code == kInvalidAuthorization ||
        text.contains(u"password authentication failed"_s) ||
        text.contains(u"no password supplied"_s) || text.contains(u"no pg_hba.conf entry"_s))
        return {Failure::WrongPassword, {}};
    if (code == kInsufficientPrivilege || text.contains(u"permission denied"_s) ||
        text.contains(u"must be owner"_s))
        return {Failure::NotAdministrator, {}};
    if (code == kDuplicateObject)
        return {Failure::NameTaken, {}};
    if (code == kUndefinedTable)
        return {Failure::NoClass, {}};
    if (text.contains(u"could not connect"_s) || text.contains(u"Connection refused"_s) ||
        text.contains(u"could not translate host name"_s) || text.contains(u"timeout expired"_s))
        return {Failure::Unreachable, {}};
    return {Failure::Other, e.databaseText().trimmed()};
}

std::optional<Server> parseUrl(QStringView text)
{
    const QUrl url(text.toString(), QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != u"postgresql"_s && url.scheme() != u"postgres"_s) ||
        url.host().isEmpty())
        return std::nullopt;
    Server s;
    s.host = url.host();
    s.port = url.port(5432);
    s.user = url.userName(QUrl::FullyDecoded);
    s.password = url.password(QUrl::FullyDecoded);
    s.database = url.path(QUrl::FullyDecoded).mid(1);
    if (s.database.isEmpty())
        s.database = kDefaultDatabase.toString();
    if (s.user.isEmpty())
        return std::nullopt;
    return s;
}

QString message(const Error &error, const Server &server)
{
    const QString where = u"%1:%2"_s.arg(server.host).arg(server.port);
    switch (error.failure) {
    case Failure::Unreachable:
        return u"%1 서버에 연결할 수 없습니다. 주소와 포트, 서버가 켜져 있는지 확인하세요."_s.arg(
            where);
    case Failure::WrongPassword:
        return u"%1 서버가 이름이나 비밀번호를 받아들이지 않았습니다."_s.arg(where);
    case Failure::NotAdministrator:
        return u"%1 계정에는 반을 만들거나 사람을 더하고 뺄 권한이 없습니다. 관리자 계정으로 "
               "다시 하세요."_s.arg(server.user);
    case Failure::NoClass:
        return u"%1 데이터베이스에 반이 없습니다. 먼저 pallado-class setup을 실행하세요."_s.arg(
            server.database);
    case Failure::NameTaken:
        return u"그 이름은 이미 쓰이고 있습니다. 다른 이름을 쓰세요."_s;
    case Failure::NoSuchPerson:
        return u"반에 그 이름의 사람이 없습니다."_s;
    case Failure::Other:
        break;
    }
    return u"서버가 요청을 처리하지 못했습니다: %1"_s.arg(error.detail);
}

std::variant<QSqlDatabase, Error> connect(const Server &server, const QString &connectionName)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, connectionName);
    if (!db.isValid())
        return Error{Failure::Other,
                     u"PostgreSQL 드라이버가 없습니다 (libqt6sql6-psql 꾸러미를 설치하세요)."_s};
    db.setHostName(server.host);
    db.setPort(server.port);
    db.setDatabaseName(server.database);
    db.setUserName(server.user);
    db.setPassword(server.password);
    // TLS when the server offers it; a lab whose server answers slowly is
    // told so after ten seconds rather than left waiting. A network that
    // drops away under an open connection is found within about twenty
    // seconds too (unanswered sends, unanswered keepalives), not after the
    // system's quarter of an hour, so a sending pupil's computer tries again.
    db.setConnectOptions(u"sslmode=prefer;connect_timeout=10;tcp_user_timeout=10000;"
                         "keepalives_idle=10;keepalives_interval=3;keepalives_count=3"_s);
    if (!db.open()) {
        Error e = errorOf(db.lastError());
        if (e.failure == Failure::Other && db.lastError().text().contains(u"does not exist"_s))
            e = {Failure::NoClass, {}};
        return e;
    }
    // The server's notices ("already exists, skipping") are not for the user.
    QSqlQuery(db).exec(u"SET client_min_messages = warning"_s);
    return db;
}

std::optional<Error> setUp(const Server &admin)
{
    const QString maintenance = u"pallado-class-maintenance"_s;
    std::optional<Error> result;
    {
        Server first = admin;
        first.database = u"postgres"_s;
        auto opened = connect(first, maintenance);
        if (auto *e = std::get_if<Error>(&opened)) {
            result = *e;
        } else {
            QSqlDatabase &db = std::get<QSqlDatabase>(opened);
            result = checkAdministrator(db);
            if (!result)
                result = makeDatabase(db, admin.database);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(maintenance);
    if (result)
        return result;

    const QString name = u"pallado-class-setup"_s;
    {
        auto opened = connect(admin, name);
        if (auto *e = std::get_if<Error>(&opened)) {
            result = *e;
        } else {
            QSqlDatabase &db = std::get<QSqlDatabase>(opened);
            result = bringUpToDate(db);
            if (!result)
                result = runQuoted(
                    db,
                    u"SELECT format('GRANT CONNECT ON DATABASE %I TO pallado_pupil, pallado_teacher', ?::text)"_s,
                    admin.database);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

std::optional<Error> checkAdministrator(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(u"SELECT rolsuper OR rolcreaterole FROM pg_roles WHERE rolname = current_user"_s) ||
        !q.next())
        return errorOf(q.lastError());
    if (!q.value(0).toBool())
        return Error{Failure::NotAdministrator, {}};
    return std::nullopt;
}

std::optional<Error> addPerson(QSqlDatabase &db, QStringView name, QStringView password,
                               PersonKind kind)
{
    if (name.trimmed().isEmpty())
        return Error{Failure::Other, u"이름이 비어 있습니다."_s};
    // One call, so the login and its row are made together or not at all.
    auto e = run(db, u"SELECT pallado_add_person(?, ?, ?)"_s,
                 {name.toString(), password.toString(), kindKey(kind)});
    if (e && e->failure == Failure::Other && e->detail.contains(u"pallado_add_person"_s))
        e = Error{Failure::NoClass, {}};
    return e;
}

QString madePassword()
{
    static constexpr QStringView kLetters =
        u"abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString out;
    for (int i = 0; i < 12; ++i)
        out += kLetters[QRandomGenerator::system()->bounded(int(kLetters.size()))];
    return out;
}

std::variant<std::vector<PupilRow>, Error> pupils(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(uR"(SELECT p.name, count(a.id), count(a.id) FILTER (WHERE a.correct), max(a.at)
                    FROM person p LEFT JOIN answer a ON a.pupil = p.name
                    WHERE p.kind = 'pupil'
                    GROUP BY p.name ORDER BY p.name)"_s))
        return errorOf(q.lastError());
    std::vector<PupilRow> rows;
    while (q.next()) {
        PupilRow row{q.value(0).toString(), q.value(1).toLongLong(), q.value(2).toLongLong(), {}};
        if (!q.value(3).isNull())
            row.last = q.value(3).toDateTime();
        rows.push_back(row);
    }
    return rows;
}

std::variant<qint64, Error> answersOf(QSqlDatabase &db, QStringView name)
{
    QSqlQuery q(db);
    q.prepare(uR"(SELECT (SELECT count(*) FROM answer WHERE pupil = p.name)
                  FROM person p WHERE p.name = ?)"_s);
    q.addBindValue(name.toString());
    if (!q.exec())
        return errorOf(q.lastError());
    if (!q.next())
        return Error{Failure::NoSuchPerson, {}};
    return q.value(0).toLongLong();
}

std::optional<Error> recountSums(QSqlDatabase &db)
{
    for (const QString &sql : {u"DELETE FROM pupil_day"_s, u"DELETE FROM skill_day"_s,
                               u"DELETE FROM mixup_day"_s, kSumsOfEveryAnswer})
        if (auto e = run(db, sql))
            return e;
    return std::nullopt;
}

std::optional<Error> removePerson(QSqlDatabase &db, QStringView name)
{
    return run(db, u"SELECT pallado_remove_person(?)"_s, {name.toString()});
}

AnswerSender::AnswerSender(QSqlDatabase db) : m_db(std::move(db))
{
    // The server plans the trigger that adds an answer to the class's sums
    // once per connection, the first time it runs. An answer added and taken
    // back at once has it planned now, as the pupil joins, rather than on
    // their first answer (a class that starts a lesson together would all
    // wait on it then); a colour pair and a missed skill, so each of its
    // statements runs. Nothing of it stays. The statement is prepared now
    // too; its failure is the first send's to tell.
    if (m_db.transaction()) {
        QSqlQuery(m_db).exec(uR"(INSERT INTO answer (id, at, day, kind, question, given, correct,
                                                    slip, seconds, skills, missed, mixups)
                                VALUES (gen_random_uuid(), now(), current_date, '', '', '',
                                        false, '', 0, 'warm-up', 'warm-up', '[["", ""]]'))"_s);
        m_db.rollback();
    }
    (void)prepare();
}

std::optional<Error> AnswerSender::prepare()
{
    m_insert.emplace(m_db);
    if (m_insert->prepare(uR"(INSERT INTO answer (id, at, day, kind, question, given, correct,
                                                 slip, seconds, skills, missed, mixups)
                             VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)
                             ON CONFLICT (id) DO NOTHING)"_s))
        return std::nullopt;
    const Error e = errorOf(m_insert->lastError());
    m_insert.reset();
    return e;
}

std::optional<Error> AnswerSender::send(const ClassAnswer &a)
{
    if (!m_insert)
        if (auto e = prepare())
            return e;
    // An empty text is stored as one, never as NULL.
    const auto text = [](const QString &t) { return t.isNull() ? u""_s : t; };
    const QVariantList values{
        a.id,      a.at.toUTC(), a.day,     text(a.kind),   text(a.question), text(a.given),
        a.correct, text(a.slip), a.seconds, text(a.skills), text(a.missed),   text(a.mixups)};
    for (int i = 0; i < values.size(); ++i)
        m_insert->bindValue(i, values[i]);
    if (!m_insert->exec()) {
        const Error e = errorOf(m_insert->lastError());
        // A dropped connection leaves the prepared statement behind; the
        // next send prepares it again.
        m_insert.reset();
        return e;
    }
    return std::nullopt;
}

ClassAnswer answerOf(const QSqlQuery &q, int first)
{
    return {q.value(first).toString(),      q.value(first + 1).toDateTime(),
            q.value(first + 2).toDate(),    q.value(first + 3).toString(),
            q.value(first + 4).toString(),  q.value(first + 5).toString(),
            q.value(first + 6).toBool(),    q.value(first + 7).toString(),
            q.value(first + 8).toDouble(),  q.value(first + 9).toString(),
            q.value(first + 10).toString(), q.value(first + 11).toString()};
}

std::variant<std::vector<ClassAnswer>, Error> ownAnswersExcept(QSqlDatabase &db,
                                                               const QStringList &have)
{
    // The ids held go as one array value; the server leaves them out by a
    // hash, however many a pupil has.
    QStringList ids;
    ids.reserve(have.size());
    for (QString id : have) {
        // Anything but an id would spoil the array: it cannot be one held.
        id.remove(u'-');
        if (id.size() == 32 && std::all_of(id.begin(), id.end(), [](QChar c) {
                return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
            }))
            ids << id;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(uR"(SELECT id, at, day, kind, question, given, correct, slip, seconds, skills,
                         missed, mixups
                  FROM answer a
                  WHERE pupil = current_user
                    AND NOT EXISTS (SELECT FROM unnest(?::uuid[]) AS h(id) WHERE h.id = a.id)
                  ORDER BY at, id)"_s);
    q.addBindValue(u'{' + ids.join(u',') + u'}');
    if (!q.exec())
        return errorOf(q.lastError());
    std::vector<ClassAnswer> answers;
    while (q.next())
        answers.push_back(answerOf(q));
    if (q.lastError().isValid())
        return errorOf(q.lastError());
    return answers;
}

} // namespace classdb

namespace classdb {

std::optional<Error> runBound(QSqlQuery &q, const QString &sql, const QVariantList &values)
{
    if (!q.prepare(sql))
        return errorOf(q.lastError());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        return errorOf(q.lastError());
    return std::nullopt;
}

} // namespace classdb
