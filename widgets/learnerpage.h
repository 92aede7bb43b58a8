#pragma once

// What the pages that paint bands share for the learner: the working of the
// page's last result, which the main window shows in its working line, and
// the numbers on the page's bands.

#include <QList>
#include <QString>
#include <QWidget>

namespace ui {

class BandShape;

// A page of the main window's tab control. Each page names the control
// that takes the focus when the page is shown.
class TabPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    virtual QWidget *firstFocus() const = 0;
};

class LearnerPage : public TabPage {
    Q_OBJECT

public:
    using TabPage::TabPage;

    // The working of the page's last result; empty after its clear or reset
    // button.
    QString working() const { return m_working; }

    // Numbers on the painted bands, for a learner who cannot tell the colours
    // apart.
    void setBandLabelsShown(bool shown);

signals:
    void workingChanged(const QString &working);

protected:
    void setWorking(const QString &text);
    // The bands whose labels setBandLabelsShown shows or hides.
    void setLabelledBands(const QList<BandShape *> &bands) { m_bands = bands; }

private:
    QString m_working;
    QList<BandShape *> m_bands;
};

} // namespace ui
