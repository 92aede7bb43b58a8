// What a screen reader reads (the accessible interfaces the AT-SPI bridge
// asks) and where the keyboard focus goes.

#include "uitest.h"

#include "pages/guide/guidetexts.h"

#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyleOption>
#include <QTabWidget>
#include <QXmlStreamReader>

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

// What the screen reader is told as a notification appears.
class Announcements : public QObject {
public:
    QStringList spoken;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        QAccessibleInterface *shown = event->type() == QEvent::Show ? iface(watched) : nullptr;
        if (shown && shown->role() == QAccessible::Notification)
            spoken.append(shown->text(QAccessible::Name));
        return false;
    }
};

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

private:
    Announcements m_announcements;
};

void tst_Accessibility::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    uitest::setUp();
    qApp->installEventFilter(&m_announcements);
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
    // A list still tells its chosen entry, as value and as text.
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        list->setCurrentIndex(list->count() - 1);
        QCOMPARE(iface(list)->text(QAccessible::Value), list->currentText());
        QCOMPARE(iface(list)->textInterface()->text(0, -1), list->currentText());
    }
}

void tst_Accessibility::resultsSpokenAndReached_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("typed"); // box by box, Enter between
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QStringList>("tabs"); // from the clear button on
    QTest::newRow("page 0") << 0 << QStringList() << u"저항값 0\u2126, 허용오차 ±5%"_s
                            << QStringList{u"Command19"_s, u"Text17"_s, u"Text18"_s};
    QTest::newRow("page 1") << 1 << QStringList{u"47"_s}
                            << u"결과 47\u2126±5%, 제1색띠 숫자 4, 제2색띠 숫자 7, 승수 지수 0"_s
                            << QStringList{u"Command17"_s, u"Label3"_s, u"Text27"_s, u"Text28"_s,
                                           u"Text29"_s};
    QTest::newRow("page 2") << 2 << QStringList{u"12"_s, u"3.3"_s, u"10"_s}
                            << u"계산된 저항값 870\u2126, 사용가능 저항값 부터 826.5\u2126, "
                               u"사용가능 저항값 까지 913.5\u2126, "
                               u"LED에 실제로 흐르는 전류: 10mA, "
                               u"저항의 발열: 87mW → 1/4W 저항을 쓰세요, "
                               u"구입할 표준값(E24): 910\u2126 (LED전류 9.56mA)"_s
                            << QStringList{u"Command4"_s,    u"Combo3"_s,   u"Text32"_s,
                                           u"Text41"_s,      u"Text42"_s,   u"adviceCurrent"_s,
                                           u"advicePower"_s, u"adviceBuy"_s};
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
    // Heard at once, by whatever the result button was pressed with.
    m_announcements.spoken.clear();
    const Qt::Key accessKeys[] = {Qt::Key_Z, Qt::Key_V, Qt::Key_A};
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
    QTest::newRow("4-band") << false << u"제1, 2색을 읽어 숫자로 환산한다."_s;
    QTest::newRow("5-band") << true << u"제1, 2색 및 제3색을 읽어 숫자로 환산한다."_s;
}

void tst_Accessibility::guideInWords()
{
    QFETCH(bool, five);
    QFETCH(QString, digitSentence);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(3);
    auto *option = uitest::find<QRadioButton>(w.get(), five ? u"Option4"_s : u"Option3"_s);
    QTest::mouseClick(option, Qt::LeftButton);
    QTest::keyClick(option, Qt::Key_Tab);
    QCOMPARE(focusName(), u"Picture1"_s);
    const QString description = iface(QApplication::focusWidget())->text(QAccessible::Description);
    const QStringList sentences =
        guide::guideSentences(five ? colorcode::BandCount::Five : colorcode::BandCount::Four);
    QCOMPARE(description, sentences.join(u'\n'));
    QCOMPARE(sentences.value(1), digitSentence);
    // Every word the drawing paints is said.
    QFile drawing(u":/art/guide_drawing.svg"_s);
    QVERIFY(drawing.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&drawing);
    while (!svg.atEnd()) {
        if (svg.readNext() == QXmlStreamReader::StartElement && svg.name() == u"text") {
            const QString words = svg.readElementText();
            QVERIFY2(description.contains(words), qPrintable(words));
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

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
