// Saves a PNG of each page of the main window and of both dialogs, under the
// offscreen platform, so it needs no display:
//   pallado_shots <folder> [scale]     (scale 1, 1.5 or 2; default 1)

#include "shell/aboutdialog.h"
#include "shell/application.h"
#include "shell/form1.h"
#include "shell/tipdialog.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
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

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray scale = argc > 2 ? QByteArray(argv[2]) : QByteArray("1");
    qputenv("QT_SCALE_FACTOR", scale);
    QApplication app(argc, argv);
    shell::setUpApplication(app);
    // Screenshots never touch the user's own settings, and show the tips
    // file that is built beside the program.
    QStandardPaths::setTestModeEnabled(true);
    frmTip::setTipsFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    QDir().mkpath(folder);
    const QString suffix =
        scale == "1" ? QString() : QStringLiteral("@") + QString::fromLatin1(scale);

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
    return ok ? 0 : 1;
}
