#include "pages/led/ledpage.h"

#include <QLineEdit>

LedPage::LedPage(QWidget *parent) : QWidget(parent)
{
    for (auto [box, name] : {std::pair{&Text26, "Text26"}, {&Text30, "Text30"}, {&Text31, "Text31"},
                             {&Text32, "Text32"}, {&Text41, "Text41"}, {&Text42, "Text42"}}) {
        *box = new QLineEdit(this);
        (*box)->setObjectName(QString::fromLatin1(name));
    }
}
