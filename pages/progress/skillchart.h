#pragma once

// The progress view's chart of skills: one row per skill, in the order of
// kSkills, each with the swatch of its colour, its name, a bar as long as its
// strength and the strength in percent. Every skill has its row, practised or
// not. A list whose rows are painted as the chart's rows, rather than a chart
// of Qt Charts, whose axis labels cannot carry a swatch: the arrow keys go
// from skill to skill, and a screen reader hears each row as it is reached
// ("숫자 검정 (0), 80퍼센트").

#include "learner/schedule.h"

#include <QListView>
#include <QStaticText>

#include <array>

class QStandardItemModel;

// A quarter of the way from the background of views to their text: grey
// in a light scheme and in a dark one, for grid lines, empty bars and the
// confusion table's diagonal, with text readable on it.
QColor faintColour(const QPalette &palette);

// The frame that shows a chart has the keyboard's focus, painted over its
// viewport: a chart has no current item whose frame would show it.
void paintFocusFrame(QWidget *viewport);

class SkillChart : public QListView {
    Q_OBJECT

public:
    explicit SkillChart(QWidget *parent);

    // Shows the skills' states, each row's spoken words with it.
    void setStates(const practice::SkillStates &states);

    // The strength shown for a skill, in percent.
    int percent(practice::SkillId skill) const { return m_percents[std::size_t(skill)]; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;

private:
    friend class SkillRowPainter;

    void layOutNames();
    int rowHeight() const;
    int contentWidth(int barWidth) const;

    QStandardItemModel *m_rows = nullptr;
    std::array<int, practice::kSkillCount> m_percents{};
    // The skills' names, their powers of ten raised.
    std::array<QStaticText, practice::kSkillCount> m_names;
    int m_nameWidth = 0;
};
