#include "pages/value_to_color/valuetocolorpage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

ValueToColorPage::ValueToColorPage(QWidget *parent) : QWidget(parent)
{
    Text25 = new QLineEdit(this);
    Text25->setObjectName(QStringLiteral("Text25"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label3 = new QLabel(QStringLiteral("?"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
}
