#pragma once

// Powers of ten ("10²") written with the raised digits of Unicode are specks
// in the Korean face at 100 %: these widgets keep such texts as they are but
// show the raised digits as ordinary ones, set raised and smaller.

#include <QLabel>
#include <QString>

namespace ui {

// `text` as rich text: escaped, line breaks kept, each run of raised digits
// (and a raised minus) as ordinary ones in <sup>.
QString raisedDigitsHtml(const QString &text);

// The ordinary character of a raised digit or the raised minus ('²' is
// '2'); a null character for any other.
QChar loweredDigit(QChar c);

// A plain-text label, word-wrapped, whose text() is the text as given and
// whose painting raises the powers of ten.
class RaisedTextLabel : public QLabel {
    Q_OBJECT

public:
    explicit RaisedTextLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
