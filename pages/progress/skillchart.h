#pragma once

// The progress view's chart of skills: one row per skill, in the order of
// kSkills, each with the swatch of its colour, its name, a bar as long as its
// strength and the strength in percent. Every skill has its row, practised or
// not. Painted rather than a chart of Qt Charts, whose axis labels cannot
// carry a swatch; it scrolls when the dialog is short, by the arrow and page
// keys too, and its accessible description holds every row's text in
// spoken words.

#include "learner/schedule.h"

#include <QAbstractScrollArea>
#include <QStaticText>

#include <array>

// A quarter of the way from the background of views to their text: grey
// in a light scheme and in a dark one, for grid lines, empty bars and the
// confusion table's diagonal, with text readable on it.
QColor faintColour(const QPalette &palette);

// The frame that shows a chart has the keyboard's focus, painted over its
// viewport: a chart has no current item whose frame would show it.
void paintFocusFrame(QWidget *viewport);

class SkillChart : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit SkillChart(QWidget *parent);

    // Shows the skills' states; the description follows.
    void setStates(const practice::SkillStates &states);

    // The strength shown for a skill, in percent.
    int percent(practice::SkillId skill) const { return m_percents[std::size_t(skill)]; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void layOutNames();
    int rowHeight() const;
    int contentWidth(int barWidth) const;
    void updateScrollRange();

    std::array<int, practice::kSkillCount> m_percents{};
    // The skills' names, their powers of ten raised.
    std::array<QStaticText, practice::kSkillCount> m_names;
    int m_nameWidth = 0;
};
