// Saves a PNG of each page of the main window and of every dialog, under the
// offscreen platform, so it needs no display, and a sample worksheet PDF:
//   pallado_shots <folder> [scale]     (scale 1, 1.5 or 2; default 1)
// With DARK=1 in the environment (make shots DARK=1) the window is shown in a
// dark scheme, as a dark desktop theme gives it, and the files are named
// page2-dark.png and so on.

#include "pages/practice/practicedialog.h"
#include "pages/practice/worksheet.h"
#include "pages/practice/worksheetdialog.h"
#include "shell/aboutdialog.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/tipdialog.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QPixmap>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

namespace {

bool save(QWidget &w, const QString &path)
{
    w.activateWindow();
    QTest::qWait(50);
    const QPixmap pixmap = w.grab();
    if (!pixmap.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Close to GNOME's and KDE's dark schemes, set before the window exists, as
// a platform theme sets it.
QPalette darkPalette()
{
    QPalette p(QColor(0x30, 0x30, 0x30), QColor(0x24, 0x24, 0x24));
    p.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    p.setColor(QPalette::AlternateBase, QColor(0x2A, 0x2A, 0x2A));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return p;
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray scale = argc > 2 ? QByteArray(argv[2]) : QByteArray("1");
    qputenv("QT_SCALE_FACTOR", scale);
    QApplication app(argc, argv);
    shell::setUpApplication(app);
    const bool dark = qEnvironmentVariableIntValue("DARK") != 0;
    if (dark)
        QApplication::setPalette(darkPalette());
    // Screenshots never touch the user's own settings, and show the tips
    // file that is built beside the program.
    QStandardPaths::setTestModeEnabled(true);
    frmTip::setTipsFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);
    const QString suffix =
        (dark ? QStringLiteral("-dark") : QString()) +
        (scale == "1" ? QString() : QStringLiteral("@") + QString::fromLatin1(scale));

    bool ok = true;
    Form1 window;
    window.show();
    for (int page = 0; page < window.SSTab1->count(); ++page) {
        window.SSTab1->setCurrentIndex(page);
        ok &= save(window, QStringLiteral("%1/page%2%3.png").arg(folder).arg(page).arg(suffix));
    }

    frmTip tip(&window);
    if (tip.Form_Load()) {
        tip.show();
        ok &= save(tip, QStringLiteral("%1/tip%2.png").arg(folder, suffix));
    }
    fmAbout about(&window);
    about.show();
    ok &= save(about, QStringLiteral("%1/about%2.png").arg(folder, suffix));
    about.hide();

    practice::Session session;
    frmPractice practice(&window, session);
    practice.show();
    ok &= save(practice, QStringLiteral("%1/practice%2.png").arg(folder, suffix));
    practice.optWrite->click();
    ok &= save(practice, QStringLiteral("%1/practice-write%2.png").arg(folder, suffix));
    practice.hide();

    frmWorksheet worksheet(&window);
    worksheet.show();
    ok &= save(worksheet, QStringLiteral("%1/worksheet%2.png").arg(folder, suffix));
    // The longest sheet, the same every time, so two runs compare.
    std::mt19937 random(1);
    const std::vector<practice::WorksheetQuestion> sheet =
        practice::worksheetQuestions(practice::kWorksheetMost, {}, random);
    const QString pdf = QStringLiteral("%1/worksheet.pdf").arg(folder);
    ok &= practice::writeWorksheetPdf(pdf, sheet);
    std::printf("%s\n", qPrintable(pdf));
    return ok ? 0 : 1;
}
