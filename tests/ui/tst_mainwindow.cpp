#include "uitest.h"

#include "pages/guide/guidepage.h"
#include "pages/led/ledpage.h"
#include "pages/smd/smdpage.h"
#include "pages/value_to_color/valuetocolorpage.h"
#include "shell/placement.h"
#include "widgets/bandshape.h"
#include "widgets/raisedtext.h"
#include "widgets/swatchdelegate.h"
#include "widgets/twips.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void windowAndTabs();
    void workingLineKeepsItsHeight();
    void menus();
    void digitListsPlaced_data();
    void digitListsPlaced();
    void centring_data();
    void centring();
    void centredOnScreen();
    void accessKeysSelectPages_data();
    void accessKeysSelectPages();
    void focusAfterPageChange_data();
    void focusAfterPageChange();
    void dialogContract_data();
    void dialogContract();
    void ctrlXCutsInTextBox_data();
    void ctrlXCutsInTextBox();
    void ctrlXElsewhereEnds();
    void hiddenPagesBuilt_data();
    void hiddenPagesBuilt();
    void lateBuiltPageFollowsWindow();
};

void tst_MainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    uitest::setUp();
}

void tst_MainWindow::windowAndTabs()
{
    auto w = uitest::openWindow();
    QCOMPARE(w->windowTitle(), u"Pallado"_s);
    // The window keeps the design's height and grows only wider, by as much
    // as the five captions need; the tab control keeps its place.
    const QRect design = ui::twipsRect(240, 120, 7215, 4815);
    QCOMPARE(w->centralWidget()->height(), ui::px(5175));
    QCOMPARE(w->centralWidget()->width() - w->SSTab1->width(), ui::px(7695) - design.width());
    QCOMPARE(w->SSTab1->geometry().topLeft(), design.topLeft());
    QCOMPARE(w->SSTab1->height(), design.height());
    QVERIFY(w->SSTab1->width() >= design.width());
    QCOMPARE(w->SSTab1->count(), 5);
    QCOMPARE(w->SSTab1->currentIndex(), 0);
    const QStringList captions{u"컬러@저항값(&C)"_s, u"저항값@컬러(&R)"_s, u"저항값계산(&L)"_s,
                               u"저항값 읽는법(&H)"_s, u"SMD 저항(&S)"_s};
    const QSize pictures[] = {{30, 14}, {14, 15}, {26, 13}, {14, 15}, {18, 11}};
    QTabBar *bar = w->SSTab1->tabBar();
    // All five tabs show whole, at 1x and 2x alike (this test runs at both):
    // no scroll arrows, every tab inside the bar, whatever page is shown.
    for (QToolButton *arrow : bar->findChildren<QToolButton *>())
        QVERIFY(!arrow->isVisible());
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(w->SSTab1->tabText(i), captions[i]);
        QWidget *picture = bar->tabButton(i, QTabBar::LeftSide);
        QVERIFY(picture);
        QCOMPARE(picture->size(), pictures[i]);
        // The whole caption shows while its page does: no tab is cut short,
        // none is left scrolled away.
        w->SSTab1->setCurrentIndex(i);
        for (int t = 0; t < 5; ++t)
            QVERIFY(bar->rect().contains(bar->tabRect(t)));
        const QString shown = QString(captions[i]).remove(u'&');
        QVERIFY(bar->tabRect(i).width() >=
                bar->fontMetrics().horizontalAdvance(shown) + picture->width());
    }
}

void tst_MainWindow::workingLineKeepsItsHeight()
{
    // The working is heard and seen whole in its tooltip; a working of three
    // lines and more does not make the window taller: the line shows its
    // beginning with "…".
    auto w = uitest::openWindow();
    const int height = w->height();
    LedPage *page = w->ledPage();
    w->SSTab1->setCurrentWidget(page);
    page->Text26->setText(u"5"_s);
    page->Text30->setText(u"2"_s);
    page->Text31->setText(u"99999999"_s);
    QTest::mouseClick(page->Command5, Qt::LeftButton);
    const QString whole = page->working();
    QCOMPARE(w->lblWorking->text(), whole);
    QCOMPARE(w->lblWorking->toolTip(), whole);
    QCOMPARE(w->lblWorking->accessibleName(), whole);
    auto *line = static_cast<ui::RaisedTextLabel *>(w->lblWorking);
    QCOMPARE(line->shownText(), whole);

    const QString longer = QStringList(6, whole).join(u' ');
    line->setText(longer);
    QCoreApplication::processEvents();
    QCOMPARE(w->height(), height);
    const QString shown = line->shownText();
    QVERIFY2(shown.endsWith(u'\u2026') && longer.startsWith(shown.chopped(1)), qPrintable(shown));
    QVERIFY(shown.size() < longer.size());
}

void tst_MainWindow::menus()
{
    auto w = uitest::openWindow();
    const QList<QAction *> bar = w->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->menu(), w->Menu_file);
    QCOMPARE(bar[1]->menu(), w->Menu_view);
    QCOMPARE(bar[2]->menu(), w->Menu_help);
    QCOMPARE(w->Menu_view->title(), u"보기(&W)"_s);
    QCOMPARE(w->Menu_view->actions(), QList<QAction *>({w->Menu_bandLabels}));
    QCOMPARE(w->Menu_bandLabels->text(), u"색띠에 숫자 표시(&N)"_s);
    QVERIFY(w->Menu_bandLabels->isCheckable());
    QCOMPARE(w->Menu_file->title(), u"&File"_s);
    QCOMPARE(w->Menu_help->title(), u"Help(&U)"_s);
    QCOMPARE(w->Menu_file->actions(),
             QList<QAction *>({w->Menu_r, w->Menu_practice, w->Menu_progress, w->Menu_worksheet,
                               w->Menu_join, w->Menu_leave, w->Menu_class, w->Menu_exit}));
    // The class view is a joined teacher's alone.
    QVERIFY(!w->Menu_class->isEnabled());
    QCOMPARE(w->Menu_help->actions(), QList<QAction *>({w->Menu_about}));
    QCOMPARE(w->Menu_r->text(), u"저항에 관한 상식"_s);
    QCOMPARE(w->Menu_r->shortcut(), QKeySequence(u"Ctrl+R"_s));
    QCOMPARE(w->Menu_exit->text(), u"E&xit"_s);
    QCOMPARE(w->Menu_exit->shortcut(), QKeySequence(u"Ctrl+X"_s));
    QCOMPARE(w->Menu_about->text(), u"&About"_s);
    QVERIFY(w->Menu_about->shortcut().isEmpty());
    for (const char *name : {"Menu_file", "Menu_r", "Menu_exit", "Menu_help", "Menu_about"})
        QVERIFY2(w->findChild<QObject *>(QString::fromLatin1(name)), name);
}

void tst_MainWindow::digitListsPlaced_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QPoint>("topLeft"); // pixels, relative to the tab control
    QTest::newRow("Combo7") << u"Combo7"_s << QPoint(33, 187);
    QTest::newRow("Combo8") << u"Combo8"_s << QPoint(117, 187);
    QTest::newRow("Combo9") << u"Combo9"_s << QPoint(201, 187);
}

void tst_MainWindow::digitListsPlaced()
{
    QFETCH(QString, list);
    QFETCH(QPoint, topLeft);
    auto w = uitest::openWindow();
    w->findChild<QComboBox *>(u"Combo9"_s)->show(); // hidden in 4-band mode
    auto *combo = uitest::find<QComboBox>(w.get(), list);
    QVERIFY(combo);
    QCOMPARE(combo->mapTo(w->SSTab1, QPoint(0, 0)), topLeft);
    QCOMPARE(combo->width(), 60);

    // All ten colours show when the list opens, none scrolled away.
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    QVERIFY(QTest::qWaitFor([&] { return view->isVisible(); }));
    const QModelIndex last = view->model()->index(view->model()->rowCount() - 1, 0);
    QCOMPARE(view->model()->rowCount(), 10);
    QVERIFY(view->viewport()->rect().contains(view->visualRect(last)));
    // The open list paints each colour's swatch (its painter is made on
    // the first opening).
    QVERIFY(qobject_cast<ui::SwatchDelegate *>(combo->itemDelegate()));
    combo->hidePopup();
}

void tst_MainWindow::centring_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("large screen") << QSize(1920, 1080) << QSize(517, 386) << QPoint(701, 347);
    QTest::newRow("exact fit") << QSize(517, 386) << QSize(517, 386) << QPoint(0, 0);
    QTest::newRow("screen smaller: negative, unclamped")
        << QSize(400, 300) << QSize(517, 386) << QPoint(-58, -43);
}

void tst_MainWindow::centring()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, topLeft);
    QCOMPARE(shell::centredTopLeft(screen, window), topLeft);
}

void tst_MainWindow::centredOnScreen()
{
    Form1 w; // centred by Form_Load, before it is first shown
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint expected =
        shell::centredTopLeft(screen.size(), w.frameGeometry().size()) + screen.topLeft();
    QCOMPARE(w.frameGeometry().topLeft(), expected);
}

void tst_MainWindow::accessKeysSelectPages_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("page");
    QTest::newRow("Alt+R") << int(Qt::Key_R) << 1;
    QTest::newRow("Alt+L") << int(Qt::Key_L) << 2;
    QTest::newRow("Alt+S") << int(Qt::Key_S) << 4;
    QTest::newRow("Alt+C back to page 0") << int(Qt::Key_C) << 0;
}

void tst_MainWindow::accessKeysSelectPages()
{
    QFETCH(int, key);
    QFETCH(int, page);
    auto w = uitest::openWindow();
    if (page == 0)
        w->SSTab1->setCurrentIndex(3);
    QTest::keyClick(w.get(), Qt::Key(key), Qt::AltModifier);
    QCOMPARE(w->SSTab1->currentIndex(), page);
}

void tst_MainWindow::focusAfterPageChange_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    QTest::newRow("page 1: the entry box") << 1 << u"Text25"_s;
    QTest::newRow("page 2: the supply voltage") << 2 << u"Text26"_s;
    QTest::newRow("page 3: the 4-band option") << 3 << u"Option3"_s;
    QTest::newRow("page 4: the marking entry") << 4 << u"txtMarking"_s;
    QTest::newRow("page 0: the first digit list") << 0 << u"Combo7"_s;
}

void tst_MainWindow::focusAfterPageChange()
{
    QFETCH(int, page);
    QFETCH(QString, focus);
    auto w = uitest::openWindow();
    if (page == 0)
        w->SSTab1->setCurrentIndex(2);
    QTest::mouseClick(w->SSTab1->tabBar(), Qt::LeftButton, {},
                      w->SSTab1->tabBar()->tabRect(page).center());
    QCOMPARE(w->SSTab1->currentIndex(), page);
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
}

void tst_MainWindow::dialogContract_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QPoint>("offset"); // left, top in twips
    QTest::addColumn<QString>("closeBy");
    const QPoint tip(800, 1500);
    const QPoint about(830, 1100);
    for (const QString &closeBy : {u"ok"_s, u"escape"_s, u"close box"_s}) {
        QTest::addRow("tip dialog, %s", qPrintable(closeBy))
            << u"frmTip"_s << u"cmdOK"_s << tip << closeBy;
        QTest::addRow("About box, %s", qPrintable(closeBy))
            << u"fmAbout"_s << u"Cmd_ok"_s << about << closeBy;
    }
}

void tst_MainWindow::dialogContract()
{
    QFETCH(QString, dialog);
    QFETCH(QString, button);
    QFETCH(QPoint, offset);
    QFETCH(QString, closeBy);
    auto w = uitest::openWindow();
    QAction *menu = dialog == u"frmTip" ? w->Menu_r : w->Menu_about;

    // Opened three times, the third after the main window moved: always at
    // the same offset from the main window, the pages disabled while it is
    // open and enabled again after.
    for (int round = 0; round < 3; ++round) {
        if (round == 2)
            w->move(w->pos() + QPoint(37, 23));
        QPoint placed;
        bool tabDisabled = false;
        auto ran = uitest::onNextDialog(dialog, [&](QWidget *d) {
            placed = d->frameGeometry().topLeft() - w->frameGeometry().topLeft();
            tabDisabled = !w->SSTab1->isEnabled();
            if (closeBy == u"ok")
                QTest::mouseClick(d->findChild<QWidget *>(button), Qt::LeftButton);
            else if (closeBy == u"escape")
                QTest::keyClick(d, Qt::Key_Escape);
            else
                d->close();
        });
        menu->trigger();
        QVERIFY(*ran);
        QCOMPARE(placed, ui::twipsPoint(offset.x(), offset.y()));
        QVERIFY(tabDisabled);
        QVERIFY(w->SSTab1->isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void tst_MainWindow::ctrlXCutsInTextBox_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::newRow("value entry") << 1 << u"Text25"_s;
    QTest::newRow("supply voltage") << 2 << u"Text26"_s;
}

void tst_MainWindow::ctrlXCutsInTextBox()
{
    QFETCH(int, page);
    QFETCH(QString, box);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    auto *edit = uitest::find<QLineEdit>(w.get(), box);
    QVERIFY(edit);
    edit->setFocus();
    QTest::keyClicks(edit, u"4.7"_s);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(w->isVisible());
    QCOMPARE(edit->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"4.7"_s);
}

void tst_MainWindow::ctrlXElsewhereEnds()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(3);
    w->guidePage()->Option3->setFocus();
    QTest::keyClick(w->guidePage()->Option3, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(!w->isVisible());
}

// The pages behind the first are built after the first frame or when first
// wanted; by any road, every tab ends up holding its page, under its own
// caption and picture, on the tab that was picked.
void tst_MainWindow::hiddenPagesBuilt_data()
{
    QTest::addColumn<int>("picked"); // the tab picked before the build; -1: none
    QTest::newRow("after the first frame") << -1;
    QTest::newRow("value page picked first") << 1;
    QTest::newRow("last page picked first") << 4;
}

void tst_MainWindow::hiddenPagesBuilt()
{
    QFETCH(int, picked);
    Form1 w;
    QVERIFY(!w.hiddenPagesBuilt());
    const QStringList captions = {u"컬러@저항값(&C)"_s, u"저항값@컬러(&R)"_s, u"저항값계산(&L)"_s,
                                  u"저항값 읽는법(&H)"_s, u"SMD 저항(&S)"_s};
    QTabBar *bar = w.SSTab1->tabBar();
    QList<QWidget *> pictures;
    for (int i = 0; i < captions.size(); ++i)
        pictures << bar->tabButton(i, QTabBar::LeftSide);
    if (picked < 0) {
        w.show();
        QTRY_VERIFY(w.hiddenPagesBuilt());
        QCOMPARE(w.SSTab1->currentIndex(), 0);
    } else {
        w.SSTab1->setCurrentIndex(picked);
        QVERIFY(w.hiddenPagesBuilt());
        QCOMPARE(w.SSTab1->currentIndex(), picked);
    }
    QCOMPARE(w.SSTab1->count(), captions.size());
    const QList<QWidget *> pages = {w.SSTab1->widget(0), w.valueToColorPage(), w.ledPage(),
                                    w.guidePage(), w.smdPage()};
    for (int i = 0; i < captions.size(); ++i) {
        QCOMPARE(w.SSTab1->widget(i), pages[i]);
        QCOMPARE(w.SSTab1->tabText(i), captions[i]);
        QCOMPARE(bar->tabButton(i, QTabBar::LeftSide), pictures[i]);
        QCOMPARE(pictures[i]->objectName(), u"TabPicture%1"_s.arg(i));
    }
}

// A page built after the learner has turned on the numbers on the bands
// shows them too, and its working reaches the window's working line.
void tst_MainWindow::lateBuiltPageFollowsWindow()
{
    auto w = std::make_unique<Form1>();
    w->Menu_bandLabels->setChecked(true);
    w->SSTab1->setCurrentIndex(1);
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *page = w->valueToColorPage();
    QCOMPARE(QApplication::focusWidget(), page->firstFocus());
    uitest::type(page->Text25, u"4.7"_s);
    page->Combo1->setCurrentIndex(1);
    QTest::mouseClick(page->Command3, Qt::LeftButton);
    QCOMPARE(uitest::find<ui::BandShape>(w.get(), u"Shape6"_s)->label(), u"7");
    QVERIFY(!w->lblWorking->text().isEmpty());
    QCOMPARE(w->lblWorking->text(), page->working());
    w->Menu_bandLabels->trigger();
    QCOMPARE(uitest::find<ui::BandShape>(w.get(), u"Shape6"_s)->label(), QString());
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
