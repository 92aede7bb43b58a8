#pragma once

// What a screen reader and a keyboard-only learner get beyond Qt's own
// accessibility: lists named by their captions, drawings without their
// leader lines, result labels that Tab reaches, results and their working
// spoken as soon as a result button has shown them, a list's new entry
// spoken when the arrow keys change it, option buttons heard as selected
// when their access key selects them, and text queries on inputs that always
// answer. Everything spoken is in words the Korean voice reads right
// (colorcode::spokenText); the screen keeps its symbols.

#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace ui {

// Installs the program's accessibility interfaces (lists, inputs, labels,
// pictures, the announcer) and the keyboard's speech (lists, option
// buttons). Once, after the QApplication exists and before any window is
// built, so the screen reader never sees Qt's own for these.
void installAccessibility();

// The options in `group` move the focus on by themselves: choosing one
// gives the focus to the control the learner answers with, though that be
// the control that had it. Their access keys then leave the focus where the
// choice put it and announce the choice ("SMD 표시 읽기 선택함"), where an
// option's access key otherwise gives the option the focus.
void letOptionsMoveFocus(QWidget *group);

// Tab stops at the label, which shows a frame while it has the focus.
void makeTabReachable(QLabel *label);

// Has a screen reader speak `shownText`, in its spoken words, wherever the
// focus is. Spoken through a notification of the main window that holds
// `from` (also from a dialog), named "announcer", once control is back in
// the event loop: everything announced
// until then is joined into one notification, in order, so no announcement
// replaces another before the screen reader has read it. Empty text is
// left out. A text about one chip names its `marking`, which is spelled
// wherever it stands (colorcode::spokenText), though it be of digits alone.
void announce(QWidget *from, const QString &shownText, const QString &marking = {});

// The label's text is about the chip whose marking is `marking`: a screen
// reader hears that marking spelled in it, never as a number. Empty for a
// text about no chip.
void setChipMarking(QLabel *label, const QString &marking);

// Announces `results`, each result's name and text in order, empty ones
// left out; a band (ui::BandShape) by its role and colour ("제1색띠 노랑"),
// unless hidden. The working of the page that holds `from` follows in the
// same notification.
void announceResults(QWidget *from, std::initializer_list<QWidget *> results);

} // namespace ui
