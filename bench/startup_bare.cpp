// The yardstick: what any Korean Qt program of the same shape pays before its
// first frame. A main window of Pallado's size with the same menus, the five
// tab captions over empty pages and a two-line status bar; the same names,
// font and Qt translations, and nothing of Pallado's own code, so it links
// Qt Widgets only. The probe is loaded from outside, as into the program.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pallado"));
    QApplication::setOrganizationName(QStringLiteral("Pallado"));
    QFont font(QStringLiteral("NanumGothic"), 9);
    font.setStyleHint(QFont::SansSerif);
    app.setFont(font);
    QTranslator translator;
    if (translator.load(QLocale(QLocale::Korean, QLocale::SouthKorea), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translator);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pallado"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("저항에 관한 상식"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    file->addAction(QStringLiteral("색띠 연습(&P)"));
    file->addAction(QStringLiteral("학습 기록(&S)"));
    file->addAction(QStringLiteral("연습지 만들기(&K)..."));
    file->addAction(QStringLiteral("E&xit"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    window.menuBar()
        ->addMenu(QStringLiteral("보기(&W)"))
        ->addAction(QStringLiteral("색띠에 숫자 표시(&N)"));
    window.menuBar()->addMenu(QStringLiteral("Help(&U)"))->addAction(QStringLiteral("&About"));
    auto *client = new QWidget;
    client->setFixedSize(513, 345);
    auto *tabs = new QTabWidget(client);
    tabs->setGeometry(16, 8, 481, 321);
    for (const char *caption : {"컬러@저항값(&C)", "저항값@컬러(&R)", "저항값계산(&L)",
                                "저항값 읽는법(&H)", "SMD 저항(&S)"})
        tabs->addTab(new QWidget, QString::fromUtf8(caption));
    window.setCentralWidget(client);
    auto *status = new QLabel;
    status->setMinimumHeight(2 * status->fontMetrics().lineSpacing() + 4);
    window.statusBar()->addWidget(status, 1);
    window.show();
    return app.exec();
}
