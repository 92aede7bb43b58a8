#include "shell/application.h"
#include "shell/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    shell::setUpApplication(app);
    Form1 window;
    window.show();
    return app.exec();
}
