#include "shell/form1.h"

#include "colorcode/speech.h"
#include "pages/color_to_value/colortovaluepage.h"
#include "pages/guide/guidepage.h"
#include "pages/led/ledpage.h"
#include "pages/smd/smdpage.h"
#include "pages/value_to_color/valuetocolorpage.h"
#include "shell/aboutdialog.h"
#include "shell/dialogplace.h"
#include "shell/placement.h"
#include "shell/tipdialog.h"
#include "widgets/accessibility.h"
#include "widgets/raisedtext.h"
#include "widgets/svgpicture.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// Client area and tab control of the window design, in twips.
constexpr int kClientWidth = 7695;
constexpr int kClientHeight = 5175;
constexpr QRect kTabRect = ui::twipsRect(240, 120, 7215, 4815);

// Room left beside the last tab, so the bar's frame never touches it.
constexpr int kTabBarSlack = 4;

// Dialog placement: offsets from the main window's top-left corner, in twips.
constexpr int kTipOffsetTop = 1500;
constexpr int kTipOffsetLeft = 800;
constexpr int kAboutOffsetTop = 1100;
constexpr int kAboutOffsetLeft = 830;
// How long after the first frame the hidden pages are built: long enough
// for the display to show the frame, far shorter than a learner takes to
// pick a tab.
constexpr int kBuildAfterFrameMs = 20;
// A remembered login joins again after the hidden pages are built: the
// learner's dialogs, the keyring and the network never delay the first
// frame.
constexpr int kRejoinAfterFrameMs = 200;
// The working line's height, in lines.
constexpr int kWorkingLines = 2;

// The numbers-on-bands choice in the settings store: "1" on; anything else,
// a corrupt value too, off.
const QString kBandLabelsKey = u"View/bandLabels"_s;

struct TabPicture {
    const char16_t *name;
    const char16_t *source;
    QSize size;
};
constexpr TabPicture kTabPictures[] = {
    {u"TabPicture0", u":/art/tab_color_to_value.svg", {30, 14}},
    {u"TabPicture1", u":/art/tab_value_to_color.svg", {14, 15}},
    {u"TabPicture2", u":/art/tab_led.svg", {26, 13}},
    {u"TabPicture3", u":/art/tab_guide.svg", {14, 15}},
    {u"TabPicture4", u":/art/tab_smd.svg", {18, 11}},
};

} // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Pallado"_s);

    Menu_file = menuBar()->addMenu(u"&File"_s);
    Menu_file->setObjectName(u"Menu_file"_s);
    Menu_r = Menu_file->addAction(u"저항에 관한 상식"_s);
    Menu_r->setObjectName(u"Menu_r"_s);
    Menu_r->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    Menu_practice = Menu_file->addAction(u"색띠 연습(&P)"_s);
    Menu_practice->setObjectName(u"Menu_practice"_s);
    Menu_progress = Menu_file->addAction(u"학습 기록(&S)"_s);
    Menu_progress->setObjectName(u"Menu_progress"_s);
    Menu_exit = Menu_file->addAction(u"E&xit"_s);
    Menu_exit->setObjectName(u"Menu_exit"_s);
    Menu_exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    // Below every item that follows the practice; the class's items come
    // after it, and Exit last.
    Menu_worksheet = new QAction(u"연습지 만들기(&K)..."_s, Menu_file);
    Menu_worksheet->setObjectName(u"Menu_worksheet"_s);
    Menu_file->insertAction(Menu_exit, Menu_worksheet);
    Menu_join = new QAction(u"반에 들어가기(&J)..."_s, Menu_file);
    Menu_join->setObjectName(u"Menu_join"_s);
    Menu_file->insertAction(Menu_exit, Menu_join);
    Menu_leave = new QAction(u"반에서 나가기"_s, Menu_file);
    Menu_leave->setObjectName(u"Menu_leave"_s);
    Menu_leave->setEnabled(false);
    Menu_file->insertAction(Menu_exit, Menu_leave);
    Menu_class = new QAction(u"반 현황(&T)"_s, Menu_file);
    Menu_class->setObjectName(u"Menu_class"_s);
    Menu_class->setEnabled(false);
    Menu_file->insertAction(Menu_exit, Menu_class);
    Menu_view = menuBar()->addMenu(u"보기(&W)"_s);
    Menu_view->setObjectName(u"Menu_view"_s);
    Menu_bandLabels = Menu_view->addAction(u"색띠에 숫자 표시(&N)"_s);
    Menu_bandLabels->setObjectName(u"Menu_bandLabels"_s);
    Menu_bandLabels->setCheckable(true);
    // Alt+H shows the guide page; U is the access key no page uses.
    Menu_help = menuBar()->addMenu(u"Help(&U)"_s);
    Menu_help->setObjectName(u"Menu_help"_s);
    Menu_about = Menu_help->addAction(u"&About"_s);
    Menu_about->setObjectName(u"Menu_about"_s);

    auto *client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setFixedSize(ui::px(kClientWidth), ui::px(kClientHeight));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    SSTab1 = new QTabWidget(client);
    SSTab1->setObjectName(u"SSTab1"_s);
    SSTab1->setGeometry(kTabRect);
    // Only the first page is built before the first frame; the others wait
    // in empty stand-ins (see buildHiddenPages).
    m_colorToValue = new ColorToValuePage;
    SSTab1->addTab(m_colorToValue, u"컬러@저항값(&C)"_s);
    SSTab1->addTab(new QWidget, u"저항값@컬러(&R)"_s);
    SSTab1->addTab(new QWidget, u"저항값계산(&L)"_s);
    SSTab1->addTab(new QWidget, u"저항값 읽는법(&H)"_s);
    SSTab1->addTab(new QWidget, u"SMD 저항(&S)"_s);
    // Each tab's picture has a size of its own, so it is a small picture
    // widget beside the caption rather than an icon of the bar's one size.
    for (int i = 0; i < int(std::size(kTabPictures)); ++i) {
        const TabPicture &picture = kTabPictures[i];
        SSTab1->tabBar()->setTabButton(i, QTabBar::LeftSide,
                                       new ui::SvgPicture(nullptr, picture.name, picture.source,
                                                          QRect(QPoint(), picture.size)));
    }
    showAllTabs(client);
    SSTab1->setCurrentIndex(0);

    // The working of the shown page's last result, in words; it is also the
    // label's accessible name, so a screen reader reads it. Two lines at
    // most, so the window never grows with it: a longer working is cut with
    // "…" and shown whole in the tooltip.
    auto *working = new ui::RaisedTextLabel(this);
    working->setObjectName(u"lblWorking"_s);
    working->setContentsMargins(6, 2, 6, 2);
    working->setFixedHeight(working->heightOfLines(kWorkingLines));
    lblWorking = working;
    lblWorking->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(lblWorking, 1);
    // Who is practising, and where; hidden while nobody has joined.
    lblClass = new QLabel(this);
    lblClass->setObjectName(u"lblClass"_s);
    lblClass->setContentsMargins(6, 2, 6, 2);
    lblClass->hide();
    statusBar()->addPermanentWidget(lblClass);
    connect(m_colorToValue, &ui::LearnerPage::workingChanged, this, &Form1::showWorking);

    connect(SSTab1, &QTabWidget::currentChanged, this, &Form1::SSTab1_Click);
    connect(Menu_r, &QAction::triggered, this, &Form1::Menu_r_Click);
    connect(Menu_practice, &QAction::triggered, this, &Form1::Menu_practice_Click);
    connect(Menu_progress, &QAction::triggered, this, &Form1::Menu_progress_Click);
    connect(Menu_exit, &QAction::triggered, this, &Form1::Menu_exit_Click);
    connect(Menu_about, &QAction::triggered, this, &Form1::Menu_about_Click);
    connect(Menu_worksheet, &QAction::triggered, this, &Form1::Menu_worksheet_Click);
    connect(Menu_bandLabels, &QAction::toggled, this, &Form1::Menu_bandLabels_Click);
    connect(Menu_class, &QAction::triggered, this, &Form1::Menu_class_Click);
    connect(Menu_join, &QAction::triggered, this, &Form1::Menu_join_Click);
    connect(Menu_leave, &QAction::triggered, this, &Form1::Menu_leave_Click);

    // Ctrl+X in a text box is the desktop's cut; see eventFilter.
    qApp->installEventFilter(this);

    Form_Load();
}

Form1::~Form1()
{
    qApp->removeEventFilter(this);
}

void Form1::showAllTabs(QWidget *client)
{
    // The five captions with their pictures are wider than the tab control
    // of the window design: rather than hide a tab behind scroll arrows or
    // shorten a caption, the tab control and the window grow wider by what
    // the bar (or a page) needs, at any scale. The pages keep their controls
    // where they are; only room on their right is added.
    QTabBar *bar = SSTab1->tabBar();
    // Tabs a little lower than the style's own, so the pages keep the
    // design's height under the bar, drawn to look like ordinary tabs.
    bar->setStyleSheet(u"QTabBar::tab { padding: 1px 2px 2px 1px; margin-right: 0px;"
                       "  border: 1px solid palette(mid); border-bottom: none;"
                       "  border-top-left-radius: 3px; border-top-right-radius: 3px;"
                       "  background: palette(button); }"
                       "QTabBar::tab:selected { background: palette(window); }"
                       "QTabBar::tab:!selected { margin-top: 2px; }"_s);
    bar->setUsesScrollButtons(false);
    bar->setElideMode(Qt::ElideNone);
    // Without scroll arrows the bar asks for all its tabs side by side; a
    // page may ask for more room too.
    const int needed =
        std::max(bar->sizeHint().width() + kTabBarSlack, SSTab1->minimumSizeHint().width());
    const int extra = std::max(0, needed - kTabRect.width());
    SSTab1->setGeometry(kTabRect.adjusted(0, 0, extra, 0));
    client->setFixedSize(ui::px(kClientWidth) + extra, ui::px(kClientHeight));
}

void Form1::Form_Load()
{
    // 1. Centre on the screen by the window's outer size, unclamped.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(shell::centredTopLeft(screen->geometry().size(), frameGeometry().size()) +
             screen->geometry().topLeft());
    }

    // 2 to 5. Each page takes its starting state: page 0 its tall digit
    // lists, fonts and hidden holders here, page 1 its fonts and page 2 its
    // starting texts and fonts when they are built.
    m_colorToValue->takeStartingState();

    // The learner's own choice of numbers on the bands, remembered.
    Menu_bandLabels->setChecked(QSettings().value(kBandLabelsKey).toString() == u"1");

    // The window opens with the focus on the first page's first control
    // (drawn as keyboard focus, see showEvent), so a keyboard user sees
    // where they start.
    m_colorToValue->firstFocus()->setFocus();
}

void Form1::Menu_bandLabels_Click()
{
    const bool shown = Menu_bandLabels->isChecked();
    for (ui::LearnerPage *page : learnerPages())
        page->setBandLabelsShown(shown);
    QSettings().setValue(kBandLabelsKey, shown ? u"1"_s : u"0"_s);
}

QList<ui::LearnerPage *> Form1::learnerPages() const
{
    if (!hiddenPagesBuilt())
        return {m_colorToValue};
    return {m_colorToValue, m_valueToColor, m_led, m_smd};
}

ValueToColorPage *Form1::valueToColorPage()
{
    buildHiddenPages();
    return m_valueToColor;
}

LedPage *Form1::ledPage()
{
    buildHiddenPages();
    return m_led;
}

GuidePage *Form1::guidePage()
{
    buildHiddenPages();
    return m_guide;
}

SmdPage *Form1::smdPage()
{
    buildHiddenPages();
    return m_smd;
}

// Building the four pages takes about as long as the rest of the start-up
// together, and none of them is seen before the learner picks its tab.
void Form1::buildHiddenPages()
{
    if (hiddenPagesBuilt())
        return;
    m_valueToColor = new ValueToColorPage;
    m_led = new LedPage;
    m_guide = new GuidePage;
    m_smd = new SmdPage;
    const QSignalBlocker quiet(SSTab1);
    const int current = SSTab1->currentIndex();
    placePage(1, m_valueToColor);
    placePage(2, m_led);
    placePage(3, m_guide);
    placePage(4, m_smd);
    SSTab1->setCurrentIndex(current);
    // The bar is laid out again for the tabs as they are now, and a page
    // may ask for more room than the stand-ins did.
    QEvent relayout(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(SSTab1, &relayout);
    showAllTabs(centralWidget());
    m_valueToColor->takeStartingState();
    m_led->takeStartingState();
    for (ui::LearnerPage *page :
         std::initializer_list<ui::LearnerPage *>{m_valueToColor, m_led, m_smd}) {
        page->setBandLabelsShown(Menu_bandLabels->isChecked());
        connect(page, &ui::LearnerPage::workingChanged, this, &Form1::showWorking);
    }
}

// Puts the built page in its stand-in's place, keeping the tab's caption and
// picture.
void Form1::placePage(int index, QWidget *page)
{
    QTabBar *bar = SSTab1->tabBar();
    QWidget *picture = bar->tabButton(index, QTabBar::LeftSide);
    bar->setTabButton(index, QTabBar::LeftSide, nullptr); // removeTab would delete it
    QWidget *standIn = SSTab1->widget(index);
    const QString caption = SSTab1->tabText(index);
    SSTab1->removeTab(index);
    SSTab1->insertTab(index, page, caption);
    bar->setTabButton(index, QTabBar::LeftSide, picture);
    delete standIn;
}

void Form1::showWorking()
{
    const auto *page = qobject_cast<const ui::LearnerPage *>(SSTab1->currentWidget());
    const QString text = page ? page->working() : QString();
    lblWorking->setText(text);
    lblWorking->setAccessibleName(text);
    lblWorking->setToolTip(text);
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    m_colorToValue->placeDigitLists();
    // Showing a window forgets that the keyboard moved the focus, and most
    // styles then draw no focus at all until Tab is pressed; the window is
    // keyboard-ready from the start.
    setAttribute(Qt::WA_KeyboardFocusChange);
}

void Form1::SSTab1_Click()
{
    // A tab picked before its page was built.
    if (!hiddenPagesBuilt())
        buildHiddenPages();
    showWorking();
    ui::announce(this, colorcode::withoutAccessKey(SSTab1->tabText(SSTab1->currentIndex())));
    // Each page starts at the control it names.
    if (const auto *page = qobject_cast<const ui::TabPage *>(SSTab1->currentWidget()))
        page->firstFocus()->setFocus();
}

void Form1::Menu_r_Click()
{
    const shell::PagesAside aside(SSTab1);
    frmTip dialog(this);
    if (dialog.Form_Load())
        shell::showDialog(*this, dialog, kTipOffsetTop, kTipOffsetLeft);
}

void Form1::Menu_practice_Click()
{
    if (shell::LearnerDialogs *dialogs = learnerDialogs())
        dialogs->practice();
}

void Form1::Menu_progress_Click()
{
    if (shell::LearnerDialogs *dialogs = learnerDialogs())
        dialogs->progress();
}

void Form1::Menu_worksheet_Click()
{
    if (shell::LearnerDialogs *dialogs = learnerDialogs())
        dialogs->worksheet();
}

void Form1::Menu_class_Click()
{
    if (shell::LearnerDialogs *dialogs = learnerDialogs())
        dialogs->classView();
}

void Form1::Menu_join_Click()
{
    if (shell::LearnerDialogs *dialogs = learnerDialogs())
        dialogs->join();
}

void Form1::Menu_leave_Click()
{
    if (m_learnerDialogs)
        m_learnerDialogs->leave();
}

void Form1::Menu_about_Click()
{
    const shell::PagesAside aside(SSTab1);
    fmAbout dialog(this);
    shell::showDialog(*this, dialog, kAboutOffsetTop, kAboutOffsetLeft);
}

void Form1::Menu_exit_Click()
{
    close();
    QCoreApplication::quit();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // The hidden pages are built once the first frame is on the screen: a
    // timer, so the event loop sends the frame to the display before.
    if (event->type() == QEvent::Expose && watched == static_cast<QObject *>(windowHandle()) &&
        !m_buildArmed) {
        m_buildArmed = true;
        QTimer::singleShot(kBuildAfterFrameMs, this, &Form1::buildHiddenPages);
        QTimer::singleShot(kRejoinAfterFrameMs, this, &Form1::rejoinRemembered);
    }
    // Ctrl+X is the shortcut of "E&xit", but in a text box it is the desktop's
    // cut: ending the program there would throw away what the user typed.
    // Editable boxes claim the key themselves; read-only ones are made to
    // claim it here, so the program ends only when no text box has the focus.
    if (event->type() == QEvent::ShortcutOverride && qobject_cast<QLineEdit *>(watched)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_X)) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// The learner's dialogs are opened when first asked for: the module they
// live in loads Qt Charts, Print Support, Sql and the keyring, which the
// first frame does not need.
shell::LearnerDialogs *Form1::learnerDialogs()
{
    if (m_learnerDialogs)
        return m_learnerDialogs.get();
    const std::variant<shell::LearnerDialogsMaker, QString> maker = shell::loadLearnerDialogs();
    if (const QString *why = std::get_if<QString>(&maker)) {
        QMessageBox::warning(this, windowTitle(),
                             u"학습 기록과 반 기능을 열지 못했습니다. 프로그램을 다시 "
                             "설치해 보세요.\n\n%1"_s.arg(*why));
        return nullptr;
    }
    m_learnerDialogs.reset(std::get<shell::LearnerDialogsMaker>(maker)(
        {this, SSTab1, lblClass, Menu_leave, Menu_class}));
    return m_learnerDialogs.get();
}

void Form1::setTeacher(std::optional<classdb::Server> teacher)
{
    if (shell::LearnerDialogs *dialogs = learnerDialogs())
        dialogs->setTeacher(std::move(teacher));
}

practice::Record &Form1::record()
{
    shell::LearnerDialogs *dialogs = learnerDialogs();
    Q_ASSERT(dialogs);
    return dialogs->record();
}

const std::optional<join::Joined> &Form1::joined() const
{
    static const std::optional<join::Joined> nobody;
    return m_learnerDialogs ? m_learnerDialogs->joined() : nobody;
}

classdb::ClassSync *Form1::classSync() const
{
    return m_learnerDialogs ? m_learnerDialogs->classSync() : nullptr;
}

// After the first frame: a login whose password the keyring keeps joins
// again, and the status bar says so; only then are the learner's dialogs
// opened.
void Form1::rejoinRemembered()
{
    if (!QSettings().value(join::kRememberKey).toBool())
        return;
    if (shell::LearnerDialogs *dialogs = learnerDialogs())
        dialogs->rejoinRemembered();
}
