#pragma once

// What a screen reader and a keyboard-only learner get beyond Qt's own
// accessibility: lists named by their captions, drawings without their
// leader lines, result labels that Tab reaches, and results spoken as soon
// as a result button has shown them.

#include <initializer_list>

class QLabel;
class QString;
class QWidget;

namespace ui {

// Installs the program's accessibility interfaces (lists, pictures, the
// results announcer). Once, after the QApplication exists and before any
// window is built, so the screen reader never sees Qt's own for these.
void installAccessibility();

// Tab stops at the label, which shows a frame while it has the focus.
void makeTabReachable(QLabel *label);

// Has a screen reader speak `results` now, wherever the focus is: each
// result's name and text in order, empty ones left out. Spoken through a
// notification of `from`'s window, named "announcer".
void announceResults(QWidget *from, std::initializer_list<QWidget *> results);

} // namespace ui
