#pragma once

// frmClass, "반 현황": the teacher's live view of the class. One row per
// pupil (tblPupils: answers, today's, share right, days in a row, the last
// answer, the weakest skills), the class's confusion table over every day
// or today's only, a worksheet of the class's weak colours, and the table or
// every answer as CSV.
//
// Modal, as the other dialogs: the teacher's computer watches the class
// rather than practising beside it, and a modal view keeps the dialogs'
// contract (the pages set aside, the focus given back). It opens at once,
// empty, the status line saying that the class is being read: a thread of
// its own (classdb::ClassWatch) connects and reads the whole class, and the
// tables fill when it hands the class over (showClass); a server that does
// not answer leaves the view to its keys, and Escape closes it without
// waiting on the network. It then follows the class by itself: the same
// thread reads what came in every kRefreshMs (a short query that
// finds nothing new costs the server an index probe) and hands it over;
// only the rows whose pupils answered change, in place, so the teacher's
// sort, selection and scroll stay. A server gone away stalls nothing: the
// status line says so and the view goes on when it comes back.
//
// The pupil's progress view and the worksheet are other pages: the view
// asks for them by its signals, and the main window opens them.

#include "learner/answers.h"
#include "learner/schedule.h"
#include "server/classview.h"
#include "widgets/confusiontable.h"

#include <QDialog>

#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;

class frmClass : public QDialog {
    Q_OBJECT

public:
    frmClass(QWidget *owner, const classdb::Server &teacher);
    ~frmClass() override;

    // How often the view reads what came in.
    static constexpr int kRefreshMs = 1000;
    // How often a server that cannot be reached is tried again.
    static constexpr int kRetryMs = 3000;

    // Starts reading the class on the watch's thread and says so; what
    // needs the class (the worksheet, the CSV) waits for it. When the class
    // cannot be read, the view says why in a message box and closes itself.
    // The view is shown at once, whatever the network does; the class is in
    // once cmdExportClass is enabled.
    void Form_Load();

    // Shows what came in: the rows of the pupils in it, the confusion
    // table, and every row's clock (today's answers, who practises now).
    void takeNews(const classdb::ClassNews &news);

    // Writes the table, or every answer with its pupil's name, to `path`
    // as CSV, whole or not at all; when it cannot, says so and is false.
    // Every answer is read and written on a task of its own (waitForServer),
    // whose 취소 leaves no file and says nothing.
    bool exportPupils(const QString &path);
    bool exportAnswers(const QString &path);

    // Each pupil's skills by the learner's schedule, for the class sheet.
    std::vector<practice::SkillStates> pupilStates() const;

    void tblPupils_DblClick();
    void chkToday_Click();
    void cmdClassSheet_Click();
    void cmdExportClass_Click();
    void cmdClose_Click();

    QLabel *lblStatus = nullptr;       // the server, the pupils, or why the view cannot follow now
    QLabel *lblPupils = nullptr;       // "학생(&P)", caption of the pupil table
    QTableWidget *tblPupils = nullptr; // one row per pupil, sortable; Enter or a double-click
                                       // opens the pupil's progress view
    QLabel *lblClassConfusion = nullptr; // "반이 헷갈린 색(&M): ...", caption of the table
    QCheckBox *chkToday = nullptr;       // "오늘만(&O)": the confusion table of today only
    ui::ConfusionTableView *tblClassConfusion = nullptr; // rows asked, columns answered
    QPushButton *cmdClassSheet =
        nullptr; // "반 연습지...": the worksheet, the class's weak colours first
    QPushButton *cmdExportClass = nullptr; // "CSV로 저장(&E)": asks which and where
    QPushButton *cmdClose = nullptr;       // "닫기(&C)"

signals:
    // The pupil's answers, for their progress view, shown read-only.
    void pupilProgressRequested(const QString &pupil, const std::vector<practice::Row> &rows);
    // A worksheet of the colours most of the class misses.
    void classSheetRequested(const std::vector<practice::SkillStates> &pupils);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    // The class as first read: the tables filled, the view sized to them,
    // what needs the class enabled.
    void showClass(const classdb::ClassSums &sums);
    // Drops the watch before the class was read: nothing more of it comes.
    void stopReading();
    void showPupil(const QString &name);
    void showPupils();
    void showConfusions();
    void showMessage(const QString &text);
    // Says that the view follows the class, and how many pupils it has.
    void showFollowing();
    // Says why the class cannot be read now, once to a screen reader.
    void showFailure(const classdb::Error &error);
    // What the teacher asks for (a pupil's answers, every answer) read by
    // `work` on a task of its own: a progress dialog (dlgServerProgress)
    // says `doing` once it takes a while, counting `done` of `total` (none:
    // a moving bar), and its 취소 or Escape drops the task. False when
    // cancelled; else `error` is the server's, if any.
    bool waitForServer(const QString &doing, classdb::ServerTask::Work work,
                       std::optional<classdb::Error> &error, int total = 0,
                       const std::function<qint64()> &done = {});

    classdb::Server m_teacher;
    classdb::ClassSums m_sums;
    std::map<QString, practice::SkillStates> m_states;
    classdb::ClassWatch *m_watch = nullptr;
    QTimer *m_clock = nullptr; // today's answers and who practises now follow it
    std::optional<classdb::Error> m_failure;
    bool m_read = false; // the class has been read once
};
