#include "pages/guide/guidepage.h"

#include <QRadioButton>

GuidePage::GuidePage(QWidget *parent) : QWidget(parent)
{
    Option3 = new QRadioButton(QStringLiteral("4색"), this);
    Option3->setObjectName(QStringLiteral("Option3"));
    Option3->setChecked(true);
}
