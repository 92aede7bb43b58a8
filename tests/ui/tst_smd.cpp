// The SMD page driven as a user drives it: a marking typed and read, a value
// typed and its markings shown, refusals answered, the keyboard alone, and
// what the screen reader hears.

#include "uitest.h"

#include "colorcode/marking.h"
#include "colorcode/speech.h"
#include "pages/smd/smdpage.h"
#include "widgets/chippicture.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString kOhm = u"\u2126"_s;
const QString kKiloOhm = u"K\u2126"_s;

// The SMD page of a fresh main window, reached by its tab's access key.
struct Page {
    std::unique_ptr<Form1> window = [] {
        auto w = uitest::openWindow();
        QTest::keyClick(w.get(), Qt::Key_S, Qt::AltModifier);
        return w;
    }();

    template <typename T> T *get(const QString &name) const
    {
        return uitest::find<T>(window.get(), name);
    }
    QLineEdit *marking() const { return get<QLineEdit>(u"txtMarking"_s); }
    QLineEdit *value() const { return get<QLineEdit>(u"txtChipValue"_s); }
    QComboBox *unit() const { return get<QComboBox>(u"cboChipUnit"_s); }
    ui::ChipPicture *chip() const { return get<ui::ChipPicture>(u"picChip"_s); }
    QString valueShown() const { return get<QLabel>(u"lblMarkingValue"_s)->text(); }
    QString markingsShown() const { return get<QLabel>(u"lblMarkings"_s)->text(); }
    QString working() const { return window->lblWorking->text(); }
    QString focus() const
    {
        QWidget *f = window->focusWidget();
        return f ? f->objectName() : QString();
    }
    void click(const QString &name) const
    {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    // Replaces the entry's text by typing it.
    void type(QLineEdit *entry, const QString &text) const
    {
        entry->setFocus();
        entry->selectAll();
        QTest::keyClick(entry, Qt::Key_Backspace);
        uitest::type(entry, text);
    }
};

// The near-white pixels of the chip as painted.
int whitePixels(QWidget *chip)
{
    const QImage image = chip->grab().toImage();
    int white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            white += c.lightness() > 240 ? 1 : 0;
        }
    }
    return white;
}

// The access key of a caption: the character after its "&".
QChar accessKey(const QString &text)
{
    const qsizetype at = text.indexOf(u'&');
    return at < 0 || at + 1 >= text.size() ? QChar() : text.at(at + 1).toUpper();
}

} // namespace

class tst_Smd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startingState();
    void layoutFits();
    void accessKeysFree();
    void enterMovesFocusOnly();
    void readMarkings_data();
    void readMarkings();
    void chipShowsTheMarking();
    void refusedMarking();
    void markingsOfAValue();
    void refusedValue();
    void keyboardOnly();
    void resultsAnnounced();

private:
    uitest::Announcements m_announcements;
};

void tst_Smd::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    uitest::setUp();
}

void tst_Smd::startingState()
{
    Page p;
    QCOMPARE(p.window->SSTab1->currentWidget()->objectName(), u"pageSmd"_s);
    QCOMPARE(p.window->SSTab1->tabText(p.window->SSTab1->currentIndex()), u"SMD 저항(&S)"_s);
    QCOMPARE(p.focus(), u"txtMarking"_s);
    QCOMPARE(p.get<QLabel>(u"lblMarking"_s)->text(), u"표시(&M)"_s);
    QCOMPARE(p.get<QLabel>(u"lblMarking"_s)->buddy(), p.marking());
    QCOMPARE(p.get<QPushButton>(u"cmdReadMarking"_s)->text(), u"읽기(&G)"_s);
    QCOMPARE(p.get<QPushButton>(u"cmdMakeMarking"_s)->text(), u"표시 보기(&B)"_s);
    QCOMPARE(p.marking()->accessibleName(), u"표시"_s);
    QCOMPARE(p.value()->accessibleName(), u"저항값"_s);
    QStringList units;
    for (int i = 0; i < p.unit()->count(); ++i)
        units << p.unit()->itemText(i);
    QCOMPARE(units, (QStringList{kOhm, kKiloOhm, u"M\u2126"_s}));
    QCOMPARE(p.valueShown(), u"?"_s);
    QCOMPARE(p.markingsShown(), u"?"_s);
    QCOMPARE(p.chip()->marking(), QString());
    QCOMPARE(p.chip()->accessibleName(), u"표시 없음"_s);
    QCOMPARE(p.get<QGroupBox>(u"fraGuide"_s)->title(), u"읽는 법"_s);
    QCOMPARE(p.get<QLabel>(u"lblGuide"_s)->text(), smd::readingGuide());
}

void tst_Smd::layoutFits()
{
    // Everything inside the page and its frames, siblings apart, every
    // caption and the longest results wide enough for their text.
    Page p;
    QWidget *page = p.window->smdPage();
    // As tall as the design's page; wider where the window grew for its tabs.
    QCOMPARE(page->height(), 298);
    QVERIFY(page->width() >= 477);
    p.type(p.value(), u"10"_s);
    p.click(u"cmdMakeMarking"_s);
    p.type(p.marking(), u"10R"_s);
    p.click(u"cmdReadMarking"_s);
    QCOMPARE(p.valueShown(), u"10\u2126 또는 1.24\u2126"_s);
    for (QWidget *parent : {page, p.get<QWidget>(u"fraReadMarking"_s),
                            p.get<QWidget>(u"fraMakeMarking"_s), p.get<QWidget>(u"fraGuide"_s)}) {
        QList<QWidget *> kids;
        for (QObject *o : parent->children()) {
            if (auto *w = qobject_cast<QWidget *>(o); w && w->isVisible() && !w->isWindow())
                kids << w;
        }
        for (QWidget *w : kids) {
            QVERIFY2(parent->contentsRect().contains(w->geometry()),
                     qPrintable(w->objectName() + u" sticks out of "_s + parent->objectName()));
            for (QWidget *other : kids) {
                if (other != w)
                    QVERIFY2(!w->geometry().intersects(other->geometry()),
                             qPrintable(w->objectName() + u" overlaps "_s + other->objectName()));
            }
        }
    }
    for (QLabel *label : page->findChildren<QLabel *>()) {
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        const int height =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        QVERIFY2(height <= label->height(), qPrintable(label->objectName()));
    }
    for (QPushButton *button : page->findChildren<QPushButton *>())
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
}

void tst_Smd::accessKeysFree()
{
    // The page's keys differ from each other, from the menus' and from the
    // tabs'.
    Page p;
    QList<QChar> taken;
    for (QAction *menu : p.window->menuBar()->actions())
        taken << accessKey(menu->text());
    for (int i = 0; i < p.window->SSTab1->count(); ++i)
        taken << accessKey(p.window->SSTab1->tabText(i));
    QStringList captions;
    for (QLabel *label : p.window->smdPage()->findChildren<QLabel *>())
        captions << label->text();
    for (QAbstractButton *button : p.window->smdPage()->findChildren<QAbstractButton *>())
        captions << button->text();
    int keys = 0;
    for (const QString &caption : captions) {
        const QChar key = accessKey(caption);
        if (key.isNull())
            continue;
        QVERIFY2(!taken.contains(key), qPrintable(caption));
        taken << key;
        ++keys;
    }
    QCOMPARE(keys, 4);
}

void tst_Smd::enterMovesFocusOnly()
{
    Page p;
    uitest::type(p.marking(), u"472"_s);
    QTest::keyClick(p.marking(), Qt::Key_Return);
    QCOMPARE(p.focus(), u"cmdReadMarking"_s);
    QCOMPARE(p.marking()->text(), u"472"_s);
    QCOMPARE(p.valueShown(), u"?"_s);
    QCOMPARE(p.working(), QString());

    p.value()->setFocus();
    uitest::type(p.value(), u"4.7"_s);
    QTest::keyClick(p.value(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(p.focus(), u"cmdMakeMarking"_s);
    QCOMPARE(p.markingsShown(), u"?"_s);
}

void tst_Smd::readMarkings_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("chip");
    QTest::addColumn<QString>("working");
    QTest::newRow("three digits") << u"472"_s << u"4.7K\u2126"_s << u"472"_s
                                  << u"4, 7, 2 → 47 × 10² = 4700\u2126 = 4.7K\u2126"_s;
    QTest::newRow("R form in lower case, blanks")
        << u" 4r7 "_s << u"4.7\u2126"_s << u"4R7"_s << u"4R7: R이 소수점 → 4.7\u2126"_s;
    QTest::newRow("EIA-96") << u"01C"_s << u"10K\u2126"_s << u"01C"_s
                            << u"01C: 01 → E96의 1번째 값 100, C → × 10², 100 × 10² = "
                               "10000\u2126 = 10K\u2126"_s;
    QTest::newRow("read both ways")
        << u"47R"_s << u"47\u2126 또는 3.01\u2126"_s << u"47R"_s
        << u"47R: R이 소수점이면 47\u2126, EIA-96 코드면 E96의 47번째 값 301 × 10⁻² = "
           "3.01\u2126. 어느 쪽인지는 부품의 데이터시트로 확인하세요."_s;
    QTest::newRow("jumper") << u"0"_s << u"0\u2126 점퍼"_s << u"0"_s
                            << u"0: 0\u2126 점퍼 — 저항이 아니라 두 곳을 잇는 연결선입니다."_s;
    QTest::newRow("gigaohms") << u"479"_s << u"47G\u2126"_s << u"479"_s
                              << u"4, 7, 9 → 47 × 10⁹ = 47000000000\u2126 = 47G\u2126"_s;
}

void tst_Smd::readMarkings()
{
    QFETCH(QString, typed);
    QFETCH(QString, value);
    QFETCH(QString, chip);
    QFETCH(QString, working);
    Page p;
    p.type(p.marking(), typed);
    p.click(u"cmdReadMarking"_s);
    QCOMPARE(p.valueShown(), value);
    QCOMPARE(p.chip()->marking(), chip);
    QCOMPARE(p.chip()->accessibleName(), u"표시 "_s + colorcode::spelledMarking(chip));
    QCOMPARE(p.working(), working);
    // The entry keeps what was typed.
    QCOMPARE(p.marking()->text(), typed);
}

void tst_Smd::chipShowsTheMarking()
{
    // White print appears on the black body only with a marking.
    Page p;
    const int blank = whitePixels(p.chip());
    p.type(p.marking(), u"472"_s);
    p.click(u"cmdReadMarking"_s);
    QVERIFY(whitePixels(p.chip()) > blank + 50);
}

void tst_Smd::refusedMarking()
{
    Page p;
    p.type(p.marking(), u"472"_s);
    p.click(u"cmdReadMarking"_s);
    p.type(p.marking(), u"4K7"_s);
    uitest::BoxAnswerer answer;
    p.click(u"cmdReadMarking"_s);
    QVERIFY(answer.seen().seen);
    QCOMPARE(answer.seen().title, u"Pallado"_s);
    QCOMPARE(answer.seen().text, smd::refusalMessage(smd::Refusal::UnknownLetter));
    QCOMPARE(answer.seen().buttons, 1);
    // Nothing of the earlier reading stays to be taken for this one.
    QCOMPARE(p.valueShown(), u"?"_s);
    QCOMPARE(p.chip()->marking(), QString());
    QVERIFY(p.working().contains(u"'K'"_s));
    // Back at the entry, its text selected to be typed over.
    QCOMPARE(p.focus(), u"txtMarking"_s);
    QCOMPARE(p.marking()->selectedText(), u"4K7"_s);
}

void tst_Smd::markingsOfAValue()
{
    Page p;
    QVERIFY(uitest::pickFromList(p.unit(), kKiloOhm));
    p.type(p.value(), u"10"_s);
    p.click(u"cmdMakeMarking"_s);
    QCOMPARE(p.markingsShown(), u"3자리 103 · 4자리 1002 · EIA-96 01C"_s);
    QCOMPARE(p.working(), u"10K\u2126 = 10000\u2126: 10 × 10³ → 3자리 103, 100 × 10² → 4자리 "
                          "1002, E96의 1번째 값 100 × 10² → EIA-96 01C"_s);
    // Below 100 Ω the R forms are among them.
    QVERIFY(uitest::pickFromList(p.unit(), kOhm));
    p.type(p.value(), u"4.7"_s);
    p.click(u"cmdMakeMarking"_s);
    QCOMPARE(p.markingsShown(), u"R 표기 4R7, 4R70"_s);
}

void tst_Smd::refusedValue()
{
    Page p;
    QVERIFY(uitest::pickFromList(p.unit(), kKiloOhm));
    p.type(p.value(), u"4.753"_s);
    uitest::BoxAnswerer answer;
    p.click(u"cmdMakeMarking"_s);
    QVERIFY(answer.seen().seen);
    QCOMPARE(answer.seen().title, u"Pallado"_s);
    QCOMPARE(answer.seen().text, smd::valueRefusalMessage(smd::ValueRefusal::NoMarking));
    QCOMPARE(answer.seen().buttons, 1);
    QCOMPARE(p.markingsShown(), u"?"_s);
    QVERIFY(p.working().contains(u"가까운 E96 값: 4.75K\u2126, 4.87K\u2126"_s));
    QCOMPARE(p.focus(), u"txtChipValue"_s);
}

void tst_Smd::keyboardOnly()
{
    Page p;
    // Read: type, Enter to the button, Enter to read.
    uitest::type(p.marking(), u"4701"_s);
    QTest::keyClick(p.marking(), Qt::Key_Return);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(p.valueShown(), u"4.7K\u2126"_s);
    // Write: the caption's key reaches the value, Tab the unit list, whose
    // arrow keys choose; the button's key shows the markings.
    QTest::keyClick(p.window.get(), Qt::Key_K, Qt::AltModifier);
    QCOMPARE(p.focus(), u"txtChipValue"_s);
    uitest::type(p.value(), u"4.99"_s);
    QTest::keyClick(p.value(), Qt::Key_Tab);
    QCOMPARE(p.focus(), u"cboChipUnit"_s);
    QTest::keyClick(p.unit(), Qt::Key_Down);
    QCOMPARE(p.unit()->currentText(), kKiloOhm);
    // A button's access key presses it as a click a moment later.
    QTest::keyClick(p.window.get(), Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(p.markingsShown(), u"4자리 4991 · EIA-96 68B, 68H"_s);
    // Back to the marking by its caption's key, and read by the button's.
    QTest::keyClick(p.window.get(), Qt::Key_M, Qt::AltModifier);
    QCOMPARE(p.focus(), u"txtMarking"_s);
    p.marking()->selectAll();
    uitest::type(p.marking(), u"68B"_s);
    QTest::keyClick(p.window.get(), Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(p.valueShown(), u"4.99K\u2126"_s);
    // Tab then reaches the results after the inputs.
    p.get<QWidget>(u"cmdMakeMarking"_s)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(p.focus(), u"lblMarkingValue"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(p.focus(), u"lblMarkings"_s);
}

void tst_Smd::resultsAnnounced()
{
    // The result, then its working, in words the voice reads.
    // (The page's name may come first, in the same breath.)
    const auto heard = [this](const QString &result, const QString &working) {
        return m_announcements.spoken.join(u' ').endsWith(colorcode::spokenText(result) + u". "_s +
                                                          colorcode::spokenText(working));
    };
    Page p;
    p.type(p.marking(), u"472"_s);
    m_announcements.spoken.clear();
    p.click(u"cmdReadMarking"_s);
    QTRY_VERIFY(heard(u"저항값 4.7K\u2126"_s, p.working()));
    p.type(p.value(), u"47"_s);
    m_announcements.spoken.clear();
    p.click(u"cmdMakeMarking"_s);
    // Each marking spelled, so none is heard as a number; the one that reads
    // two ways is heard with the words that say so.
    QTRY_VERIFY(
        heard(u"표시 3자리 4, 7, 0. R 표기 4, 7, 알, 0 또는 4, 7, 알, EIA-96으로는 3점0 1옴"_s,
              p.working()));
}

QTEST_MAIN(tst_Smd)
#include "tst_smd.moc"
