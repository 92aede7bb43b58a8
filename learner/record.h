#pragma once

// The learner's record: every judged practice answer, one row each, in the
// SQLite file record.sqlite in the per-user data folder, written before its
// feedback is shown. Nothing is opened until the first call that needs it,
// so start-up never pays for a large record.
//
// Bad states never cost the practice: a file that is damaged or is no
// Pallado record is moved aside unchanged and a fresh one started; a record
// of a newer program is left alone and not written; a folder or disk that
// takes nothing leaves the practice without a record. Each is told once
// (takeNotice). Every answer is one short transaction in write-ahead
// logging with full syncing, so an answer committed survives the program
// being killed, and a second Pallado writing at once waits its turn.

#include "learner/answers.h"
#include "learner/progressdata.h"
#include "learner/schedule.h"

#include <QDate>
#include <QString>

#include <functional>
#include <span>
#include <vector>

class QIODevice;
class QSqlQuery;

namespace practice {

enum class RecordStatus {
    Kept,       // answers are written
    MovedAside, // a damaged or foreign file was moved aside; a fresh record is kept
    Newer,      // a newer program's record: read nothing, written nothing
    NotKept,    // the folder or the disk takes nothing: answers are not kept
};

// The sentence the practice dialog shows once for a status; empty for Kept.
// `movedTo` names the file a broken record was moved to.
QString statusMessage(RecordStatus status, QStringView movedTo = {});

class Record {
public:
    // The record in `path`; defaultPath() for the learner's own.
    explicit Record(QString path = defaultPath());
    ~Record();
    Record(const Record &) = delete;
    Record &operator=(const Record &) = delete;

    // record.sqlite in QStandardPaths::AppDataLocation.
    static QString defaultPath();

    // The schema this program writes (PRAGMA user_version).
    static constexpr int kVersion = 2;

    const QString &path() const { return m_path; }

    // Opens the record if it is not yet open.
    RecordStatus status();

    // The message of a status not yet told, once: statusMessage of it, and
    // empty from then on (and while all is well).
    QString takeNotice();

    // Writes answers, each call one transaction; false when they are not
    // kept (the status says why). Many at once are for importing and for
    // generated records.
    bool add(const Answer &answer);
    bool add(std::span<const Answer> answers);

    // Each skill's Leitner state; all new when nothing is kept.
    SkillStates skills();

    // For the progress view. `today` is the learner's local day.
    Totals totals(QDate today);
    std::vector<DayCount> lastDays(QDate today, int count = 30);
    ConfusionTable confusions();

    // Every answer, oldest first, as CSV (answers.h): byte-order mark,
    // header, one line each. False when the device takes it not.
    bool exportCsv(QIODevice &device);

    // Empties the record: no answer, every skill new. False when it cannot.
    bool reset();

private:
    bool open();
    bool writable();
    void openFile();
    bool moveAside();
    bool failed(int code);
    void close();
    // Runs a reading of the open record; SQLite's code of a failure, which
    // has been dealt with. Nothing is run, and 0 given, while nothing is kept.
    int read(const std::function<int(QSqlQuery &)> &reading);

    QString m_path;
    QString m_connection;
    bool m_tried = false;
    RecordStatus m_status = RecordStatus::NotKept;
    bool m_noticeTold = false;
    QString m_movedTo;
};

} // namespace practice
