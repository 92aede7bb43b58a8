// The window under a dark desktop scheme: the white band stays white, the
// texts on the light drawings stay readable, and the art sits where it
// belongs. The scheme is the application palette, set before the window
// exists, as a desktop's platform theme sets it.

#include "uitest.h"

#include "colorcode/colortables.h"
#include "pages/guide/guidepage.h"
#include "shell/tipdialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTabWidget>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int kValueToColorPage = 1;
constexpr int kLedPage = 2;
constexpr int kGuidePage = 3;
constexpr double kLeastContrast = 4.5;

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

double luminance(const QColor &c)
{
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The drawing alone, without the controls on it, at its size on the page.
QImage bareDrawing(QWidget *picture)
{
    QImage image(picture->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(picture->property("source").toString()).render(&painter);
    return image;
}

} // namespace

class tst_Theme : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void whiteBandIsWhite_data();
    void whiteBandIsWhite();
    void textsOnTheCircuitReadable_data();
    void textsOnTheCircuitReadable();
    void artFits();
    void powersReadable_data();
    void powersReadable();
};

void tst_Theme::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
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

void tst_Theme::textsOnTheCircuitReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("dark scheme") << true;
    QTest::newRow("light scheme") << false;
}

void tst_Theme::textsOnTheCircuitReadable()
{
    // Every caption, box, list and button on the circuit drawing against
    // what is behind its text: the drawing itself for a caption or a frame's
    // title, the control's own face for the rest.
    QFETCH(bool, dark);
    if (!dark)
        QApplication::setPalette(QApplication::style()->standardPalette());
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(kLedPage);
    QWidget *picture = uitest::find<QWidget>(w.get(), u"Picture3"_s);
    const QImage drawing = bareDrawing(picture);
    for (QWidget *c : picture->findChildren<QWidget *>()) {
        if (c->objectName().isEmpty())
            continue; // the parts of a list or a box
        const QPalette p = c->palette();
        QColor text, behind;
        if (qobject_cast<QLabel *>(c) || qobject_cast<QGroupBox *>(c)) {
            text = p.color(QPalette::WindowText);
            behind = drawing.pixelColor(c->mapTo(picture, QPoint(4, 4)));
        } else if (qobject_cast<QLineEdit *>(c)) {
            text = p.color(QPalette::Text);
            behind = p.color(QPalette::Base);
        } else if (qobject_cast<QPushButton *>(c) || qobject_cast<QComboBox *>(c)) {
            text = p.color(QPalette::ButtonText);
            behind = p.color(QPalette::Button);
        } else {
            continue; // the bands
        }
        const double ratio = contrast(text, behind);
        QVERIFY2(ratio >= kLeastContrast,
                 qPrintable(u"%1: %2 on %3, %4:1"_s.arg(c->objectName(), text.name(), behind.name())
                                .arg(ratio, 0, 'f', 2)));
    }
}

void tst_Theme::artFits()
{
    auto w = uitest::openWindow();

    // Nothing on the circuit drawing covers its border, the band labels
    // included once they are shown.
    w->Menu_bandLabels->setChecked(true);
    QWidget *circuit = uitest::find<QWidget>(w.get(), u"Picture3"_s);
    for (QWidget *c : circuit->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(c->isHidden() || circuit->rect().adjusted(1, 1, -1, -1).contains(c->geometry()),
                 qPrintable(c->objectName()));

    // The guide's band-count options sit inside their frame, under its title.
    GuidePage *guide = w->guidePage();
    for (QRadioButton *option : {guide->Option3, guide->Option4})
        QVERIFY2(guide->Frame1->contentsRect().contains(option->geometry()),
                 qPrintable(option->objectName()));

    // Page 0's tolerance band reaches from the top outline of the body under
    // it to the bottom one.
    const QRect band = uitest::find<QWidget>(w.get(), u"Shape17"_s)->geometry();
    const QImage body = bareDrawing(uitest::find<QWidget>(w.get(), u"Picture5"_s));
    const auto isOutline = [&](int y) { return qGray(body.pixel(band.center().x(), y)) < 128; };
    int top = 0, bottom = body.height() - 1;
    while (!isOutline(top))
        ++top;
    while (!isOutline(bottom))
        --bottom;
    QVERIFY(band.top() <= top && band.bottom() >= bottom);
}

void tst_Theme::powersReadable_data()
{
    QTest::addColumn<QString>("dialog"); // empty: the guide page
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text"); // one line; empty: as the page shows it
    QTest::newRow("guide, 10²") << QString() << u"Label27"_s << QString();
    QTest::newRow("tip, I²") << u"frmTip"_s << u"lblTipText"_s << u"P = I² × R"_s;
    QTest::newRow("tip, 10³") << u"frmTip"_s << u"lblTipText"_s << u"10 × 10³ = 10K\u2126"_s;
}

void tst_Theme::powersReadable()
{
    // The superscript digit is drawn at least 4 pixels tall at 100 %, where
    // the face's own superscript glyphs are specks; the text stays as set.
    QFETCH(QString, dialog);
    QFETCH(QString, label);
    QFETCH(QString, text);
    auto w = uitest::openWindow();
    w->SSTab1->setCurrentIndex(kGuidePage);
    frmTip tip(w.get());
    auto *l =
        uitest::find<QLabel>(dialog.isEmpty() ? static_cast<QWidget *>(w.get()) : &tip, label);
    if (!text.isEmpty())
        l->setText(text);
    text = l->text();
    const qsizetype at = text.indexOf(QRegularExpression(u"[²³]"_s));
    const QFontMetrics metrics(l->font());
    const int left = l->contentsRect().left() + metrics.horizontalAdvance(text.left(at));
    // Drawn on white, without the window behind it; its text is black.
    QImage image(l->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    l->render(&image, {}, {}, QWidget::DrawChildren);
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool inked = false;
        for (int x = left; x < left + metrics.horizontalAdvance(text.at(at)); ++x)
            inked = inked || qGray(image.pixel(x, y)) < 160;
        rows += inked;
    }
    QVERIFY2(rows >= 4, qPrintable(u"%1 rows"_s.arg(rows)));
    QCOMPARE(l->text(), text);
}

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
