#include "shell/tipdialog.h"

#include <QPushButton>

frmTip::frmTip(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("저항과 관련된 상식"));
    cmdOK = new QPushButton(QStringLiteral("확인"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

bool frmTip::Form_Load()
{
    return true;
}
