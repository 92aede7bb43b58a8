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

// A plain-text label, word-wrapped, whose text() is the text as given and
// whose painting raises the powers of ten. A text taller than the label is
// cut after the last word that fits, with "…"; text() keeps it whole.
class RaisedTextLabel : public QLabel {
    Q_OBJECT

public:
    explicit RaisedTextLabel(QWidget *parent = nullptr);

    // The height of `lines` lines of text with raised digits in them, margins
    // included: a label this tall never grows with its text.
    int heightOfLines(int lines) const;

    // What is painted: the text, or its beginning with "…" when the whole
    // does not fit.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ui
