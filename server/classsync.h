#pragma once

// A joined pupil's answers kept in step with the class record on the
// server. The pupil's own record on this computer stays the first home of
// every answer: the practice writes there as always, and the sync sends on
// what the server does not have yet, each answer once (its id is the
// record's token, and the server passes over an id it holds). On joining,
// the pupil's answers from other computers are fetched into the record, so
// the schedule and the progress view go on where they left off.
//
// The sync runs on a thread of its own with its own connections; the window
// never waits on the network. While the server cannot be reached the
// answers wait in the record, marked unsent, and go within ten seconds of
// the server coming back, or at the next start.

#include "server/classdb.h"

#include <QObject>

#include <memory>

namespace classdb {

// The pupil's own record on this computer: one file per server and login
// under the per-user data folder, so pupils who share a computer never
// share a record, and the home record (practice::Record::defaultPath) stays
// the one used when nobody has joined.
QString pupilRecordPath(const Server &pupil);

class ClassSync : public QObject {
    Q_OBJECT

public:
    enum class State {
        Connecting, // not yet reached the server
        InStep,     // every answer of the record is on the server
        Waiting,    // the server cannot be reached: answers wait in the record
    };
    Q_ENUM(State)

    // Starts at once. `pupil` is the joined login (its user and password);
    // `recordPath` the pupil's record (pupilRecordPath). The record is
    // watched for new answers, so the practice need not say when it adds
    // one.
    ClassSync(const Server &pupil, const QString &recordPath, QObject *parent = nullptr);
    // Stops the thread; what is not sent stays marked in the record and
    // goes next time.
    ~ClassSync() override;

    State state() const;

signals:
    void stateChanged(classdb::ClassSync::State state);
    // Answers from the server arrived in the record: what shows the record
    // should read it again.
    void fetched(int added);

private:
    // Shared with the sending thread, which may outlive the ClassSync.
    struct Worker;
    std::shared_ptr<Worker> m_worker;
};

} // namespace classdb
