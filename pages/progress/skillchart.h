#pragma once

// The progress view's chart of skills: one row per skill, in the order of
// kSkills, each with the swatch of its colour, its name, a bar as long as its
// strength and the strength in percent. Every skill has its row, practised or
// not. A list whose rows are painted as the chart's rows, rather than a chart
// of Qt Charts, whose axis labels cannot carry a swatch: the arrow keys go
// from skill to skill, and a screen reader hears each row as it is reached
// ("숫자 검정 (0), 80퍼센트").

#include "learner/schedule.h"
#include "widgets/focusframe.h"

#include <QListView>
#include <QStaticText>

#include <array>

class QStandardItemModel;

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
