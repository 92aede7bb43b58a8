#include "shell/classroom.h"

#include "learner/record.h"
#include "pages/classview/classdialog.h"
#include "pages/join/joindialog.h"
#include "pages/join/keyring.h"
#include "pages/practice/practicedialog.h"
#include "pages/progress/progressdialog.h"
#include "pages/worksheet/worksheetdialog.h"
#include "pages/worksheet/worksheetquestions.h"
#include "server/joining.h"
#include "shell/dialogplace.h"
#include "widgets/accessibility.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

using namespace Qt::StringLiterals;

namespace shell {

namespace {

// Dialog placement: offsets from the main window's top-left corner, in
// twips. The worksheet and the join dialog, small, over the middle of the
// pages; the practice and the progress view over the main window, a little
// inside its corner.
constexpr int kWorksheetOffsetTop = 1500;
constexpr int kWorksheetOffsetLeft = 1800;
constexpr int kJoinOffsetTop = 1500;
constexpr int kJoinOffsetLeft = 1800;
constexpr int kPracticeOffsetTop = 300;
constexpr int kPracticeOffsetLeft = 240;

// How often a join that finished while a dialog held the record looks
// again whether the dialog is closed.
constexpr int kPendingJoinRetryMs = 300;
// How long the once-told note that answers wait stays in the status bar.
constexpr int kWaitingNoticeMs = 15000;

} // namespace

Classroom::Classroom(const WindowParts &parts)
    : m_parts(parts), m_practice(std::make_unique<practice::Session>())
{
}

Classroom::~Classroom() = default;

void Classroom::practice()
{
    const PagesAside aside(m_parts.pages);
    frmPractice dialog(m_parts.window, *m_practice, record());
    // The progress view opens over the practice; a record emptied there
    // leaves the practice's skills new again.
    connect(&dialog, &frmPractice::progressRequested, this, [this, &dialog] {
        progress();
        dialog.reloadSkills();
    });
    showDialog(*m_parts.window, dialog, kPracticeOffsetTop, kPracticeOffsetLeft);
}

void Classroom::progress()
{
    const PagesAside aside(m_parts.pages);
    frmProgress dialog(m_parts.window, record());
    showDialog(*m_parts.window, dialog, kPracticeOffsetTop, kPracticeOffsetLeft);
}

practice::Record &Classroom::record()
{
    if (!m_record)
        m_record = std::make_unique<practice::Record>(
            m_joined && m_joined->kind == classdb::PersonKind::Pupil
                ? classdb::pupilRecordPath(m_joined->login)
                : practice::Record::defaultPath());
    return *m_record;
}

void Classroom::worksheet()
{
    const PagesAside aside(m_parts.pages);
    frmWorksheet dialog(m_parts.window);
    // The colours the learner often misses, for a sheet that asks mostly
    // those; the record is opened only now.
    dialog.setWeakDigits(practice::weakDigits(record().skills()));
    showDialog(*m_parts.window, dialog, kWorksheetOffsetTop, kWorksheetOffsetLeft);
}

void Classroom::setTeacher(std::optional<classdb::Server> teacher)
{
    m_teacher = std::move(teacher);
    m_parts.Menu_class->setEnabled(m_teacher.has_value());
}

void Classroom::classView()
{
    if (!m_teacher)
        return;
    const PagesAside aside(m_parts.pages);
    frmClass dialog(m_parts.window, *m_teacher);
    // A pupil's progress view, read-only, over a record of their answers
    // kept only while it shows, so no answer of theirs mixes with this
    // computer's own.
    connect(&dialog, &frmClass::pupilProgressRequested, this,
            [&dialog](const QString &pupil, const std::vector<practice::Row> &rows) {
                const QTemporaryDir folder;
                practice::Record record(folder.filePath(u"record.sqlite"_s));
                record.addRows(rows);
                record.waitWritten(practice::Record::kExitWaitMs);
                frmProgress progress(&dialog, record);
                progress.setReadOnly(true);
                progress.setWindowTitle(u"학습 기록: %1"_s.arg(pupil));
                progress.exec();
            });
    // The worksheet with the colours most of the class misses first.
    connect(&dialog, &frmClass::classSheetRequested, this,
            [&dialog](const std::vector<practice::SkillStates> &pupils) {
                frmWorksheet sheet(&dialog);
                sheet.chkWeakFirst->setText(u"반이 자주 틀리는 색 위주로(&F)"_s);
                sheet.chkWeakFirst->setChecked(true);
                sheet.setWeakDigits(practice::classWeakDigits(pupils));
                sheet.exec();
            });
    // Shown at once, the class read meanwhile; a class that cannot be read
    // is said in a message box over the view, which then closes itself.
    dialog.Form_Load();
    showDialog(*m_parts.window, dialog, kPracticeOffsetTop, kPracticeOffsetLeft);
}

void Classroom::join()
{
    std::optional<join::Joined> joined;
    QString address;
    bool remember = false;
    {
        const PagesAside aside(m_parts.pages);
        frmJoin dialog(m_parts.window);
        showDialog(*m_parts.window, dialog, kJoinOffsetTop, kJoinOffsetLeft);
        joined = dialog.joined();
        address = dialog.address();
        remember = dialog.remember();
    }
    if (!joined)
        return;
    // A join from the start-up still on its way is passed over.
    ++m_joinTurn;
    m_pendingJoin.reset();
    // A password remembered for another login on this desktop goes.
    const join::Remembered before = join::remembered();
    if (before.remember) {
        classdb::Server old = classdb::parseAddress(before.server).value_or(classdb::Server{});
        old.user = before.name;
        if (old.user != joined->login.user ||
            classdb::addressText(old) != classdb::addressText(joined->login))
            join::forgetPassword(old);
    }
    join::keep(address, joined->login.user, remember);
    if (remember)
        join::keepPassword(joined->login);
    else
        join::forgetPassword(joined->login);
    joinAs(*joined);
}

void Classroom::leave()
{
    if (!m_joined)
        return;
    ++m_joinTurn;
    m_pendingJoin.reset();
    join::forgetPassword(m_joined->login);
    join::forgetRemembering();
    leaveClass();
    ui::announce(m_parts.window, u"반에서 나왔습니다."_s);
}

void Classroom::joinAs(const join::Joined &joined)
{
    // An open dialog holds the record: the switch waits until it closes.
    if (QApplication::activeModalWidget()) {
        m_pendingJoin = joined;
        QTimer::singleShot(kPendingJoinRetryMs, this, [this, turn = m_joinTurn] {
            if (turn == m_joinTurn && m_pendingJoin)
                joinAs(*std::exchange(m_pendingJoin, std::nullopt));
        });
        return;
    }
    leaveClass();
    m_joined = joined;
    m_waitingTold = false;
    if (joined.kind == classdb::PersonKind::Teacher) {
        setTeacher(joined.login);
    } else {
        m_sync = std::make_unique<classdb::ClassSync>(joined.login,
                                                      classdb::pupilRecordPath(joined.login));
        connect(m_sync.get(), &classdb::ClassSync::stateChanged, this, &Classroom::showClassState);
        // Answers from other computers: what shows the record reads it again.
        connect(m_sync.get(), &classdb::ClassSync::fetched, this, [this] {
            for (frmPractice *practice : m_parts.window->findChildren<frmPractice *>())
                practice->reloadSkills();
            for (frmProgress *progress : m_parts.window->findChildren<frmProgress *>())
                progress->refresh();
        });
    }
    m_parts.Menu_leave->setEnabled(true);
    showClassState();
    ui::announce(m_parts.window, m_parts.lblClass->text());
}

void Classroom::leaveClass()
{
    m_sync.reset();
    m_record.reset();
    m_practice = std::make_unique<practice::Session>();
    m_joined.reset();
    setTeacher(std::nullopt);
    m_parts.Menu_leave->setEnabled(false);
    showClassState();
}

void Classroom::showClassState()
{
    QLabel *lblClass = m_parts.lblClass;
    lblClass->setToolTip({});
    lblClass->setAccessibleDescription({});
    if (!m_joined) {
        lblClass->clear();
        lblClass->setAccessibleName({});
        lblClass->hide();
        return;
    }
    QString text = join::practisingText(m_joined->serverName, m_joined->login.user);
    if (m_sync) {
        const classdb::ClassSync::State state = m_sync->state();
        if (const QString word = join::syncStateText(state); !word.isEmpty())
            text += u" · "_s + word;
        // Told once while joined, in the status bar and to a screen reader,
        // never in a box that would stop the practice.
        if (state == classdb::ClassSync::State::Waiting) {
            lblClass->setToolTip(join::waitingNotice());
            if (!m_waitingTold) {
                m_waitingTold = true;
                m_parts.window->statusBar()->showMessage(join::waitingNotice(), kWaitingNoticeMs);
                ui::announce(m_parts.window, join::waitingNotice());
            }
        }
    }
    lblClass->setText(text);
    lblClass->setAccessibleName(text);
    lblClass->show();
}

void Classroom::rejoinRemembered()
{
    const join::Remembered last = join::remembered();
    std::optional<classdb::Server> login = classdb::parseAddress(last.server);
    if (!last.remember || last.name.isEmpty() || !login || m_joined)
        return;
    login->user = last.name;
    const int turn = m_joinTurn;
    const QString serverName = join::serverShownName(*login, last.serverName);
    QLabel *lblClass = m_parts.lblClass;
    lblClass->setText(join::rejoiningText(serverName, login->user));
    lblClass->setAccessibleName(lblClass->text());
    lblClass->show();
    const auto failed = [lblClass](const QString &why) {
        lblClass->setText(join::rejoinFailedText());
        lblClass->setAccessibleName(lblClass->text());
        lblClass->setToolTip(why);
        lblClass->setAccessibleDescription(why);
    };
    join::readPassword(*login, this, [=, this](const join::KeyringAnswer &answer) {
        if (turn != m_joinTurn)
            return;
        if (!answer.password)
            return failed(answer.available ? QString() : join::noKeyringText());
        classdb::Server withPassword = *login;
        withPassword.password = *answer.password;
        using Outcome = std::variant<classdb::PersonKind, classdb::Error>;
        auto *watcher = new QFutureWatcher<Outcome>(this);
        connect(watcher, &QFutureWatcher<Outcome>::finished, this, [=, this] {
            watcher->deleteLater();
            if (turn != m_joinTurn)
                return;
            const Outcome outcome = watcher->result();
            if (const auto *kind = std::get_if<classdb::PersonKind>(&outcome))
                joinAs({withPassword, *kind, serverName});
            else
                failed(join::failureText(std::get<classdb::Error>(outcome), withPassword));
        });
        watcher->setFuture(
            QtConcurrent::run([withPassword] { return classdb::joinClass(withPassword); }));
    });
}

} // namespace shell
