#include "uitest.h"

#include "colorcode/colortables.h"
#include "widgets/bandshape.h"
#include "widgets/leaderline.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kBlack = 0x000000;
constexpr quint32 kGold = 0x00C0C0;
constexpr quint32 kSilver = 0xC0C0C0;
constexpr quint32 kBrown = 0x004080;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kGreen = 0x00C000;
constexpr quint32 kBlue = 0xC00000;
constexpr quint32 kWhite = 0xFFFFFF;

const QStringList kFourBand{u"±5%"_s, u"±10%"_s, u"±20%"_s};
const QStringList kFiveBand{u"±1%"_s, u"±2%"_s, u"±0.05%"_s, u"±0.5%"_s, u"±0.25%"_s, u"±0.1%"_s};

QString item(int digit)
{
    return colorcode::kBandColors[std::size_t(digit)].itemText.toString();
}

QStringList entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

// Page 0 of a fresh main window, its controls found by name.
struct Page {
    std::unique_ptr<Form1> window = uitest::openWindow();

    template <typename T> T *get(const QString &name) const
    {
        return uitest::find<T>(window.get(), name);
    }
    QComboBox *list(const QString &name) const { return get<QComboBox>(name); }
    QLineEdit *edit(const QString &name) const { return get<QLineEdit>(name); }
    QWidget *band(const QString &name) const { return get<ui::BandShape>(name); }
    QWidget *widget(const QString &name) const { return get<QWidget>(name); }
    QString text(const QString &name) const { return edit(name)->text(); }
    quint32 colour(const QString &name) const
    {
        return band(name)->property("fillColor").value<quint32>();
    }
    bool filled(const QString &name) const { return band(name)->property("filled").toBool(); }
    QString description(const QString &name) const { return band(name)->accessibleName(); }

    bool pick(const QString &name, const QString &text) const
    {
        return uitest::pickFromList(list(name), text);
    }
    void click(const QString &name) const
    {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    void fiveBand() const { click(u"Option2"_s); }
    void fourBand() const { click(u"Option1"_s); }
    QString result() const
    {
        click(u"Command18"_s);
        return text(u"Text17"_s);
    }
};

} // namespace

class tst_ColorToValue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startingState();
    void layoutFits_data();
    void layoutFits();
    void digitPicks_data();
    void digitPicks();
    void multiplierLandsAfterLastDigit();
    void tolerancePicks();
    void otherModesToleranceNotRecognised();
    void pickKeepsResult();
    void readout_data();
    void readout();
    void readoutInitialState();
    void thirdDigitIgnoredInFourBandMode();
    void clear();
    void modeSwitchKeepsChoices();
    void modeSwitchToleranceList();
    void choosingSelectedOptionAgain_data();
    void choosingSelectedOptionAgain();
    void accessKeySwitchesMode();
    void keyboardOnly();
};

void tst_ColorToValue::initTestCase()
{
    uitest::setUp();
}

void tst_ColorToValue::startingState()
{
    Page p;
    QCOMPARE(p.window->SSTab1->currentIndex(), 0);

    const QStringList digits{item(0), item(1), item(2), item(3), item(4),
                             item(5), item(6), item(7), item(8), item(9)};
    for (const QString &name : {u"Combo7"_s, u"Combo8"_s, u"Combo9"_s}) {
        QCOMPARE(entries(p.list(name)), digits);
        QCOMPARE(p.list(name)->currentText(), u"0 검정"_s);
    }
    QCOMPARE(entries(p.list(u"Combo10"_s)), digits.mid(0, 7));
    QCOMPARE(p.list(u"Combo10"_s)->currentText(), u"0 검정"_s);
    QCOMPARE(entries(p.list(u"Combo11"_s)), kFourBand);
    QCOMPARE(p.list(u"Combo11"_s)->currentText(), u"±5%"_s);

    const std::pair<const char16_t *, const char16_t *> captions[] = {
        {u"Combo7", u"제1색띠"}, {u"Combo8", u"제2색띠"},   {u"Combo9", u"제3색띠"},
        {u"Combo10", u"승수"},   {u"Combo11", u"허용오차"},
    };
    const char16_t *labels[] = {u"Label16", u"Label17", u"Label18", u"Label19", u"Label22"};
    for (int i = 0; i < 5; ++i) {
        const QString caption = QString::fromUtf16(captions[i].second);
        QCOMPARE(p.get<QLabel>(QString::fromUtf16(labels[i]))->text(), caption);
        QCOMPARE(p.list(QString::fromUtf16(captions[i].first))->accessibleName(), caption);
    }
    QCOMPARE(p.get<QLabel>(u"Label5"_s)->text(),
             u"※ 색상을 선택한 후 결과 버튼을 누르면 저항값을 보여줍니다.^^"_s);

    QCOMPARE(p.get<QGroupBox>(u"Frame6"_s)->title(), u"저항선택"_s);
    auto *option1 = p.get<QRadioButton>(u"Option1"_s);
    auto *option2 = p.get<QRadioButton>(u"Option2"_s);
    QCOMPARE(option1->text(), u"&4색저항"_s);
    QCOMPARE(option1->toolTip(), u"4색저항에 관해 알고 싶으세요?"_s);
    QVERIFY(option1->isChecked());
    QCOMPARE(option2->text(), u"&5색저항"_s);
    QCOMPARE(option2->toolTip(), u"5색 저항에 관해 알고 싶으세요?"_s);
    QVERIFY(!option2->isChecked());
    QCOMPARE(option1->parentWidget(), p.widget(u"Frame6"_s));
    QCOMPARE(option2->parentWidget(), p.widget(u"Frame6"_s));

    QCOMPARE(p.get<QGroupBox>(u"Frame8"_s)->title(), u"저항값"_s);
    QCOMPARE(p.edit(u"Text17"_s)->parentWidget(), p.widget(u"Frame8"_s));
    QCOMPARE(p.edit(u"Text18"_s)->parentWidget(), p.widget(u"Frame8"_s));
    QCOMPARE(p.text(u"Text17"_s), QString());
    QCOMPARE(p.text(u"Text18"_s), u"±5%"_s);
    QVERIFY(p.edit(u"Text17"_s)->isReadOnly());
    QVERIFY(p.edit(u"Text18"_s)->isReadOnly());
    QCOMPARE(p.edit(u"Text17"_s)->font().pointSize(), 16);
    QVERIFY(p.edit(u"Text17"_s)->font().bold());
    QCOMPARE(p.edit(u"Text18"_s)->font().pointSize(), 12);

    auto *result = p.get<QPushButton>(u"Command18"_s);
    auto *clear = p.get<QPushButton>(u"Command19"_s);
    QCOMPARE(result->text(), u"결과는?(&Z)"_s);
    QCOMPARE(result->toolTip(), u"몇 옴일까요?"_s);
    QCOMPARE(clear->text(), u"지우기(&E)"_s);
    QCOMPARE(clear->toolTip(), u"다른 색상을 보고 싶으세요?"_s);

    QWidget *picture = p.widget(u"Picture5"_s);
    for (const QString &holder : {u"Text19"_s, u"Text20"_s, u"Text33"_s, u"Text34"_s}) {
        QCOMPARE(p.edit(holder)->parentWidget(), picture);
        QCOMPARE(p.text(holder), u"0"_s);
        QVERIFY(!p.edit(holder)->isVisible());
    }

    struct Band {
        const char16_t *name;
        quint32 colour;
        const char16_t *description;
    };
    const Band bands[] = {
        {u"Shape9", kBlack, u"제1색띠: 검정"},  {u"Shape14", kBlack, u"제2색띠: 검정"},
        {u"Shape15", kBlack, u"승수: 검정"},    {u"Shape16", kBlack, u"승수: 검정"},
        {u"Shape17", kGold, u"허용오차: 금색"},
    };
    for (const Band &band : bands) {
        const QString name = QString::fromUtf16(band.name);
        QCOMPARE(p.band(name)->parentWidget(), picture);
        QVERIFY2(p.filled(name), qPrintable(name));
        QCOMPARE(p.colour(name), band.colour);
        QCOMPARE(p.description(name), QString::fromUtf16(band.description));
        QCOMPARE(p.band(name)->toolTip(), QString::fromUtf16(band.description));
    }

    // 4-band mode: the third digit, its caption, the fourth band and the
    // 5-band leader lines are hidden.
    for (const char *name : {"Combo9", "Label18", "Shape16", "Line5", "Line6", "Line14", "Line19"})
        QVERIFY2(!p.widget(QString::fromLatin1(name))->isVisible(), name);
    for (const char *name : {"Combo7",   "Combo8",  "Combo10", "Combo11", "Label16",   "Label17",
                             "Label19",  "Label22", "Shape9",  "Shape14", "Shape15",   "Shape17",
                             "Line3",    "Line7",   "Line8",   "Line9",   "Line10",    "Line11",
                             "Line12",   "Line13",  "Line15",  "Line16",  "Line17",    "Line18",
                             "Picture5", "Label5",  "Frame6",  "Frame8",  "Command18", "Command19"})
        QVERIFY2(p.widget(QString::fromLatin1(name))->isVisible(), name);
    for (const char *name :
         {"Line3", "Line5", "Line6", "Line7", "Line8", "Line9", "Line10", "Line11", "Line12",
          "Line13", "Line14", "Line15", "Line16", "Line17", "Line18", "Line19"}) {
        QWidget *line = p.get<ui::LeaderLine>(QString::fromLatin1(name));
        QCOMPARE(line->parentWidget(), picture);
        QCOMPARE(line->property("lineColor").value<quint32>(), quint32(0x404040));
    }
}

void tst_ColorToValue::layoutFits_data()
{
    QTest::addColumn<bool>("fiveBand");
    QTest::newRow("4-band") << false;
    QTest::newRow("5-band") << true;
}

// Everything fits on the page without overlaps, no caption is cut, the
// bands stand on the drawing and each list hangs under its leader line.
void tst_ColorToValue::layoutFits()
{
    QFETCH(bool, fiveBand);
    Page p;
    if (fiveBand)
        p.fiveBand();
    QWidget *page = p.window->SSTab1->widget(0);
    QVERIFY(page->width() >= 477 && page->height() >= 298);
    const QRect pageRect(0, 0, 477, 298);

    QList<QWidget *> shown;
    for (QWidget *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible())
            continue;
        QVERIFY2(pageRect.contains(child->geometry()), qPrintable(child->objectName()));
        for (QWidget *other : shown) {
            QVERIFY2(!child->geometry().intersects(other->geometry()),
                     qPrintable(child->objectName() + u" overlaps "_s + other->objectName()));
        }
        shown << child;
    }

    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (label->isVisible())
            QVERIFY2(label->sizeHint().width() <= label->width() &&
                         label->sizeHint().height() <= label->height(),
                     qPrintable(label->objectName()));
    }
    // The lists are as tall as they ask to be.
    for (QComboBox *list : page->findChildren<QComboBox *>())
        QVERIFY2(list->sizeHint().height() == list->height(), qPrintable(list->objectName()));
    for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
        QVERIFY2(button->sizeHint().width() <= button->width() &&
                     button->sizeHint().height() <= button->height(),
                 qPrintable(button->objectName()));
        QVERIFY2(button->parentWidget()->rect().contains(button->geometry()),
                 qPrintable(button->objectName()));
    }
    for (QGroupBox *frame : page->findChildren<QGroupBox *>()) {
        QVERIFY(frame->minimumSizeHint().width() <= frame->width());
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            QVERIFY2(frame->rect().contains(child->geometry()), qPrintable(child->objectName()));
    }
    for (QComboBox *list : page->findChildren<QComboBox *>()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (const QString &text : entries(list))
            QVERIFY2(list->fontMetrics().horizontalAdvance(text) <= field.width(),
                     qPrintable(list->objectName() + u": "_s + text));
    }
    // The widest readouts in their start-up fonts.
    auto *resistance = p.edit(u"Text17"_s);
    for (const QString &text : {u"4.75K\u2126"_s, u"99.9M\u2126"_s, u"999M\u2126"_s})
        QVERIFY(resistance->fontMetrics().horizontalAdvance(text) + 8 <= resistance->width());
    QVERIFY(resistance->fontMetrics().height() + 4 <= resistance->height());
    auto *tolerance = p.edit(u"Text18"_s);
    for (const QString &text : kFourBand + kFiveBand)
        QVERIFY(tolerance->fontMetrics().horizontalAdvance(text) + 8 <= tolerance->width());
    QVERIFY(tolerance->fontMetrics().height() + 4 <= tolerance->height());

    QWidget *picture = p.widget(u"Picture5"_s);
    for (const char *name : {"Shape9", "Shape14", "Shape15", "Shape16", "Shape17"})
        QVERIFY2(picture->rect().contains(p.band(QString::fromLatin1(name))->geometry()), name);

    // Each drop ends right above the middle part of its list.
    const std::pair<const char *, const char *> drops[] = {
        {"Line9", "Combo7"},  {"Line12", "Combo8"},  {"Line19", "Combo9"},
        {"Line8", "Combo10"}, {"Line15", "Combo11"},
    };
    for (const auto &[lineName, listName] : drops) {
        const QLine line = p.widget(QString::fromLatin1(lineName))->property("line").toLine();
        const QPoint end =
            picture->mapTo(page, line.p2().y() > line.p1().y() ? line.p2() : line.p1());
        const QRect list = p.list(QString::fromLatin1(listName))->geometry();
        QVERIFY2(end.x() > list.left() + list.width() / 4 &&
                     end.x() < list.right() - list.width() / 4,
                 lineName);
        QVERIFY2(end.y() < list.top() && end.y() >= list.top() - 3, lineName);
    }
    // Captions sit under their lists.
    const std::pair<const char *, const char *> captions[] = {
        {"Label16", "Combo7"},  {"Label17", "Combo8"},  {"Label18", "Combo9"},
        {"Label19", "Combo10"}, {"Label22", "Combo11"},
    };
    for (const auto &[labelName, listName] : captions) {
        const QRect label = p.widget(QString::fromLatin1(labelName))->geometry();
        const QRect list = p.list(QString::fromLatin1(listName))->geometry();
        QVERIFY2(label.top() > list.bottom() && label.top() - list.bottom() < 8, labelName);
        QVERIFY2(qAbs(label.center().x() - list.center().x()) <= 1, labelName);
    }
}

void tst_ColorToValue::digitPicks_data()
{
    QTest::addColumn<bool>("fiveBand");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("band");
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("description");

    QTest::newRow("first: 4 yellow") << false << u"Combo7"_s << 4 << u"Text19"_s << u"Shape9"_s
                                     << quint32(0x00FFFF) << u"제1색띠: 노랑"_s;
    QTest::newRow("second: 9 white")
        << false << u"Combo8"_s << 9 << u"Text20"_s << u"Shape14"_s << kWhite << u"제2색띠: 백색"_s;
    QTest::newRow("second: 8 grey, page 0 palette")
        << false << u"Combo8"_s << 8 << u"Text20"_s << u"Shape14"_s << quint32(0x808080)
        << u"제2색띠: 회색"_s;
    QTest::newRow("third: 5 green, 5-band")
        << true << u"Combo9"_s << 5 << u"Text33"_s << u"Shape15"_s << kGreen << u"제3색띠: 초록"_s;
    QTest::newRow("multiplier: 2 red, 4-band")
        << false << u"Combo10"_s << 2 << u"Text34"_s << u"Shape15"_s << kRed << u"승수: 적색"_s;
    QTest::newRow("multiplier: 6 blue, 5-band")
        << true << u"Combo10"_s << 6 << u"Text34"_s << u"Shape16"_s << kBlue << u"승수: 파랑"_s;
}

void tst_ColorToValue::digitPicks()
{
    QFETCH(bool, fiveBand);
    QFETCH(QString, list);
    QFETCH(int, digit);
    QFETCH(QString, holder);
    QFETCH(QString, band);
    QFETCH(quint32, colour);
    QFETCH(QString, description);
    Page p;
    if (fiveBand)
        p.fiveBand();
    QVERIFY(p.pick(list, item(digit)));
    QCOMPARE(p.text(holder), QString::number(digit));
    QVERIFY(p.filled(band));
    QCOMPARE(p.colour(band), colour);
    QCOMPARE(p.description(band), description);
}

void tst_ColorToValue::multiplierLandsAfterLastDigit()
{
    Page p;
    QVERIFY(p.pick(u"Combo10"_s, item(6)));
    QCOMPARE(p.colour(u"Shape15"_s), kBlue);

    Page q;
    q.fiveBand();
    QVERIFY(q.pick(u"Combo9"_s, item(4)));
    QVERIFY(q.pick(u"Combo10"_s, item(6)));
    QCOMPARE(q.colour(u"Shape16"_s), kBlue);
    QCOMPARE(q.colour(u"Shape15"_s), quint32(0x00FFFF)); // the third digit, left alone
    QCOMPARE(q.description(u"Shape15"_s), u"제3색띠: 노랑"_s);
}

void tst_ColorToValue::tolerancePicks()
{
    Page p;
    QVERIFY(p.pick(u"Combo11"_s, u"±10%"_s));
    QVERIFY(p.filled(u"Shape17"_s));
    QCOMPARE(p.colour(u"Shape17"_s), kSilver);
    QCOMPARE(p.text(u"Text18"_s), u"±10%"_s);
    QCOMPARE(p.description(u"Shape17"_s), u"허용오차: 은색"_s);

    QVERIFY(p.pick(u"Combo11"_s, u"±20%"_s));
    QVERIFY(!p.filled(u"Shape17"_s));
    QCOMPARE(p.colour(u"Shape17"_s), kSilver); // its colour is left as it was
    QCOMPARE(p.text(u"Text18"_s), u"±20%"_s);
    QCOMPARE(p.description(u"Shape17"_s), u"허용오차: 없음"_s);

    QVERIFY(p.pick(u"Combo11"_s, u"±5%"_s));
    QVERIFY(p.filled(u"Shape17"_s));
    QCOMPARE(p.colour(u"Shape17"_s), kGold);
    QCOMPARE(p.text(u"Text18"_s), u"±5%"_s);
    QCOMPARE(p.description(u"Shape17"_s), u"허용오차: 금색"_s);

    p.fiveBand();
    const std::pair<QString, quint32> fiveBand[] = {
        {u"±2%"_s, kRed},     {u"±0.05%"_s, 0x0080FF}, {u"±0.5%"_s, kGreen},
        {u"±0.25%"_s, kBlue}, {u"±0.1%"_s, 0x800080},  {u"±1%"_s, kBrown},
    };
    for (const auto &[text, colour] : fiveBand) {
        QVERIFY(p.pick(u"Combo11"_s, text));
        QVERIFY(p.filled(u"Shape17"_s));
        QCOMPARE(p.colour(u"Shape17"_s), colour);
        QCOMPARE(p.text(u"Text18"_s), text);
    }
    QCOMPARE(p.description(u"Shape17"_s), u"허용오차: 갈색"_s);
}

// A tolerance of the other band count is no entry of this mode: picking it
// (were it ever in the list) changes neither the band nor the readout.
void tst_ColorToValue::otherModesToleranceNotRecognised()
{
    Page p;
    p.list(u"Combo11"_s)->addItem(u"±1%"_s);
    QVERIFY(p.pick(u"Combo11"_s, u"±1%"_s));
    QCOMPARE(p.colour(u"Shape17"_s), kGold);
    QCOMPARE(p.text(u"Text18"_s), u"±5%"_s);

    p.fiveBand();
    p.list(u"Combo11"_s)->addItem(u"±5%"_s);
    QVERIFY(p.pick(u"Combo11"_s, u"±2%"_s));
    QVERIFY(p.pick(u"Combo11"_s, u"±5%"_s));
    QCOMPARE(p.colour(u"Shape17"_s), kRed);
    QCOMPARE(p.text(u"Text18"_s), u"±2%"_s);
}

void tst_ColorToValue::pickKeepsResult()
{
    Page p;
    QVERIFY(p.pick(u"Combo7"_s, item(4)));
    QVERIFY(p.pick(u"Combo8"_s, item(7)));
    QVERIFY(p.pick(u"Combo10"_s, item(2)));
    QCOMPARE(p.result(), u"4.7K\u2126"_s);
    QVERIFY(p.pick(u"Combo10"_s, item(3)));
    QVERIFY(p.pick(u"Combo11"_s, u"±10%"_s));
    QCOMPARE(p.text(u"Text17"_s), u"4.7K\u2126"_s);
    QCOMPARE(p.text(u"Text18"_s), u"±10%"_s);
}

void tst_ColorToValue::readout_data()
{
    QTest::addColumn<bool>("fiveBand");
    QTest::addColumn<QList<int>>("digits");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("text");

    QTest::newRow("4.7K") << false << QList<int>{4, 7} << 2 << u"±5%"_s << u"4.7K\u2126"_s;
    QTest::newRow("470") << false << QList<int>{4, 7} << 1 << u"±10%"_s << u"470\u2126"_s;
    QTest::newRow("10M") << false << QList<int>{1, 0} << 6 << u"±20%"_s << u"10M\u2126"_s;
    QTest::newRow("5") << false << QList<int>{0, 5} << 0 << u"±5%"_s << u"5\u2126"_s;
    QTest::newRow("0") << false << QList<int>{0, 0} << 3 << u"±5%"_s << u"0\u2126"_s;
    QTest::newRow("4.7M") << false << QList<int>{4, 7} << 5 << u"±5%"_s << u"4.7M\u2126"_s;
    QTest::newRow("4.75K") << true << QList<int>{4, 7, 5} << 1 << u"±0.05%"_s << u"4.75K\u2126"_s;
    QTest::newRow("1.05K") << true << QList<int>{1, 0, 5} << 1 << u"±1%"_s << u"1.05K\u2126"_s;
    QTest::newRow("999M") << true << QList<int>{9, 9, 9} << 6 << u"±0.1%"_s << u"999M\u2126"_s;
    QTest::newRow("47K") << true << QList<int>{0, 4, 7} << 3 << u"±2%"_s << u"47K\u2126"_s;
    QTest::newRow("272K") << true << QList<int>{2, 7, 2} << 3 << u"±0.5%"_s << u"272K\u2126"_s;
    QTest::newRow("100") << true << QList<int>{1, 0, 0} << 0 << u"±1%"_s << u"100\u2126"_s;
    QTest::newRow("1K") << true << QList<int>{1, 0, 0} << 1 << u"±0.25%"_s << u"1K\u2126"_s;
}

void tst_ColorToValue::readout()
{
    QFETCH(bool, fiveBand);
    QFETCH(QList<int>, digits);
    QFETCH(int, multiplier);
    QFETCH(QString, tolerance);
    QFETCH(QString, text);
    Page p;
    if (fiveBand)
        p.fiveBand();
    const QString lists[] = {u"Combo7"_s, u"Combo8"_s, u"Combo9"_s};
    for (int i = 0; i < digits.size(); ++i)
        QVERIFY(p.pick(lists[i], item(digits[i])));
    QVERIFY(p.pick(u"Combo10"_s, item(multiplier)));
    QVERIFY(p.pick(u"Combo11"_s, tolerance));
    p.edit(u"Text18"_s)->setText(QString()); // so the result's own copy shows
    QCOMPARE(p.result(), text);
    QCOMPARE(p.text(u"Text18"_s), tolerance);
}

void tst_ColorToValue::readoutInitialState()
{
    Page p;
    QCOMPARE(p.result(), u"0\u2126"_s);
    QCOMPARE(p.text(u"Text18"_s), u"±5%"_s);
}

void tst_ColorToValue::thirdDigitIgnoredInFourBandMode()
{
    Page p;
    p.fiveBand();
    QVERIFY(p.pick(u"Combo9"_s, item(5)));
    p.fourBand();
    QCOMPARE(p.text(u"Text33"_s), u"5"_s);
    QVERIFY(p.pick(u"Combo7"_s, item(4)));
    QVERIFY(p.pick(u"Combo8"_s, item(7)));
    QVERIFY(p.pick(u"Combo10"_s, item(3)));
    QCOMPARE(p.result(), u"47K\u2126"_s);
    // The result copies the list's text, which the switch reset to "±5%".
    QCOMPARE(p.text(u"Text18"_s), u"±5%"_s);
}

void tst_ColorToValue::clear()
{
    Page p;
    p.fiveBand();
    QVERIFY(p.pick(u"Combo7"_s, item(4)));
    QVERIFY(p.pick(u"Combo8"_s, item(7)));
    QVERIFY(p.pick(u"Combo9"_s, item(5)));
    QVERIFY(p.pick(u"Combo10"_s, item(1)));
    QVERIFY(p.pick(u"Combo11"_s, u"±2%"_s));
    QCOMPARE(p.result(), u"4.75K\u2126"_s);
    p.list(u"Combo11"_s)->setCurrentText(u"±0.1%"_s); // so a tolerance handler would show

    p.click(u"Command19"_s);
    for (const QString &list : {u"Combo7"_s, u"Combo8"_s, u"Combo9"_s, u"Combo10"_s})
        QCOMPARE(p.list(list)->currentText(), u"0 검정"_s);
    for (const QString &band : {u"Shape9"_s, u"Shape14"_s, u"Shape15"_s, u"Shape16"_s}) {
        QCOMPARE(p.colour(band), kBlack);
        QVERIFY(p.filled(band));
    }
    QCOMPARE(p.description(u"Shape9"_s), u"제1색띠: 검정"_s);
    QCOMPARE(p.description(u"Shape15"_s), u"제3색띠: 검정"_s);
    QCOMPARE(p.description(u"Shape16"_s), u"승수: 검정"_s);
    for (const QString &holder : {u"Text19"_s, u"Text20"_s, u"Text33"_s, u"Text34"_s})
        QCOMPARE(p.text(holder), u"0"_s);
    QCOMPARE(p.text(u"Text17"_s), u"0"_s);
    // Mode, tolerance list, its readout and band untouched.
    QVERIFY(p.get<QRadioButton>(u"Option2"_s)->isChecked());
    QCOMPARE(entries(p.list(u"Combo11"_s)), kFiveBand);
    QCOMPARE(p.list(u"Combo11"_s)->currentText(), u"±0.1%"_s);
    QCOMPARE(p.text(u"Text18"_s), u"±2%"_s);
    QCOMPARE(p.colour(u"Shape17"_s), kRed);
    QVERIFY(p.widget(u"Combo9"_s)->isVisible());

    QCOMPARE(p.result(), u"0\u2126"_s);
}

void tst_ColorToValue::modeSwitchKeepsChoices()
{
    Page p;
    QVERIFY(p.pick(u"Combo7"_s, item(1)));
    QVERIFY(p.pick(u"Combo10"_s, item(2)));
    QCOMPARE(p.result(), u"1K\u2126"_s);

    p.fiveBand();
    QVERIFY(p.pick(u"Combo9"_s, item(5)));
    p.fourBand();
    p.fiveBand();
    // 5-band: the third digit and the multiplier back on their own bands.
    QCOMPARE(p.colour(u"Shape15"_s), kGreen);
    QCOMPARE(p.colour(u"Shape16"_s), kRed);
    QCOMPARE(p.text(u"Text33"_s), u"5"_s);
    QCOMPARE(p.text(u"Text34"_s), u"2"_s);
    QCOMPARE(p.description(u"Shape15"_s), u"제3색띠: 초록"_s);
    QCOMPARE(p.description(u"Shape16"_s), u"승수: 적색"_s);
    QCOMPARE(p.colour(u"Shape9"_s), kBrown);
    for (const char *name : {"Combo9", "Label18", "Shape16", "Line5", "Line6", "Line14", "Line19"})
        QVERIFY2(p.widget(QString::fromLatin1(name))->isVisible(), name);
    QVERIFY(!p.widget(u"Line18"_s)->isVisible());
    QVERIFY(!p.edit(u"Text33"_s)->isVisible());
    QCOMPARE(p.text(u"Text17"_s), u"1K\u2126"_s);

    p.fourBand();
    QCOMPARE(p.colour(u"Shape15"_s), kRed); // the multiplier again
    QCOMPARE(p.description(u"Shape15"_s), u"승수: 적색"_s);
    QCOMPARE(p.text(u"Text33"_s), u"5"_s);
    QCOMPARE(p.list(u"Combo9"_s)->currentText(), item(5));
    for (const char *name : {"Combo9", "Label18", "Shape16", "Line5", "Line6", "Line14", "Line19"})
        QVERIFY2(!p.widget(QString::fromLatin1(name))->isVisible(), name);
    QVERIFY(p.widget(u"Line18"_s)->isVisible());
    QCOMPARE(p.text(u"Text17"_s), u"1K\u2126"_s);
    QCOMPARE(p.result(), u"1K\u2126"_s);
}

void tst_ColorToValue::modeSwitchToleranceList()
{
    Page p;
    QVERIFY(p.pick(u"Combo11"_s, u"±20%"_s));
    p.fiveBand();
    QCOMPARE(entries(p.list(u"Combo11"_s)), kFiveBand);
    QCOMPARE(p.list(u"Combo11"_s)->currentText(), u"±1%"_s);
    QVERIFY(p.filled(u"Shape17"_s));
    QCOMPARE(p.colour(u"Shape17"_s), kBrown);
    QCOMPARE(p.description(u"Shape17"_s), u"허용오차: 갈색"_s);
    // The readout keeps the other mode's tolerance until the next pick or result.
    QCOMPARE(p.text(u"Text18"_s), u"±20%"_s);

    QVERIFY(p.pick(u"Combo11"_s, u"±0.25%"_s));
    p.fourBand();
    QCOMPARE(entries(p.list(u"Combo11"_s)), kFourBand);
    QCOMPARE(p.list(u"Combo11"_s)->currentText(), u"±5%"_s);
    QCOMPARE(p.colour(u"Shape17"_s), kGold);
    QCOMPARE(p.description(u"Shape17"_s), u"허용오차: 금색"_s);
    QCOMPARE(p.text(u"Text18"_s), u"±0.25%"_s);
}

void tst_ColorToValue::choosingSelectedOptionAgain_data()
{
    QTest::addColumn<bool>("fiveBand");
    QTest::newRow("4-band") << false;
    QTest::newRow("5-band") << true;
}

void tst_ColorToValue::choosingSelectedOptionAgain()
{
    QFETCH(bool, fiveBand);
    Page p;
    if (fiveBand)
        p.fiveBand();
    for (int i = 0; i < 2; ++i)
        fiveBand ? p.fiveBand() : p.fourBand();
    QCOMPARE(entries(p.list(u"Combo11"_s)), fiveBand ? kFiveBand : kFourBand);
}

void tst_ColorToValue::accessKeySwitchesMode()
{
    Page p;
    QTest::keyClick(p.window.get(), Qt::Key_5, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([&] { return p.list(u"Combo9"_s)->isVisible(); }));
    QCOMPARE(entries(p.list(u"Combo11"_s)), kFiveBand);
    QTest::keyClick(p.window.get(), Qt::Key_4, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([&] { return !p.list(u"Combo9"_s)->isVisible(); }));
    QCOMPARE(entries(p.list(u"Combo11"_s)), kFourBand);
}

void tst_ColorToValue::keyboardOnly()
{
    // Arrow keys pick in a list as a click does; Enter presses the focused
    // button, as on the other pages.
    Page p;
    QComboBox *first = p.list(u"Combo7"_s);
    first->setFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(first, Qt::Key_Down);
    QCOMPARE(p.text(u"Text19"_s), u"4"_s);
    QCOMPARE(p.colour(u"Shape9"_s), quint32(0x00FFFF));
    auto *result = p.get<QPushButton>(u"Command18"_s);
    result->setFocus();
    QTest::keyClick(result, Qt::Key_Return);
    QCOMPARE(p.text(u"Text17"_s), u"40\u2126"_s);
    auto *clear = p.get<QPushButton>(u"Command19"_s);
    clear->setFocus();
    QTest::keyClick(clear, Qt::Key_Enter);
    QCOMPARE(p.text(u"Text17"_s), u"0"_s);
    QCOMPARE(p.text(u"Text19"_s), u"0"_s);
}

QTEST_MAIN(tst_ColorToValue)
#include "tst_colortovalue.moc"
