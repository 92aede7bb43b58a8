// The yardstick: a bare Qt main window of the program's size, with the same
// menus and four empty tab pages, reporting its first exposed frame.

#include "probe.h"

#include "shell/application.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shell::setUpApplication(app);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pallado"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("저항에 관한 상식"))
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+R")));
    file->addAction(QStringLiteral("E&xit"))->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    auto *client = new QWidget;
    client->setFixedSize(513, 345);
    auto *tabs = new QTabWidget(client);
    tabs->setGeometry(16, 8, 481, 321);
    for (const char *caption :
         {"컬러@저항값(&C)", "저항값@컬러(&R)", "저항값계산(&L)", "저항값 읽는법(&H)"})
        tabs->addTab(new QWidget, QString::fromUtf8(caption));
    window.setCentralWidget(client);
    FirstFrameProbe probe(window);
    window.show();
    return app.exec();
}
