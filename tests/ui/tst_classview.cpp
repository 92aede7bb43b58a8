// The teacher's view of the class, on a PostgreSQL server of the test's own:
// a class of three pupils, one who has not answered yet; answers sent from
// the pupils' own connections while the view is open; the pupil's progress
// view and the class worksheet opened from it through the main window; the
// CSV files; a class of the first version brought up to date; the server
// going away under the open view and coming back; and a server that never
// answers or refuses as the view opens.

#include "pages/classview/classdialog.h"
#include "pages/classview/classfigures.h"
#include "pages/worksheet/worksheetquestions.h"
#include "server/classview.h"
#include "server/scratchserver.h"
#include "uitest.h"
#include "widgets/confusiontable.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUuid>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kTeacher = u"박선생"_s;
const QString kMinsu = u"김민수"_s;
const QString kSeoyeon = u"이서연"_s;
const QString kNone = u"O'Brien 박"_s; // has not answered yet

// Violet (7) asked, blue (6) taken: the confusion table's cell.
constexpr int kViolet = 7;
constexpr int kBlue = 6;

classdb::ClassAnswer answer(bool right, const QString &missed, const QString &mixups)
{
    return {QUuid::createUuid().toString(QUuid::WithoutBraces),
            QDateTime::currentDateTimeUtc(),
            QDate::currentDate(),
            u"write"_s,
            u"노랑, 보라, 적색, 금색"_s,
            right ? u"노랑, 보라, 적색, 금색"_s : u"노랑, 파랑, 적색, 금색"_s,
            right,
            right ? QString() : u"neighbour-colour"_s,
            4,
            u"digit-4 digit-7 multiplier-2 tolerance-5% reading-end"_s,
            missed,
            mixups};
}

const QString kRightPairs = uR"([["노랑","노랑"],["보라","보라"],["적색","적색"]])"_s;
const QString kVioletAsBlue = uR"([["노랑","노랑"],["보라","파랑"],["적색","적색"]])"_s;

int rowOf(QTableWidget *table, const QString &name)
{
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->item(r, classview::Name)->text() == name)
            return r;
    return -1;
}

QString cell(QTableWidget *table, const QString &name, int column)
{
    const int row = rowOf(table, name);
    return row < 0 ? QString() : table->item(row, column)->text();
}

// The class is read (on the view's thread) once what needs it is enabled.
bool hasRead(frmClass &view)
{
    return QTest::qWaitFor([&] { return view.cmdExportClass->isEnabled(); }, 10000);
}

// Something that takes connections and never answers, as a host that
// drops packets after the handshake; hangUp() ends the waits.
struct SilentServer {
    QTcpServer server;
    std::vector<QTcpSocket *> waiting;
    bool listen(quint16 port = 0)
    {
        QObject::connect(&server, &QTcpServer::newConnection,
                         [this] { waiting.push_back(server.nextPendingConnection()); });
        return server.listen(QHostAddress::LocalHost, port);
    }
    bool allWaiting() const
    {
        return std::all_of(waiting.begin(), waiting.end(), [](QTcpSocket *s) {
            return s->state() == QAbstractSocket::ConnectedState;
        });
    }
    void hangUp()
    {
        server.close();
        for (QTcpSocket *s : waiting)
            s->abort();
    }
};

bool opened(frmClass &view)
{
    view.Form_Load();
    return hasRead(view);
}

} // namespace

class tst_ClassView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void daysReplayedAsAnswered_data();
    void daysReplayedAsAnswered();
    void pupilRows_data();
    void pupilRows();
    void cellsHeard_data();
    void cellsHeard();
    void followsTheClass();
    void keyboardReachesEverything();
    void pupilProgressAndClassSheet();
    void csvFiles();
    void versionOneBroughtUpToDate();
    void carriesOnWhenTheServerComesBack();
    void closedWhileTheServerIsSilent();
    void refusedSaidThenClosed();

private:
    std::unique_ptr<ScratchClass> m_server;
    QTemporaryDir m_files;
};

void tst_ClassView::initTestCase()
{
    uitest::setUp();
    m_server = std::make_unique<ScratchClass>();
    if (!m_server->started())
        QSKIP(ScratchServer::kNotStarted);
    const QString failed = m_server->setUp({kMinsu, kSeoyeon, kNone}, {kTeacher});
    QVERIFY2(failed.isEmpty(), qPrintable(failed));
    // Both miss violet; Seoyeon misses red as well.
    QVERIFY(!m_server->send(kMinsu, {answer(true, {}, kRightPairs), answer(true, {}, kRightPairs),
                                     answer(false, u"digit-7"_s, kVioletAsBlue)}));
    QVERIFY(!m_server->send(kSeoyeon, {answer(false, u"digit-7 multiplier-2"_s, kVioletAsBlue)}));
}

void tst_ClassView::daysReplayedAsAnswered_data()
{
    // One skill's answers, a day's in order: R right, M missed; days apart
    // by a space, each the day after the last.
    QTest::addColumn<QString>("answers");
    QTest::newRow("a miss mended the same day") << u"RMR"_s;
    QTest::newRow("a miss last") << u"RRM"_s;
    QTest::newRow("climbing over days") << u"R R RR R"_s;
    QTest::newRow("a miss after climbing") << u"R R R MRM R"_s;
}

void tst_ClassView::daysReplayedAsAnswered()
{
    QFETCH(QString, answers);
    // The server's sums of the answers, against the answers replayed one by
    // one as the pupil's own record replays them.
    const practice::SkillId skill = *practice::skillOfKey(u"digit-7");
    classdb::PupilSums sums;
    std::vector<practice::SkillAnswer> oneByOne;
    QDate day(2027, 3, 1);
    QDateTime at(day, QTime(9, 0));
    for (const QString &sitting : answers.split(u' ')) {
        classdb::SkillDaySums &s = sums.skills[{day, skill}];
        for (const QChar c : sitting) {
            at = at.addSecs(10);
            const bool right = c == u'R';
            ++s.asked;
            s.right += right;
            (right ? s.lastRight : s.lastMiss) = at;
            oneByOne.push_back(
                {day,
                 {skill},
                 right ? std::vector<practice::SkillId>{} : std::vector<practice::SkillId>{skill}});
        }
        day = day.addDays(1);
        at = QDateTime(day, QTime(9, 0));
    }
    QCOMPARE(classdb::skillStates(sums)[std::size_t(skill)],
             practice::replay(oneByOne)[std::size_t(skill)]);
}

void tst_ClassView::pupilRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("weak");
    QTest::addColumn<QString>("shareHeard");
    QTest::newRow("practising, one miss")
        << kMinsu << u"3"_s << u"3"_s << u"66%"_s << u"지금 연습 중"_s << u"숫자 보라 (7)"_s
        << u"정답률 66퍼센트"_s;
    QTest::newRow("two skills missed, the box and share alike")
        << kSeoyeon << u"1"_s << u"1"_s << u"0%"_s << u"지금 연습 중"_s
        << u"숫자 보라 (7), 승수 적색 (×10²)"_s << u"정답률 0퍼센트"_s;
    QTest::newRow("no answer yet") << kNone << u"0"_s << u"0"_s << u"\u2013"_s << u"\u2013"_s
                                   << u"\u2013"_s << u"정답률 없음"_s;
}

void tst_ClassView::pupilRows()
{
    QFETCH(QString, name);
    frmClass view(nullptr, m_server->login(kTeacher));
    QVERIFY(opened(view));
    QTableWidget *table = view.tblPupils;
    QCOMPARE(table->rowCount(), 3);
    QTEST(cell(table, name, classview::Answers), "answers");
    QTEST(cell(table, name, classview::Today), "today");
    QTEST(cell(table, name, classview::Share), "share");
    QTEST(cell(table, name, classview::Last), "last");
    QTEST(cell(table, name, classview::Weak), "weak");
    // A screen reader hears the column with the value, in words.
    QTEST(
        table->item(rowOf(table, name), classview::Share)->data(Qt::AccessibleTextRole).toString(),
        "shareHeard");
}

void tst_ClassView::cellsHeard_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("heard");
    // "07:05" is read as a clock, its zeros not read out.
    QTest::newRow("a day before, and its time")
        << int(classview::Last) << u"12월 8일 07:05"_s << u"마지막 답 12월 8일 7시 5분"_s;
}

void tst_ClassView::cellsHeard()
{
    QFETCH(int, column);
    QFETCH(QString, shown);
    QTEST(classview::spokenCell(column, shown), "heard");
}

void tst_ClassView::followsTheClass()
{
    frmClass view(nullptr, m_server->login(kTeacher));
    QVERIFY(opened(view));
    view.show();
    QTableWidget *table = view.tblPupils;
    // The teacher sorts by answers, most first, and picks Seoyeon.
    QHeaderView *header = table->horizontalHeader();
    const QPoint answers(header->sectionViewportPosition(classview::Answers) + 5, 5);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, answers);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, answers);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(table->item(0, classview::Name)->text(), kMinsu);
    table->setFocus();
    table->setCurrentCell(rowOf(table, kSeoyeon), classview::Name);
    const int violetAsBlue = view.tblClassConfusion->item(kViolet, kBlue)->text().toInt();
    QCOMPARE(violetAsBlue, 2);

    // Three answers from Seoyeon's computer: she now leads the table.
    QVERIFY(
        !m_server->send(kSeoyeon, {answer(false, u"digit-7"_s, kVioletAsBlue),
                                   answer(true, {}, kRightPairs), answer(true, {}, kRightPairs)}));
    QTRY_COMPARE_WITH_TIMEOUT(cell(table, kSeoyeon, classview::Answers), u"4"_s, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(view.tblClassConfusion->item(kViolet, kBlue)->text(), u"3"_s, 5000);
    QCOMPARE(table->item(0, classview::Name)->text(), kSeoyeon);
    QCOMPARE(table->horizontalHeader()->sortIndicatorSection(), int(classview::Answers));
    QCOMPARE(table->currentItem()->data(Qt::UserRole + 1).toString(), kSeoyeon);
    QCOMPARE(table->selectedItems().size(), int(classview::ColumnCount));

    // Every answer was today's: today's table is the same.
    QTest::mouseClick(view.chkToday, Qt::LeftButton);
    QCOMPARE(view.tblClassConfusion->item(kViolet, kBlue)->text(), u"3"_s);
    QCOMPARE(view.tblClassConfusion->item(kViolet, kBlue)->data(Qt::AccessibleTextRole).toString(),
             u"물은 색 보라, 답한 색 파랑, 3번"_s);

    // A pupil joins the class and is removed again: the row comes and goes.
    const QString late = u"늦은 학생"_s;
    {
        ScratchConnection admin(m_server->admin());
        QVERIFY(!classdb::addPerson(admin.db(), late, ScratchClass::password(),
                                    classdb::PersonKind::Pupil));
        QTRY_COMPARE_WITH_TIMEOUT(cell(table, late, classview::Answers), u"0"_s, 5000);
        QVERIFY(!classdb::removePerson(admin.db(), late));
        QTRY_COMPARE_WITH_TIMEOUT(rowOf(table, late), -1, 5000);
    }
    QCOMPARE(table->rowCount(), 3);
}

void tst_ClassView::keyboardReachesEverything()
{
    uitest::Announcements heard;
    frmClass view(nullptr, m_server->login(kTeacher));
    view.Form_Load();
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    // The class comes after the view is shown: the focus is on the table,
    // at its first pupil.
    QVERIFY(hasRead(view));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(view.tblPupils));
    QCOMPARE(view.tblPupils->currentRow(), 0);
    QTRY_VERIFY(heard.spoken.join(u' ').contains(u"학생 3명"_s));
    // Ctrl+Down sorts by the current cell's column, most first, and the
    // teacher stays on the same pupil; Ctrl+Up the other way.
    QTableWidget *table = view.tblPupils;
    table->setCurrentCell(rowOf(table, kNone), classview::Share);
    QTest::keyClick(table, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(table->horizontalHeader()->sortIndicatorSection(), int(classview::Share));
    QCOMPARE(table->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(table->item(0, classview::Name)->text(), kMinsu);
    QCOMPARE(table->item(2, classview::Name)->text(), kNone);
    QCOMPARE(table->currentRow(), 2);
    QTest::keyClick(table, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(table->item(0, classview::Name)->text(), kNone);
    QCOMPARE(table->currentRow(), 0);
    QStringList reached;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(reached, (QStringList{u"chkToday"_s, u"tblClassConfusion"_s, u"cmdClassSheet"_s,
                                   u"cmdExportClass"_s, u"cmdClose"_s}));
    // Its access key ticks the box (as a click that shows, a moment later).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(view.chkToday->isChecked());
}

void tst_ClassView::pupilProgressAndClassSheet()
{
    auto window = uitest::openWindow();
    window->setTeacher(m_server->login(kTeacher));
    QVERIFY(window->Menu_class->isEnabled());

    QString totals, title;
    bool resetShown = true;
    QString code;
    bool weakFirst = false;
    bool closed = false;
    auto watch = uitest::onNextDialog(u"frmClass"_s, [&](QWidget *dialog) {
        auto *view = static_cast<frmClass *>(dialog);
        if (!hasRead(*view))
            return view->reject();
        QTableWidget *table = view->tblPupils;
        table->setFocus();
        table->setCurrentCell(rowOf(table, kMinsu), classview::Weak);
        {
            auto progress = uitest::onNextDialog(u"frmProgress"_s, [&](QWidget *p) {
                totals = uitest::find<QLabel>(p, u"lblTotals"_s)->text();
                resetShown = uitest::find<QWidget>(p, u"cmdResetRecord"_s)->isVisible();
                title = p->windowTitle();
                static_cast<QDialog *>(p)->reject();
            });
            QTest::keyClick(table, Qt::Key_Return);
        }
        {
            auto sheet = uitest::onNextDialog(u"frmWorksheet"_s, [&](QWidget *w) {
                code = uitest::find<QLineEdit>(w, u"txtCode"_s)->text();
                weakFirst = uitest::find<QCheckBox>(w, u"chkWeakFirst"_s)->isChecked();
                static_cast<QDialog *>(w)->reject();
            });
            QTest::mouseClick(view->cmdClassSheet, Qt::LeftButton);
        }
        // Enter on a pupil left the view open.
        closed = !view->isVisible();
        QTest::mouseClick(view->cmdClose, Qt::LeftButton);
    });
    window->Menu_class->trigger();
    QVERIFY(*watch);
    QVERIFY(!closed);
    QCOMPARE(title, u"학습 기록: "_s + kMinsu);
    QVERIFY2(totals.startsWith(u"푼 문제 3 · 정답률 66%"_s), qPrintable(totals));
    QVERIFY(!resetShown);
    // Violet, missed by both, comes before red, missed by one.
    QVERIFY(weakFirst);
    const auto recipe = practice::readSheetCode(code);
    QVERIFY(std::holds_alternative<practice::WorksheetRecipe>(recipe));
    QCOMPARE(std::get<practice::WorksheetRecipe>(recipe).weakColours,
             practice::colourBits(std::vector<int>{7, 2}));
}

void tst_ClassView::csvFiles()
{
    frmClass view(nullptr, m_server->login(kTeacher));
    QVERIFY(opened(view));
    const QString pupils = m_files.filePath(u"반 현황.csv"_s);
    const QString answers = m_files.filePath(u"반 모든 답.csv"_s);
    QVERIFY(view.exportPupils(pupils));
    QVERIFY(view.exportAnswers(answers));
    // UTF-8 with a byte-order mark, lines ending in CR LF.
    const auto lines = [](const QString &path) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        const QByteArray bytes = f.readAll();
        return bytes.startsWith("\xEF\xBB\xBF")
                   ? QString::fromUtf8(bytes.mid(3)).split(u"\r\n"_s, Qt::SkipEmptyParts)
                   : QStringList();
    };
    const QStringList table = lines(pupils);
    QCOMPARE(table.value(0), u"이름,푼 문제,오늘,정답률,연속,마지막 답,약한 색"_s);
    QCOMPARE(table.size(), 4);
    QVERIFY(table.contains(u"O'Brien 박,0,0,\u2013,0일,\u2013,\u2013"_s));
    const QStringList all = lines(answers);
    QVERIFY(all.value(0).startsWith(u"이름,"_s));
    QCOMPARE(all.size(), 1 + 7);
    QCOMPARE(all.filter(QRegularExpression(u"^김민수,"_s)).size(), 3);
    QVERIFY(all.value(1).contains(u",색띠 고르기,"_s));
}

void tst_ClassView::versionOneBroughtUpToDate()
{
    // A class set up by the first version: answers, no numbers, no sums.
    const classdb::Server admin = m_server->as(u"admin"_s, m_server->admin().password, u"old"_s);
    QVERIFY(!classdb::setUp(admin));
    {
        ScratchConnection old(admin);
        QVERIFY(old.isOpen());
        QSqlQuery q(old.db());
        QVERIFY(q.exec(u"INSERT INTO person (name, kind) VALUES ('김민수', 'pupil')"_s));
        for (const char *sql :
             {"DROP TRIGGER answer_added ON answer", "DROP TABLE pupil_day, skill_day, mixup_day",
              "ALTER TABLE answer DROP COLUMN seq", "UPDATE class_version SET version = 1"})
            QVERIFY2(q.exec(QString::fromLatin1(sql)), sql);
        // As the first version's pupils sent them, under the pupil's name.
        for (const classdb::ClassAnswer &a :
             {answer(true, {}, kRightPairs), answer(false, u"digit-7"_s, kVioletAsBlue)}) {
            q.prepare(u"INSERT INTO answer (id, pupil, at, day, kind, question, given, correct, "
                      "slip, seconds, skills, missed, mixups) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
            for (const QVariant &v :
                 QVariantList{a.id, kMinsu, a.at, a.day, a.kind, a.question, a.given, a.correct,
                              a.slip + u""_s, a.seconds, a.skills, a.missed + u""_s, a.mixups})
                q.addBindValue(v);
            QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        }
    }

    QVERIFY(!classdb::setUp(admin));
    ScratchConnection old(admin);
    QVERIFY(old.isOpen());
    QSqlDatabase &db = old.db();
    QSqlQuery q(db);
    QVERIFY(q.exec(u"SELECT count(*), count(seq) FROM answer"_s) && q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    QCOMPARE(q.value(1).toInt(), 2);
    auto read = classdb::readClass(db);
    QVERIFY(std::holds_alternative<classdb::ClassSums>(read));
    const classdb::ClassSums &sums = std::get<classdb::ClassSums>(read);
    const classdb::DaySums today = sums.pupils.at(kMinsu).days.at(QDate::currentDate());
    QCOMPARE(today.answers, 2);
    QCOMPARE(today.right, 1);
    QCOMPARE(sums.confusions.at(QDate::currentDate()).counts[kViolet][kBlue], 1);
    // The sums follow the schedule as the answers themselves do.
    const practice::SkillStates states = classdb::skillStates(sums.pupils.at(kMinsu));
    const auto violet = *practice::skillOfKey(u"digit-7");
    QCOMPARE(states[std::size_t(violet)].box, 0);
    QCOMPARE(states[std::size_t(violet)].asked, 2);
    QVERIFY(q.exec(u"SELECT version FROM class_version"_s) && q.next());
    QCOMPARE(q.value(0).toInt(), classdb::kVersion);
}

void tst_ClassView::carriesOnWhenTheServerComesBack()
{
    frmClass view(nullptr, m_server->login(kTeacher));
    QVERIFY(opened(view));
    view.show();
    QTableWidget *table = view.tblPupils;
    table->setFocus();
    table->setCurrentCell(0, classview::Name);
    const QString following = view.lblStatus->text();
    const int before = cell(table, kSeoyeon, classview::Answers).toInt();
    // A second view, closed while its thread waits on the network.
    auto other = std::make_unique<frmClass>(nullptr, m_server->login(kTeacher));
    QVERIFY(opened(*other));
    QCOMPARE(classdb::ClassWatch::threadsRunning(), 2);

    // The server goes away: the status line says so.
    m_server->stop();
    QTRY_VERIFY_WITH_TIMEOUT(view.lblStatus->text().contains(u"연결할 수 없습니다"_s), 10000);

    // In its place, something that takes connections and never answers:
    // the views' next tries wait on it for the connection's time-out.
    SilentServer silent;
    QVERIFY(silent.listen(quint16(m_server->port())));
    QTRY_COMPARE_WITH_TIMEOUT(silent.waiting.size(), std::size_t(2), 10000);
    // Meanwhile the view answers the teacher's keys through the event loop,
    // and the other closes without waiting for its thread.
    QCoreApplication::postEvent(table,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    QTRY_COMPARE(table->currentRow(), 1);
    other.reset();
    QCoreApplication::processEvents();
    QVERIFY(silent.allWaiting());
    QCOMPARE(classdb::ClassWatch::threadsRunning(), 2);

    // The server comes back, and an answer sent since shows by itself; a
    // pupil's answers are read again.
    silent.hangUp();
    QVERIFY(m_server->start());
    QVERIFY(!m_server->send(kSeoyeon, {answer(true, {}, kRightPairs)}));
    QTRY_COMPARE_WITH_TIMEOUT(cell(table, kSeoyeon, classview::Answers),
                              QString::number(before + 1), 10000);
    QCOMPARE(view.lblStatus->text(), following);
    QCOMPARE(table->currentRow(), 1);
    int pupilsAsked = 0;
    connect(&view, &frmClass::pupilProgressRequested, this, [&] { ++pupilsAsked; });
    view.tblPupils_DblClick();
    QCOMPARE(pupilsAsked, 1);
    // The closed view's thread has ended by itself.
    QTRY_COMPARE(classdb::ClassWatch::threadsRunning(), 1);
}

void tst_ClassView::closedWhileTheServerIsSilent()
{
    QTRY_COMPARE(classdb::ClassWatch::threadsRunning(), 0);
    SilentServer silent;
    QVERIFY(silent.listen());
    classdb::Server teacher = m_server->login(kTeacher);
    teacher.port = silent.server.serverPort();
    uitest::Announcements heard;

    // The view is on screen at once, saying what it waits for.
    auto view = std::make_unique<frmClass>(nullptr, teacher);
    view->Form_Load();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QTRY_COMPARE(silent.waiting.size(), std::size_t(1));
    QVERIFY(view->lblStatus->text().endsWith(u"서버에서 반 기록을 읽는 중입니다…"_s));
    QTRY_VERIFY(heard.spoken.join(u' ').contains(u"반 기록을 읽는 중입니다"_s));
    QVERIFY(!view->cmdExportClass->isEnabled() && !view->cmdClassSheet->isEnabled());
    uitest::BoxAnswerer box;

    // Saving every answer waits on the same silence on a connection of its
    // own: its progress shows, and 취소 leaves no file, at once.
    const QString path = m_files.filePath(u"취소한 모든 답.csv"_s);
    auto cancel = uitest::onNextDialog(u"dlgServerProgress"_s, [](QWidget *progress) {
        QTest::keyClick(progress, Qt::Key_Escape);
    });
    QVERIFY(!view->exportAnswers(path));
    QVERIFY(*cancel);
    QVERIFY(!QFileInfo::exists(path));

    // Escape closes it while the connect still waits. The closed view hears
    // no more of the read: its thread, left to end by itself, ends when the
    // connect gives up, and no box comes of it, nor of the save.
    QTest::keyClick(view.get(), Qt::Key_Escape);
    QCOMPARE(view->result(), int(QDialog::Rejected));
    QTRY_VERIFY(!view->findChild<classdb::ClassWatch *>());
    QCOMPARE(silent.waiting.size(), std::size_t(2));
    QVERIFY(silent.allWaiting());
    QCOMPARE(classdb::ClassWatch::threadsRunning(), 1);
    QCOMPARE(classdb::ServerTask::threadsRunning(), 1);
    silent.hangUp();
    QTRY_COMPARE(classdb::ClassWatch::threadsRunning(), 0);
    QTRY_COMPARE(classdb::ServerTask::threadsRunning(), 0);
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(!box.seen().seen);
}

void tst_ClassView::refusedSaidThenClosed()
{
    // A port nothing listens on: the connection is refused at once.
    QTcpServer gone;
    QVERIFY(gone.listen(QHostAddress::LocalHost));
    classdb::Server teacher = m_server->login(kTeacher);
    teacher.port = gone.serverPort();
    gone.close();
    auto window = uitest::openWindow();
    window->setTeacher(teacher);
    uitest::BoxAnswerer box;
    // A view that stays open is closed for the test to go on, and fails it.
    bool leftOpen = false;
    QTimer::singleShot(10000, window.get(), [&] {
        if (auto *view = window->findChild<frmClass *>())
            leftOpen = view->close();
    });
    // Returns once the view has closed itself after the box.
    window->Menu_class->trigger();
    QVERIFY(!leftOpen);
    QCOMPARE(box.seen().title, u"반 현황"_s);
    QCOMPARE(box.seen().text, u"127.0.0.1:%1 서버에 연결할 수 없습니다. 주소와 포트, 서버가 켜져 "
                              "있는지 확인하세요."_s.arg(teacher.port));
}

QTEST_MAIN(tst_ClassView)
#include "tst_classview.moc"
