// What the pages add for the learner: the working line, colour swatches in
// the lists and numbers on the bands.

#include "uitest.h"

#include "pages/color_to_value/colortovaluepage.h"
#include "pages/led/ledpage.h"
#include "pages/value_to_color/valuetocolorpage.h"
#include "widgets/bandshape.h"
#include "widgets/swatchdelegate.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

QString working(Form1 *w)
{
    return uitest::find<QLabel>(w, u"lblWorking"_s)->text();
}

QString label(Form1 *w, const QString &band)
{
    return uitest::find<ui::BandShape>(w, band)->property("label").toString();
}

// No shown label covers a band or another label.
bool labelsClear(Form1 *w, const QStringList &bands)
{
    for (const QString &name : bands) {
        const QWidget *plate = uitest::find<QWidget>(w, name + u"Label"_s);
        if (!plate->isVisible())
            continue;
        for (const QString &other : bands) {
            const QWidget *otherPlate = uitest::find<QWidget>(w, other + u"Label"_s);
            if (other == name)
                continue;
            if (plate->geometry().intersects(uitest::find<QWidget>(w, other)->geometry()) ||
                (otherPlate->isVisible() && plate->geometry().intersects(otherPlate->geometry()))) {
                qWarning("%s covers %s", qPrintable(name), qPrintable(other));
                return false;
            }
        }
    }
    return true;
}

} // namespace

class tst_Learner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void workingLine();
    void swatches();
    void bandLabels_data();
    void bandLabels();
};

void tst_Learner::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    uitest::setUp();
}

void tst_Learner::init()
{
    QSettings().clear();
}

void tst_Learner::workingLine()
{
    auto w = uitest::openWindow();
    auto *page0 = w->colorToValuePage();
    QVERIFY(uitest::pickFromList(page0->Combo7, u"4 노랑"_s));
    QVERIFY(uitest::pickFromList(page0->Combo8, u"7 보라"_s));
    QVERIFY(uitest::pickFromList(page0->Combo10, u"2 적색"_s));
    QTest::mouseClick(page0->Command18, Qt::LeftButton);
    const QString reading =
        u"노랑 4, 보라 7, 적색 ×10² → 47 × 10² = 4700\u2126 = 4.7K\u2126, 허용오차 ±5%, "
        "E3, E6, E12, E24, E192 표준값"_s;
    QCOMPARE(working(w.get()), reading);
    QCOMPARE(uitest::find<QLabel>(w.get(), u"lblWorking"_s)->accessibleName(), reading);

    // Each page shows its own working; page 1 has none yet.
    w->SSTab1->setCurrentIndex(1);
    QCOMPARE(working(w.get()), QString());
    auto *page1 = w->valueToColorPage();
    uitest::type(page1->Text25, u"1000"_s);
    {
        uitest::BoxAnswerer answer;
        QTest::mouseClick(page1->Command3, Qt::LeftButton);
        QVERIFY(answer.seen().seen);
    }
    QVERIFY2(working(w.get()).contains(u"1K\u2126"), qPrintable(working(w.get())));
    w->SSTab1->setCurrentIndex(0);
    QCOMPARE(working(w.get()), reading);

    // The clear button empties its page's working only.
    QTest::mouseClick(page0->Command19, Qt::LeftButton);
    QCOMPARE(working(w.get()), QString());
    w->SSTab1->setCurrentIndex(1);
    QVERIFY(!working(w.get()).isEmpty());
    QTest::mouseClick(page1->Command17, Qt::LeftButton);
    QCOMPARE(working(w.get()), QString());
}

void tst_Learner::swatches()
{
    auto w = uitest::openWindow();
    auto *page0 = w->colorToValuePage();
    const auto swatch = [](QComboBox *list, int row) {
        return list->itemData(row, ui::kSwatchRole).toLongLong();
    };
    // Page 0 paints white as white, pages 1 and 2 keep the window colour code.
    QCOMPARE(swatch(page0->Combo7, 4), qint64(0x00FFFF));
    QCOMPARE(swatch(page0->Combo9, 9), qint64(0xFFFFFF));
    QCOMPARE(page0->Combo10->count(), 7);
    QCOMPARE(swatch(page0->Combo11, 0), qint64(0x00C0C0));  // ±5%, gold
    QCOMPARE(swatch(page0->Combo11, 2), ui::kNoBandSwatch); // ±20%, no band
    QTest::mouseClick(page0->Option2, Qt::LeftButton);
    QCOMPARE(page0->Combo11->itemText(0), u"±1%");
    QCOMPARE(swatch(page0->Combo11, 0), qint64(0x004080)); // brown
    // The texts stay the lists' own.
    QCOMPARE(page0->Combo7->itemText(4), u"4 노랑");

    auto *page1 = w->valueToColorPage();
    QCOMPARE(swatch(page1->Combo2, 3), qint64(0xE0E0E0)); // ±10%, the encoder's silver
    QCOMPARE(swatch(page1->Combo2, 4), ui::kNoBandSwatch);
    QCOMPARE(swatch(w->ledPage()->Combo3, 0), qint64(0x004080)); // ±1%
}

void tst_Learner::bandLabels_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("shown");
    QTest::newRow("not set") << QString() << false;
    QTest::newRow("on") << u"1"_s << true;
    QTest::newRow("off") << u"0"_s << false;
    QTest::newRow("corrupt") << u"\x01yes"_s << false;
}

void tst_Learner::bandLabels()
{
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    if (!stored.isNull())
        QSettings().setValue(u"View/bandLabels"_s, stored);
    auto w = uitest::openWindow();
    QCOMPARE(w->Menu_bandLabels->isChecked(), shown);
    if (!shown)
        w->Menu_bandLabels->trigger();
    QCOMPARE(QSettings().value(u"View/bandLabels"_s).toString(), u"1");

    auto *page0 = w->colorToValuePage();
    QVERIFY(uitest::pickFromList(page0->Combo7, u"4 노랑"_s));
    QVERIFY(uitest::pickFromList(page0->Combo10, u"2 적색"_s));
    QCOMPARE(label(w.get(), u"Shape9"_s), u"4");
    QCOMPARE(label(w.get(), u"Shape15"_s), u"×10²");
    QCOMPARE(label(w.get(), u"Shape17"_s), u"±5%");
    QCOMPARE(label(w.get(), u"Shape16"_s), QString()); // hidden in 4-band mode

    // Page 1: the bands of 4.7 kΩ; the tolerance band of ±20% is not drawn.
    w->SSTab1->setCurrentIndex(1);
    auto *page1 = w->valueToColorPage();
    uitest::type(page1->Text25, u"4.7"_s);
    page1->Combo1->setCurrentIndex(1);
    page1->Combo2->setCurrentText(u"±20%"_s);
    QTest::mouseClick(page1->Command3, Qt::LeftButton);
    QCOMPARE(label(w.get(), u"Shape6"_s), u"7");
    QCOMPARE(label(w.get(), u"Shape7"_s), u"×10²");
    QCOMPARE(label(w.get(), u"Shape8"_s), QString());
    QVERIFY(labelsClear(w.get(), {u"Shape5"_s, u"Shape6"_s, u"Shape7"_s, u"Shape8"_s}));
    w->SSTab1->setCurrentIndex(0);
    QVERIFY(labelsClear(w.get(),
                        {u"Shape9"_s, u"Shape14"_s, u"Shape15"_s, u"Shape16"_s, u"Shape17"_s}));

    w->Menu_bandLabels->trigger();
    QCOMPARE(label(w.get(), u"Shape6"_s), QString());
    QCOMPARE(QSettings().value(u"View/bandLabels"_s).toString(), u"0");
}

QTEST_MAIN(tst_Learner)
#include "tst_learner.moc"
