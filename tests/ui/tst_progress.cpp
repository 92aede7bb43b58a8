#include "uitest.h"

#include "learner/record.h"
#include "pages/practice/judging.h"
#include "pages/progress/progressdialog.h"
#include "pages/progress/skillchart.h"
#include "widgets/twips.h"

#include <QAccessible>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>

#include <set>

using namespace Qt::StringLiterals;
using namespace practice;

namespace {

const Resistor k47{{47, 2, 2}, colorcode::toleranceOf(u"±5%")}; // yellow violet red gold

int colour(QStringView word)
{
    return *confusionColourOf(word);
}

// Three answers today, one right: violet taken for blue once picked, once
// read.
bool practiseToday()
{
    const QDateTime now = QDateTime::currentDateTime();
    const Resistor blue{{46, 2, 2}, k47.tolerance};
    const auto read = [&](QStringView number, int second) {
        return readingAnswer(k47, number, u"K\u2126", u"±5%",
                             *judgeReading(k47, number, u"K\u2126", u"±5%"), 4.0,
                             now.addSecs(second));
    };
    Record record;
    return record.add(pickingAnswer(k47, blue, judgeWriting(k47, blue), 5.0, now)) &&
           record.add(read(u"4.7", 1)) && record.add(read(u"4.6", 2));
}

// Answers the next file dialog with `path`, or cancels it for an empty one.
struct FileDialogAnswer {
    explicit FileDialogAnswer(const QString &path)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, path] {
            auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!files)
                return;
            timer.stop();
            answered = true;
            if (path.isEmpty()) {
                files->reject();
                return;
            }
            files->selectFile(path);
            static_cast<QDialog *>(files)->accept();
        });
        timer.start();
    }
    QTimer timer;
    bool answered = false;
};

} // namespace

class tst_Progress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void openedFromMenu();
    void reset_data();
    void reset();
    void exportsCsv();
    void exportRefused();
    void newerRecord();
    void fitsSmallScreen();
};

void tst_Progress::initTestCase()
{
    // The test folders, and in them the learner's record, live in a home
    // of the test's own, so no other test's answers are counted.
    uitest::setUp();
    QVERIFY(Record::defaultPath().startsWith(QDir::homePath()));
}

void tst_Progress::init()
{
    QDir(QFileInfo(Record::defaultPath()).path()).removeRecursively();
}

void tst_Progress::openedFromMenu()
{
    QVERIFY(practiseToday());
    auto w = uitest::openWindow();
    const QList<QAction *> file = w->Menu_file->actions();
    QCOMPARE(file.indexOf(w->Menu_progress), file.indexOf(w->Menu_practice) + 1);
    QCOMPARE(w->Menu_progress->text(), u"학습 기록(&S)"_s);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);

    QPoint placed;
    bool placedWhole = false;
    bool pagesDisabled = false;
    QString title, totals, days;
    QStringList skills;
    int yellowPercent = -1, violetPercent = -1;
    QList<qreal> bars;
    QStringList mixups, tabStops, accessKeys;
    bool diagonalGreyed = false;
    auto ran = uitest::onNextDialog(u"frmProgress"_s, [&](QWidget *d) {
        placed = d->frameGeometry().topLeft() - w->frameGeometry().topLeft();
        placedWhole = d->screen()->availableGeometry().contains(
            d->frameGeometry().translated(ui::twipsPoint(240, 300) - placed));
        pagesDisabled = !w->SSTab1->isEnabled();
        title = d->windowTitle();
        totals = d->findChild<QLabel *>(u"lblTotals"_s)->text();
        auto *skillChart = d->findChild<SkillChart *>(u"skillChart"_s);
        // Each skill a row of its own, heard as a screen reader reaches it.
        QAccessibleInterface *rows = QAccessible::queryAccessibleInterface(skillChart);
        for (int i = 0; i < rows->childCount(); ++i)
            skills << rows->child(i)->text(QAccessible::Name);
        yellowPercent = skillChart->percent(4);
        violetPercent = skillChart->percent(7);
        auto *dailyChart = d->findChild<QChartView *>(u"dailyChart"_s);
        days = dailyChart->accessibleDescription();
        for (QAbstractSeries *series : dailyChart->chart()->series()) {
            if (auto *barSeries = qobject_cast<QBarSeries *>(series)) {
                for (int i = 0; i < barSeries->barSets().front()->count(); ++i)
                    bars << barSeries->barSets().front()->at(i);
            }
        }
        auto *table = d->findChild<QTableWidget *>(u"tblConfusion"_s);
        const int violet = colour(u"보라"), blue = colour(u"파랑"), yellow = colour(u"노랑");
        mixups << table->verticalHeaderItem(violet)->text()
               << table->horizontalHeaderItem(blue)->text() << table->item(violet, blue)->text()
               << table->item(blue, violet)->text() << table->item(yellow, yellow)->text();
        // A cell is heard with its row's and its column's colour, an empty
        // one as none.
        QAccessibleTableInterface *cells =
            QAccessible::queryAccessibleInterface(table)->tableInterface();
        mixups << cells->cellAt(violet, blue)->text(QAccessible::Name)
               << cells->cellAt(blue, violet)->text(QAccessible::Name);
        diagonalGreyed = table->item(blue, blue)->background().style() != Qt::NoBrush &&
                         table->item(blue, violet)->background().style() == Qt::NoBrush;
        // Tab goes through everything, the charts and the table too, once
        // the dialog has the focus.
        (void)QTest::qWaitFor([d] { return d->isActiveWindow() && QApplication::focusWidget(); });
        for (int i = 0; i < 7; ++i) {
            tabStops << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList captions;
        for (auto *label : d->findChildren<QLabel *>())
            captions << label->text();
        for (auto *button : d->findChildren<QPushButton *>())
            captions << button->text();
        for (const QString &caption : captions) {
            const qsizetype amp = caption.indexOf(u'&');
            if (amp >= 0)
                accessKeys << caption.mid(amp + 1, 1).toUpper();
        }
        QTest::keyClick(d, Qt::Key_Escape);
    });
    w->Menu_progress->trigger();
    QVERIFY(*ran);

    QCOMPARE(title, u"학습 기록"_s);
    // Beside the main window, where the screen has room for it there.
    if (placedWhole)
        QCOMPARE(placed, ui::twipsPoint(240, 300));
    QVERIFY(pagesDisabled);
    QCOMPARE(totals, u"푼 문제 3 · 정답률 33% · 연속 1일"_s);
    // Every skill is listed, heard in words; yellow climbed its first box,
    // violet was missed.
    QCOMPARE(skills.size(), kSkillCount);
    QCOMPARE(skills.value(4), u"숫자 노랑 (4), 20퍼센트"_s);
    QCOMPARE(skills.value(7), u"숫자 보라 (7), 0퍼센트"_s);
    QCOMPARE(yellowPercent, 20);
    QCOMPARE(violetPercent, 0);
    const QDate today = QDate::currentDate();
    QCOMPARE(days, u"%1월 %2일 3문제 정답률 33퍼센트"_s.arg(today.month()).arg(today.day()));
    QCOMPARE(bars.size(), 30);
    QCOMPARE(bars.back(), 3.0);
    QCOMPARE(bars.front(), 0.0);
    // Violet was taken for blue twice (picked and read), never the other way;
    // yellow was picked right once.
    QCOMPARE(mixups, (QStringList{u"보라"_s, u"파랑"_s, u"2"_s, QString(), u"1"_s,
                                  u"물은 색 보라, 답한 색 파랑, 2번"_s,
                                  u"물은 색 파랑, 답한 색 보라, 0번"_s}));
    QVERIFY(diagonalGreyed);
    QCOMPARE(tabStops,
             (QStringList{u"lblTotals"_s, u"skillChart"_s, u"dailyChart"_s, u"tblConfusion"_s,
                          u"cmdExportRecord"_s, u"cmdResetRecord"_s, u"cmdClose"_s}));
    QCOMPARE(int(std::set<QString>(accessKeys.begin(), accessKeys.end()).size()),
             int(accessKeys.size()));
    QCOMPARE(accessKeys.size(), 6);
    QVERIFY(w->SSTab1->isEnabled());
    QCOMPARE(w->focusWidget(), focus);
}

void tst_Progress::reset_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("totals");
    QTest::newRow("no keeps it") << false << u"푼 문제 3 · 정답률 33% · 연속 1일"_s;
    QTest::newRow("yes empties it") << true << u"푼 문제 0 · 정답률 \u2013 · 연속 0일"_s;
}

void tst_Progress::reset()
{
    QFETCH(bool, yes);
    QFETCH(QString, totals);
    QVERIFY(practiseToday());
    auto w = uitest::openWindow();
    Record record;
    frmProgress d(w.get(), record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    uitest::BoxAnswerer box(yes ? QMessageBox::Yes : QMessageBox::No);
    QTest::mouseClick(d.cmdResetRecord, Qt::LeftButton);
    QVERIFY(box.seen().seen);
    QCOMPARE(box.seen().icon, QMessageBox::Question);
    QCOMPARE(box.seen().buttons, 2);
    // Shown at once, and so kept.
    QCOMPARE(d.lblTotals->text(), totals);
    QCOMPARE(Record().totals(QDate::currentDate()).answers, yes ? 0 : 3);
    QCOMPARE(d.tblConfusion->item(colour(u"보라"), colour(u"파랑"))->text(),
             yes ? QString() : u"2"_s);
}

void tst_Progress::exportsCsv()
{
    QVERIFY(practiseToday());
    auto w = uitest::openWindow();
    Record record;
    frmProgress d(w.get(), record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTemporaryDir dir;
    // A name typed without its ending is given ".csv".
    FileDialogAnswer answer(dir.filePath(u"기록"_s));
    QTest::mouseClick(d.cmdExportRecord, Qt::LeftButton);
    QVERIFY(answer.answered);
    QFile file(dir.filePath(u"기록.csv"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines.front().startsWith("\xEF\xBB\xBF" + csvLine(csvHeader()).toUtf8().trimmed()));
    QCOMPARE(lines.size(), 1 + 3 + 1); // the header, each answer, and the last line's end
}

void tst_Progress::exportRefused()
{
    auto w = uitest::openWindow();
    Record record;
    frmProgress d(w.get(), record);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"missing/record.csv"_s);
    uitest::BoxAnswerer box;
    QVERIFY(!d.exportTo(path));
    QVERIFY(box.seen().seen);
    QCOMPARE(box.seen().icon, QMessageBox::Warning);
    QVERIFY2(box.seen().text.contains(u"저장하지 못했습니다"_s), qPrintable(box.seen().text));
    QVERIFY(!QFile::exists(path));
}

// A record a newer Pallado made: said so instead of zeros, and not exported.
void tst_Progress::newerRecord()
{
    QDir().mkpath(QFileInfo(Record::defaultPath()).path());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"newer"_s);
        db.setDatabaseName(Record::defaultPath());
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(u"PRAGMA user_version = %1"_s.arg(Record::kVersion + 1)));
    }
    QSqlDatabase::removeDatabase(u"newer"_s);
    auto w = uitest::openWindow();
    Record record;
    frmProgress d(w.get(), record);
    QVERIFY(d.lblTotals->text().contains(u"새 버전의 Pallado"_s));
    QVERIFY(!d.lblTotals->text().contains(u"푼 문제"_s));
    uitest::BoxAnswerer box;
    QTest::mouseClick(d.cmdExportRecord, Qt::LeftButton);
    QVERIFY(box.seen().seen);
    QVERIFY2(box.seen().text.contains(u"CSV 파일을 만들지 않았습니다"_s),
             qPrintable(box.seen().text));
}

// The view as it asks to be, a record's worth of answers in it, fits a
// 1024×768 screen with room for the window's frame and a panel; opened from
// a main window near the screen's corner, it is moved to stay whole on the
// screen.
void tst_Progress::fitsSmallScreen()
{
    QVERIFY(practiseToday());
    auto w = uitest::openWindow();
    {
        Record record;
        const frmProgress d(w.get(), record);
        const QSize asked = d.sizeHint();
        QVERIFY2(asked.width() <= 1024 - 40 && asked.height() <= 768 - 80,
                 qPrintable(u"%1×%2"_s.arg(asked.width()).arg(asked.height())));
    }
    const QRect screen = w->screen()->availableGeometry();
    w->move(screen.bottomRight() - QPoint(200, 200));
    QRect frame;
    auto ran = uitest::onNextDialog(u"frmProgress"_s, [&](QWidget *d) {
        (void)QTest::qWaitForWindowExposed(d);
        frame = d->frameGeometry();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    w->Menu_progress->trigger();
    QVERIFY(*ran);
    QVERIFY2(
        screen.contains(frame),
        qPrintable(
            u"%1,%2 %3×%4"_s.arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
}

QTEST_MAIN(tst_Progress)
#include "tst_progress.moc"
