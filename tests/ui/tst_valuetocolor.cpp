#include "uitest.h"

#include "pages/value_to_color/valuetocolorpage.h"
#include "widgets/bandshape.h"
#include "widgets/twips.h"

#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kBlack = 0x000000;
constexpr quint32 kBrown = 0x004080;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kYellow = 0x00FFFF;
constexpr quint32 kViolet = 0x800080;
constexpr quint32 kGold = 0x00C0C0;
constexpr quint32 kSilver = 0xE0E0E0;

const QString kOhm = u"\u2126"_s;
const QString kKiloOhm = u"K\u2126"_s;
const QString kR1 = u"4색 칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!"_s;
const QString kR2 = u"칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!"_s;

const QStringList kBands{u"Shape5"_s, u"Shape6"_s, u"Shape7"_s, u"Shape8"_s};

// Page 1 of a fresh main window, its controls found by name.
struct Page {
    std::unique_ptr<Form1> window = [] {
        auto w = uitest::openWindow();
        w->SSTab1->setCurrentIndex(1);
        return w;
    }();

    template <typename T> T *get(const QString &name) const
    {
        return uitest::find<T>(window.get(), name);
    }
    QLineEdit *entry() const { return get<QLineEdit>(u"Text25"_s); }
    QComboBox *unit() const { return get<QComboBox>(u"Combo1"_s); }
    QComboBox *tolerance() const { return get<QComboBox>(u"Combo2"_s); }
    QString text(const QString &name) const { return get<QLineEdit>(name)->text(); }
    QStringList readouts() const
    {
        return {text(u"Text27"_s), text(u"Text28"_s), text(u"Text29"_s)};
    }
    QString label() const { return get<QLabel>(u"Label3"_s)->text(); }
    QWidget *band(const QString &name) const { return get<ui::BandShape>(name); }
    quint32 colour(const QString &name) const
    {
        return band(name)->property("fillColor").value<quint32>();
    }
    bool filled(const QString &name) const { return band(name)->property("filled").toBool(); }
    QList<bool> fills() const
    {
        QList<bool> f;
        for (const QString &b : kBands)
            f << filled(b);
        return f;
    }
    QList<quint32> colours() const
    {
        QList<quint32> c;
        for (const QString &b : kBands)
            c << colour(b);
        return c;
    }
    QStringList descriptions() const
    {
        QStringList d;
        for (const QString &b : kBands)
            d << band(b)->accessibleName();
        return d;
    }
    // The window's focus widget: after a message box the offscreen platform
    // does not give the main window back its activation, a desktop does.
    QString focus() const
    {
        QWidget *f = window->focusWidget();
        return f ? f->objectName() : QString();
    }
    void click(const QString &name) const
    {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    // Replaces an editable box's text by typing, character by character, as
    // the keyboard would (QTest::keyClicks cannot type the ohm sign).
    void type(QWidget *box, const QString &text) const
    {
        if (auto *list = qobject_cast<QComboBox *>(box))
            box = list->lineEdit();
        box->setFocus();
        if (auto *edit = qobject_cast<QLineEdit *>(box)) {
            edit->selectAll();
            if (text.isEmpty())
                QTest::keyClick(edit, Qt::Key_Backspace);
        }
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Types the entry and presses the result button.
    void encode(const QString &value, const QString &unitText = QString(),
                const QString &toleranceText = QString()) const
    {
        if (!unitText.isEmpty())
            type(unit(), unitText);
        if (!toleranceText.isEmpty())
            type(tolerance(), toleranceText);
        type(entry(), value);
        click(u"Command3"_s);
    }
};

} // namespace

class tst_ValueToColor : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startingState();
    void layoutFits();
    void keypadLayout();
    void keypad_data();
    void keypad();
    void noLengthLimit();
    void enterMovesFocusOnly();
    void workedResults_data();
    void workedResults();
    void typedUnitStaysAsTyped();
    void emptyEntry();
    void noToleranceBandUntilNextPress();
    void clearAfterResult();
    void clearOnFreshPage();
    void refusalKeepsEarlierResult_data();
    void refusalKeepsEarlierResult();
    void keyboardOnly();
};

void tst_ValueToColor::initTestCase()
{
    uitest::setUp();
}

void tst_ValueToColor::startingState()
{
    Page p;
    QCOMPARE(p.get<QGroupBox>(u"Frame5"_s)->title(), u"입력정보"_s);
    QCOMPARE(p.get<QGroupBox>(u"Frame4"_s)->title(), u"Keypad"_s);
    QCOMPARE(p.get<QLabel>(u"Label1"_s)->text(), u"저항값"_s);
    QCOMPARE(p.get<QLabel>(u"Label2"_s)->text(), u"허용오차"_s);
    QCOMPARE(p.get<QLabel>(u"Label26"_s)->text(), u"※4색 저항 기준입니다."_s);
    QCOMPARE(p.get<QLabel>(u"Label4"_s)->text(),
             u"※원하는 저항값을 직접 입력 한 후 결과 버튼을 누르면 색상을 보여줍니다.^^"_s);
    auto *result = p.get<QPushButton>(u"Command3"_s);
    QCOMPARE(result->text(), u"결과는?(&V)"_s);
    QCOMPARE(result->toolTip(), u"다 입력하셨나요? 그럼 누르세요^^"_s);
    QCOMPARE(p.get<QPushButton>(u"Command17"_s)->text(), u"지우기(&D)"_s);

    QCOMPARE(p.text(u"Text25"_s), QString());
    QCOMPARE(p.readouts(), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(p.label(), u"?"_s);
    auto *label = p.get<QLabel>(u"Label3"_s);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(label->font().pointSize(), 16);
    QVERIFY(label->font().bold());
    QCOMPARE(p.entry()->font().pointSize(), 16);
    QVERIFY(p.entry()->font().bold());
    QCOMPARE(p.unit()->font().pointSize(), 12);

    // Both lists editable, their typed text neither completed nor added.
    for (QComboBox *list : {p.unit(), p.tolerance()}) {
        QVERIFY(list->isEditable());
        QVERIFY(!list->completer());
        QCOMPARE(list->insertPolicy(), QComboBox::NoInsert);
    }
    QStringList units, tolerances;
    for (int i = 0; i < p.unit()->count(); ++i)
        units << p.unit()->itemText(i);
    for (int i = 0; i < p.tolerance()->count(); ++i)
        tolerances << p.tolerance()->itemText(i);
    QCOMPARE(units, (QStringList{kOhm, kKiloOhm, u"M\u2126"_s}));
    QCOMPARE(tolerances, (QStringList{u"±1%"_s, u"±2%"_s, u"±5%"_s, u"±10%"_s, u"±20%"_s}));
    QCOMPARE(p.unit()->currentText(), kOhm);
    QCOMPARE(p.tolerance()->currentText(), u"±5%"_s);

    // Four unfilled bands on the drawing, their places outlined.
    for (const QString &name : kBands) {
        QWidget *band = p.band(name);
        QCOMPARE(band->parentWidget()->objectName(), u"Picture2"_s);
        QVERIFY(band->isVisible());
        QVERIFY(!p.filled(name));
        QVERIFY(band->property("borderVisible").toBool());
    }
    QCOMPARE(p.descriptions(), (QStringList{u"제1색띠: 없음"_s, u"제2색띠: 없음"_s, u"승수: 없음"_s,
                                            u"허용오차: 없음"_s}));
    QCOMPARE(p.entry()->accessibleName(), u"저항값"_s);
    QVERIFY(!p.unit()->accessibleName().isEmpty());
    QCOMPARE(p.tolerance()->accessibleName(), u"허용오차"_s);
    QCOMPARE(p.focus(), u"Text25"_s);
}

void tst_ValueToColor::layoutFits()
{
    // Everything on the page inside its 298 pixels' height (and at least 477
    // wide, more where the window grew for its tabs), siblings apart, and
    // every caption wide enough for its Korean text.
    Page p;
    QWidget *page = p.window->valueToColorPage();
    QCOMPARE(page->height(), 298);
    QVERIFY(page->width() >= 477);
    const auto checkChildren = [](QWidget *parent) {
        QList<QWidget *> kids;
        for (QObject *o : parent->children()) {
            if (auto *w = qobject_cast<QWidget *>(o); w && w->isVisible() && !w->isWindow())
                kids << w;
        }
        for (QWidget *w : kids) {
            QVERIFY2(QRect(QPoint(), parent->size()).contains(w->geometry()),
                     qPrintable(w->objectName() + u" sticks out of "_s + parent->objectName()));
            for (QWidget *other : kids) {
                if (other != w)
                    QVERIFY2(!w->geometry().intersects(other->geometry()),
                             qPrintable(w->objectName() + u" overlaps "_s + other->objectName()));
            }
        }
    };
    checkChildren(page);
    checkChildren(p.get<QWidget>(u"Frame5"_s));
    checkChildren(p.get<QWidget>(u"Frame4"_s));
    checkChildren(p.get<QWidget>(u"Picture2"_s));
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->objectName() == u"Label3")
            continue; // its text comes with a result
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->objectName()));
        QVERIFY2(label->sizeHint().height() <= label->height(), qPrintable(label->objectName()));
    }
    for (QPushButton *button : page->findChildren<QPushButton *>())
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text().remove(u'&')) <
                     button->width(),
                 qPrintable(button->objectName()));

    // A long result still fits in the label.
    p.encode(u"100"_s, u"M\u2126"_s, u"±20%"_s);
    auto *label = p.get<QLabel>(u"Label3"_s);
    QCOMPARE(label->text(), u"100M\u2126±20%"_s);
    QVERIFY(label->sizeHint().width() <= label->width());
}

void tst_ValueToColor::keypadLayout()
{
    Page p;
    const struct {
        const char16_t *name;
        const char16_t *text;
        int left, top, width;
    } keys[] = {
        {u"Command6", u"1", 240, 360, 375},    {u"Command7", u"2", 720, 360, 375},
        {u"Command8", u"3", 1200, 360, 375},   {u"Command9", u"4", 240, 840, 375},
        {u"Command10", u"5", 720, 840, 375},   {u"Command11", u"6", 1200, 840, 375},
        {u"Command12", u"7", 240, 1320, 375},  {u"Command13", u"8", 720, 1320, 375},
        {u"Command14", u"9", 1200, 1320, 375}, {u"Command15", u".", 240, 1800, 375},
        {u"Command16", u"0", 720, 1800, 855},
    };
    for (const auto &k : keys) {
        auto *key = p.get<QPushButton>(QString::fromUtf16(k.name));
        QVERIFY(key);
        QCOMPARE(key->parentWidget()->objectName(), u"Frame4"_s);
        QCOMPARE(key->text(), QString::fromUtf16(k.text));
        QCOMPARE(key->geometry(), ui::twipsRect(k.left, k.top, k.width, 375));
    }
}

void tst_ValueToColor::keypad_data()
{
    QTest::addColumn<QString>("typed"); // from the keyboard first
    QTest::addColumn<bool>("caretAtStart");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("entry");
    QTest::newRow("1 . 5 gives 1.5")
        << QString() << false << QStringList{u"Command6"_s, u"Command15"_s, u"Command10"_s}
        << u"1.5"_s;
    QTest::newRow("two points in a row")
        << QString() << false << QStringList{u"Command15"_s, u"Command15"_s} << u".."_s;
    QTest::newRow("caret at the start still appends")
        << u"47"_s << true << QStringList{u"Command16"_s} << u"470"_s;
    QTest::newRow("every key") << QString() << false
                               << QStringList{u"Command6"_s,  u"Command7"_s,  u"Command8"_s,
                                              u"Command9"_s,  u"Command10"_s, u"Command11"_s,
                                              u"Command12"_s, u"Command13"_s, u"Command14"_s,
                                              u"Command16"_s, u"Command15"_s}
                               << u"1234567890."_s;
    QTest::newRow("after a letter, unchecked")
        << u"x"_s << false << QStringList{u"Command7"_s} << u"x2"_s;
}

void tst_ValueToColor::keypad()
{
    QFETCH(QString, typed);
    QFETCH(bool, caretAtStart);
    QFETCH(QStringList, keys);
    QFETCH(QString, entry);
    Page p;
    if (!typed.isEmpty()) {
        QTest::keyClicks(p.entry(), typed);
        if (caretAtStart)
            p.entry()->setCursorPosition(0);
    }
    for (const QString &key : keys) {
        p.click(key);
        QCOMPARE(p.focus(), key);
    }
    QCOMPARE(p.entry()->text(), entry);
    QCOMPARE(p.label(), u"?"_s);
}

void tst_ValueToColor::noLengthLimit()
{
    // A long paste is kept whole and a key still appends to it; the result
    // button refuses it, not the entry.
    Page p;
    const QString pasted(40000, u'1');
    p.entry()->setText(pasted);
    QCOMPARE(p.entry()->text(), pasted);
    p.click(u"Command16"_s);
    QCOMPARE(p.entry()->text(), pasted + u'0');
}

void tst_ValueToColor::enterMovesFocusOnly()
{
    Page p;
    QTest::keyClicks(p.entry(), u"47"_s);
    QTest::keyClick(p.entry(), Qt::Key_Return);
    QCOMPARE(p.focus(), u"Command3"_s);
    QCOMPARE(p.entry()->text(), u"47"_s);
    QCOMPARE(p.fills(), (QList<bool>{false, false, false, false}));
    QCOMPARE(p.readouts(), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(p.label(), u"?"_s);

    // The second Enter presses the result button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(p.label(), u"47\u2126±5%"_s);
    QCOMPARE(p.readouts(), (QStringList{u"4"_s, u"7"_s, u"0"_s}));

    // The keypad's Enter key does the same.
    p.entry()->setFocus();
    QTest::keyClick(p.entry(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(p.focus(), u"Command3"_s);
}

void tst_ValueToColor::workedResults_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QList<quint32>>("colours");
    QTest::addColumn<QStringList>("readouts");
    QTest::addColumn<QStringList>("descriptions");
    QTest::newRow("4.7 kilo-ohm, silver")
        << u"4.7"_s << kKiloOhm << u"±10%"_s << QList<quint32>{kYellow, kViolet, kRed, kSilver}
        << QStringList{u"4"_s, u"7"_s, u"2"_s}
        << QStringList{u"제1색띠: 노랑"_s, u"제2색띠: 보라"_s, u"승수: 적색"_s,
                       u"허용오차: 은색"_s};
    QTest::newRow("470 ohm") << u"470"_s << kOhm << u"±5%"_s
                             << QList<quint32>{kYellow, kViolet, kBrown, kGold}
                             << QStringList{u"4"_s, u"7"_s, u"1"_s}
                             << QStringList{u"제1색띠: 노랑"_s, u"제2색띠: 보라"_s, u"승수: 갈색"_s,
                                            u"허용오차: 금색"_s};
    QTest::newRow("1 kilo-ohm, red tolerance")
        << u"1"_s << kKiloOhm << u"±2%"_s << QList<quint32>{kBrown, kBlack, kRed, kRed}
        << QStringList{u"1"_s, u"0"_s, u"2"_s}
        << QStringList{u"제1색띠: 갈색"_s, u"제2색띠: 검정"_s, u"승수: 적색"_s,
                       u"허용오차: 적색"_s};
}

void tst_ValueToColor::workedResults()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(QString, tolerance);
    QFETCH(QList<quint32>, colours);
    QFETCH(QStringList, readouts);
    QFETCH(QStringList, descriptions);
    Page p;
    // The unit and tolerance picked from their lists, the value from the keypad.
    QVERIFY(uitest::pickFromList(p.unit(), unit));
    QVERIFY(uitest::pickFromList(p.tolerance(), tolerance));
    for (QChar c : entry) {
        const QString key = c == u'.'   ? u"Command15"_s
                            : c == u'0' ? u"Command16"_s
                                        : u"Command%1"_s.arg(5 + c.digitValue());
        p.click(key);
    }
    p.click(u"Command3"_s);
    QCOMPARE(p.fills(), (QList<bool>{true, true, true, true}));
    QCOMPARE(p.colours(), colours);
    QCOMPARE(p.readouts(), readouts);
    QCOMPARE(p.label(), entry + unit + tolerance);
    QCOMPARE(p.get<QLabel>(u"Label3"_s)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(p.descriptions(), descriptions);
    QCOMPARE(p.band(u"Shape5"_s)->toolTip(), descriptions[0]);
}

void tst_ValueToColor::typedUnitStaysAsTyped()
{
    // "kΩ" is typed, not "KΩ": the box keeps it, and the entry is not decoded.
    Page p;
    p.type(p.unit(), u"k\u2126"_s);
    QCOMPARE(p.unit()->currentText(), u"k\u2126"_s);
    QTest::keyClick(p.unit()->lineEdit(), Qt::Key_Return);
    QCOMPARE(p.unit()->currentText(), u"k\u2126"_s);
    QCOMPARE(p.unit()->count(), 3);
    p.type(p.tolerance(), u"±1"_s);
    QCOMPARE(p.tolerance()->currentText(), u"±1"_s);
    p.type(p.tolerance(), u"±5%"_s);

    p.encode(u"47"_s);
    QCOMPARE(p.label(), u"47k\u2126±5%"_s);
    QCOMPARE(p.fills(), (QList<bool>{true, true, true, true}));
    QCOMPARE(p.colours(), (QList<quint32>{kBlack, kBlack, kBlack, kGold}));
    QCOMPARE(p.readouts(), (QStringList{QString(), QString(), QString()}));

    // What was typed is shown as typed, never read as markup.
    p.type(p.unit(), u"<b>K</b>"_s);
    p.encode(u"1"_s);
    auto *label = p.get<QLabel>(u"Label3"_s);
    QCOMPARE(label->text(), u"1<b>K</b>±5%"_s);
    QCOMPARE(label->textFormat(), Qt::PlainText);

    // Four characters are refused whatever the unit.
    uitest::BoxAnswerer box;
    p.encode(u"4700"_s);
    QVERIFY(box.seen().seen);
    QCOMPARE(box.seen().text, kR2);
    QCOMPARE(box.seen().icon, QMessageBox::Warning);
}

void tst_ValueToColor::emptyEntry()
{
    Page p;
    p.click(u"Command3"_s);
    QCOMPARE(p.label(), u"\u2126±5%"_s);
    QCOMPARE(p.fills(), (QList<bool>{true, true, true, true}));
    QCOMPARE(p.colours(), (QList<quint32>{kBlack, kBlack, kBlack, kGold}));
    QCOMPARE(p.readouts(), (QStringList{QString(), QString(), QString()}));
}

void tst_ValueToColor::noToleranceBandUntilNextPress()
{
    Page p;
    QVERIFY(uitest::pickFromList(p.tolerance(), u"±20%"_s));
    p.encode(u"100"_s, u"M\u2126"_s);
    QCOMPARE(p.fills(), (QList<bool>{true, true, true, false}));
    QCOMPARE(p.descriptions().last(), u"허용오차: 없음"_s);
    QCOMPARE(p.label(), u"100M\u2126±20%"_s);

    // A tolerance that is none of the list's leaves the band as it was.
    p.type(p.tolerance(), u"±7%"_s);
    p.encode(u"47"_s);
    QVERIFY(!p.filled(u"Shape8"_s));

    QVERIFY(uitest::pickFromList(p.tolerance(), u"±1%"_s));
    p.encode(u"47"_s);
    QVERIFY(p.filled(u"Shape8"_s));
    QCOMPARE(p.colour(u"Shape8"_s), kBrown);
    QCOMPARE(p.descriptions().last(), u"허용오차: 갈색"_s);
}

void tst_ValueToColor::clearAfterResult()
{
    Page p;
    QVERIFY(uitest::pickFromList(p.unit(), kKiloOhm));
    QVERIFY(uitest::pickFromList(p.tolerance(), u"±10%"_s));
    p.encode(u"4.7"_s);
    QCOMPARE(p.label(), u"4.7K\u2126±10%"_s);

    p.click(u"Command17"_s);
    QCOMPARE(p.fills(), (QList<bool>{false, false, false, false}));
    // The colours stay for when the bands are filled again.
    QCOMPARE(p.colours(), (QList<quint32>{kYellow, kViolet, kRed, kSilver}));
    QCOMPARE(p.readouts(), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(p.entry()->text(), QString());
    QCOMPARE(p.label(), u"?"_s);
    QCOMPARE(p.get<QLabel>(u"Label3"_s)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(p.focus(), u"Text25"_s);
    QCOMPARE(p.unit()->currentText(), kKiloOhm);
    QCOMPARE(p.tolerance()->currentText(), u"±10%"_s);
    QCOMPARE(p.descriptions(), (QStringList{u"제1색띠: 없음"_s, u"제2색띠: 없음"_s, u"승수: 없음"_s,
                                            u"허용오차: 없음"_s}));
}

void tst_ValueToColor::clearOnFreshPage()
{
    Page p;
    // An access key presses its button after a short animation.
    QTest::keyClick(p.window.get(), Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(p.readouts(), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(p.fills(), (QList<bool>{false, false, false, false}));
    QCOMPARE(p.label(), u"?"_s);
    QCOMPARE(p.focus(), u"Text25"_s);
}

void tst_ValueToColor::refusalKeepsEarlierResult_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("message"); // empty: no box
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");
    const int info = QMessageBox::Information;
    QTest::newRow("R1: 471 ohm") << u"471"_s << kOhm << kR1 << info << u"Text25"_s;
    QTest::newRow("R1: 4.7 ohm") << u"4.7"_s << kOhm << kR1 << info << u"Text25"_s;
    QTest::newRow("R1: 007 ohm") << u"007"_s << kOhm << kR1 << info << u"Text25"_s;
    QTest::newRow("R2: 1000 ohm") << u"1000"_s << kOhm << kR2 << int(QMessageBox::Warning)
                                  << u"Text25"_s;
    QTest::newRow("R2: 4.70 kilo-ohm")
        << u"4.70"_s << kKiloOhm << kR2 << int(QMessageBox::Warning) << u"Text25"_s;
    // The result button was clicked, so the focus is there and stays.
    QTest::newRow("R3: 4.0 ohm, no message") << u"4.0"_s << kOhm << QString() << 0 << u"Command3"_s;
    QTest::newRow("not a digit: 5.") << u"5."_s << kOhm << u"*"_s << info << u"Text25"_s;
    QTest::newRow("not a digit: 40. never 400")
        << u"40."_s << kOhm << u"*"_s << info << u"Text25"_s;
    QTest::newRow("not a digit: letter") << u"4k"_s << kKiloOhm << u"*"_s << info << u"Text25"_s;
    QTest::newRow("not a digit: -5") << u"-5"_s << kOhm << u"*"_s << info << u"Text25"_s;
    QTest::newRow("not a digit: Arabic-Indic five")
        << u"\u0665"_s << kOhm << u"*"_s << info << u"Text25"_s;
}

void tst_ValueToColor::refusalKeepsEarlierResult()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    Page p;
    p.encode(u"47"_s);
    const QList<quint32> colours = p.colours();
    QCOMPARE(colours, (QList<quint32>{kYellow, kViolet, kBlack, kGold}));
    const QStringList descriptions = p.descriptions();

    if (unit != kOhm)
        QVERIFY(uitest::pickFromList(p.unit(), unit));
    uitest::BoxAnswerer box;
    p.encode(entry);
    if (message.isEmpty()) {
        QVERIFY(!box.seen().seen);
    } else {
        QVERIFY(box.seen().seen);
        if (message != u"*")
            QCOMPARE(box.seen().text, message);
        else
            QVERIFY(!box.seen().text.isEmpty());
        QCOMPARE(int(box.seen().icon), icon);
        QCOMPARE(box.seen().title, u"Pallado"_s);
        QCOMPARE(box.seen().buttons, 1);
    }
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(p.entry()->text(), QString());
    QCOMPARE(p.label(), u"?"_s);
    QCOMPARE(p.focus(), focus);
    // What the earlier result painted is still there.
    QCOMPARE(p.fills(), (QList<bool>{true, true, true, true}));
    QCOMPARE(p.colours(), colours);
    QCOMPARE(p.descriptions(), descriptions);
    QCOMPARE(p.readouts(), (QStringList{u"4"_s, u"7"_s, u"0"_s}));
    QCOMPARE(p.get<QLabel>(u"Label3"_s)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(p.unit()->currentText(), unit);
    QCOMPARE(p.tolerance()->currentText(), u"±5%"_s);
}

void tst_ValueToColor::keyboardOnly()
{
    // Tab walks the inputs, the keypad row by row, then the buttons.
    Page p;
    QCOMPARE(p.focus(), u"Text25"_s);
    const QStringList order{u"Combo1"_s,    u"Combo2"_s,    u"Command6"_s,  u"Command7"_s,
                            u"Command8"_s,  u"Command9"_s,  u"Command10"_s, u"Command11"_s,
                            u"Command12"_s, u"Command13"_s, u"Command14"_s, u"Command15"_s,
                            u"Command16"_s, u"Command3"_s,  u"Command17"_s};
    for (const QString &next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(p.focus(), next);
    }

    // Keypad keys pressed with Space, the result with its access key.
    p.entry()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // unit
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // tolerance
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // "1"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // "2"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(p.entry()->text(), u"12"_s);
    QTest::keyClick(p.window.get(), Qt::Key_V, Qt::AltModifier);
    QTRY_COMPARE(p.label(), u"12\u2126±5%"_s);
    QCOMPARE(p.colours(), (QList<quint32>{kBrown, kRed, kBlack, kGold}));
}

QTEST_MAIN(tst_ValueToColor)
#include "tst_valuetocolor.moc"
