// What a screen reader reads (the accessible interfaces the AT-SPI bridge
// asks) and where the keyboard focus goes.

#include "uitest.h"

#include "colorcode/marking.h"
#include "colorcode/speech.h"
#include "learner/record.h"
#include "pages/guide/guidetexts.h"
#include "pages/join/joindialog.h"
#include "pages/practice/practicedialog.h"
#include "pages/progress/progressdialog.h"
#include "pages/progress/skillchart.h"
#include "pages/worksheet/worksheetdialog.h"
#include "shell/tipdialog.h"
#include "widgets/accessibility.h"
#include "widgets/chippicture.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface *iface(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Whether an option button is reported selected as the focus reaches it,
// when a screen reader reads it.
class SelectedOnFocus : public QObject {
public:
    QList<bool> heard;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && qobject_cast<QRadioButton *>(watched))
            heard.append(iface(watched)->state().checked);
        return false;
    }
};

// A text query that never returns would hold the test until ctest ends it
// minutes later; the watchdog ends it at once with the reason.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              if (!m_finished.wait_for(lock, limit, [this] { return m_done; }))
                  qFatal("a text query did not return");
          })
    {
    }
    ~Watchdog()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_finished.notify_one();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::thread m_thread;
};

// Every text query, for every kind of boundary at every offset, on the
// inputs and lists under `root`: each answers with a piece of the text and
// its true place. What went wrong is returned; `inputs` counts the controls.
QStringList textQueryFaults(QWidget *root, int *inputs)
{
    using Query = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int *,
                                                        int *) const;
    const Query queries[] = {&QAccessibleTextInterface::textBeforeOffset,
                             &QAccessibleTextInterface::textAtOffset,
                             &QAccessibleTextInterface::textAfterOffset};
    const QAccessible::TextBoundaryType kinds[] = {
        QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
        QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};
    QStringList faults;
    const auto check = [&](QObject *control) {
        QAccessibleTextInterface *text = iface(control)->textInterface();
        if (!text) {
            faults << control->objectName() + u": no text interface"_s;
            return;
        }
        const int length = text->characterCount();
        const QString all = text->text(0, length);
        // The attribute runs, read one after the other from the start as a
        // screen reader reads a field, each holding the offset it was asked
        // for, end at the end of the text: no character is lost.
        int covered = 0;
        for (int offset = 0; offset <= length; offset = qMax(offset + 1, covered)) {
            int start = 0;
            int end = 0;
            text->attributes(offset, &start, &end);
            if (start > offset || end < offset || (end == offset && offset < length) ||
                end > length)
                faults << u"%1 \"%2\" attributes at %3: %4..%5"_s.arg(
                    control->objectName(), all, QString::number(offset), QString::number(start),
                    QString::number(end));
            covered = qMax(covered, end);
        }
        if (covered != length)
            faults << u"%1 \"%2\" attribute runs end at %3"_s.arg(control->objectName(), all,
                                                                  QString::number(covered));
        for (const Query query : queries) {
            for (const auto kind : kinds) {
                for (int offset = -2; offset <= length + 1; ++offset) {
                    int start = 0;
                    int end = 0;
                    const QString item = (text->*query)(offset, kind, &start, &end);
                    const bool placed = start == -1 ? item.isEmpty()
                                                    : 0 <= start && start <= end && end <= length &&
                                                          item == all.mid(start, end - start);
                    const bool around = query != queries[1] || offset < 0 || offset >= length ||
                                        (start <= offset && offset < end);
                    if (!placed || !around)
                        faults << u"%1 \"%2\" kind %3 offset %4: \"%5\" %6..%7"_s.arg(
                            control->objectName(), all, QString::number(kind),
                            QString::number(offset), item, QString::number(start),
                            QString::number(end));
                }
            }
        }
    };
    for (QLineEdit *edit : root->findChildren<QLineEdit *>()) {
        for (const QString &sample :
             {edit->text(), QString(), u"4.7"_s, u" 4.7 K\u2126  ab. Cd?"_s}) {
            edit->setText(sample);
            check(edit);
        }
        ++*inputs;
    }
    for (QComboBox *list : root->findChildren<QComboBox *>()) {
        check(list);
        ++*inputs;
    }
    return faults;
}

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void namedByCaption_data();
    void namedByCaption();
    void resultsSpokenAndReached_data();
    void resultsSpokenAndReached();
    void guideInWords_data();
    void guideInWords();
    void focusBackAfterDialog_data();
    void focusBackAfterDialog();
    void focusShownAtStart();
    void listEntrySpoken_data();
    void listEntrySpoken();
    void pageNameSpoken_data();
    void pageNameSpoken();
    void optionHeardSelected_data();
    void optionHeardSelected();
    void optionGroupTabStop_data();
    void optionGroupTabStop();
    void resultFieldInWords();
    void emptyResultSaysSo();
    void passwordFocusToldFirst();
    void markingsSpelled();
    void descriptionInWords_data();
    void descriptionInWords();
    void pageTurnedByCtrlTab_data();
    void pageTurnedByCtrlTab();
    void helpMenuByAccessKey();
    void progressSteppedThrough();
    void tipSpoken();
    void refusalGivesHint();
    void textQueriesAnswer();
    void practiceSpoken();
    void practiceMarkingSpelled();

private:
    // Lets what was announced so far be spoken, then forgets it.
    void settle()
    {
        QTest::qWait(20);
        m_announcements.spoken.clear();
    }

    uitest::Announcements m_announcements;
    QTemporaryDir m_tipsFolder;
};

void tst_Accessibility::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    uitest::setUp();
    QVERIFY(m_tipsFolder.isValid());
    frmTip::setTipsFolder(m_tipsFolder.path());
}

void tst_Accessibility::namedByCaption_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const char *rows[][3] = {
        {"0", "Combo7", "제1색띠"}, {"0", "Combo8", "제2색띠"},   {"0", "Combo9", "제3색띠"},
        {"0", "Combo10", "승수"},   {"0", "Combo11", "허용오차"}, {"1", "Text25", "저항값"},
        {"1", "Combo1", "단위"},    {"1", "Combo2", "허용오차"},  {"2", "Text26", "공급전압"},
        {"2", "Text30", "LED전압"}, {"2", "Text31", "LED전류"},   {"2", "Combo3", "허용오차"}};
    for (const auto &row : rows)
        QTest::addRow("page %s, %s", row[0], row[1])
            << atoi(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
}

void tst_Accessibility::namedByCaption()
{
    QFETCH(int, page);
    QFETCH(QString, control);
    QFETCH(QString, name);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    auto *widget = uitest::find<QWidget>(w.get(), control);
    QCOMPARE(iface(widget)->text(QAccessible::Name), name);
    // A list still tells its chosen entry, as value and as text, in words,
    // an editable one too.
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        list->setCurrentIndex(list->count() - 1);
        const QString value = colorcode::spokenText(list->currentText());
        QCOMPARE(iface(list)->text(QAccessible::Value), value);
        QCOMPARE(iface(list)->textInterface()->text(0, -1), value);
    }
}

void tst_Accessibility::resultsSpokenAndReached_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("typed"); // box by box, Enter between
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QStringList>("tabs"); // from the clear button on
    // In words, as the Korean voice reads them; the working follows.
    QTest::newRow("page 0")
        << 0 << QStringList()
        << u"저항값 0옴, 허용오차 플러스마이너스 5퍼센트. 검정 0, 검정 0, 검정 곱하기 "
           u"10의 0제곱, 00 곱하기 10의 0제곱은 0옴, 허용오차 플러스마이너스 "
           u"5퍼센트"_s
        << QStringList{u"Command19"_s, u"Text17"_s, u"Text18"_s, u"Label5"_s};
    QTest::newRow("page 1, with the band colours")
        << 1 << QStringList{u"47"_s}
        << u"결과 47옴 플러스마이너스 5퍼센트, 제1색띠 노랑, 제2색띠 보라, 승수 검정, 허용오차 "
           u"금색, 제1색띠 숫자 4, 제2색띠 숫자 7, 승수 지수 0. 47옴은 47옴은 47 곱하기 10의 "
           u"0제곱, 노랑, 보라, 검정, 금색(플러스마이너스 5퍼센트), E3, E6, E12, E24, E192 표준값"_s
        << QStringList{u"Command17"_s, u"Label3"_s, u"Text27"_s, u"Text28"_s, u"Text29"_s};
    QTest::newRow("page 2, with the band colours")
        << 2 << QStringList{u"12"_s, u"3.3"_s, u"10"_s}
        << u"계산된 저항값 870옴, 사용가능 저항값 부터 826점5옴, 사용가능 저항값 까지 913점5옴, "
           u"제1색띠 회색, 제2색띠 보라, 승수 갈색, 허용오차 금색, "
           u"LED에 실제로 흐르는 전류: 10밀리암페어, "
           u"저항의 발열: 87밀리와트, 4분의 1와트 저항을 쓰세요, "
           u"구입할 표준값(E24): 910옴 (LED전류 9점5 6밀리암페어). (12볼트 빼기 3점3볼트) 나누기 "
           u"10밀리암페어는 870옴, 유효숫자 두 자리: 870옴, 회색, 보라, 갈색, 표준값이 아닙니다: "
           u"가까운 E24 값 820옴, 910옴"_s
        << QStringList{u"Command4"_s,    u"Combo3"_s,    u"Text32"_s,
                       u"Text41"_s,      u"Text42"_s,    u"adviceCurrent"_s,
                       u"advicePower"_s, u"adviceBuy"_s, u"Label12"_s};
    QTest::newRow("SMD page, a marking spelled")
        << 4 << QStringList{u"4R7"_s} << u"저항값 4점7옴. 4, 알, 7: R이 소수점, 4점7옴"_s
        << QStringList{u"cmdMakeMarking"_s, u"lblMarkingValue"_s, u"lblMarkings"_s, u"lblGuide"_s};
}

void tst_Accessibility::resultsSpokenAndReached()
{
    QFETCH(int, page);
    QFETCH(QStringList, typed);
    QFETCH(QString, spoken);
    QFETCH(QStringList, tabs);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    for (const QString &text : typed) {
        auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY(box);
        box->clear();
        uitest::type(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Heard at once, by whatever the result button was pressed with, the
    // working in the same breath.
    settle();
    const Qt::Key accessKeys[] = {Qt::Key_Z, Qt::Key_V, Qt::Key_A, Qt::Key_unknown, Qt::Key_G};
    QTest::keyClick(w.get(), accessKeys[page], Qt::AltModifier);
    QTRY_COMPARE(m_announcements.spoken, QStringList{spoken});
    // Reached after the page's own order.
    uitest::find<QWidget>(w.get(), tabs.first())->setFocus();
    for (const QString &next : tabs.sliced(1)) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(), next);
    }
}

void tst_Accessibility::guideInWords_data()
{
    QTest::addColumn<bool>("five");
    QTest::addColumn<QString>("digitSentence");
    QTest::addColumn<QString>("exampleHeard");
    QTest::newRow("4-band") << false << u"제1, 2색을 읽어 숫자로 환산한다."_s
                            << u"2700옴, 2점7킬로옴 플러스마이너스 5퍼센트"_s;
    QTest::newRow("5-band") << true << u"제1, 2색 및 제3색을 읽어 숫자로 환산한다."_s
                            << u"(예:등색은 10의 3제곱)"_s;
}

void tst_Accessibility::guideInWords()
{
    QFETCH(bool, five);
    QFETCH(QString, digitSentence);
    QFETCH(QString, exampleHeard);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(3);
    auto *option = uitest::find<QRadioButton>(w.get(), five ? u"Option4"_s : u"Option3"_s);
    QTest::mouseClick(option, Qt::LeftButton);
    QTest::keyClick(option, Qt::Key_Tab);
    QCOMPARE(focusName(), u"Picture1"_s);
    const QString description = iface(QApplication::focusWidget())->text(QAccessible::Description);
    const QStringList sentences =
        guide::guideSentences(five ? colorcode::BandCount::Five : colorcode::BandCount::Four);
    // The sentences in the words a voice reads, no sign left.
    QCOMPARE(sentences.value(1), digitSentence);
    QCOMPARE(description.count(u'\n'), sentences.size() - 1);
    QVERIFY2(description.contains(exampleHeard), qPrintable(description));
    QVERIFY(!description.contains(QRegularExpression(u"[±²³\u2126]|->"_s)));
    // Every word the drawing paints is said.
    QFile drawing(u":/art/guide_drawing.svg"_s);
    QVERIFY(drawing.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&drawing);
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text") {
            const QString words = svg.readElementText();
            QVERIFY2(description.contains(colorcode::spokenText(words)), qPrintable(words));
        }
    }
}

void tst_Accessibility::focusBackAfterDialog_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("closeBy");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    for (const QString &closeBy : {u"ok"_s, u"escape"_s, u"close box"_s}) {
        QTest::addRow("tip, %s", qPrintable(closeBy)) << u"frmTip"_s << closeBy << 1 << u"Combo2"_s;
        QTest::addRow("About, %s", qPrintable(closeBy))
            << u"fmAbout"_s << closeBy << 2 << u"Text30"_s;
    }
    QTest::newRow("practice, escape") << u"frmPractice"_s << u"escape"_s << 0 << u"Combo8"_s;
    QTest::newRow("worksheet, escape") << u"frmWorksheet"_s << u"escape"_s << 1 << u"Text25"_s;
}

void tst_Accessibility::focusBackAfterDialog()
{
    QFETCH(QString, dialog);
    QFETCH(QString, closeBy);
    QFETCH(int, page);
    QFETCH(QString, focus);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    uitest::find<QWidget>(w.get(), focus)->setFocus(Qt::TabFocusReason);
    auto ran = uitest::onNextDialog(dialog, [&](QWidget *d) {
        // A user's key reaches a dialog once it is the active window.
        if (!QTest::qWaitForWindowActive(d))
            qWarning("the dialog did not become active");
        if (closeBy == u"ok")
            QTest::mouseClick(
                d->findChild<QWidget *>(dialog == u"frmTip" ? u"cmdOK"_s : u"Cmd_ok"_s),
                Qt::LeftButton);
        else if (closeBy == u"escape")
            QTest::keyClick(d, Qt::Key_Escape);
        else
            d->close();
    });
    (dialog == u"frmTip"         ? w->Menu_r
     : dialog == u"fmAbout"      ? w->Menu_about
     : dialog == u"frmWorksheet" ? w->Menu_worksheet
                                 : w->Menu_practice)
        ->trigger();
    QVERIFY(*ran);
    // The window manager hands the window back its activation; the offscreen
    // platform has none, so the test does.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(focusName(), focus);
}

void tst_Accessibility::focusShownAtStart()
{
    auto w = uitest::openWindow();
    QCOMPARE(focusName(), u"Combo7"_s);
    QStyleOption drawn;
    drawn.initFrom(QApplication::focusWidget());
    QVERIFY(drawn.state & QStyle::State_HasFocus);
    QVERIFY(drawn.state & QStyle::State_KeyboardFocusChange);
}

void tst_Accessibility::listEntrySpoken_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("fromLast");     // starts at its last entry
    QTest::addColumn<bool>("throughPopup"); // Down and Enter in the open popup
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("digit list") << 0 << u"Combo7"_s << false << false << QStringList{u"1 갈색"_s};
    QTest::newRow("editable unit list")
        << 1 << u"Combo1"_s << false << false << QStringList{u"킬로옴"_s};
    QTest::newRow("no entry after the last") << 0 << u"Combo10"_s << true << false << QStringList();
    QTest::newRow("popup speaks for itself") << 0 << u"Combo8"_s << false << true << QStringList();
}

void tst_Accessibility::listEntrySpoken()
{
    QFETCH(int, page);
    QFETCH(QString, list);
    QFETCH(bool, fromLast);
    QFETCH(bool, throughPopup);
    QFETCH(QStringList, spoken);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    auto *box = uitest::find<QComboBox>(w.get(), list);
    box->setFocus(Qt::TabFocusReason);
    if (fromLast)
        box->setCurrentIndex(box->count() - 1);
    const int before = box->currentIndex();
    settle();
    if (throughPopup) {
        box->showPopup();
        QTRY_VERIFY(box->view()->isVisible());
        QTest::keyClick(box->view(), Qt::Key_Down);
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->currentIndex(), before + 1);
    } else {
        QTest::keyClick(box, Qt::Key_Down);
    }
    if (spoken.isEmpty()) {
        QTest::qWait(50);
        QCOMPARE(m_announcements.spoken, spoken);
    } else {
        QTRY_COMPARE(m_announcements.spoken, spoken);
    }
}

void tst_Accessibility::pageNameSpoken_data()
{
    QTest::addColumn<Qt::Key>("accessKey");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("value to colour") << Qt::Key_R << u"저항값에서 컬러"_s;
    QTest::newRow("guide") << Qt::Key_H << u"저항값 읽는법"_s;
}

void tst_Accessibility::pageNameSpoken()
{
    QFETCH(Qt::Key, accessKey);
    QFETCH(QString, spoken);
    auto w = uitest::openWindow();
    settle();
    QTest::keyClick(w.get(), accessKey, Qt::AltModifier);
    QTRY_COMPARE(m_announcements.spoken, QStringList{spoken});
}

// An option chosen by its access key is heard selected as the focus
// reaches it; where the page moves the focus on, the choice is announced.
void tst_Accessibility::optionHeardSelected_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QList<bool>>("heard");
    QTest::addColumn<QStringList>("spoken");
    QTest::addColumn<QString>("shown"); // the control the choice shows
    QTest::newRow("page 0, the focus on the option")
        << 0 << u"Combo7"_s << u"Option2"_s << QList<bool>{true} << QStringList() << u"Combo9"_s;
    QTest::newRow("page 1, the page takes the focus to the value")
        << 1 << u"Command3"_s << u"Text25"_s << QList<bool>()
        << QStringList{u"5색 코드 선택함. 저항값"_s} << u"txtDigit3"_s;
}

void tst_Accessibility::optionHeardSelected()
{
    QFETCH(int, page);
    QFETCH(QString, from);
    QFETCH(QString, focus);
    QFETCH(QList<bool>, heard);
    QFETCH(QStringList, spoken);
    QFETCH(QString, shown);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    uitest::find<QWidget>(w.get(), from)->setFocus(Qt::TabFocusReason);
    settle();
    SelectedOnFocus selected;
    qApp->installEventFilter(&selected);
    QTest::keyClick(w.get(), Qt::Key_5, Qt::AltModifier);
    qApp->removeEventFilter(&selected);
    QCOMPARE(selected.heard, heard);
    QCOMPARE(focusName(), focus);
    QTest::qWait(20);
    QCOMPARE(m_announcements.spoken.filter(u"선택함"_s), spoken);
    // The page took the choice as from a click.
    QVERIFY(uitest::find<QWidget>(w.get(), shown)->isVisible());
}

// Tab into a group of options lands on its checked option, from either
// side, and the next Tab leaves the group.
void tst_Accessibility::optionGroupTabStop_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("group");
    QTest::newRow("page 1, the second option chosen")
        << 1 << u"optEncodeFive"_s << QStringList{u"optEncodeFour"_s, u"optEncodeFive"_s};
}

void tst_Accessibility::optionGroupTabStop()
{
    QFETCH(int, page);
    QFETCH(QString, chosen);
    QFETCH(QStringList, group);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    auto *option = uitest::find<QRadioButton>(w.get(), chosen);
    QTest::mouseClick(option, Qt::LeftButton);
    for (const Qt::Key away : {Qt::Key_Tab, Qt::Key_Backtab}) {
        option->setFocus(Qt::TabFocusReason);
        QTest::keyClick(option, away);
        QVERIFY2(!group.contains(focusName()), qPrintable(focusName()));
        QTest::keyClick(QApplication::focusWidget(),
                        away == Qt::Key_Tab ? Qt::Key_Backtab : Qt::Key_Tab);
        QCOMPARE(focusName(), chosen);
    }
}

// What a screen reader reads in a result box is in words, whole; the screen
// keeps the symbols. (A unit list's words: namedByCaption.)
void tst_Accessibility::resultFieldInWords()
{
    auto w = uitest::openWindow();
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::AltModifier);
    auto *field = uitest::find<QLineEdit>(w.get(), u"Text18"_s);
    QCOMPARE(field->text(), u"±5%"_s);
    const QString heard = u"플러스마이너스 5퍼센트"_s;
    QAccessibleTextInterface *text = iface(field)->textInterface();
    QCOMPARE(iface(field)->text(QAccessible::Value), heard);
    QCOMPARE(text->text(0, text->characterCount()), heard);
    // The caret at the end of the box is at the end of the words.
    QCOMPARE(text->cursorPosition(), heard.size());
}

// A result Tab reaches, with nothing in it yet, is heard as a word that says
// so, never as the role alone. (A "?" is 없음 in the spoken words.)
void tst_Accessibility::emptyResultSaysSo()
{
    QLabel result;
    ui::makeTabReachable(&result);
    QCOMPARE(iface(&result)->text(QAccessible::Name), u"없음"_s);
}

// A password field selects its text only once its focus is told: selected
// first, its caret's move made the screen reader pass over the focus and
// say nothing of the field. Typed text still replaces what was there.
void tst_Accessibility::passwordFocusToldFirst()
{
    auto w = uitest::openWindow();
    // What the field held as the focus reached it, what it held a moment
    // later, and after a typed key.
    QString focus, selectedAtOnce, selectedLater, typed;
    auto ran = uitest::onNextDialog(u"frmJoin"_s, [&](QWidget *d) {
        auto *join = qobject_cast<frmJoin *>(d);
        (void)QTest::qWaitFor(
            [join] { return join->isActiveWindow() && QApplication::focusWidget(); });
        join->txtPassword->setText(u"ab"_s);
        join->txtName->setFocus();
        QTest::keyClick(join->txtName, Qt::Key_Tab);
        focus = focusName();
        selectedAtOnce = join->txtPassword->selectedText();
        (void)QTest::qWaitFor([&] { return join->txtPassword->hasSelectedText(); }, 1000);
        selectedLater = join->txtPassword->selectedText();
        QTest::keyClick(join->txtPassword, Qt::Key_C);
        typed = join->txtPassword->text();
        join->reject();
    });
    w->Menu_join->trigger();
    QVERIFY(*ran);
    QCOMPARE(focus, u"txtPassword"_s);
    QCOMPARE(selectedAtOnce, QString());
    QCOMPARE(selectedLater, u"ab"_s);
    QCOMPARE(typed, u"c"_s);
}

// The markings the SMD page writes are spelled, never read as numbers.
void tst_Accessibility::markingsSpelled()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(4);
    auto *value = uitest::find<QLineEdit>(w.get(), u"txtChipValue"_s);
    uitest::type(value, u"10"_s);
    auto *unit = uitest::find<QComboBox>(w.get(), u"cboChipUnit"_s);
    QVERIFY(uitest::pickFromList(unit, u"K\u2126"_s));
    QTest::mouseClick(uitest::find<QPushButton>(w.get(), u"cmdMakeMarking"_s), Qt::LeftButton);
    auto *markings = uitest::find<QLabel>(w.get(), u"lblMarkings"_s);
    QCOMPARE(markings->text(), u"3자리 103 · 4자리 1002 · EIA-96 01C"_s);
    QCOMPARE(iface(markings)->text(QAccessible::Name),
             u"3자리 1, 0, 3. 4자리 1, 0, 0, 2. EIA-96 0, 1, 씨"_s);
}

void tst_Accessibility::descriptionInWords_data()
{
    QTest::addColumn<bool>("worksheet"); // or the main window's SMD page
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("heard");
    QTest::newRow("a tool tip's units in words")
        << true << u"chkCommon"_s << u"E12 계열 값 중 10옴부터 1메가옴까지만 냅니다."_s;
    QTest::newRow("a description of its own kept")
        << true << u"txtCode"_s
        << u"전에 만든 연습지의 코드를 넣으면 같은 연습지를 다시 만듭니다."_s;
    QTest::newRow("the examples of markings spelled")
        << false << u"txtMarking"_s
        << u"칩에 찍힌 표시를 입력하세요. 예: 4, 7, 2 또는 4, 알, 7 또는 0, 1, 씨"_s;
}

// What a screen reader reads as a control's description is in spoken words.
void tst_Accessibility::descriptionInWords()
{
    QFETCH(bool, worksheet);
    QFETCH(QString, control);
    QFETCH(QString, heard);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(4);
    frmWorksheet sheet(w.get());
    QWidget *where = worksheet ? static_cast<QWidget *>(&sheet) : w.get();
    QCOMPARE(iface(uitest::find<QWidget>(where, control))->text(QAccessible::Description), heard);
}

void tst_Accessibility::pageTurnedByCtrlTab_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("back");
    QTest::addColumn<int>("turnedTo");
    QTest::newRow("from a colour list") << 0 << u"Combo7"_s << false << 1;
    QTest::newRow("back from the first page, to the last") << 0 << u"Combo8"_s << true << 4;
}

void tst_Accessibility::pageTurnedByCtrlTab()
{
    QFETCH(int, page);
    QFETCH(QString, from);
    QFETCH(bool, back);
    QFETCH(int, turnedTo);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    auto *control = uitest::find<QWidget>(w.get(), from);
    control->setFocus(Qt::TabFocusReason);
    const int before = qobject_cast<QComboBox *>(control)
                           ? qobject_cast<QComboBox *>(control)->currentIndex()
                           : -1;
    if (back)
        QTest::keyClick(control, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    else
        QTest::keyClick(control, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(w->SSTab1->currentIndex(), turnedTo);
    // The key went to the page, not into the list.
    if (auto *list = qobject_cast<QComboBox *>(control))
        QCOMPARE(list->currentIndex(), before);
}

// The Help menu opens by its access key, also on the guide page, whose own
// key is H.
void tst_Accessibility::helpMenuByAccessKey()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(3);
    QTest::keyClick(w.get(), Qt::Key_U, Qt::AltModifier);
    QTRY_VERIFY(w->Menu_help->isVisible());
    QCOMPARE(w->SSTab1->currentIndex(), 3);
    QTest::keyClick(w->Menu_help, Qt::Key_Escape);
}

// The skill chart and the confusion table are stepped through with the
// arrow keys, each row or cell heard as it is reached.
void tst_Accessibility::progressSteppedThrough()
{
    auto w = uitest::openWindow();
    QTemporaryDir folder;
    practice::Record record(folder.filePath(u"record.sqlite"_s));
    frmProgress d(w.get(), record);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const auto heard = [](QWidget *view) {
        QAccessibleInterface *reached = iface(view)->focusChild();
        return reached ? reached->text(QAccessible::Name) : QString();
    };
    d.skillChart->setFocus(Qt::TabFocusReason);
    QCOMPARE(heard(d.skillChart), u"숫자 검정 (0), 0퍼센트"_s);
    QTest::keyClick(d.skillChart, Qt::Key_Down);
    QCOMPARE(heard(d.skillChart), u"숫자 갈색 (1), 0퍼센트"_s);
    d.tblConfusion->setFocus(Qt::TabFocusReason);
    d.tblConfusion->setCurrentCell(0, 0);
    QTest::keyClick(d.tblConfusion, Qt::Key_Down);
    QCOMPARE(heard(d.tblConfusion), u"물은 색 갈색, 답한 색 검정, 0번"_s);
}

void tst_Accessibility::tipSpoken()
{
    QFile tips(m_tipsFolder.filePath(u"RESISTOR.TXT"_s));
    QVERIFY(tips.open(QIODevice::WriteOnly));
    tips.write(u"허용오차 ±5%는 금색입니다.\r\n"_s.toUtf8());
    tips.close();
    auto w = uitest::openWindow();
    QStringList heard;
    bool inDialog = false;
    auto ran = uitest::onNextDialog(u"frmTip"_s, [&](QWidget *d) {
        settle();
        QTest::mouseClick(d->findChild<QWidget *>(u"cmdNextTip"_s), Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return !m_announcements.spoken.isEmpty(); }))
            qWarning("the tip was not announced");
        heard = m_announcements.spoken;
        inDialog = d->findChild<QWidget *>(u"announcer"_s) != nullptr;
        d->close();
    });
    w->Menu_r->trigger();
    QVERIFY(*ran);
    QCOMPARE(heard, QStringList{u"허용오차 플러스마이너스 5퍼센트는 금색입니다."_s});
    // Said by the main window: a screen reader would read the whole dialog
    // before a notification in it.
    QVERIFY(!inDialog);
}

void tst_Accessibility::refusalGivesHint()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(1);
    uitest::type(uitest::find<QLineEdit>(w.get(), u"Text25"_s), u"4700"_s);
    uitest::BoxAnswerer answerer;
    QTest::keyClick(w.get(), Qt::Key_V, Qt::AltModifier);
    QTRY_VERIFY(answerer.seen().seen);
    QCOMPARE(answerer.seen().text, u"칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!"_s);
    QCOMPARE(answerer.seen().informativeText,
             u"네 글자 이상은 읽지 않습니다. 같은 값을 4.7K\u2126으로 입력하세요."_s);
    // The working line keeps its symbols and is read in words.
    QCOMPARE(iface(w->lblWorking)->text(QAccessible::Name),
             u"네 글자 이상은 읽지 않습니다. 같은 값을 4점7킬로옴으로 입력하세요."_s);
}

void tst_Accessibility::textQueriesAnswer()
{
    const Watchdog watchdog(std::chrono::seconds(20));
    auto w = uitest::openWindow();
    int inputs = 0;
    QStringList faults = textQueryFaults(w.get(), &inputs);
    for (const QString &dialog : {u"frmTip"_s, u"fmAbout"_s, u"frmPractice"_s}) {
        auto ran = uitest::onNextDialog(dialog, [&](QWidget *d) {
            faults += textQueryFaults(d, &inputs);
            d->close();
        });
        (dialog == u"frmTip"    ? w->Menu_r
         : dialog == u"fmAbout" ? w->Menu_about
                                : w->Menu_practice)
            ->trigger();
        QVERIFY2(*ran, qPrintable(dialog));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 5).join(u'\n')));
    QVERIFY(inputs > 20);
    // The query that froze: the word at the end of "4.7".
    auto *entry = uitest::find<QLineEdit>(w.get(), u"Text25"_s);
    entry->setText(u"4.7"_s);
    int start = 0;
    int end = 0;
    QCOMPARE(
        iface(entry)->textInterface()->textAtOffset(3, QAccessible::WordBoundary, &start, &end),
        u"4.7"_s);
    QCOMPARE(std::pair(start, end), std::pair(0, 3));
}

// The practice is heard: each question as it appears, the feedback and the
// score after each check.
void tst_Accessibility::practiceSpoken()
{
    auto w = uitest::openWindow();
    QTemporaryDir folder;
    practice::Record record(folder.filePath(u"record.sqlite"_s));
    // A question left open is asked again: 4.7KΩ ±5%.
    practice::Session session;
    practice::ask(session, u"read", {{{47, 2, 2}, &colorcode::kTolerances[0]}, QString(), 0});
    settle();
    frmPractice d(w.get(), session, record);
    d.show();
    QTRY_COMPARE(m_announcements.spoken,
                 QStringList{u"제1색띠 노랑, 제2색띠 보라, 승수 적색, 허용오차 금색"_s});
    m_announcements.spoken.clear();
    uitest::type(d.txtAnswer, u"0.5"_s);
    d.cmdCheck->click();
    // The feedback and the score as shown, then the button the focus moved
    // to, whose own name the notification would cut short.
    QTRY_COMPARE(m_announcements.spoken,
                 QStringList{colorcode::spokenText(d.lblFeedback->text()) + u". "_s +
                             colorcode::spokenText(d.lblScore->text()) + u". 다음 문제"_s});
    QVERIFY(m_announcements.spoken.front().startsWith(u"오답입니다."_s));
    m_announcements.spoken.clear();
    d.optWrite->click();
    QTRY_VERIFY(!m_announcements.spoken.isEmpty());
    const QString question = m_announcements.spoken.last();
    QVERIFY2(question.startsWith(u"이 저항이 되도록 색띠를 고르십시오: "_s), qPrintable(question));
    QVERIFY2(question.endsWith(u". 제1색띠 0 검정"_s), qPrintable(question));
}

// A chip's marking of digits alone is heard spelled in the question and in
// the feedback, announced or reached, so the voice never reads it as the
// number it is not.
void tst_Accessibility::practiceMarkingSpelled()
{
    auto w = uitest::openWindow();
    QTemporaryDir folder;
    practice::Record record(folder.filePath(u"record.sqlite"_s));
    practice::Session session;
    session.kind = u"marking"_s;
    practice::ask(session, u"marking", {{{47, 2, 2}}, u"472"_s, int(smd::Form::ThreeDigit)});
    settle();
    frmPractice d(w.get(), session, record);
    d.show();
    QTRY_COMPARE(m_announcements.spoken,
                 QStringList{u"칩의 표시를 읽고 저항값을 답하십시오. 표시 4, 7, 2"_s});
    m_announcements.spoken.clear();
    // The classic slip: the marking taken for the value.
    uitest::type(d.txtAnswer, u"472"_s);
    QVERIFY(uitest::pickFromList(d.cboUnit, u"\u2126"_s));
    d.cmdCheck->click();
    const QString feedback = u"오답입니다. 마지막 숫자(2)는 값의 숫자가 아니라 붙일 0의 "
                             u"개수입니다: 4, 7, 2, 47에 0을 2개 붙여 4700옴.\n4, 7, 2, 47 곱하기 "
                             u"10의 2제곱은 4700옴은 4점7킬로옴"_s;
    QTRY_VERIFY(!m_announcements.spoken.isEmpty());
    QVERIFY2(m_announcements.spoken.front().startsWith(feedback + u". 맞힌 문제"_s),
             qPrintable(m_announcements.spoken.front()));
    QCOMPARE(iface(d.lblFeedback)->text(QAccessible::Name), feedback);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
