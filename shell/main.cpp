#include "shell/application.h"
#include "shell/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    shell::FontsReadAhead fonts;
    QApplication app(argc, argv);
    fonts.wait();
    shell::setUpApplication(app);
    Form1 window;
    window.show();
    return app.exec();
}
