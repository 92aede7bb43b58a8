#include "server/classsync.h"

#include "learner/record.h"
#include "server/background.h"
#include "server/classrow.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QSet>
#include <QStandardPaths>

#include <atomic>
#include <thread>

using namespace Qt::StringLiterals;

namespace classdb {

namespace {

// How often the record is looked at for new answers: a query on the small
// index of unsent answers, so a second costs next to nothing.
constexpr int kPollMs = 1000;
// How often a server that cannot be reached is tried again: an answer
// reaches it within this (and a connection's making) of it coming back.
constexpr int kRetryMs = 3000;
// How long closing waits for the thread; one caught in a network call that
// the system has not yet given up on is left to end by itself.
constexpr int kStopWaitMs = 1000;

std::atomic<int> g_syncs{0};

} // namespace

QString pupilRecordPath(const Server &pupil)
{
    const QString key =
        u"%1:%2/%3/%4"_s.arg(pupil.host.toLower()).arg(pupil.port).arg(pupil.database, pupil.user);
    const QString folder = QString::fromLatin1(
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(u"class/"_s + folder + u"/record.sqlite"_s);
}

// What the window and the sending thread share. The thread may outlive the
// ClassSync (see ~ClassSync), so it holds this, never the ClassSync itself.
struct ClassSync::Worker : Background<ClassSync> {
    std::thread thread;
    State state = State::Connecting; // the window's side only
    class Sender;
};

// The sending thread's work, on its own connections to the server and to
// the record.
class ClassSync::Worker::Sender {
public:
    Sender(const std::shared_ptr<Worker> &worker, Server server, QString recordPath)
        : w(*worker), m_worker(worker), m_server(std::move(server)),
          m_record(std::move(recordPath)), m_connection(u"pallado-class-sync-%1"_s.arg(++g_syncs))
    {
    }
    ~Sender() { disconnect(); }
    void work();

private:
    bool connectAndFetch();
    // Sends what the record has unsent; false when the connection failed.
    bool sendUnsent();
    void disconnect();
    void tell(ClassSync::State state);

    Worker &w;
    std::shared_ptr<Worker> m_worker;
    Server m_server;
    practice::Record m_record;
    QString m_connection;
    std::optional<AnswerSender> m_sender;
    // Sent in this session, their marks perhaps not yet written; and those
    // the server refused as they are, not offered again until the next start.
    QSet<QString> m_sent, m_refused;
    std::optional<ClassSync::State> m_told;
    bool m_fetched = false;
};

void ClassSync::Worker::Sender::work()
{
    while (!w.stopped()) {
        if (!m_sender && !connectAndFetch()) {
            disconnect();
            tell(ClassSync::State::Waiting);
            if (!w.pause(kRetryMs))
                return;
            continue;
        }
        if (!sendUnsent()) {
            disconnect();
            tell(ClassSync::State::Waiting);
            if (!w.pause(kRetryMs))
                return;
            continue;
        }
        tell(ClassSync::State::InStep);
        if (!w.pause(kPollMs))
            return;
    }
}

bool ClassSync::Worker::Sender::connectAndFetch()
{
    auto opened = classdb::connect(m_server, m_connection);
    if (std::holds_alternative<Error>(opened))
        return false;
    QSqlDatabase db = std::get<QSqlDatabase>(opened);
    m_sender.emplace(db);
    // The pupil's answers from other computers, before any is sent from
    // here, once a start: a class whose server restarts does not ask it for
    // every pupil's answers again at once.
    if (m_fetched)
        return true;
    auto fetched = ownAnswersExcept(db, m_record.tokens());
    if (std::holds_alternative<Error>(fetched))
        return false;
    m_fetched = true;
    const auto &answers = std::get<std::vector<ClassAnswer>>(fetched);
    if (!answers.empty()) {
        std::vector<practice::Row> rows;
        rows.reserve(answers.size());
        for (const ClassAnswer &a : answers)
            rows.push_back(rowOf(a));
        m_record.addRows(rows);
        // Written before the window is told to read the record again.
        m_record.waitWritten(practice::Record::kExitWaitMs);
        w.post([n = int(rows.size())](ClassSync *sync) { emit sync->fetched(n); });
    }
    return true;
}

bool ClassSync::Worker::Sender::sendUnsent()
{
    std::vector<QString> sent;
    bool reached = true;
    for (const practice::Row &row : m_record.unsent()) {
        if (m_sent.contains(row.token) || m_refused.contains(row.token))
            continue;
        if (const auto e = m_sender->send(classAnswerOf(row))) {
            // The connection still answering means the server refused this
            // answer itself; the others go on.
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            if (!db.isOpen() || !QSqlQuery(db).exec(u"SELECT 1"_s)) {
                reached = false;
                break;
            }
            qWarning("class sync: answer %s refused: %s", qPrintable(row.token),
                     qPrintable(e->detail));
            m_refused.insert(row.token);
            continue;
        }
        m_sent.insert(row.token);
        sent.push_back(row.token);
        if (w.stopped())
            break;
    }
    m_record.markSent(sent);
    return reached;
}

void ClassSync::Worker::Sender::disconnect()
{
    m_sender.reset();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

void ClassSync::Worker::Sender::tell(ClassSync::State state)
{
    if (m_told == state)
        return;
    m_told = state;
    w.post([state](ClassSync *sync) {
        if (sync->m_worker->state == state)
            return;
        sync->m_worker->state = state;
        emit sync->stateChanged(state);
    });
}

ClassSync::ClassSync(const Server &pupil, const QString &recordPath, QObject *parent)
    : QObject(parent), m_worker(std::make_shared<Worker>())
{
    m_worker->owner = this;
    m_worker->thread = std::thread([worker = m_worker, pupil, recordPath] {
        auto sender = std::make_unique<Worker::Sender>(worker, pupil, recordPath);
        sender->work();
        // A thread left behind by a closing program that has since ended
        // touches none of Qt's state, already torn down: its connections
        // go with the process, and its unwritten marks only mean answers
        // sent again.
        if (QCoreApplication::instance())
            sender.reset();
        else
            (void)sender.release();
        worker->finish();
    });
}

ClassSync::~ClassSync()
{
    // A thread still in a network call ends by itself when the call does;
    // what it has not sent stays marked in the record.
    if (m_worker->stop(kStopWaitMs))
        m_worker->thread.join();
    else
        m_worker->thread.detach();
}

ClassSync::State ClassSync::state() const
{
    return m_worker->state;
}

} // namespace classdb
