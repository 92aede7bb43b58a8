// The window under a dark desktop scheme: the white band stays white, the
// texts on the light drawings stay readable, and the art sits where it
// belongs. The scheme is the application palette, set before the window
// exists, as a desktop's platform theme sets it.

#include "uitest.h"

#include "colorcode/colortables.h"

#include <QLineEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

constexpr int kValueToColorPage = 1;
constexpr int kLedPage = 2;

// Close to what GNOME's and KDE's dark schemes give.
QPalette darkPalette()
{
    QPalette p(QColor(0x30, 0x30, 0x30), QColor(0x24, 0x24, 0x24));
    p.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    return p;
}

} // namespace

class tst_Theme : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void whiteBandIsWhite_data();
    void whiteBandIsWhite();
};

void tst_Theme::initTestCase()
{
    uitest::setUp();
}

void tst_Theme::init()
{
    QApplication::setPalette(darkPalette());
}

void tst_Theme::whiteBandIsWhite_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("bands"); // the two digit bands, both 9
    QTest::newRow("page 1, 99 Ω") << kValueToColorPage << QStringList{u"Shape5"_s, u"Shape6"_s};
    QTest::newRow("page 2, 99 Ω") << kLedPage << QStringList{u"Shape10"_s, u"Shape11"_s};
}

void tst_Theme::whiteBandIsWhite()
{
    QFETCH(int, page);
    QFETCH(QStringList, bands);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(page);
    if (page == kValueToColorPage) {
        auto *entry = uitest::find<QLineEdit>(w.get(), u"Text25"_s);
        entry->setFocus();
        QTest::keyClicks(entry, u"99"_s);
        QTest::mouseClick(uitest::find<QWidget>(w.get(), u"Command3"_s), Qt::LeftButton);
    } else {
        const std::pair<const char16_t *, QString> inputs[] = {
            {u"Text26", u"0.099"_s}, {u"Text30", u"0"_s}, {u"Text31", u"1"_s}};
        for (const auto &[name, text] : inputs)
            uitest::find<QLineEdit>(w.get(), QString::fromUtf16(name))->setText(text);
        QTest::mouseClick(uitest::find<QWidget>(w.get(), u"Command5"_s), Qt::LeftButton);
    }
    for (const QString &name : bands) {
        QWidget *band = uitest::find<QWidget>(w.get(), name);
        QVERIFY(band->property("filled").toBool());
        QCOMPARE(band->property("fillColor").toUInt(), colorcode::kWindowBackground);
        const QImage image = band->grab().toImage();
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x)
                QVERIFY2(image.pixelColor(x, y) == QColor(Qt::white),
                         qPrintable(u"%1 at %2,%3: %4"_s.arg(name).arg(x).arg(y).arg(
                             image.pixelColor(x, y).name())));
    }
}

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
