// The program as main.cpp starts it, reporting its first exposed frame.

#include "probe.h"

#include "shell/application.h"
#include "shell/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shell::setUpApplication(app);
    Form1 window;
    FirstFrameProbe probe(window);
    window.show();
    return app.exec();
}
