#include "pages/color_to_value/colortovaluepage.h"

#include <QComboBox>
#include <QLineEdit>

ColorToValuePage::ColorToValuePage(QWidget *parent) : QWidget(parent)
{
    Combo7 = new QComboBox(this);
    Combo7->setObjectName(QStringLiteral("Combo7"));
    Combo8 = new QComboBox(this);
    Combo8->setObjectName(QStringLiteral("Combo8"));
    Combo9 = new QComboBox(this);
    Combo9->setObjectName(QStringLiteral("Combo9"));
    Text17 = new QLineEdit(this);
    Text17->setObjectName(QStringLiteral("Text17"));
    Text18 = new QLineEdit(this);
    Text18->setObjectName(QStringLiteral("Text18"));
    Text19 = new QLineEdit(this);
    Text19->setObjectName(QStringLiteral("Text19"));
    Text20 = new QLineEdit(this);
    Text20->setObjectName(QStringLiteral("Text20"));
    Text33 = new QLineEdit(this);
    Text33->setObjectName(QStringLiteral("Text33"));
    Text34 = new QLineEdit(this);
    Text34->setObjectName(QStringLiteral("Text34"));
}
