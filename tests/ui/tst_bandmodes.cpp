// The band counts beyond the first two pages' own: page 0 reading a 6-band
// resistor, page 1 painting a 5-band code, and the preferred series at the
// end of every page's working line (page 0's in the mode tests).

#include "uitest.h"

#include "pages/color_to_value/colortovaluepage.h"
#include "pages/led/ledpage.h"
#include "pages/value_to_color/valuetocolorpage.h"
#include "widgets/bandshape.h"
#include "widgets/leaderline.h"
#include "widgets/resistordrawing.h"
#include "widgets/swatchdelegate.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 kBrown = 0x004080;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kYellow = 0x00FFFF;
constexpr quint32 kGreen = 0x00C000;
constexpr quint32 kViolet = 0x800080;
constexpr quint32 kGold = 0x00C0C0;
constexpr quint32 kEncoderSilver = 0xE0E0E0;

QString working(Form1 *w)
{
    return uitest::find<QLabel>(w, u"lblWorking"_s)->text();
}

quint32 colour(const ui::BandShape *band)
{
    return band->property("fillColor").value<quint32>();
}

QString label(const ui::BandShape *band)
{
    return band->property("label").toString();
}

// Every shown child of `parent` inside it and clear of its siblings, but for
// those allowed to stand on another one.
void checkPlaced(QWidget *parent, const QList<std::pair<QWidget *, QWidget *>> &standsOn = {})
{
    QList<QWidget *> shown;
    for (QWidget *w : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisible() && !w->isWindow())
            shown << w;
    }
    for (QWidget *w : shown) {
        QVERIFY2(parent->rect().contains(w->geometry()), qPrintable(w->objectName()));
        for (QWidget *other : shown) {
            if (other == w || standsOn.contains({w, other}) || standsOn.contains({other, w}))
                continue;
            QVERIFY2(!w->geometry().intersects(other->geometry()),
                     qPrintable(w->objectName() + u" overlaps "_s + other->objectName()));
        }
    }
}

void encode(ValueToColorPage *page, const QString &entry, int unit)
{
    page->Text25->clear();
    uitest::type(page->Text25, entry);
    page->Combo1->setCurrentIndex(unit);
    QTest::mouseClick(page->Command3, Qt::LeftButton);
}

} // namespace

class tst_BandModes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sixBandMode();
    void sixBandLayout();
    void backFromSixBands();
    void fiveBandCode();
    void fiveBandRefusal_data();
    void fiveBandRefusal();
    void backToFourBandCode();
    void seriesEnding_data();
    void seriesEnding();
};

void tst_BandModes::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    uitest::setUp();
}

void tst_BandModes::sixBandMode()
{
    auto w = uitest::openWindow();
    ColorToValuePage *page = w->colorToValuePage();
    QCOMPARE(page->optSixBand->text(), u"&6색저항"_s);
    QCOMPARE(page->optSixBand->parentWidget(), page->Frame6);
    QVERIFY(!page->cboTempco->isVisible());
    // The access key is its own: 6-band mode opens from the keyboard.
    QTest::keyClick(w.get(), Qt::Key_6, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([&] { return page->cboTempco->isVisible(); }));
    QVERIFY(page->optSixBand->isChecked());

    // The 5-band selectors and the coefficient's list, band and readout.
    for (QWidget *shown : std::initializer_list<QWidget *>{
             page->Combo9, page->Shape16, page->cboTempco, page->lblTempcoCaption, page->shpTempco,
             page->linTempco1, page->linTempco2, page->lblTempco})
        QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    QCOMPARE(page->Combo11->itemText(0), u"±1%"_s);
    QCOMPARE(page->lblTempcoCaption->text(), u"온도계수"_s);
    QCOMPARE(page->cboTempco->accessibleName(), u"온도계수"_s);
    // Swatches in the selector palette: page 0's grey.
    QCOMPARE(page->cboTempco->itemData(0, ui::kSwatchRole).toLongLong(), 0x000000);
    QCOMPARE(page->cboTempco->itemData(8, ui::kSwatchRole).toLongLong(), 0x808080);
    // The sixth band comes after the tolerance band, at the far end.
    QVERIFY(page->shpTempco->x() > page->Shape17->geometry().right());
    QCOMPARE(colour(page->shpTempco), kBrown);

    w->Menu_bandLabels->setChecked(true);
    QVERIFY(uitest::pickFromList(page->Combo7, u"4 노랑"_s));
    QVERIFY(uitest::pickFromList(page->Combo8, u"7 보라"_s));
    QVERIFY(uitest::pickFromList(page->Combo10, u"1 갈색"_s));
    QVERIFY(uitest::pickFromList(page->cboTempco, u"50ppm 적색"_s));
    QCOMPARE(colour(page->shpTempco), kRed);
    QCOMPARE(page->shpTempco->accessibleName(), u"온도계수: 적색"_s);
    QCOMPARE(label(page->shpTempco), u"50ppm"_s);
    QCOMPARE(page->lblTempco->text(), u"50ppm/K"_s);
    QTest::mouseClick(page->Command18, Qt::LeftButton);
    QCOMPARE(page->Text17->text(), u"4.7K\u2126"_s);
    QCOMPARE(page->Text18->text(), u"±1%"_s);
    QCOMPARE(page->lblTempco->text(), u"50ppm/K"_s);
    // Reached with Tab after the other results, and spoken with them.
    page->Text18->setFocus();
    QTest::keyClick(page->Text18, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page->lblTempco);
    page->Combo11->setFocus();
    QTest::keyClick(page->Combo11, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page->cboTempco);
    QTRY_VERIFY(
        uitest::find<QWidget>(w.get(), u"announcer"_s)
            ->accessibleName()
            .contains(
                u"저항값 4점7킬로옴, 허용오차 플러스마이너스 1퍼센트, 온도계수 50피피엠 퍼 켈빈"));
    QCOMPARE(working(w.get()),
             u"노랑 4, 보라 7, 검정 0, 갈색 ×10¹ → 470 × 10¹ = 4700\u2126 = 4.7K\u2126, 허용오차 "
             "±1%, 4.7K\u2126 × 50ppm/K = 1\u2103 오를 때 최대 0.235\u2126, E3, E6, E12, E24, E192 "
             "표준값"_s);
}

void tst_BandModes::sixBandLayout()
{
    auto w = uitest::openWindow();
    w->Menu_bandLabels->setChecked(true);
    ColorToValuePage *page = w->colorToValuePage();
    QTest::mouseClick(page->optSixBand, Qt::LeftButton);
    QVERIFY(page->cboTempco->isVisible());
    // The readout's bold face, given when it is first shown.
    QCOMPARE(page->lblTempco->font().pointSize(), 9);
    QVERIFY(page->lblTempco->font().bold());

    // The list and its caption stand beside the drawing, clear of its frame;
    // nothing meets anything but the leader that runs to the list, and the
    // frames hold their three options and readouts.
    checkPlaced(page, {{page->linTempco2, page->Picture5}, {page->linTempco2, page->cboTempco}});
    QVERIFY(!page->cboTempco->geometry().intersects(page->Picture5->geometry()));
    checkPlaced(page->Frame6);
    checkPlaced(page->Frame8);
    for (QWidget *shown : std::initializer_list<QWidget *>{page->optSixBand, page->lblTempco,
                                                           page->lblTempcoCaption})
        QVERIFY2(shown->sizeHint().width() <= shown->width() &&
                     shown->sizeHint().height() <= shown->height(),
                 qPrintable(shown->objectName()));
    QVERIFY(page->lblTempco->fontMetrics().horizontalAdvance(u"250ppm/K"_s) <=
            page->lblTempco->width());
    QStyleOptionComboBox option;
    option.initFrom(page->cboTempco);
    const QRect field = page->cboTempco->style()->subControlRect(
        QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, page->cboTempco);
    for (int i = 0; i < page->cboTempco->count(); ++i)
        QVERIFY2(page->cboTempco->fontMetrics().horizontalAdvance(page->cboTempco->itemText(i)) <=
                     field.width(),
                 qPrintable(page->cboTempco->itemText(i)));

    // The band stands on the drawing; its leader ends at the list; no band's
    // number covers the list or another band.
    QVERIFY(page->Picture5->rect().contains(page->shpTempco->geometry()));
    const QLine leader = page->linTempco2->property("line").toLine();
    const QPoint end = page->linTempco2->parentWidget()->mapTo(page, leader.p2());
    QCOMPARE(end.x(), page->cboTempco->x() - 1);
    QVERIFY(end.y() > page->cboTempco->y() && end.y() < page->cboTempco->geometry().bottom());
    const QList<ui::BandShape *> bands{page->Shape9,  page->Shape14, page->Shape15,
                                       page->Shape16, page->Shape17, page->shpTempco};
    for (ui::BandShape *band : bands) {
        auto *plate = uitest::find<QWidget>(page, band->objectName() + u"Label"_s);
        QVERIFY(plate->isVisible());
        const QRect onPage(page->Picture5->mapTo(page, plate->pos()), plate->size());
        QVERIFY2(!onPage.intersects(page->cboTempco->geometry()), qPrintable(band->objectName()));
        for (ui::BandShape *other : bands) {
            auto *otherPlate = uitest::find<QWidget>(page, other->objectName() + u"Label"_s);
            if (other != band)
                QVERIFY2(!plate->geometry().intersects(other->geometry()) &&
                             !plate->geometry().intersects(otherPlate->geometry()),
                         qPrintable(band->objectName() + u" meets "_s + other->objectName()));
        }
    }
}

void tst_BandModes::backFromSixBands()
{
    auto w = uitest::openWindow();
    ColorToValuePage *page = w->colorToValuePage();
    QTest::mouseClick(page->optSixBand, Qt::LeftButton);
    QVERIFY(page->shpTempco->isVisible());
    QVERIFY(uitest::pickFromList(page->Combo7, u"1 갈색"_s));
    QVERIFY(uitest::pickFromList(page->Combo10, u"2 적색"_s));

    for (QRadioButton *mode : {page->Option2, page->Option1}) {
        QTest::mouseClick(mode, Qt::LeftButton);
        for (QWidget *hidden : std::initializer_list<QWidget *>{
                 page->cboTempco, page->lblTempcoCaption, page->shpTempco, page->linTempco1,
                 page->linTempco2, page->lblTempco})
            QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
        QTest::mouseClick(page->Command18, Qt::LeftButton);
        QVERIFY2(!working(w.get()).contains(u"ppm"), qPrintable(working(w.get())));
    }
    // 4-band mode as it always was.
    QVERIFY(!page->Combo9->isVisible());
    QCOMPARE(page->Combo11->itemText(0), u"±5%"_s);
    QCOMPARE(page->Text17->text(), u"1K\u2126"_s);
    QCOMPARE(working(w.get()),
             u"갈색 1, 검정 0, 적색 ×10² → 10 × 10² = 1000\u2126 = 1K\u2126, 허용오차 ±5%, "
             "E3, E6, E12, E24, E48, E96, E192 표준값"_s);
}

void tst_BandModes::fiveBandCode()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(1);
    w->Menu_bandLabels->setChecked(true);
    ValueToColorPage *page = w->valueToColorPage();
    QCOMPARE(page->optEncodeFour->text(), u"&4색 코드"_s);
    QCOMPARE(page->optEncodeFive->text(), u"&5색 코드"_s);
    QVERIFY(page->optEncodeFour->isChecked());
    QVERIFY(!page->shpDigit3->isVisible() && !page->txtDigit3->isVisible());
    // Its access key is free on the page.
    QTest::keyClick(w.get(), Qt::Key_5, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([&] { return page->shpDigit3->isVisible(); }));
    QVERIFY(page->optEncodeFive->isChecked());
    QVERIFY(page->txtDigit3->isVisible());
    QCOMPARE(page->Label26->text(), u"※5색 저항 기준입니다."_s);
    // A 5-band resistor carries the precision tolerances, and no ±20%.
    QStringList offered;
    for (int i = 0; i < page->Combo2->count(); ++i)
        offered << page->Combo2->itemText(i);
    QCOMPARE(offered,
             (QStringList{u"±1%"_s, u"±2%"_s, u"±0.05%"_s, u"±0.5%"_s, u"±0.25%"_s, u"±0.1%"_s}));
    QCOMPARE(page->Combo2->currentText(), u"±1%"_s);

    encode(page, u"4.75"_s, 1);
    const QList<ui::BandShape *> bands{page->Shape5, page->Shape6, page->shpDigit3, page->Shape7,
                                       page->Shape8};
    QList<quint32> colours;
    for (const ui::BandShape *band : bands)
        colours << colour(band);
    QCOMPARE(colours, (QList<quint32>{kYellow, kViolet, kGreen, kBrown, kBrown}));
    // The bands in order along the body, the third digit before the multiplier.
    for (qsizetype i = 1; i < bands.size(); ++i)
        QVERIFY(bands[i]->x() > bands[i - 1]->geometry().right());
    QCOMPARE(page->shpDigit3->accessibleName(), u"제3색띠: 초록"_s);
    QCOMPARE((QStringList{page->Text27->text(), page->Text28->text(), page->txtDigit3->text(),
                          page->Text29->text()}),
             (QStringList{u"4"_s, u"7"_s, u"5"_s, u"1"_s}));
    QCOMPARE(page->Label3->text(), u"4.75K\u2126±1%"_s);
    QCOMPARE(page->Label3->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QTRY_VERIFY(
        uitest::find<QWidget>(w.get(), u"announcer"_s)
            ->accessibleName()
            .contains(u"결과 4점7 5킬로옴 플러스마이너스 1퍼센트, 제1색띠 노랑, 제2색띠 보라, "
                      u"제3색띠 초록, 승수 갈색, 허용오차 갈색, 제1색띠 숫자 4, 제2색띠 "
                      u"숫자 7, 제3색띠 숫자 5, 승수 지수 1"));
    page->Text28->setFocus();
    QTest::keyClick(page->Text28, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), page->txtDigit3);
    QCOMPARE(working(w.get()),
             u"4.75K\u2126 = 4750\u2126 = 475 × 10¹ → 노랑, 보라, 초록, 갈색, 갈색(±1%), E96, "
             "E192 표준값"_s);
    checkPlaced(page);
    checkPlaced(page->Picture2);

    // The lowest value: a silver multiplier in the encoder's silver.
    encode(page, u"1"_s, 0);
    QCOMPARE(colour(page->Shape7), kEncoderSilver);
    QCOMPARE(page->Text29->text(), u"-2"_s);
    QCOMPARE(label(page->Shape7), u"×0.01"_s);

    // Back to the 4-band code: its five tolerances, "±5%" first chosen.
    QTest::mouseClick(page->optEncodeFour, Qt::LeftButton);
    QCOMPARE(page->Combo2->count(), 5);
    QCOMPARE(page->Combo2->currentText(), u"±5%"_s);
}

void tst_BandModes::fiveBandRefusal_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("workingPart");
    QTest::newRow("four digits")
        << u"4.753"_s << 1 << u"5색 칼라코드는 유효숫자 3자리까지만 나타냅니다. 다시 입력하세요!"_s
        << int(QMessageBox::Information) << u"가장 가까운 E96 값: 4.75K\u2126"_s;
    QTest::newRow("below 1 \u2126")
        << u"0.5"_s << 0
        << u"5색 칼라코드로 나타낼 수 있는 값은 1\u2126부터 999M\u2126까지입니다. 다시 입력하세요!"_s
        << int(QMessageBox::Warning) << u"1\u2126부터 999M\u2126까지"_s;
}

void tst_BandModes::fiveBandRefusal()
{
    QFETCH(QString, entry);
    QFETCH(int, unit);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, workingPart);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(1);
    ValueToColorPage *page = w->valueToColorPage();
    QTest::mouseClick(page->optEncodeFive, Qt::LeftButton);
    encode(page, u"4.7"_s, 1);
    const quint32 before = colour(page->shpDigit3);
    {
        uitest::BoxAnswerer answer;
        encode(page, entry, unit);
        QVERIFY(answer.seen().seen);
        QCOMPARE(answer.seen().text, message);
        QCOMPARE(int(answer.seen().icon), icon);
        QCOMPARE(answer.seen().title, u"Pallado"_s);
    }
    QCOMPARE(page->Text25->text(), QString());
    QCOMPARE(page->Label3->text(), u"?"_s);
    QCOMPARE(w->focusWidget(), page->Text25);
    // The last good answer stays on the drawing.
    QCOMPARE(colour(page->shpDigit3), before);
    QVERIFY2(working(w.get()).contains(workingPart), qPrintable(working(w.get())));
    QVERIFY(!working(w.get()).contains(u"표준값"));
}

void tst_BandModes::backToFourBandCode()
{
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(1);
    ValueToColorPage *page = w->valueToColorPage();
    const QRect multiplierPlace = page->Shape7->geometry();
    const QRect multiplierReadout = page->Text29->geometry();
    const QString picture = page->Picture2->source();
    QTest::mouseClick(page->optEncodeFive, Qt::LeftButton);
    encode(page, u"10"_s, 0);
    QCOMPARE(colour(page->Shape7), kGold);

    QTest::mouseClick(page->optEncodeFour, Qt::LeftButton);
    QVERIFY(!page->shpDigit3->isVisible() && !page->txtDigit3->isVisible());
    QCOMPARE(page->Shape7->geometry(), multiplierPlace);
    QCOMPARE(page->Text29->geometry(), multiplierReadout);
    QCOMPARE(page->Picture2->source(), picture);
    QCOMPARE(page->Label26->text(), u"※4색 저항 기준입니다."_s);
    // The 5-band result is gone; the 4-band code is painted as always.
    QVERIFY(!page->Shape7->property("filled").toBool());
    encode(page, u"47"_s, 0);
    QCOMPARE(page->Label3->text(), u"47\u2126±5%"_s);
    QCOMPARE(colour(page->Shape7), quint32(0x000000));
    QCOMPARE(page->Text29->text(), u"0"_s);
}

void tst_BandModes::seriesEnding_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("ending");
    QTest::newRow("page 1, 150 \u2126")
        << 1 << QStringList{u"150"_s} << u", 금색(±5%), E6, E12, E24, E96, E192 표준값"_s;
    QTest::newRow("page 2, 350 \u2126, in none")
        << 2 << QStringList{u"9"_s, u"2.1"_s, u"20"_s}
        << u"→ 주황, 초록, 갈색, 표준값이 아닙니다: 가까운 E24 값 330\u2126, 360\u2126"_s;
}

void tst_BandModes::seriesEnding()
{
    QFETCH(int, page);
    QFETCH(QStringList, inputs);
    QFETCH(QString, ending);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    if (page == 1) {
        encode(w->valueToColorPage(), inputs[0], 0);
    } else {
        LedPage *p = w->ledPage();
        QLineEdit *boxes[] = {p->Text26, p->Text30, p->Text31};
        for (int i = 0; i < 3; ++i) {
            boxes[i]->clear();
            uitest::type(boxes[i], inputs[i]);
        }
        QTest::mouseClick(p->Command5, Qt::LeftButton);
    }
    QVERIFY2(working(w.get()).endsWith(ending), qPrintable(working(w.get())));
}

QTEST_MAIN(tst_BandModes)
#include "tst_bandmodes.moc"
