#include "pages/classview/classdialog.h"

#include "colorcode/sentences.h"
#include "pages/classview/classfigures.h"
#include "server/classrow.h"
#include "widgets/accessibility.h"
#include "widgets/confusiontable.h"
#include "widgets/controls.h"
#include "widgets/savedialog.h"

#include <QCheckBox>
#include <QDir>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSqlDatabase>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using classview::Column;
using classview::ColumnCount;

namespace {

constexpr QStringView kTitle = u"반 현황";
// What a cell sorts by (classview::sortKeys).
constexpr int kSortRole = Qt::UserRole;
// The pupil a cell belongs to.
constexpr int kNameRole = Qt::UserRole + 1;
// How long what the teacher asked for is waited for before a progress
// dialog shows, and how often it is brought up to date then.
constexpr int kProgressAfterMs = 400;
constexpr int kProgressTickMs = 100;
// Room the window manager's frame and a panel take off the screen.
constexpr QSize kScreenRoom{40, 80};

// A cell that sorts by its key, numbers as numbers, so 9 comes before 10
// and a pupil with no answer before every share right.
class PupilCell : public QTableWidgetItem {
public:
    bool operator<(const QTableWidgetItem &other) const override
    {
        const QVariant mine = data(kSortRole);
        const QVariant theirs = other.data(kSortRole);
        if (mine.userType() == QMetaType::QString)
            return QString::localeAwareCompare(mine.toString(), theirs.toString()) < 0;
        return mine.toLongLong() < theirs.toLongLong();
    }
};

} // namespace

frmClass::frmClass(QWidget *owner, const classdb::Server &teacher)
    : QDialog(owner), m_teacher(teacher)
{
    setObjectName(u"frmClass"_s);
    setWindowTitle(kTitle.toString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(u"lblStatus"_s);
    lblStatus->setWordWrap(true);

    tblPupils = new FramedOnFocus<QTableWidget>(0, ColumnCount, this);
    tblPupils->setObjectName(u"tblPupils"_s);
    tblPupils->setAccessibleName(u"학생"_s);
    QStringList headers;
    for (QStringView name : classview::kColumnNames)
        headers << name.toString();
    tblPupils->setHorizontalHeaderLabels(headers);
    tblPupils->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPupils->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPupils->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPupils->setTabKeyNavigation(false);
    tblPupils->verticalHeader()->hide();
    tblPupils->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblPupils->horizontalHeader()->setStretchLastSection(true);
    // As tall as the class, within the screen; the rest scrolls.
    tblPupils->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tblPupils->setSortingEnabled(true);
    tblPupils->sortByColumn(Column::Name, Qt::AscendingOrder);
    tblPupils->installEventFilter(this);
    tblPupils->setToolTip(u"Enter는 학생의 학습 기록을 엽니다. Ctrl+위쪽 화살표는 이 열의 "
                          "오름차순, Ctrl+아래쪽 화살표는 내림차순으로 정렬합니다."_s);
    // A new order is heard, however it was asked for.
    connect(tblPupils->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                ui::announce(this, classview::sortedSentence(column, order));
            });
    lblPupils = ui::makeLabel(this, u"lblPupils"_s, u"학생(&P)"_s, tblPupils);

    tblClassConfusion = new ui::ConfusionTableView(
        practice::kConfusionColours,
        [](int c) { return practice::confusionColourWord(c).toString(); },
        practice::confusionColour, this);
    tblClassConfusion->setObjectName(u"tblClassConfusion"_s);
    tblClassConfusion->setAccessibleName(u"반이 헷갈린 색"_s);
    tblClassConfusion->setAccessibleDescription(u"행은 물은 색, 열은 답한 색"_s);
    lblClassConfusion =
        ui::makeLabel(this, u"lblClassConfusion"_s,
                      u"반이 헷갈린 색(&M): 행은 물은 색, 열은 답한 색"_s, tblClassConfusion);
    chkToday = new QCheckBox(u"오늘만(&O)"_s, this);
    chkToday->setObjectName(u"chkToday"_s);
    chkToday->setAccessibleName(u"오늘만"_s);

    cmdClassSheet = ui::makeButton(this, u"cmdClassSheet"_s, u"반 연습지..."_s);
    cmdExportClass = ui::makeButton(this, u"cmdExportClass"_s, u"CSV로 저장(&E)"_s);
    cmdClose = ui::makeButton(this, u"cmdClose"_s, u"닫기(&C)"_s);
    // No default button: Enter on a pupil opens their progress view and
    // must not close the view as well.
    for (QPushButton *b : {cmdClassSheet, cmdExportClass, cmdClose})
        b->setAutoDefault(false);

    setTabOrder(tblPupils, chkToday);
    setTabOrder(chkToday, tblClassConfusion);
    setTabOrder(tblClassConfusion, cmdClassSheet);
    setTabOrder(cmdClassSheet, cmdExportClass);
    setTabOrder(cmdExportClass, cmdClose);

    auto *confusionHead = new QHBoxLayout;
    confusionHead->addWidget(lblClassConfusion);
    confusionHead->addStretch();
    confusionHead->addWidget(chkToday);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdClassSheet);
    buttons->addWidget(cmdExportClass);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addWidget(lblPupils);
    layout->addWidget(tblPupils, 1);
    layout->addLayout(confusionHead);
    layout->addWidget(tblClassConfusion);
    layout->addLayout(buttons);

    connect(tblPupils, &QTableWidget::itemDoubleClicked, this, &frmClass::tblPupils_DblClick);
    connect(chkToday, &QCheckBox::clicked, this, &frmClass::chkToday_Click);
    connect(cmdClassSheet, &QPushButton::clicked, this, &frmClass::cmdClassSheet_Click);
    connect(cmdExportClass, &QPushButton::clicked, this, &frmClass::cmdExportClass_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmClass::cmdClose_Click);

    m_clock = new QTimer(this);
    m_clock->setInterval(kRefreshMs);
    connect(m_clock, &QTimer::timeout, this, &frmClass::showPupils);
}

frmClass::~frmClass()
{
    // Its thread is left to end by itself if it waits on the network.
    delete m_watch;
}

void frmClass::Form_Load()
{
    // What needs the class waits for it.
    cmdClassSheet->setEnabled(false);
    cmdExportClass->setEnabled(false);
    lblStatus->setText(u"%1 서버에서 반 기록을 읽는 중입니다…"_s.arg(m_teacher.host));
    ui::announce(this, lblStatus->text());
    m_watch = new classdb::ClassWatch(m_teacher, kRefreshMs, kRetryMs, this);
    connect(m_watch, &classdb::ClassWatch::classRead, this, &frmClass::showClass);
    connect(m_watch, &classdb::ClassWatch::news, this, &frmClass::takeNews);
    connect(m_watch, &classdb::ClassWatch::failed, this, &frmClass::showFailure);
    connect(m_watch, &classdb::ClassWatch::following, this, [this] {
        m_failure.reset();
        showFollowing();
        ui::announce(this, lblStatus->text());
    });
}

void frmClass::showClass(const classdb::ClassSums &sums)
{
    m_read = true;
    m_sums = sums;
    for (const auto &[name, pupil] : m_sums.pupils) {
        m_states[name] = classdb::skillStates(pupil);
        showPupil(name);
    }
    showConfusions();
    showFollowing();
    tblPupils->selectRow(0);
    // As large as the tables ask, within the screen.
    tblPupils->resizeColumnsToContents();
    ensurePolished();
    tblClassConfusion->doItemsLayout();
    if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen())
        resize(sizeHint()
                   .expandedTo(QSize(tblPupils->horizontalHeader()->length() + 40, 0))
                   .boundedTo(screen->availableGeometry().size() - kScreenRoom));
    cmdClassSheet->setEnabled(true);
    cmdExportClass->setEnabled(true);
    // Heard as the reading was: the wait is over.
    ui::announce(this, lblStatus->text());
    m_clock->start();
}

void frmClass::stopReading()
{
    // Nothing of the watch arrives any more; its thread, caught in the
    // network or not, is told to stop as the watch goes.
    m_watch->disconnect(this);
    m_watch->deleteLater();
    m_watch = nullptr;
}

void frmClass::done(int result)
{
    // Closed before the class was read: the read is given up, not waited for.
    if (!m_read && m_watch)
        stopReading();
    QDialog::done(result);
}

void frmClass::takeNews(const classdb::ClassNews &news)
{
    classdb::apply(m_sums, news);
    for (const auto &[name, pupil] : news.pupils) {
        if (pupil)
            m_states[name] = classdb::skillStates(*pupil);
        else
            m_states.erase(name);
    }
    for (int r = tblPupils->rowCount() - 1; r >= 0; --r)
        if (!m_sums.pupils.contains(tblPupils->item(r, Column::Name)->data(kNameRole).toString()))
            tblPupils->removeRow(r);
    showPupils();
    if (!news.empty())
        showConfusions();
    if (!m_failure)
        showFollowing();
}

void frmClass::showPupils()
{
    // Every row, so "지금 연습 중" and today's count follow the clock; a cell
    // whose text stays is not painted again.
    for (const auto &[name, pupil] : m_sums.pupils)
        showPupil(name);
}

void frmClass::showFollowing()
{
    const QString text = u"%1 서버 · 학생 %2명 · 새 답은 저절로 보입니다"_s.arg(m_teacher.host)
                             .arg(m_sums.pupils.size());
    if (lblStatus->text() != text)
        lblStatus->setText(text);
}

void frmClass::showFailure(const classdb::Error &error)
{
    // A class never read leaves nothing to show: the view says why and
    // closes, as the first read is not tried again.
    if (!m_read) {
        stopReading();
        showMessage(classdb::message(error, m_teacher));
        reject();
        return;
    }
    const bool first = !m_failure;
    m_failure = error;
    lblStatus->setText(classdb::message(error, m_teacher) + u" 다시 연결되면 이어서 보입니다."_s);
    // Heard once while the class cannot be read, wherever the focus is.
    if (first)
        ui::announce(this, lblStatus->text());
}

void frmClass::showPupil(const QString &name)
{
    const QDateTime now = QDateTime::currentDateTime();
    const classview::PupilFigures figures =
        classview::figuresOf(name, m_sums.pupils[name], m_states[name], now.date());
    const std::array<QString, ColumnCount> texts = classview::rowTexts(figures, now);
    const std::array<QVariant, ColumnCount> keys = classview::sortKeys(figures);

    int row = -1;
    for (int r = 0; r < tblPupils->rowCount(); ++r)
        if (tblPupils->item(r, Column::Name)->data(kNameRole).toString() == name)
            row = r;
    if (row < 0) {
        // A new row is put in with sorting off, then sorted in its place.
        tblPupils->setSortingEnabled(false);
        row = tblPupils->rowCount();
        tblPupils->insertRow(row);
        for (int c = 0; c < ColumnCount; ++c) {
            auto *cell = new PupilCell;
            cell->setData(kNameRole, name);
            cell->setTextAlignment(c == Column::Name || c == Column::Weak
                                       ? Qt::AlignLeft | Qt::AlignVCenter
                                       : Qt::AlignRight | Qt::AlignVCenter);
            tblPupils->setItem(row, c, cell);
        }
    }
    QTableWidgetItem *cells[ColumnCount];
    for (int c = 0; c < ColumnCount; ++c)
        cells[c] = tblPupils->item(row, c);
    for (int c = 0; c < ColumnCount; ++c) {
        QTableWidgetItem *cell = cells[c];
        // A screen reader reads a cell without its column: the column is
        // said with it.
        const QString said = classview::spokenCell(c, texts[std::size_t(c)]);
        if (cell->text() != texts[std::size_t(c)])
            cell->setText(texts[std::size_t(c)]);
        if (cell->data(Qt::AccessibleTextRole).toString() != said)
            cell->setData(Qt::AccessibleTextRole, said);
        if (cell->data(kSortRole) != keys[std::size_t(c)])
            cell->setData(kSortRole, keys[std::size_t(c)]);
    }
    if (!tblPupils->isSortingEnabled())
        tblPupils->setSortingEnabled(true);
}

void frmClass::showConfusions()
{
    const std::optional<QDate> day =
        chkToday->isChecked() ? std::optional(QDate::currentDate()) : std::nullopt;
    const practice::ConfusionTable table = classview::classConfusions(m_sums, day);
    tblClassConfusion->setCounts(
        [&](int asked, int taken) { return table.counts[std::size_t(asked)][std::size_t(taken)]; });
}

std::vector<practice::SkillStates> frmClass::pupilStates() const
{
    std::vector<practice::SkillStates> states;
    for (const auto &[name, s] : m_states)
        states.push_back(s);
    return states;
}

bool frmClass::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tblPupils && event->type() == QEvent::KeyPress) {
        const auto *press = static_cast<QKeyEvent *>(event);
        const int key = press->key();
        // Enter on a pupil opens their progress view, as a double-click does.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            tblPupils_DblClick();
            return true;
        }
        // Ctrl+Up and Ctrl+Down sort by the current cell's column, as a
        // click on its header does, for a teacher without the mouse.
        if ((key == Qt::Key_Up || key == Qt::Key_Down) &&
            press->modifiers() == Qt::ControlModifier && tblPupils->currentColumn() >= 0) {
            tblPupils->sortByColumn(tblPupils->currentColumn(),
                                    key == Qt::Key_Up ? Qt::AscendingOrder : Qt::DescendingOrder);
            tblPupils->scrollTo(tblPupils->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmClass::tblPupils_DblClick()
{
    const QTableWidgetItem *current = tblPupils->currentItem();
    if (!current)
        return;
    const QString name = current->data(kNameRole).toString();
    if (m_failure) {
        showMessage(classdb::message(*m_failure, m_teacher));
        return;
    }
    auto answers = std::make_shared<std::vector<classdb::ClassAnswer>>();
    std::optional<classdb::Error> error;
    const auto read = [name, answers](QSqlDatabase &db, const auto & /*dropped*/) {
        auto got = classdb::pupilAnswers(db, name);
        std::optional<classdb::Error> failed;
        if (auto *e = std::get_if<classdb::Error>(&got))
            failed = *e;
        else
            *answers = std::move(std::get<std::vector<classdb::ClassAnswer>>(got));
        return failed;
    };
    if (!waitForServer(u"%1 학생의 답을 읽는 중입니다…"_s.arg(name), read, error))
        return;
    if (error) {
        showMessage(classdb::message(*error, m_teacher));
        return;
    }
    std::vector<practice::Row> rows;
    for (const classdb::ClassAnswer &a : *answers)
        rows.push_back(classdb::rowOf(a));
    emit pupilProgressRequested(name, rows);
}

void frmClass::chkToday_Click()
{
    showConfusions();
}

void frmClass::cmdClassSheet_Click()
{
    emit classSheetRequested(pupilStates());
}

bool frmClass::exportPupils(const QString &path)
{
    const QDateTime now = QDateTime::currentDateTime();
    std::vector<classview::PupilFigures> pupils;
    for (const auto &[name, pupil] : m_sums.pupils)
        pupils.push_back(classview::figuresOf(name, pupil, m_states[name], now.date()));
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(classview::pupilsCsv(pupils, now).toUtf8()) >= 0 && file.commit())
        return true;
    file.cancelWriting();
    showMessage(colorcode::saveFailedSentence(kTitle, QDir::toNativeSeparators(path)));
    return false;
}

bool frmClass::exportAnswers(const QString &path)
{
    // A class that cannot be read now is said at once, not waited for.
    if (m_failure) {
        showMessage(classdb::message(*m_failure, m_teacher));
        return false;
    }
    int total = 0;
    for (const auto &[name, pupil] : m_sums.pupils) {
        for (const auto &[day, sums] : pupil.days)
            total += sums.answers;
    }
    auto progress = std::make_shared<classdb::SaveProgress>();
    std::optional<classdb::Error> error;
    if (!waitForServer(u"모든 답을 CSV로 저장하는 중입니다…"_s,
                       classdb::answersToFile(path, classview::answersCsvHeader(),
                                              &classview::answerCsvLine, progress),
                       error, total, [progress] { return progress->written.load(); }))
        return false;
    if (progress->saved)
        return true;
    showMessage(error ? classdb::message(*error, m_teacher)
                      : colorcode::saveFailedSentence(kTitle, QDir::toNativeSeparators(path)));
    return false;
}

bool frmClass::waitForServer(const QString &doing, classdb::ServerTask::Work work,
                             std::optional<classdb::Error> &error, int total,
                             const std::function<qint64()> &done)
{
    QProgressDialog progress(doing, u"취소"_s, 0, total, this);
    progress.setObjectName(u"dlgServerProgress"_s);
    progress.setWindowTitle(kTitle.toString());
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(kProgressAfterMs);
    classdb::ServerTask task(m_teacher, std::move(work));
    QEventLoop loop;
    bool ended = false;
    connect(&task, &classdb::ServerTask::finished, &loop,
            [&](const std::optional<classdb::Error> &e) {
                ended = true;
                error = e;
                loop.quit();
            });
    connect(&progress, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    QTimer tick;
    connect(&tick, &QTimer::timeout, &progress,
            [&] { progress.setValue(done ? int(std::min<qint64>(done(), total)) : 0); });
    tick.start(kProgressTickMs);
    loop.exec();
    return ended;
}

void frmClass::cmdExportClass_Click()
{
    QMessageBox ask(
        QMessageBox::Question, kTitle.toString(),
        u"무엇을 CSV로 저장할까요?\n\n학생별 요약은 표의 한 줄이 한 학생이고, 모든 답은 "
        "학생 이름과 함께 답 하나가 한 줄입니다."_s,
        QMessageBox::NoButton, this);
    QPushButton *pupils = ask.addButton(u"학생별 요약(&S)"_s, QMessageBox::AcceptRole);
    pupils->setObjectName(u"cmdPupilsCsv"_s);
    QPushButton *answers = ask.addButton(u"모든 답(&A)"_s, QMessageBox::AcceptRole);
    answers->setObjectName(u"cmdAnswersCsv"_s);
    ask.addButton(u"취소"_s, QMessageBox::RejectRole);
    ask.setDefaultButton(pupils);
    ask.exec();
    const bool all = ask.clickedButton() == answers;
    if (!all && ask.clickedButton() != pupils)
        return;
    const QString path = ui::askSavePath(this, u"dlgSaveCsv"_s, u"반 현황을 CSV로 저장"_s,
                                         all ? u"반 모든 답.csv"_s : u"반 현황.csv"_s,
                                         u"CSV 파일 (*.csv)"_s, u"csv"_s);
    if (path.isEmpty())
        return;
    if (all)
        exportAnswers(path);
    else
        exportPupils(path);
}

void frmClass::cmdClose_Click()
{
    reject();
}

void frmClass::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, kTitle.toString(), text, QMessageBox::Ok, this);
    box.exec();
}
