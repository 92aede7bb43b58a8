#include "pages/progress/progressdialog.h"

#include "colorcode/sentences.h"
#include "colorcode/speech.h"
#include "learner/progressdata.h"
#include "learner/record.h"
#include "pages/progress/skillchart.h"
#include "widgets/accessibility.h"
#include "widgets/confusiontable.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/savedialog.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QValueAxis>

using namespace Qt::StringLiterals;
using practice::kConfusionColours;

namespace {

constexpr QStringView kTitle = u"학습 기록";
constexpr QStringView kFileName = u"학습 기록.csv";
constexpr int kDays = 30;
// A date under every seventh bar, the last one today's: five dates fit
// beside each other at any scale, thirty would not.
constexpr int kDateEvery = 7;
// The counts' axis is cut in four, so its labels are whole numbers.
constexpr int kCountTicks = 5;

// The chart's fixed colours, told apart in a light and a dark scheme alike.
// The bars are the skill chart's blue.
constexpr QColor kAnswersColour{0x3C, 0x7F, 0xC8};
constexpr QColor kShareColour{0xE0, 0x7B, 0x00};

// Tall enough for the axes' five labels each, which are elided below.
constexpr QSize kLeastDailyChart{300, 220};
// Room the window manager's frame and a panel take off the screen.
constexpr QSize kScreenRoom{40, 80};

QString shortDate(QDate day)
{
    return u"%1/%2"_s.arg(day.month()).arg(day.day());
}

} // namespace

frmProgress::frmProgress(QWidget *owner, practice::Record &record)
    : QDialog(owner), m_record(record)
{
    setObjectName(u"frmProgress"_s);
    setWindowTitle(kTitle.toString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Made in tab order. Laid out, so no text is cut at any scale; the
    // charts and the table scroll or shrink when the screen is small.
    makeTotals();
    makeSkillChart();
    makeDailyChart();
    makeConfusionTable();
    makeButtons();
    layOut();
    connectControls();
    refresh();
    fitToScreen(owner);
}

void frmProgress::makeTotals()
{
    lblTotals = ui::makeLabel(this, u"lblTotals"_s, QString());
    ui::setPointFont(lblTotals, 11, true);
    lblTotals->setContentsMargins(2, 2, 2, 2);
    ui::makeTabReachable(lblTotals);
    // Room for the frame the focus gives the totals, so nothing below them
    // moves as the focus comes and goes.
    lblTotals->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_focusFrame = 2 * lblTotals->frameWidth();
    lblTotals->setFrameStyle(QFrame::NoFrame);
    // A sentence about the record, when there is one, wraps rather than runs
    // past the window.
    lblTotals->setWordWrap(true);
}

void frmProgress::makeSkillChart()
{
    skillChart = new SkillChart(this);
    skillChart->setAccessibleName(u"익힌 정도"_s);
    // Its rows scroll: the view asks for the height of the few it must show
    // at the least and its bars at their shortest, so the whole view fits a
    // 1024×768 screen; a taller window gives the chart the rest.
    skillChart->setMinimumHeight(skillChart->minimumSizeHint().height());
    skillChart->setMaximumWidth(skillChart->minimumSizeHint().width());
    skillChart->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    lblSkillChart = ui::makeLabel(this, u"lblSkillChart"_s, u"익힌 정도(&K)"_s, skillChart);
}

void frmProgress::makeDailyChart()
{
    m_dailyChart = new QChart;
    m_dailyChart->setBackgroundRoundness(0);
    m_dailyChart->setMargins(QMargins(2, 2, 2, 2));
    m_dailyChart->legend()->setAlignment(Qt::AlignBottom);
    m_dailyChart->legend()->setFont(font());
    dailyChart = new FramedOnFocus<QChartView>(m_dailyChart, this);
    dailyChart->setObjectName(u"dailyChart"_s);
    dailyChart->setAccessibleName(u"최근 30일 푼 문제와 정답률"_s);
    dailyChart->setRenderHint(QPainter::Antialiasing);
    dailyChart->setFocusPolicy(Qt::StrongFocus);
    dailyChart->setMinimumSize(kLeastDailyChart);
    lblDailyChart = ui::makeLabel(this, u"lblDailyChart"_s, u"최근 30일(&A)"_s, dailyChart);
}

void frmProgress::makeConfusionTable()
{
    tblConfusion = new ui::ConfusionTableView(
        kConfusionColours, [](int c) { return practice::confusionColourWord(c).toString(); },
        practice::confusionColour, this);
    tblConfusion->setObjectName(u"tblConfusion"_s);
    tblConfusion->setAccessibleName(u"헷갈린 색"_s);
    tblConfusion->setAccessibleDescription(u"행은 물은 색, 열은 답한 색"_s);
    lblConfusion = ui::makeLabel(this, u"lblConfusion"_s,
                                 u"헷갈린 색(&M): 행은 물은 색, 열은 답한 색"_s, tblConfusion);
}

void frmProgress::makeButtons()
{
    cmdExportRecord = ui::makeButton(this, u"cmdExportRecord"_s, u"CSV로 저장(&E)"_s);
    cmdResetRecord = ui::makeButton(this, u"cmdResetRecord"_s, u"기록 지우기(&D)"_s);
    cmdClose = ui::makeButton(this, u"cmdClose"_s, u"닫기(&C)"_s);
    cmdClose->setDefault(true);
}

void frmProgress::layOut()
{
    // Captions are made after what they name, so the tab order runs from
    // the totals through the charts and the table to the buttons.
    setTabOrder(lblTotals, skillChart);
    setTabOrder(skillChart, dailyChart);
    setTabOrder(dailyChart, tblConfusion);
    setTabOrder(tblConfusion, cmdExportRecord);
    setTabOrder(cmdExportRecord, cmdResetRecord);
    setTabOrder(cmdResetRecord, cmdClose);

    auto *charts = new QGridLayout;
    charts->addWidget(lblSkillChart, 0, 0);
    charts->addWidget(skillChart, 1, 0, 3, 1);
    charts->addWidget(lblDailyChart, 0, 1);
    charts->addWidget(dailyChart, 1, 1);
    charts->addWidget(lblConfusion, 2, 1);
    charts->addWidget(tblConfusion, 3, 1);
    charts->setColumnStretch(1, 1);
    charts->setRowStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdExportRecord);
    buttons->addWidget(cmdResetRecord);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTotals);
    layout->addLayout(charts, 1);
    layout->addLayout(buttons);
}

void frmProgress::connectControls()
{
    connect(cmdExportRecord, &QPushButton::clicked, this, &frmProgress::cmdExportRecord_Click);
    connect(cmdResetRecord, &QPushButton::clicked, this, &frmProgress::cmdResetRecord_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmProgress::cmdClose_Click);
}

void frmProgress::fitToScreen(const QWidget *owner)
{
    // As large as its contents ask, within the screen. The table's headers
    // are given their sizes now rather than when it is first shown, so it
    // asks for its whole size.
    ensurePolished();
    tblConfusion->doItemsLayout();
    if (const QScreen *screen = owner ? owner->screen() : this->screen())
        resize(sizeHint().boundedTo(screen->availableGeometry().size() - kScreenRoom));
    fitTotals();
}

void frmProgress::fitTotals()
{
    // A wrapped label's height is given here for the width it has: the
    // dialog's layout asks it for its height at no width of its own.
    layout()->activate();
    lblTotals->setMinimumHeight(lblTotals->heightForWidth(lblTotals->width()) + m_focusFrame);
}

void frmProgress::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitTotals();
    // Placed beside the main window, a view as tall as a small screen would
    // reach past its foot: moved back onto the screen, whole.
    if (const QScreen *screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveRight(std::min(frame.right(), room.right()));
        frame.moveBottom(std::min(frame.bottom(), room.bottom()));
        frame.moveLeft(std::max(frame.left(), room.left()));
        frame.moveTop(std::max(frame.top(), room.top()));
        if (frame.topLeft() != frameGeometry().topLeft())
            move(frame.topLeft());
    }
    // Queued, so it lands once the dialog's window has handed out its first
    // focus: the totals, read first.
    QTimer::singleShot(0, this, [this] { lblTotals->setFocus(Qt::TabFocusReason); });
}

void frmProgress::refresh()
{
    // A record that cannot be read says why instead of showing zeros; one
    // read while its answers wait says so after its totals.
    QString totals = m_record.readable()
                         ? practice::totalsText(m_record.totals(QDate::currentDate()))
                         : QString();
    if (const QString why = m_record.statusText(); !why.isEmpty())
        totals += (totals.isEmpty() ? u""_s : u"\n"_s) + why;
    lblTotals->setText(totals);
    lblTotals->setAccessibleName(totals);
    if (isVisible())
        fitTotals();
    skillChart->setStates(m_record.skills());
    showDays();
    showConfusions();
}

void frmProgress::showDays()
{
    const std::vector<practice::DayCount> days = m_record.lastDays(QDate::currentDate(), kDays);
    // Heard as words: "정답률 91퍼센트".
    dailyChart->setAccessibleDescription(colorcode::spokenText(practice::daysText(days)));

    // Made anew each time: a chart's series and axes are few and cheap.
    m_dailyChart->removeAllSeries();
    for (QAbstractAxis *axis : m_dailyChart->axes()) {
        m_dailyChart->removeAxis(axis);
        delete axis;
    }
    auto *answers = new QBarSet(u"푼 문제"_s);
    answers->setColor(kAnswersColour);
    answers->setBorderColor(kAnswersColour);
    auto *bars = new QBarSeries;
    auto *share = new QLineSeries;
    share->setName(u"정답률(%)"_s);
    share->setPen(QPen(kShareColour, 2));
    share->setPointsVisible(true);
    int most = 0;
    for (int i = 0; i < int(days.size()); ++i) {
        const practice::DayCount &d = days[std::size_t(i)];
        answers->append(d.answers);
        most = qMax(most, d.answers);
        // A day without answers has no share: the line goes past it.
        if (d.answers > 0)
            share->append(i, practice::percentRight(d.right, d.answers));
    }
    bars->append(answers);
    m_dailyChart->addSeries(bars);
    m_dailyChart->addSeries(share);

    const QPalette &pal = palette();
    const QColor text = pal.color(QPalette::Text);
    const QColor grid = faintColour(pal);
    m_dailyChart->setBackgroundBrush(pal.color(QPalette::Base));
    m_dailyChart->setBackgroundPen(Qt::NoPen);
    m_dailyChart->legend()->setLabelColor(text);
    const auto style = [&](QAbstractAxis *axis, Qt::Alignment side) {
        axis->setLabelsFont(font());
        axis->setLabelsColor(text);
        axis->setLinePenColor(grid);
        axis->setGridLineColor(grid);
        m_dailyChart->addAxis(axis, side);
    };

    auto *dates = new QCategoryAxis;
    dates->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    dates->setRange(-0.5, kDays - 0.5);
    dates->setGridLineVisible(false);
    for (int i = (kDays - 1) % kDateEvery; i < int(days.size()); i += kDateEvery)
        dates->append(shortDate(days[std::size_t(i)].day), i);
    style(dates, Qt::AlignBottom);

    auto *counts = new QValueAxis;
    const int step = qMax(1, (most + kCountTicks - 2) / (kCountTicks - 1));
    counts->setRange(0, step * (kCountTicks - 1));
    counts->setTickCount(kCountTicks);
    counts->setLabelFormat(u"%i"_s);
    style(counts, Qt::AlignLeft);

    auto *percents = new QValueAxis;
    percents->setRange(0, 100);
    percents->setTickCount(kCountTicks);
    percents->setLabelFormat(u"%i"_s);
    percents->setGridLineVisible(false);
    style(percents, Qt::AlignRight);

    bars->attachAxis(dates);
    bars->attachAxis(counts);
    share->attachAxis(dates);
    share->attachAxis(percents);
}

void frmProgress::showConfusions()
{
    const practice::ConfusionTable table = m_record.confusions();
    tblConfusion->setCounts(
        [&](int asked, int taken) { return table.counts[std::size_t(asked)][std::size_t(taken)]; });
}

void frmProgress::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, kTitle.toString(), text, QMessageBox::Ok, this);
    box.exec();
}

bool frmProgress::recordUnreadable()
{
    if (m_record.readable())
        return false;
    showMessage(u"학습 기록을 읽을 수 없어 CSV 파일을 만들지 않았습니다.\n\n"_s +
                m_record.statusText());
    return true;
}

void frmProgress::setReadOnly(bool readOnly)
{
    cmdResetRecord->setVisible(!readOnly);
}

bool frmProgress::exportTo(const QString &path)
{
    if (recordUnreadable())
        return false;
    // Written beside the file and put in its place only when whole, so a
    // failure never leaves half a file or spoils the one that was there.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && m_record.exportCsv(file) && file.commit())
        return true;
    file.cancelWriting();
    showMessage(colorcode::saveFailedSentence(u"학습 기록", QDir::toNativeSeparators(path)));
    return false;
}

void frmProgress::cmdExportRecord_Click()
{
    // Said before a file is asked for, as no file would be written.
    if (recordUnreadable())
        return;
    const QString path = ui::askSavePath(this, u"dlgSaveCsv"_s, u"학습 기록을 CSV로 저장"_s,
                                         kFileName.toString(), u"CSV 파일 (*.csv)"_s, u"csv"_s);
    if (!path.isEmpty())
        exportTo(path);
}

void frmProgress::cmdResetRecord_Click()
{
    QMessageBox box(QMessageBox::Question, kTitle.toString(),
                    u"학습 기록을 모두 지울까요?\n\n푼 문제와 익힌 정도가 모두 사라지며 "
                    "되돌릴 수 없습니다. 먼저 CSV로 저장해 둘 수 있습니다."_s,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return;
    if (!m_record.reset()) {
        const QString why = m_record.statusText();
        showMessage(u"학습 기록을 지우지 못했습니다."_s +
                    (why.isEmpty() ? QString() : u"\n\n"_s + why));
    }
    refresh();
}

void frmProgress::cmdClose_Click()
{
    reject();
}
