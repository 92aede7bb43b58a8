// Joining the class from the window, on a PostgreSQL server of the test's
// own: what is refused and why, a pupil's own record while joined and the
// home record after, two pupils on one computer, a teacher, the keyring
// that is not there, and the dialog by keyboard alone.

#include "learner/record.h"
#include "pages/join/joindialog.h"
#include "pages/join/jointexts.h"
#include "pages/practice/judging.h"
#include "server/classrow.h"
#include "server/joining.h"
#include "server/scratchserver.h"
#include "uitest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStatusBar>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

const QString kPupil = u"김민수"_s;
const QString kOther = u"O'Brien 이서연"_s;
const QString kTeacher = u"박선생"_s;
const QString kPassword = ScratchClass::password();

// The dialog the watch found, once it is on screen and has the keyboard.
frmJoin *active(QWidget *d)
{
    if (!QTest::qWaitFor([d] { return d->isActiveWindow() && QApplication::focusWidget(); }))
        qWarning("the join dialog did not take the keyboard");
    return static_cast<frmJoin *>(d);
}

struct Attempt {
    bool dialogShown = false;
    uitest::SeenBox box;
};

// Fills the three boxes as a user would (clearing what they held) and
// presses Enter; answers the message box that may come, then closes the
// dialog with Escape if it is still open.
Attempt joinFromMenu(Form1 &w, const QString &server, const QString &name, const QString &password)
{
    uitest::BoxAnswerer box;
    auto ran = uitest::onNextDialog(u"frmJoin"_s, [&](QWidget *d) {
        auto *dialog = active(d);
        for (auto [field, text] :
             {std::pair{dialog->txtServer, server}, std::pair{dialog->txtName, name},
              std::pair{dialog->txtPassword, password}}) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_Backspace);
            uitest::type(field, text);
        }
        QTest::keyClick(dialog->txtPassword, Qt::Key_Return);
        (void)QTest::qWaitFor([&] { return box.seen().seen || !dialog->isVisible(); }, 30000);
        if (dialog->isVisible())
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    w.Menu_join->trigger();
    return {*ran, box.seen()};
}

practice::Answer anAnswer()
{
    const practice::Resistor k47{{47, 2, 2}, colorcode::toleranceOf(u"±5%")};
    return practice::readingAnswer(k47, u"4.7", u"K\u2126", u"±5%",
                                   *practice::judgeReading(k47, u"4.7", u"K\u2126", u"±5%"), 3.0,
                                   QDateTime::currentDateTimeUtc());
}

int answersIn(Form1 &w)
{
    return w.record().totals(QDate::currentDate()).answers;
}

} // namespace

class tst_Join : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void address_data();
    void address();
    void refused_data();
    void refused();
    void pupilJoinsAndLeaves();
    void twoPupilsNeverShareARecord();
    void waitingToldOnce();
    void fetchedAnswersShowAtOnce();
    void teacherJoins();
    void noKeyringSaysWhy();
    void keyboardOnly();

private:
    QString here() const { return m_server->address(); }
    std::unique_ptr<ScratchClass> m_server;
    QTemporaryDir m_systemSettings;
};

void tst_Join::initTestCase()
{
    uitest::setUp();
    // No desktop session: no keyring answers.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    // The school's preset lives in the system-wide settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, m_systemSettings.path());
    m_server = std::make_unique<ScratchClass>();
    if (!m_server->started())
        QSKIP(ScratchServer::kNotStarted);
    const QString failed = m_server->setUp({kPupil, kOther}, {kTeacher});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
}

void tst_Join::init()
{
    QSettings().clear();
    QSettings(QSettings::SystemScope, u"Pallado"_s, u"Pallado"_s).clear();
}

void tst_Join::address_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("database");
    QTest::newRow("host alone") << u" lab3 "_s << true << u"lab3"_s << 5432 << u"pallado"_s;
    QTest::newRow("host:port") << u"lab3:5433"_s << true << u"lab3"_s << 5433 << u"pallado"_s;
    QTest::newRow("host:port/db") << u"10.0.0.5:5433/class3"_s << true << u"10.0.0.5"_s << 5433
                                  << u"class3"_s;
    QTest::newRow("IPv6 in brackets")
        << u"[::1]:5433"_s << true << u"::1"_s << 5433 << u"pallado"_s;
    QTest::newRow("empty port") << u"lab3:"_s << false << QString() << 0 << QString();
    QTest::newRow("port too large") << u"lab3:70000"_s << false << QString() << 0 << QString();
    QTest::newRow("space inside") << u"lab 3"_s << false << QString() << 0 << QString();
    QTest::newRow("empty database") << u"lab3/"_s << false << QString() << 0 << QString();
    QTest::newRow("bracket left open") << u"[::1"_s << false << QString() << 0 << QString();
}

void tst_Join::address()
{
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    const std::optional<classdb::Server> server = classdb::parseAddress(typed);
    QCOMPARE(server.has_value(), valid);
    if (!valid)
        return;
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, database);
    QCOMPARE(server->host, host);
    QCOMPARE(server->port, port);
    QCOMPARE(server->database, database);
    // Written back the short way, it reads as a pupil would type it.
    QCOMPARE(classdb::parseAddress(classdb::addressText(*server))->port, port);
}

void tst_Join::refused_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("says");
    QTest::addColumn<QString>("focus");
    const QString here = m_server ? m_server->address() : QString();
    QTest::newRow("wrong password")
        << here << kPupil << u"nope"_s << u"이름이나 비밀번호를 받아들이지 않았습니다"_s
        << u"txtPassword"_s;
    QTest::newRow("no server there")
        << u"127.0.0.1:1"_s << kPupil << kPassword << u"127.0.0.1:1 서버에 연결할 수 없습니다"_s
        << u"txtServer"_s;
    QTest::newRow("no such database") << here + u"/nothing"_s << kPupil << kPassword
                                      << u"서버에는 반이 없습니다"_s << u"txtServer"_s;
    QTest::newRow("database without a class") << here + u"/postgres"_s << kPupil << kPassword
                                              << u"서버에는 반이 없습니다"_s << u"txtServer"_s;
    QTest::newRow("a login not in the class")
        << here << u"admin"_s << QString::fromUtf16(ScratchServer::kAdminPassword)
        << u"admin은 이 서버의 반에 없습니다"_s << u"txtName"_s;
    QTest::newRow("address unreadable") << u"lab3:pg"_s << kPupil << kPassword
                                        << u"서버 주소를 알아볼 수 없습니다"_s << u"txtServer"_s;
}

void tst_Join::refused()
{
    QFETCH(QString, server);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, says);
    auto w = uitest::openWindow();
    const Attempt attempt = joinFromMenu(*w, server, name, password);
    QVERIFY(attempt.dialogShown);
    QVERIFY(attempt.box.seen);
    QVERIFY2(attempt.box.text.contains(says), qPrintable(attempt.box.text));
    QCOMPARE(attempt.box.icon, QMessageBox::Warning);
    QVERIFY(!w->joined());
    QVERIFY(!w->Menu_leave->isEnabled());
    QVERIFY(!w->lblClass->isVisible());
    QCOMPARE(w->record().path(), practice::Record::defaultPath());
}

void tst_Join::pupilJoinsAndLeaves()
{
    // The school's preset: the address filled in, and the name it gives
    // the server in the status bar.
    {
        QSettings system(QSettings::SystemScope, u"Pallado"_s, u"Pallado"_s);
        system.setValue(join::kServerKey, here());
        system.setValue(join::kServerNameKey, u"3반 서버"_s);
    }
    auto w = uitest::openWindow();
    QString preset;
    QString focused;
    auto ran = uitest::onNextDialog(u"frmJoin"_s, [&](QWidget *d) {
        auto *dialog = active(d);
        preset = dialog->txtServer->text();
        focused =
            QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        uitest::type(dialog->txtName, kPupil);
        uitest::type(dialog->txtPassword, kPassword);
        QTest::keyClick(dialog->txtPassword, Qt::Key_Return);
        if (!QTest::qWaitFor([&] { return !dialog->isVisible(); }, 30000))
            dialog->reject();
    });
    w->Menu_join->trigger();
    QVERIFY(*ran);
    QCOMPARE(preset, here());
    // The name is the first box left to fill.
    QCOMPARE(focused, u"txtName"_s);
    QVERIFY(w->joined());
    QVERIFY(w->lblClass->isVisible());
    QVERIFY2(w->lblClass->text().startsWith(u"3반 서버 · 김민수"_s),
             qPrintable(w->lblClass->text()));
    QCOMPARE(w->lblClass->accessibleName(), w->lblClass->text());
    QVERIFY(w->classSync());
    QVERIFY(w->Menu_leave->isEnabled());
    QVERIFY(!w->Menu_class->isEnabled());
    const classdb::Server login = m_server->login(kPupil);
    QCOMPARE(w->record().path(), classdb::pupilRecordPath(login));
    QVERIFY(w->record().path() != practice::Record::defaultPath());
    // The password was not remembered, nor written anywhere in the settings.
    QVERIFY(!QSettings().value(join::kRememberKey).toBool());
    QVERIFY(!QSettings().allKeys().join(u' ').contains(u"password"_s, Qt::CaseInsensitive));
    for (const QString &key : QSettings().allKeys())
        QVERIFY(QSettings().value(key).toString() != kPassword);

    w->Menu_leave->trigger();
    QVERIFY(!w->joined());
    QVERIFY(!w->classSync());
    QVERIFY(!w->Menu_leave->isEnabled());
    QVERIFY(!w->lblClass->isVisible());
    QCOMPARE(w->record().path(), practice::Record::defaultPath());
}

void tst_Join::twoPupilsNeverShareARecord()
{
    auto w = uitest::openWindow();
    const int home = answersIn(*w);
    QVERIFY(joinFromMenu(*w, here(), kPupil, kPassword).dialogShown);
    QVERIFY(w->joined());
    const int first = answersIn(*w);
    QVERIFY(w->record().add(anAnswer()));
    QVERIFY(w->record().waitWritten(5000));
    QCOMPARE(answersIn(*w), first + 1);
    w->Menu_leave->trigger();
    QCOMPARE(answersIn(*w), home);

    // The second pupil, straight after, on the same computer.
    QVERIFY(joinFromMenu(*w, here(), kOther, kPassword).dialogShown);
    QVERIFY(w->joined());
    QCOMPARE(w->joined()->login.user, kOther);
    QCOMPARE(answersIn(*w), 0);
    QVERIFY(w->record().add(anAnswer()));
    QVERIFY(w->record().add(anAnswer()));
    QVERIFY(w->record().waitWritten(5000));

    // The first comes back and finds their own answer alone; the other
    // pupil's way to the first's record is not through joining over them.
    QVERIFY(joinFromMenu(*w, here(), kPupil, kPassword).dialogShown);
    QCOMPARE(w->joined()->login.user, kPupil);
    QCOMPARE(answersIn(*w), first + 1);
    w->Menu_leave->trigger();
    QCOMPARE(answersIn(*w), home);
}

void tst_Join::waitingToldOnce()
{
    using State = classdb::ClassSync::State;
    auto w = uitest::openWindow();
    QVERIFY(joinFromMenu(*w, here(), kPupil, kPassword).dialogShown);
    QVERIFY(w->classSync());
    QTRY_COMPARE_WITH_TIMEOUT(w->classSync()->state(), State::InStep, 10000);
    uitest::Announcements heard;
    QSignalSpy shown(w->statusBar(), &QStatusBar::messageChanged);
    const auto told = [&] {
        QStringList lines = heard.spoken;
        for (const QVariantList &message : shown)
            lines << message.value(0).toString();
        return lines.filter(u"서버에 닿지 않습니다"_s).size();
    };

    // The server goes away while the pupil answers: the practice goes on,
    // the pupil told once, in the status bar and aloud.
    bool stopped = true;
    const auto startAgain = qScopeGuard([&] {
        if (stopped)
            m_server->start();
    });
    m_server->stop();
    QVERIFY(w->record().add(anAnswer()));
    QTRY_COMPARE_WITH_TIMEOUT(w->classSync()->state(), State::Waiting, 10000);
    QTRY_COMPARE(told(), 2);
    QCOMPARE(w->statusBar()->currentMessage(), join::waitingNotice());
    // Not again with each try of the server (every 3 seconds), nor for
    // the next answer, nor when the server is back and gone again.
    QTest::qWait(7000);
    QVERIFY(w->record().add(anAnswer()));
    QVERIFY(m_server->start());
    QTRY_COMPARE_WITH_TIMEOUT(w->classSync()->state(), State::InStep, 10000);
    QTRY_COMPARE(int(w->record().unsent().size()), 0);
    m_server->stop();
    QVERIFY(w->record().add(anAnswer()));
    QTRY_COMPARE_WITH_TIMEOUT(w->classSync()->state(), State::Waiting, 10000);
    QCOMPARE(told(), 2);
    QVERIFY(w->lblClass->text().endsWith(join::syncStateText(State::Waiting)));
    stopped = false;
    QVERIFY(m_server->start());
    QTRY_COMPARE_WITH_TIMEOUT(int(w->record().unsent().size()), 0, 10000);
    w->Menu_leave->trigger();
}

void tst_Join::fetchedAnswersShowAtOnce()
{
    // Two answers from another computer, on the server before this one
    // joins. The server holds the pupil's fetch back until the progress
    // view is open here.
    const QString pupil = u"전학생"_s;
    QCOMPARE(m_server->add(pupil), QString());
    std::vector<classdb::ClassAnswer> elsewhere;
    for (const bool right : {true, false}) {
        practice::Row row = practice::rowOf(anAnswer());
        row.token = QUuid::createUuid().toString(QUuid::Id128);
        row.correct = right;
        elsewhere.push_back(classdb::classAnswerOf(row));
    }
    QVERIFY(!m_server->send(pupil, elsewhere));
    ScratchConnection admin(m_server->admin());
    QVERIFY(admin.db().transaction());
    QVERIFY(QSqlQuery(admin.db()).exec(u"LOCK TABLE answer IN ACCESS EXCLUSIVE MODE"_s));

    auto w = uitest::openWindow();
    QVERIFY(joinFromMenu(*w, here(), pupil, kPassword).dialogShown);
    QVERIFY(w->joined());
    QString before, after;
    auto ran = uitest::onNextDialog(u"frmProgress"_s, [&](QWidget *progress) {
        auto *totals = uitest::find<QLabel>(progress, u"lblTotals"_s);
        before = totals->text();
        admin.db().commit();
        (void)QTest::qWaitFor([&] { return totals->text() != before; }, 10000);
        after = totals->text();
        static_cast<QDialog *>(progress)->reject();
    });
    w->Menu_progress->trigger();
    QVERIFY(*ran);
    QVERIFY2(before.startsWith(u"푼 문제 0"_s), qPrintable(before));
    QVERIFY2(after.startsWith(u"푼 문제 2 · 정답률 50%"_s), qPrintable(after));
    w->Menu_leave->trigger();
}

void tst_Join::teacherJoins()
{
    auto w = uitest::openWindow();
    QVERIFY(joinFromMenu(*w, here(), kTeacher, kPassword).dialogShown);
    QVERIFY(w->joined());
    QCOMPARE(w->joined()->kind, classdb::PersonKind::Teacher);
    QVERIFY(w->Menu_class->isEnabled());
    // The teacher's own record on this computer, and no sync: a teacher's
    // login adds no answers.
    QVERIFY(!w->classSync());
    QCOMPARE(w->record().path(), practice::Record::defaultPath());
    QVERIFY(w->lblClass->text().startsWith(here() + u" · 박선생"_s));
    w->Menu_leave->trigger();
    QVERIFY(!w->Menu_class->isEnabled());
}

void tst_Join::noKeyringSaysWhy()
{
    // The box was ticked last time; with no keyring it is off all the same.
    QSettings().setValue(join::kRememberKey, true);
    auto w = uitest::openWindow();
    bool off = false;
    QString why;
    bool shown = false;
    auto ran = uitest::onNextDialog(u"frmJoin"_s, [&](QWidget *d) {
        auto *dialog = active(d);
        (void)QTest::qWaitFor([&] { return !dialog->chkRemember->toolTip().isEmpty(); }, 30000);
        off = !dialog->chkRemember->isEnabled() && !dialog->chkRemember->isChecked();
        why = dialog->chkRemember->accessibleDescription();
        shown = dialog->lblNoKeyring->isVisible() && dialog->lblNoKeyring->text() == why;
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    w->Menu_join->trigger();
    QVERIFY(*ran);
    QVERIFY(off);
    QVERIFY2(why.contains(u"키링"_s), qPrintable(why));
    QVERIFY(shown);
    QVERIFY(!w->joined());
}

void tst_Join::keyboardOnly()
{
    auto w = uitest::openWindow();
    uitest::BoxAnswerer unexpected;
    // Alt+F opens the file menu; J picks "반에 들어가기(&J)...".
    auto ran = uitest::onNextDialog(u"frmJoin"_s, [&](QWidget *d) {
        auto *dialog = active(d);
        const std::pair<Qt::Key, QString> steps[] = {
            {Qt::Key_S, here()}, {Qt::Key_N, kPupil}, {Qt::Key_P, kPassword}};
        for (const auto &[key, text] : steps) {
            QTest::keyClick(dialog, key, Qt::AltModifier);
            uitest::type(QApplication::focusWidget(), text);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (!QTest::qWaitFor([&] { return !dialog->isVisible(); }, 30000))
            dialog->reject();
    });
    QTest::keyClick(w.get(), Qt::Key_F, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([&] { return w->Menu_file->isVisible(); }));
    QTest::keyClick(w->Menu_file, Qt::Key_J);
    QVERIFY(QTest::qWaitFor([&] { return *ran; }, 10000));
    QVERIFY(QTest::qWaitFor([&] { return w->joined().has_value(); }, 30000));
    QCOMPARE(w->joined()->login.user, kPupil);
    QVERIFY(!unexpected.seen().seen);
    w->Menu_leave->trigger();
}

QTEST_MAIN(tst_Join)
#include "tst_join.moc"
