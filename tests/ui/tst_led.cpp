// Page 2 driven as a learner drives it: typing, Enter, picks from the
// tolerance list, the two buttons, and every message box answered.

#include "uitest.h"

#include "colorcode/colortables.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;
using namespace colorcode;

namespace {

constexpr int kLedPage = 2;
constexpr quint32 kGold = 0x00C0C0;
constexpr quint32 kSilver = 0xE0E0E0;
constexpr quint32 kBrown = 0x004080;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kGreen = 0x00C000;
constexpr quint32 kBlue = 0xC00000;
constexpr quint32 kYellow = 0x00FFFF;
constexpr quint32 kOrange = 0x0080FF;
constexpr quint32 kGrey = 0xC0C0C0;
const QStringList kBandNames{u"Shape10"_s, u"Shape11"_s, u"Shape12"_s, u"Shape13"_s};

std::unique_ptr<Form1> openLedPage()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(kLedPage);
    return w;
}

QLineEdit *box(Form1 *w, const char *name)
{
    return uitest::find<QLineEdit>(w, QString::fromLatin1(name));
}

QWidget *control(Form1 *w, const QString &name)
{
    return uitest::find<QWidget>(w, name);
}

void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void enterInputs(Form1 *w, const QString &supply, const QString &led, const QString &current)
{
    type(box(w, "Text26"), supply);
    type(box(w, "Text30"), led);
    type(box(w, "Text31"), current);
}

bool pickTolerance(Form1 *w, const QString &tolerance)
{
    auto *list = uitest::find<QComboBox>(w, u"Combo3"_s);
    return list->currentText() == tolerance || uitest::pickFromList(list, tolerance);
}

void compute(Form1 *w)
{
    QTest::mouseClick(control(w, u"Command5"_s), Qt::LeftButton);
}

struct Band {
    bool filled;
    quint32 colour;
    QString description;
};

Band band(Form1 *w, const QString &name)
{
    QWidget *shape = control(w, name);
    return {shape->property("filled").toBool(), shape->property("fillColor").value<quint32>(),
            shape->accessibleName()};
}

QList<quint32> bandColours(Form1 *w)
{
    QList<quint32> out;
    for (const QString &name : kBandNames)
        out << band(w, name).colour;
    return out;
}

QStringList texts(Form1 *w)
{
    return {box(w, "Text32")->text(), box(w, "Text41")->text(), box(w, "Text42")->text()};
}

// The control the page gave the focus to: the window's focus child, which
// has the keyboard focus whenever the window is active.
QString focusName(Form1 *w)
{
    return w->focusWidget() ? w->focusWidget()->objectName() : QString();
}

} // namespace

class tst_Led : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startingState();
    void fitsThePage();
    void calculation_data();
    void calculation();
    void missingInput_data();
    void missingInput();
    void refusedInput_data();
    void refusedInput();
    void valueWithoutCode();
    void twentyPercentHidesBand4();
    void reset();
    void enterChain();
    void enterChainWithSupplyEmpty();
    void accessKeyComputes();
    void adviceAfterCalculation_data();
    void adviceAfterCalculation();
    void adviceCleared_data();
    void adviceCleared();
};

void tst_Led::initTestCase()
{
    uitest::setUp();
}

void tst_Led::startingState()
{
    auto w = openLedPage();
    QCOMPARE(w->SSTab1->tabText(kLedPage), u"저항값계산(&L)");
    QCOMPARE(texts(w.get()), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(box(w.get(), "Text26")->text(), QString());
    QCOMPARE(box(w.get(), "Text30")->text(), QString());
    QCOMPARE(box(w.get(), "Text31")->text(), u"20");
    QCOMPARE(box(w.get(), "Text26")->toolTip(), u"공급전압을 입력하세요");
    QCOMPARE(box(w.get(), "Text30")->toolTip(), u"LED 전압을 입력하세요");
    QCOMPARE(box(w.get(), "Text31")->toolTip(), u"LED전류를 입력하세요");
    QCOMPARE(box(w.get(), "Text26")->accessibleName(), u"공급전압");
    QCOMPARE(box(w.get(), "Text30")->accessibleName(), u"LED전압");
    QCOMPARE(box(w.get(), "Text31")->accessibleName(), u"LED전류");

    const QList<std::pair<const char16_t *, const char16_t *>> captions{
        {u"Label6", u"공급전압"},
        {u"Label9", u"V"},
        {u"Label7", u"LED전압"},
        {u"Label10", u"V"},
        {u"Label8", u"LED전류"},
        {u"Label11", u"mA"},
        {u"Label20", u"부터"},
        {u"Label21", u"까지"},
        {u"Label12", u"※ 각 항목의 값을 입력한 후 계산 버튼을 누르세요!"}};
    for (const auto &[name, caption] : captions)
        QCOMPARE(uitest::find<QLabel>(w.get(), QString::fromUtf16(name))->text(),
                 QString::fromUtf16(caption));
    QCOMPARE(uitest::find<QGroupBox>(w.get(), u"Frame3"_s)->title(), u"계산된 저항값");
    QCOMPARE(uitest::find<QGroupBox>(w.get(), u"Frame9"_s)->title(), u"사용가능 저항값");
    auto *compute = uitest::find<QPushButton>(w.get(), u"Command5"_s);
    QCOMPARE(compute->text(), u"계  산(&A)");
    QCOMPARE(compute->toolTip(), u"모두 입력 했으면 누르세요^^");
    auto *clear = uitest::find<QPushButton>(w.get(), u"Command4"_s);
    QCOMPARE(clear->text(), u"지우기(&J)");
    QCOMPARE(clear->toolTip(), u"다른값을 입력하고 싶으세요?");

    auto *tolerance = uitest::find<QComboBox>(w.get(), u"Combo3"_s);
    QStringList items;
    for (int i = 0; i < tolerance->count(); ++i)
        items << tolerance->itemText(i);
    QCOMPARE(items, itemTexts(kEncoderTolerances));
    QCOMPARE(tolerance->currentText(), u"±5%");

    const QStringList noBand{u"제1색띠: 없음"_s, u"제2색띠: 없음"_s, u"승수: 없음"_s,
                             u"허용오차: 없음"_s};
    for (int i = 0; i < kBandNames.size(); ++i) {
        const Band b = band(w.get(), kBandNames[i]);
        QVERIFY(!b.filled);
        QCOMPARE(b.description, noBand[i]);
        QVERIFY(!control(w.get(), kBandNames[i])->property("borderVisible").toBool());
    }

    // The tab order of the page.
    QWidget *next = box(w.get(), "Text26");
    QCOMPARE(focusName(w.get()), u"Text26");
    for (const QString &name : {u"Text30"_s, u"Text31"_s, u"Command5"_s, u"Command4"_s}) {
        next = next->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible())
            next = next->nextInFocusChain();
        QCOMPARE(next->objectName(), name);
    }
}

void tst_Led::fitsThePage()
{
    // Everything but the instruction line sits on the drawing, inside it,
    // each control inside its parent and none over another, with room for its
    // whole caption.
    auto w = openLedPage();
    QWidget *page = w->SSTab1->widget(kLedPage);
    QWidget *picture = control(w.get(), u"Picture3"_s);
    QVERIFY(QRect(QPoint(), page->size()).contains(picture->geometry()));
    QVERIFY(page->width() >= 477 && page->height() >= 298);
    QVERIFY(QRect(0, 0, 477, 298).contains(picture->geometry()));
    QWidget *label12 = control(w.get(), u"Label12"_s);
    QCOMPARE(label12->parentWidget(), page);
    QVERIFY(QRect(0, 0, 477, 298).contains(label12->geometry()));
    QVERIFY(!label12->geometry().intersects(picture->geometry()));

    const QList<QWidget *> all = picture->findChildren<QWidget *>();
    for (QWidget *c : all) {
        if (c->objectName().isEmpty() || !c->isVisible())
            continue; // the parts of a list or a box
        QVERIFY2(QRect(QPoint(), c->parentWidget()->size()).contains(c->geometry()),
                 qPrintable(c->objectName()));
        if (auto *label = qobject_cast<QLabel *>(c))
            QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(c->objectName()));
        if (auto *button = qobject_cast<QPushButton *>(c))
            QVERIFY2(button->sizeHint().width() <= button->width() + 10,
                     qPrintable(c->objectName()));
    }
    for (QWidget *a : all) {
        for (QWidget *b : all) {
            if (a == b || a->parentWidget() != b->parentWidget() || a->objectName().isEmpty() ||
                b->objectName().isEmpty() || !a->isVisible() || !b->isVisible())
                continue;
            QVERIFY2(!a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + u" over "_s + b->objectName()));
        }
    }
    // The bands in order, the gap before the tolerance band the widest, the
    // outer bands taller than the middle ones.
    QList<QRect> bands;
    for (const QString &name : kBandNames)
        bands << control(w.get(), name)->geometry();
    const int gap1 = bands[1].left() - bands[0].right();
    const int gap2 = bands[2].left() - bands[1].right();
    const int gap3 = bands[3].left() - bands[2].right();
    QVERIFY(gap1 > 0 && gap2 > 0);
    QVERIFY(gap3 > gap1 && gap3 > gap2);
    QVERIFY(bands[0].height() > bands[1].height() && bands[3].height() > bands[2].height());
}

void tst_Led::calculation_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<quint32>>("colours");
    QTest::addColumn<QStringList>("descriptions");

    QTest::newRow("150 Ω, gold") << u"5"_s << u"2"_s << u"20"_s << u"±5%"_s
                                 << QStringList{u"150\u2126"_s, u"142.5\u2126"_s, u"157.5\u2126"_s}
                                 << QList<quint32>{kBrown, kGreen, kBrown, kGold}
                                 << QStringList{u"제1색띠: 갈색"_s, u"제2색띠: 초록"_s,
                                                u"승수: 갈색"_s, u"허용오차: 금색"_s};
    QTest::newRow("20 kΩ, red") << u"12"_s << u"2"_s << u"0.5"_s << u"±2%"_s
                                << QStringList{u"20K\u2126"_s, u"19.6K\u2126"_s, u"20.4K\u2126"_s}
                                << QList<quint32>{kRed, kBlack, kOrange, kRed}
                                << QStringList{u"제1색띠: 적색"_s, u"제2색띠: 검정"_s,
                                               u"승수: 주황"_s, u"허용오차: 적색"_s};
    QTest::newRow("4.7 kΩ, silver, with the second digit in violet")
        << u"9.4"_s << u"0"_s << u"2"_s << u"±10%"_s
        << QStringList{u"4.7K\u2126"_s, u"4.23K\u2126"_s, u"5.17K\u2126"_s}
        << QList<quint32>{kYellow, 0x800080, kRed, kSilver}
        << QStringList{u"제1색띠: 노랑"_s, u"제2색띠: 보라"_s, u"승수: 적색"_s,
                       u"허용오차: 은색"_s};
    QTest::newRow("99 Ω: white is the window colour")
        << u"0.099"_s << u"0"_s << u"1"_s << u"±1%"_s
        << QStringList{u"99\u2126"_s, u"98.01\u2126"_s, u"99.99\u2126"_s}
        << QList<quint32>{kWindowBackground, kWindowBackground, kBlack, kBrown}
        << QStringList{u"제1색띠: 백색"_s, u"제2색띠: 백색"_s, u"승수: 검정"_s,
                       u"허용오차: 갈색"_s};
    QTest::newRow("1 GΩ: a grey multiplier")
        << u"1000000"_s << u"0"_s << u"1"_s << u"±5%"_s
        << QStringList{u"1G\u2126"_s, u"0.95G\u2126"_s, u"1.05G\u2126"_s}
        << QList<quint32>{kBrown, kBlack, kGrey, kGold}
        << QStringList{u"제1색띠: 갈색"_s, u"제2색띠: 검정"_s, u"승수: 회색"_s,
                       u"허용오차: 금색"_s};
    QTest::newRow("65 Ω, no ohm lost")
        << u"3.3"_s << u"2"_s << u"20"_s << u"±5%"_s
        << QStringList{u"65\u2126"_s, u"61.75\u2126"_s, u"68.25\u2126"_s}
        << QList<quint32>{kBlue, kGreen, kBlack, kGold}
        << QStringList{u"제1색띠: 파랑"_s, u"제2색띠: 초록"_s, u"승수: 검정"_s,
                       u"허용오차: 금색"_s};
    QTest::newRow("996 Ω shown as 1 kΩ, no message")
        << u"5"_s << u"0.02"_s << u"5"_s << u"±5%"_s
        << QStringList{u"1K\u2126"_s, u"0.95K\u2126"_s, u"1.05K\u2126"_s}
        << QList<quint32>{kBrown, kBlack, kRed, kGold}
        << QStringList{u"제1색띠: 갈색"_s, u"제2색띠: 검정"_s, u"승수: 적색"_s,
                       u"허용오차: 금색"_s};
}

void tst_Led::calculation()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(QString, tolerance);
    QFETCH(QStringList, shown);
    QFETCH(QList<quint32>, colours);
    QFETCH(QStringList, descriptions);

    auto w = openLedPage();
    enterInputs(w.get(), supply, led, current);
    QVERIFY(pickTolerance(w.get(), tolerance));
    uitest::BoxAnswerer answerer;
    compute(w.get());
    QVERIFY(!answerer.seen().seen);
    QCOMPARE(texts(w.get()), shown);
    QCOMPARE(bandColours(w.get()), colours);
    for (int i = 0; i < kBandNames.size(); ++i) {
        const Band b = band(w.get(), kBandNames[i]);
        QVERIFY(b.filled);
        QCOMPARE(b.description, descriptions[i]);
        QCOMPARE(control(w.get(), kBandNames[i])->property("borderColor").value<quint32>(),
                 colours[i]);
    }
}

void tst_Led::missingInput_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::newRow("LED voltage empty") << u"5"_s << QString() << u"20"_s;
    QTest::newRow("supply empty") << QString() << u"2"_s << u"20"_s;
    QTest::newRow("current empty") << u"5"_s << u"2"_s << QString();
}

void tst_Led::missingInput()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    auto w = openLedPage();
    enterInputs(w.get(), u"5"_s, u"2"_s, u"20"_s);
    compute(w.get());
    const QStringList before = texts(w.get());
    const QList<quint32> coloursBefore = bandColours(w.get());

    enterInputs(w.get(), supply, led, current);
    QVERIFY(pickTolerance(w.get(), u"±10%"_s));
    uitest::BoxAnswerer answerer;
    compute(w.get());
    QVERIFY(answerer.seen().seen);
    QCOMPARE(answerer.seen().text, u"입력항목이 누락되면 계산이 되지 않습니다");
    QCOMPARE(answerer.seen().title, u"빠진 항목이 있습니다!");
    QCOMPARE(answerer.seen().icon, QMessageBox::Warning);
    QCOMPARE(answerer.seen().buttons, 1);
    QCOMPARE(focusName(w.get()), u"Text26");
    QCOMPARE(texts(w.get()), before);
    QCOMPARE(bandColours(w.get()), coloursBefore);
    QCOMPARE(band(w.get(), u"Shape13"_s).description, u"허용오차: 금색");
    QCOMPARE(box(w.get(), "Text26")->text(), supply);
    QCOMPARE(box(w.get(), "Text30")->text(), led);
}

void tst_Led::refusedInput_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("supply of blanks")
        << u"  "_s << u"2"_s << u"20"_s << u"Text26"_s << u"공급전압"_s;
    QTest::newRow("LED voltage with a comma")
        << u"5"_s << u"2,1"_s << u"20"_s << u"Text30"_s << u"LED전압"_s;
    QTest::newRow("current with an exponent")
        << u"5"_s << u"2"_s << u"1e999"_s << u"Text31"_s << u"LED전류"_s;
    QTest::newRow("zero current") << u"5"_s << u"2"_s << u"0"_s << u"Text31"_s << u"0보다"_s;
    QTest::newRow("LED above the supply")
        << u"3"_s << u"3.3"_s << u"20"_s << u"Text30"_s << u"공급전압보다"_s;
}

void tst_Led::refusedInput()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(QString, focus);
    QFETCH(QString, mentions);
    auto w = openLedPage();
    enterInputs(w.get(), u"12"_s, u"2"_s, u"20"_s);
    compute(w.get());
    const QStringList before = texts(w.get());
    const QList<quint32> coloursBefore = bandColours(w.get());

    enterInputs(w.get(), supply, led, current);
    uitest::BoxAnswerer answerer;
    compute(w.get());
    QVERIFY(answerer.seen().seen);
    QVERIFY2(answerer.seen().text.contains(mentions), qPrintable(answerer.seen().text));
    QCOMPARE(answerer.seen().title, u"Pallado");
    QCOMPARE(answerer.seen().icon, QMessageBox::Warning);
    QCOMPARE(answerer.seen().buttons, 1);
    QCOMPARE(focusName(w.get()), focus);
    QCOMPARE(texts(w.get()), before);
    QCOMPARE(bandColours(w.get()), coloursBefore);
    QCOMPARE(box(w.get(), "Text26")->text(), supply);
    QCOMPARE(box(w.get(), "Text30")->text(), led);
    QCOMPARE(box(w.get(), "Text31")->text(), current);
}

void tst_Led::valueWithoutCode()
{
    // 99.5 GΩ rounds to 100 GΩ, which two digit bands cannot carry.
    auto w = openLedPage();
    enterInputs(w.get(), u"5"_s, u"2"_s, u"20"_s);
    compute(w.get());
    enterInputs(w.get(), u"99500000"_s, u"0"_s, u"1"_s);
    QString shownWhileOpen;
    QTimer peek;
    peek.setInterval(5);
    connect(&peek, &QTimer::timeout, this, [&] {
        if (QApplication::activeModalWidget() && shownWhileOpen.isEmpty())
            shownWhileOpen = box(w.get(), "Text32")->text();
    });
    peek.start();
    uitest::BoxAnswerer answerer;
    compute(w.get());
    QVERIFY(answerer.seen().seen);
    QCOMPARE(answerer.seen().text, u"칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!");
    QCOMPARE(answerer.seen().title, u"Pallado");
    QCOMPARE(answerer.seen().icon, QMessageBox::NoIcon);
    QCOMPARE(shownWhileOpen, u"100G\u2126");
    QCOMPARE(texts(w.get()), (QStringList{u"0"_s, u"95G\u2126"_s, u"105G\u2126"_s}));
    QCOMPARE(bandColours(w.get()), (QList<quint32>{kBlack, kBlack, kBlack, kGold}));
    QCOMPARE(band(w.get(), u"Shape12"_s).description, u"승수: 검정");
}

void tst_Led::twentyPercentHidesBand4()
{
    auto w = openLedPage();
    enterInputs(w.get(), u"5"_s, u"2"_s, u"20"_s);
    compute(w.get());
    QVERIFY(band(w.get(), u"Shape13"_s).filled);
    enterInputs(w.get(), u"3.3"_s, u"2"_s, u"20"_s);
    QVERIFY(pickTolerance(w.get(), u"±20%"_s));
    compute(w.get());
    QCOMPARE(texts(w.get()), (QStringList{u"65\u2126"_s, u"52\u2126"_s, u"78\u2126"_s}));
    QCOMPARE(bandColours(w.get()).mid(0, 3), (QList<quint32>{kBlue, kGreen, kBlack}));
    for (const QString &name : kBandNames.mid(0, 3))
        QVERIFY(band(w.get(), name).filled);
    QWidget *band4 = control(w.get(), u"Shape13"_s);
    QVERIFY(!band4->property("filled").toBool());
    QVERIFY(!band4->property("borderVisible").toBool());
    QCOMPARE(band4->accessibleName(), u"허용오차: 없음");
}

void tst_Led::reset()
{
    auto w = openLedPage();
    enterInputs(w.get(), u"9"_s, u"2.1"_s, u"10"_s);
    QVERIFY(pickTolerance(w.get(), u"±10%"_s));
    compute(w.get());
    QCOMPARE(box(w.get(), "Text32")->text(), u"690\u2126");

    QTest::mouseClick(control(w.get(), u"Command4"_s), Qt::LeftButton);
    QCOMPARE(box(w.get(), "Text26")->text(), QString());
    QCOMPARE(box(w.get(), "Text30")->text(), QString());
    QCOMPARE(box(w.get(), "Text31")->text(), u"20");
    QCOMPARE(texts(w.get()), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    const QStringList roles{u"제1색띠"_s, u"제2색띠"_s, u"승수"_s, u"허용오차"_s};
    for (int i = 0; i < kBandNames.size(); ++i) {
        const Band b = band(w.get(), kBandNames[i]);
        QVERIFY(!b.filled);
        QCOMPARE(b.description, roles[i] + u": 없음"_s);
    }
    QCOMPARE(uitest::find<QComboBox>(w.get(), u"Combo3"_s)->currentText(), u"±10%");
    QCOMPARE(focusName(w.get()), u"Text26");
}

void tst_Led::enterChain()
{
    auto w = openLedPage();
    QCOMPARE(focusName(w.get()), u"Text26");
    QTest::keyClicks(w->focusWidget(), u"5"_s);
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    QCOMPARE(focusName(w.get()), u"Text30");
    QTest::keyClicks(w->focusWidget(), u"2"_s);
    QTest::keyClick(w->focusWidget(), Qt::Key_Enter);
    QCOMPARE(focusName(w.get()), u"Text31");
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    QCOMPARE(focusName(w.get()), u"Command5");
    QCOMPARE(box(w.get(), "Text32")->text(), u"0");
    // Typed text reaches the boxes unchanged, Enter included nothing.
    QCOMPARE(box(w.get(), "Text26")->text(), u"5");
    QCOMPARE(box(w.get(), "Text30")->text(), u"2");
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    QCOMPARE(box(w.get(), "Text32")->text(), u"150\u2126");
}

void tst_Led::enterChainWithSupplyEmpty()
{
    auto w = openLedPage();
    type(box(w.get(), "Text30"), u"2"_s);
    box(w.get(), "Text31")->setFocus();
    uitest::BoxAnswerer answerer;
    QTest::keyClick(box(w.get(), "Text31"), Qt::Key_Return);
    QCOMPARE(focusName(w.get()), u"Command5");
    QVERIFY(!answerer.seen().seen);
    QTest::keyClick(w->focusWidget(), Qt::Key_Return);
    QVERIFY(answerer.seen().seen);
    QCOMPARE(answerer.seen().title, u"빠진 항목이 있습니다!");
    QCOMPARE(focusName(w.get()), u"Text26");
}

void tst_Led::accessKeyComputes()
{
    auto w = openLedPage();
    enterInputs(w.get(), u"12"_s, u"2"_s, u"20"_s);
    // An access key presses its button the way the style animates it: a
    // moment later.
    QTest::keyClick(w.get(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(box(w.get(), "Text32")->text(), u"500\u2126");
    QTest::keyClick(w.get(), Qt::Key_J, Qt::AltModifier);
    QTRY_COMPARE(box(w.get(), "Text32")->text(), u"0");
    QCOMPARE(focusName(w.get()), u"Text26");
}

void tst_Led::adviceAfterCalculation_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("advice");
    QTest::newRow("350 \u2126") << u"9"_s << u"2.1"_s << u"20"_s
                                << QStringList{u"LED에 실제로 흐르는 전류: 19.7mA"_s,
                                               u"저항의 발열: 136mW → 1/2W 저항을 쓰세요"_s,
                                               u"구입할 표준값(E24): 360\u2126 (LED전류 19.2mA)"_s};
    QTest::newRow("150 \u2126 is E24")
        << u"5"_s << u"2"_s << u"20"_s
        << QStringList{u"LED에 실제로 흐르는 전류: 20mA"_s,
                       u"저항의 발열: 60mW → 1/8W 저항을 쓰세요"_s,
                       u"구입할 표준값(E24): 150\u2126 (LED전류 20mA)"_s};
    QTest::newRow("9 W is too much for one resistor")
        << u"5"_s << u"2"_s << u"2000"_s
        << QStringList{u"LED에 실제로 흐르는 전류: 3000mA"_s,
                       u"저항의 발열: 9W → 5W를 넘어 저항 하나로는 감당할 수 없습니다"_s,
                       u"구입할 표준값(E24): 1.5\u2126 (LED전류 2000mA)"_s};
    QTest::newRow("longest buy line")
        << u"0.0014"_s << u"0"_s << u"0.001"_s
        << QStringList{u"LED에 실제로 흐르는 전류: 0.001mA"_s,
                       u"저항의 발열: 0.0000014mW → 1/8W 저항을 쓰세요"_s,
                       u"구입할 표준값(E24): 1.5K\u2126 (LED전류 0.000933mA)"_s};
}

void tst_Led::adviceAfterCalculation()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(QStringList, advice);
    auto w = openLedPage();
    enterInputs(w.get(), supply, led, current);
    compute(w.get());
    const QStringList names{u"adviceCurrent"_s, u"advicePower"_s, u"adviceBuy"_s};
    QWidget *picture = control(w.get(), u"Picture3"_s);
    for (int i = 0; i < names.size(); ++i) {
        auto *label = uitest::find<QLabel>(w.get(), names[i]);
        QCOMPARE(label->text(), advice[i]);
        QCOMPARE(label->parentWidget(), picture);
        // The whole line shows, over no control of the page.
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        for (QWidget *other : picture->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != label)
                QVERIFY2(!other->geometry().intersects(label->geometry()),
                         qPrintable(other->objectName()));
        }
    }
}

void tst_Led::adviceCleared_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("box");
    QTest::newRow("reset") << QString() << QString() << QString() << false;
    QTest::newRow("missing input") << u"5"_s << QString() << u"20"_s << true;
    QTest::newRow("not a number") << u"5"_s << u"x"_s << u"20"_s << true;
    QTest::newRow("no colour code") << u"99500000"_s << u"0"_s << u"1"_s << true;
    QTest::newRow("0 \u2126") << u"3"_s << u"3"_s << u"20"_s << false;
}

void tst_Led::adviceCleared()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(bool, box);
    auto w = openLedPage();
    enterInputs(w.get(), u"9"_s, u"2.1"_s, u"20"_s);
    compute(w.get());
    auto *buy = uitest::find<QLabel>(w.get(), u"adviceBuy"_s);
    QVERIFY(!buy->text().isEmpty());

    uitest::BoxAnswerer answerer;
    if (supply.isNull()) {
        QTest::mouseClick(control(w.get(), u"Command4"_s), Qt::LeftButton);
    } else {
        enterInputs(w.get(), supply, led, current);
        compute(w.get());
    }
    QCOMPARE(answerer.seen().seen, box);
    for (const QString &name : {u"adviceCurrent"_s, u"advicePower"_s, u"adviceBuy"_s})
        QCOMPARE(uitest::find<QLabel>(w.get(), name)->text(), QString());
}

QTEST_MAIN(tst_Led)
#include "tst_led.moc"
