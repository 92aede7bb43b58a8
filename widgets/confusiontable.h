#pragma once

// The table of which colour was answered for which: rows the colour asked,
// columns the colour answered, each header with its colour's swatch, the
// diagonal (answered right) greyed. A count never made is left blank so
// the ones made stand out; a screen reader, which reads a cell without its
// headers, hears both colours and the count ("물은 색 갈색, 답한 색 적색,
// 3번"). The learner's progress view and the teacher's view of the class
// show it alike.

#include "colorcode/colortables.h"
#include "widgets/focusframe.h"

#include <QTableWidget>

#include <functional>
#include <optional>

namespace ui {

class ConfusionTableView : public FramedOnFocus<QTableWidget> {
    Q_OBJECT

public:
    // `count` colours, each a row and a column: its word and its swatch
    // (none for the tolerance band that is not there, an empty outline).
    ConfusionTableView(int count, const std::function<QString(int)> &word,
                       const std::function<std::optional<colorcode::ColorCode>(int)> &colour,
                       QWidget *parent);

    // Shows count(asked, taken) in every cell.
    void setCounts(const std::function<int(int asked, int taken)> &count);

private:
    QStringList m_words;
};

} // namespace ui
