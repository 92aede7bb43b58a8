#include "uitest.h"

#include "pages/guide/guidepage.h"
#include "widgets/svgpicture.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr int kGuidePage = 3;
const QStringList kCaptions{u"Label13"_s, u"Label14"_s, u"Label27"_s, u"Label15"_s,
                            u"Label23"_s, u"Label24"_s, u"Label25"_s};

// The seven captions in the order of kCaptions.
const QStringList kDesignTexts{u"을 읽어 숫자로 환산한다."_s,
                               u"3"_s,
                               u"(예: 적색은 10²)"_s,
                               u"4"_s,
                               u"4"_s,
                               u"금색(±5%)"_s,
                               u"예) 적-자-적-금  2,700\u2126 ->2.7K\u2126"_s};
const QStringList kFourBandTexts{u"을 읽어 숫자로 환산한다."_s,
                                 u"3"_s,
                                 u"(예:적색은 10²)"_s,
                                 u"4"_s,
                                 u"4"_s,
                                 u"금색(±5%)"_s,
                                 u"예) 적-자-적-금 2,700\u2126->2.7K\u2126±5%"_s};
const QStringList kFiveBandTexts{u"및 제3색을 읽어 숫자로 환산한다."_s,
                                 u"4"_s,
                                 u"(예:등색은 10³)"_s,
                                 u"5"_s,
                                 u"5"_s,
                                 u"갈색(±1%)"_s,
                                 u"예) 적-자-적-등-갈 272,000\u2126->272K\u2126±1%"_s};

// The 6-band guide reads the 5-band code, then its sixth band.
const QStringList kSixBandTexts{u"및 제3색을 읽어 숫자로 환산한다."_s,
                                u"4"_s,
                                u"(예:등색은 10³)"_s,
                                u"5"_s,
                                u"5"_s,
                                u"갈색(±1%)"_s,
                                u"예) 적-자-적-등-갈-갈 272K\u2126±1% 100ppm/K"_s};
const QString kSixBandLine =
    u"제6색은 온도계수: 272K\u2126 × 100ppm/K = 1\u2103 오를 때 최대 27.2\u2126"_s;

QStringList captionsShown(Form1 *w)
{
    QStringList texts;
    for (const QString &name : kCaptions)
        texts << w->findChild<QLabel *>(name)->text();
    return texts;
}

// Which resistor picture shows: "4", "5", "6", or "many"/"none" when broken.
QString pictureShown(Form1 *w)
{
    QStringList shown;
    for (const auto &[name, bands] :
         {std::pair{u"Picture4"_s, u"4"_s}, std::pair{u"Picture6"_s, u"5"_s},
          std::pair{u"picSixBand"_s, u"6"_s}}) {
        if (w->findChild<QWidget *>(name)->isVisible())
            shown << bands;
    }
    return shown.size() == 1 ? shown[0] : shown.isEmpty() ? u"none"_s : u"many"_s;
}

void click(Form1 *w, const char *option)
{
    QTest::mouseClick(w->findChild<QRadioButton *>(QString::fromLatin1(option)), Qt::LeftButton);
}

} // namespace

class tst_Guide : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void designState();
    void options_data();
    void options();
    void handlerOfUnselectedButtonDoesNothing_data();
    void handlerOfUnselectedButtonDoesNothing();
    void stateKeptAcrossPages();
    void arrowKeySwitches();
    void everythingFits_data();
    void everythingFits();
};

void tst_Guide::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    uitest::setUp();
}

void tst_Guide::designState()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(kGuidePage);
    QVERIFY(w->findChild<QRadioButton *>(u"Option3"_s)->isChecked());
    QVERIFY(!w->findChild<QRadioButton *>(u"Option4"_s)->isChecked());
    QCOMPARE(w->findChild<QGroupBox *>(u"Frame1"_s)->title(), u"저항선택"_s);
    QCOMPARE(w->findChild<QRadioButton *>(u"Option3"_s)->text(), u"4색"_s);
    QCOMPARE(w->findChild<QRadioButton *>(u"Option4"_s)->text(), u"5색"_s);
    QCOMPARE(pictureShown(w.get()), u"4"_s);
    QCOMPARE(captionsShown(w.get()), kDesignTexts);
}

void tst_Guide::options_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("5색") << QStringList{u"Option4"_s} << u"5"_s << kFiveBandTexts;
    QTest::newRow("5색, then 4색: the handler's 4-band texts, ±5% included")
        << QStringList{u"Option4"_s, u"Option3"_s} << u"4"_s << kFourBandTexts;
    QTest::newRow("5색, 4색, 5색")
        << QStringList{u"Option4"_s, u"Option3"_s, u"Option4"_s} << u"5"_s << kFiveBandTexts;
    QTest::newRow("4색 clicked while selected runs its handler")
        << QStringList{u"Option3"_s} << u"4"_s << kFourBandTexts;
    QTest::newRow("6색") << QStringList{u"optGuideSix"_s} << u"6"_s << kSixBandTexts;
    QTest::newRow("6색, then 5색: the sixth band's line goes")
        << QStringList{u"optGuideSix"_s, u"Option4"_s} << u"5"_s << kFiveBandTexts;
}

void tst_Guide::options()
{
    QFETCH(QStringList, clicks);
    QFETCH(QString, picture);
    QFETCH(QStringList, texts);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(kGuidePage);
    for (const QString &option : clicks)
        click(w.get(), qPrintable(option));
    QCOMPARE(pictureShown(w.get()), picture);
    QCOMPARE(captionsShown(w.get()), texts);
    QCOMPARE(w->findChild<QRadioButton *>(clicks.last())->isChecked(), true);
    auto *tempco = w->findChild<QLabel *>(u"lblGuideTempco"_s);
    QCOMPARE(tempco->isVisible(), picture == u"6");
    if (picture == u"6") {
        QCOMPARE(tempco->text(), kSixBandLine);
        // A screen reader hears the sixth band's line with the rest.
        QVERIFY(
            w->findChild<QWidget *>(u"Picture1"_s)->accessibleDescription().contains(kSixBandLine));
    }
}

void tst_Guide::handlerOfUnselectedButtonDoesNothing_data()
{
    QTest::addColumn<bool>("fiveSelected");
    QTest::newRow("5-band handler while 4색 is selected") << false;
    QTest::newRow("4-band handler while 5색 is selected") << true;
}

void tst_Guide::handlerOfUnselectedButtonDoesNothing()
{
    QFETCH(bool, fiveSelected);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(kGuidePage);
    GuidePage *page = w->guidePage();
    if (fiveSelected)
        click(w.get(), "Option4");
    const QStringList before = captionsShown(w.get());
    const QString pictureBefore = pictureShown(w.get());

    if (fiveSelected)
        page->Option3_Click();
    else
        page->Option4_Click();
    QCOMPARE(captionsShown(w.get()), before);
    QCOMPARE(pictureShown(w.get()), pictureBefore);
    QCOMPARE(before, fiveSelected ? kFiveBandTexts : kDesignTexts);
}

void tst_Guide::stateKeptAcrossPages()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(kGuidePage);
    click(w.get(), "Option4");
    for (int page : {0, 1, 2, kGuidePage})
        w->SSTab1->setCurrentIndex(page);
    QVERIFY(w->findChild<QRadioButton *>(u"Option4"_s)->isChecked());
    QCOMPARE(pictureShown(w.get()), u"5"_s);
    QCOMPARE(captionsShown(w.get()), kFiveBandTexts);
}

void tst_Guide::arrowKeySwitches()
{
    // Keyboard alone: the page change puts the focus on 4색; an arrow key
    // selects 5색 and runs its handler.
    auto w = uitest::openWindow();
    QTest::mouseClick(w->SSTab1->tabBar(), Qt::LeftButton, {},
                      w->SSTab1->tabBar()->tabRect(kGuidePage).center());
    auto *option3 = w->findChild<QRadioButton *>(u"Option3"_s);
    QCOMPARE(QApplication::focusWidget(), option3);
    QTest::keyClick(option3, Qt::Key_Right);
    QVERIFY(w->findChild<QRadioButton *>(u"Option4"_s)->isChecked());
    QCOMPARE(captionsShown(w.get()), kFiveBandTexts);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QVERIFY(option3->isChecked());
    QCOMPARE(captionsShown(w.get()), kFourBandTexts);
    for (const char *name : {"Option3", "Option4"})
        QVERIFY(
            !w->findChild<QRadioButton *>(QString::fromLatin1(name))->accessibleName().isEmpty());
}

void tst_Guide::everythingFits_data()
{
    QTest::addColumn<QString>("option");
    QTest::newRow("design") << QString();
    QTest::newRow("5색") << u"Option4"_s;
    QTest::newRow("4색") << u"Option3"_s;
    QTest::newRow("6색") << u"optGuideSix"_s;
}

void tst_Guide::everythingFits()
{
    // Every caption shows whole and inside the drawing, in every state, and
    // the page's controls stay inside the page.
    QFETCH(QString, option);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(kGuidePage);
    if (!option.isEmpty())
        click(w.get(), qPrintable(option));

    GuidePage *page = w->guidePage();
    // The page is as tall as the design's, and wider where the window grew.
    QCOMPARE(page->height(), 298);
    QVERIFY(page->width() >= 477);
    QCOMPARE(page->Picture1->geometry(), QRect(36, 59, 411, 220));
    // The frame keeps its place over the drawing and grows to the right for
    // "6색".
    QCOMPARE(page->Frame1->geometry().topLeft(), QPoint(344, 19));
    QCOMPARE(page->Frame1->height(), 43);
    QVERIFY(page->rect().contains(page->Frame1->geometry()));
    QVERIFY(page->rect().contains(page->Picture1->geometry()));
    for (QRadioButton *button : {page->Option3, page->Option4, page->optGuideSix}) {
        QVERIFY(page->Frame1->rect().contains(button->geometry()));
        QVERIFY(button->width() >= button->sizeHint().width());
    }
    QCOMPARE(page->Option3->pos(), QPoint(8, 20));
    QCOMPARE(page->Option4->pos(), QPoint(60, 20));
    QCOMPARE(page->optGuideSix->pos(), QPoint(112, 20));

    const QRect drawing = page->Picture1->rect();
    for (const QString &name : kCaptions + QStringList{u"lblGuideTempco"_s}) {
        auto *label = page->findChild<QLabel *>(name);
        QVERIFY2(drawing.contains(label->geometry()), qPrintable(name));
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                 qPrintable(name));
        QVERIFY2(label->height() >= label->fontMetrics().height(), qPrintable(name));
    }
    // The captions keep their places: the drawing's words are set to them.
    QCOMPARE(page->Label13->pos(), QPoint(176, 40));
    QCOMPARE(page->Label14->pos(), QPoint(192, 70));
    QCOMPARE(page->Label27->pos(), QPoint(278, 84));
    QCOMPARE(page->Label15->pos(), QPoint(44, 128));
    QCOMPARE(page->Label23->pos(), QPoint(230, 128));
    QCOMPARE(page->Label24->pos(), QPoint(312, 128));
    QCOMPARE(page->Label25->pos(), QPoint(32, 194));
}

QTEST_MAIN(tst_Guide)
#include "tst_guide.moc"
