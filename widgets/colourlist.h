#pragma once

// The band lists of the colour-to-value page and the practice, made one way:
// named, heard by the caption under them, each open entry with a swatch of
// its colour, and a caption centred under each.

#include <QRect>
#include <QStringList>
#include <QStringView>

class QComboBox;
class QLabel;
class QWidget;

namespace ui {

// Rows of 20 pixels open a digit list 200 pixels tall, all ten colours in
// view.
inline constexpr int kColourRowHeight = 20;

// A list of `entries` at `geometry`, named `name`, whose accessible name is
// `caption`; a geometry without height takes the list's own.
QComboBox *makeColourList(QWidget *parent, const QString &name, const QStringList &entries,
                          QStringView caption, const QRect &geometry);

// A caption centred under `list`; an access key in `text` moves to the list.
QLabel *makeCaption(QWidget *parent, const QString &name, QStringView text, QComboBox *list);

// Puts a caption back under its list after the list has moved.
void placeCaption(QLabel *caption, const QComboBox *list);

} // namespace ui
