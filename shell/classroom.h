#pragma once

// The learner's dialogs and the class as the main window uses them (see
// learnerdialogs.h): the practice's session and the learner's record,
// joining and leaving the class, and the dialogs opened from the menus. A
// pupil's record is their own (classdb::pupilRecordPath), kept in step with
// the server by a ClassSync; a teacher keeps this computer's home record (a
// teacher's login adds no answers) and opens the class view. Whoever joins
// or leaves, the practice starts a new session on the record that is now
// the window's.

#include "shell/learnerdialogs.h"

#include <QObject>

#include <memory>

namespace practice {
struct Session;
}

namespace shell {

class Classroom : public QObject, public LearnerDialogs {
    Q_OBJECT

public:
    explicit Classroom(const WindowParts &parts);
    ~Classroom() override;

    void practice() override;
    void progress() override;
    void worksheet() override;
    void classView() override;
    void join() override;
    void leave() override;
    void rejoinRemembered() override;

    void setTeacher(std::optional<classdb::Server> teacher) override;
    // Made when first needed: a joined pupil's own, else this computer's
    // home record.
    practice::Record &record() override;
    const std::optional<join::Joined> &joined() const override { return m_joined; }
    classdb::ClassSync *classSync() const override { return m_sync.get(); }

private:
    void joinAs(const join::Joined &joined);
    void leaveClass();
    void showClassState();

    WindowParts m_parts;
    // The practice's score and missed questions, kept while the program runs.
    std::unique_ptr<practice::Session> m_practice;
    std::unique_ptr<practice::Record> m_record;
    std::optional<classdb::Server> m_teacher;
    std::optional<join::Joined> m_joined;
    std::unique_ptr<classdb::ClassSync> m_sync;
    // A join that finished while a dialog held the record: applied once the
    // dialog is closed.
    std::optional<join::Joined> m_pendingJoin;
    // The pupil was told that their answers wait for the server.
    bool m_waitingTold = false;
    // Counts joins and leaves from the menu, so a join from the start-up
    // that finishes after one is passed over.
    int m_joinTurn = 0;
};

} // namespace shell
