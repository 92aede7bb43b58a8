#include "shell/aboutdialog.h"

#include <QPushButton>

fmAbout::fmAbout(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("fmAbout"));
    setWindowTitle(QStringLiteral("Pallado정보"));
    Cmd_ok = new QPushButton(QStringLiteral("확인"), this);
    Cmd_ok->setObjectName(QStringLiteral("Cmd_ok"));
    connect(Cmd_ok, &QPushButton::clicked, this, &QDialog::accept);
}
