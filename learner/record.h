#pragma once

// The learner's record: every judged practice answer, one row each, in the
// SQLite file record.sqlite in the per-user data folder. Nothing is opened
// until the first call that needs it, so start-up never pays for it.
//
// An answer is never lost and the window never waits on the file. add()
// writes the answer's row to a small side file beside the record
// (record.sqlite.waiting-<id>, one line each) and hands it to a thread of
// the record's own, which writes it with its own connection, one short
// transaction with full syncing, and then empties the side file. add()
// waits for that a moment (kAnswerWaitMs) and then goes on: an answer the
// record cannot take at once (another program holds the lock, the disk is
// full) waits in order and is written as soon as it can be; one whose row is
// already there (each row carries a token) is not written twice. What still
// waits when the program closes is written if the lock goes within
// kExitWaitMs, and otherwise stays in the side file, which the next opening
// adds to the record. A kill or a power cut after the feedback so loses at
// most what the operating system had not yet put on the disk.
//
// Opening waits for a lock rather than taking it for damage: a file is moved
// aside unchanged only when SQLite finds it no database or damaged, or it is
// no Pallado record; a record of a newer program is left alone. Write-ahead
// logging is used where the file system shares memory between programs, a
// rollback journal on network file systems and where SQLite has no shared
// memory. Each state is told once (takeNotice), in whole sentences.
//
// A joined pupil's record is also the class server's outbox: each answer is
// kept unsent (Row::sent) until the class sync has it on the server and
// marks it so (markSent), through the writing thread like an answer. A mark
// is not kept aside: lost to a kill, the answer is only sent again, and the
// server passes over an id it holds.

#include "learner/answers.h"
#include "learner/progressdata.h"
#include "learner/schedule.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <span>
#include <vector>

class QIODevice;
class QSqlQuery;

namespace practice {

enum class RecordStatus {
    Kept,              // answers are written
    MovedAside,        // a damaged or foreign file was moved aside; a fresh record is kept
    Newer,             // a newer program's record: read nothing, written nothing
    FolderNotWritable, // the folder cannot be made or written: answers are not kept
    NoDriver,          // Qt has no SQLite driver: answers are not kept
    Locked,            // another program holds the lock: answers wait
    DiskFull,          // the disk takes nothing more: answers wait
    ReadOnly,          // the file cannot be written: answers wait in the side file
    Replaced,          // the file was replaced while the program ran: answers wait there too
    Damaged,           // the file was damaged or cut short while it ran: likewise
};

// The sentence the practice and the progress view show for a status; empty
// for Kept. `name` is what the sentence names: the file a broken record was
// moved to, the folder that takes nothing, or the side file answers wait in.
QString statusMessage(RecordStatus status, QStringView name = {});

class Record {
public:
    // The record in `path`; defaultPath() for the learner's own.
    explicit Record(QString path = defaultPath());
    // Writes what still waits if it can within kExitWaitMs; the rest stays
    // in the side file.
    ~Record();
    Record(const Record &) = delete;
    Record &operator=(const Record &) = delete;

    // record.sqlite in QStandardPaths::AppDataLocation.
    static QString defaultPath();

    // The schema this program writes (PRAGMA user_version).
    static constexpr int kVersion = 4;
    // The longest add() waits for its answer to be written before the
    // practice goes on with the answer waiting.
    static constexpr int kAnswerWaitMs = 250;
    // The longest opening waits for a disk slow to make or migrate the
    // record. A lock is not waited for here: the practice starts at once
    // with its answers waiting, after the writing thread's first try.
    static constexpr int kOpenWaitMs = 2000;
    // How long the program, closing, waits for a lock to go.
    static constexpr int kExitWaitMs = 3000;

    const QString &path() const { return m_path; }

    // Opens the record if it is not yet open.
    RecordStatus status();

    // The sentence of the status as it is now, with its names; empty while
    // all is well.
    QString statusText();

    // The sentence of a status not yet told, once for each status; empty
    // while all is well and for a status told before.
    QString takeNotice();

    // Takes answers, in order: true when they are written or wait to be,
    // false when they are not kept (the status says why). Many at once are
    // for importing and for generated records.
    bool add(const Answer &answer);
    bool add(std::span<const Answer> answers);
    // Takes rows as they are, tokens and all, as add() does answers: a row
    // whose token the record holds already is passed over. For answers that
    // come back from elsewhere, such as the class server. Such rows may be
    // older than those here: taking one marked sent, the skills are replayed
    // from every answer, oldest first.
    bool addRows(std::span<const Row> rows);

    // The answers the class server does not have yet, oldest first; none
    // when the record cannot be read.
    std::vector<Row> unsent();
    // Every token the record holds.
    QStringList tokens();
    // Marks the answers of these tokens sent. Returns at once; the writing
    // thread writes the marks with the next answers, or alone.
    void markSent(std::span<const QString> tokens);

    // Waits up to `milliseconds` until no answer or mark waits; true when
    // none does.
    bool waitWritten(int milliseconds);
    // The answers taken and not yet written.
    int waiting();

    // Whether the record can be read now: kept, or only waiting to be
    // written. A newer, replaced or damaged record, or none, cannot.
    bool readable();

    // The readings below first give the answers just taken the moment
    // add() gives them, so what was answered a moment ago is counted.

    // Each skill's Leitner state; all new when nothing is read.
    SkillStates skills();

    // For the progress view. `today` is the learner's local day.
    Totals totals(QDate today);
    std::vector<DayCount> lastDays(QDate today, int count = 30);
    ConfusionTable confusions();

    // Every answer, oldest first, as CSV (answers.h): byte-order mark,
    // header, one line each, the times in local time. False, with nothing
    // written, when the record cannot be read; false when the device takes
    // it not.
    bool exportCsv(QIODevice &device);

    // Empties the record: no answer, none waiting, every skill new. Only a
    // record this program owns and can write now; false otherwise.
    bool reset();

    struct Shared; // the record's state, shared with its writing thread

private:
    bool open();
    bool openReader();
    void closeReader();
    // Runs a reading of the open record; SQLite's code of a failure. Nothing
    // is run, and -1 given, while the record cannot be read.
    int read(const std::function<int(QSqlQuery &)> &reading);

    QString m_path;
    QString m_connection;
    std::shared_ptr<Shared> m_shared;
    bool m_tried = false;
    bool m_readerOpen = false;
    unsigned m_told = 0; // the statuses told, a bit each
};

} // namespace practice
