#include "pages/practice/practicedialog.h"

#include "colorcode/colortables.h"
#include "learner/record.h"
#include "widgets/accessibility.h"
#include "widgets/bandshape.h"
#include "widgets/chippicture.h"
#include "widgets/colourlist.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/raisedtext.h"
#include "widgets/resistordrawing.h"
#include "widgets/swatchdelegate.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <vector>

using namespace Qt::StringLiterals;
using practice::AnswerControls;

namespace {

constexpr QSize kClientSize{480, 408};

constexpr QRect kKindFrame{8, 4, 464, 46};
// The kinds' options side by side in the frame, each as wide as its text.
constexpr QPoint kFirstOption{10, 18};
constexpr int kOptionHeight = 22;
constexpr int kOptionGap = 8;
constexpr QRect kScore{8, 54, 464, 20};
constexpr QRect kInstruction{8, 78, 290, 20};
constexpr QRect kQuestion{300, 76, 172, 24}; // 12-point bold
constexpr QPoint kPictureTopLeft{60, 104};
// A marking question's chip, where the resistor is drawn otherwise.
constexpr QRect kChip{165, 116, 150, 92};

// The drawing shows the resistor of page 0's artwork twice as large, so
// the bands are easy to tell apart.
constexpr int kArtScale = 2;

// The answers of a read question, on one row under the drawing.
constexpr int kAnswerTop = 228;
constexpr QRect kAnswerCaption{8, kAnswerTop + 2, 62, 20};
constexpr QRect kAnswer{72, kAnswerTop, 104, 24};
constexpr QRect kUnit{180, kAnswerTop, 62, 24};
constexpr QRect kToleranceCaption{256, kAnswerTop + 2, 78, 20};
constexpr QRect kTolerance{336, kAnswerTop, 84, 24};

// The band lists of a write question, side by side and centred, each with
// its caption under it.
constexpr int kBandListWidth = 76;
constexpr int kBandListGap = 10;
constexpr int kBandListHeight = 24;

constexpr QRect kCheck{8, 278, 100, 28};
constexpr QRect kNext{114, 278, 110, 28};
constexpr QRect kProgress{230, 278, 110, 28};
constexpr QRect kClose{392, 278, 80, 28};
constexpr QRect kFeedback{8, 314, 464, 86};
constexpr QMargins kFeedbackMargins{6, 4, 6, 4};

// A band list whose open entries show their colours; all ten digits in view.
QComboBox *makeBandList(QWidget *parent, const QString &name, const QStringList &entries,
                        QStringView role)
{
    QComboBox *list = ui::makeColourList(parent, name, entries, role,
                                         QRect(0, kAnswerTop, kBandListWidth, kBandListHeight));
    list->setMaxVisibleItems(int(colorcode::kBandColors.size()));
    return list;
}

// The tolerance bands in the order of the colour words: their colour, none
// for "없음".
std::vector<std::optional<colorcode::ColorCode>> toleranceSwatches()
{
    std::vector<std::optional<colorcode::ColorCode>> colors;
    for (const colorcode::ToleranceEntry &t : colorcode::kTolerances) {
        if (t.filled)
            colors.push_back(colorcode::toleranceColor(t, colorcode::Palette::Selector));
        else
            colors.push_back(std::nullopt);
    }
    return colors;
}

} // namespace

frmPractice::frmPractice(QWidget *owner, practice::Session &session, practice::Record &record,
                         std::span<const practice::QuestionKind *const> kinds)
    : QDialog(owner), m_session(session), m_record(record), m_kinds(kinds)
{
    setObjectName(u"frmPractice"_s);
    setWindowTitle(u"색띠 연습"_s);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(kClientSize);

    // Made in tab order: the kind, the answer controls, the buttons.
    makeKindOptions();
    makeQuestionControls();
    makeAnswerControls();
    makeButtons();
    connectControls();
    askFirstQuestion();
}

void frmPractice::makeKindOptions()
{
    fraKind = ui::makeFrame(this, u"fraKind"_s, u"문제 종류"_s, kKindFrame);
    // A kind chosen puts the focus on its first answer.
    ui::letOptionsMoveFocus(fraKind);
    QPoint at = kFirstOption;
    for (const practice::QuestionKind *k : m_kinds) {
        QRadioButton *option =
            ui::makeOption(fraKind, k->optionName(), k->optionText(), QRect(at, QSize(0, 0)));
        option->setAccessibleName(k->spokenName());
        option->setGeometry(QRect(at, QSize(option->sizeHint().width(), kOptionHeight)));
        at.rx() += option->width() + kOptionGap;
        m_options.push_back(option);
    }
    optRead = fraKind->findChild<QRadioButton *>(u"optRead"_s);
    optWrite = fraKind->findChild<QRadioButton *>(u"optWrite"_s);
    optSmd = fraKind->findChild<QRadioButton *>(u"optSmd"_s);
}

void frmPractice::makeQuestionControls()
{
    lblScore = ui::makeLabel(this, u"lblScore"_s, QString(), kScore);
    lblScore->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblInstruction = ui::makeLabel(this, u"lblInstruction"_s, QString(), kInstruction);
    lblQuestion = ui::makeLabel(this, u"lblQuestion"_s, QString(), kQuestion);
    lblQuestion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::setPointFont(lblQuestion, 12, true);

    picQuestion = new ui::ResistorDrawing(this, u"picQuestion", kPictureTopLeft, kArtScale,
                                          {u"Band1", u"Band2", u"Band3", u"Band4", u"Band5"});
    picQuestion->setAccessibleName(u"문제의 저항 그림"_s);
    // The chip carries its marking in its name ("표시 472"), and Tab reaches
    // it, so a screen reader reads the question.
    picQuestionChip = new ui::ChipPicture(this, u"picQuestionChip", kChip);
    picQuestionChip->setFocusPolicy(Qt::TabFocus);
    picQuestionChip->hide();
    Band1 = picQuestion->band(0);
    Band2 = picQuestion->band(1);
    Band3 = picQuestion->band(2);
    Band4 = picQuestion->band(3);
    Band5 = picQuestion->band(4);
}

void frmPractice::makeAnswerControls()
{
    txtAnswer = ui::makeEntry(this, u"txtAnswer"_s, u"저항값"_s, kAnswer);
    lblAnswer = ui::makeLabel(this, u"lblAnswer"_s, u"저항값(&V)"_s, txtAnswer, kAnswerCaption);
    cboUnit = ui::makeList(this, u"cboUnit"_s, colorcode::itemTexts(colorcode::kUnitList),
                           u"단위"_s, kUnit);
    cboTolerance = ui::makeList(this, u"cboTolerance"_s, practice::toleranceTexts(),
                                colorcode::kToleranceRole.toString(), kTolerance);
    lblTolerance =
        ui::makeLabel(this, u"lblTolerance"_s, u"허용오차(&T)"_s, cboTolerance, kToleranceCaption);
    lblTolerance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Plain list rows rather than the style's menu rows, which are wider
    // than these short lists and would stick out of them.
    for (QComboBox *list : {cboUnit, cboTolerance})
        list->setItemDelegate(new QStyledItemDelegate(list));

    const QStringList digits = colorcode::digitItemTexts();
    cboDigit1 = makeBandList(this, u"cboDigit1"_s, digits, colorcode::kFirstDigitRole);
    cboDigit2 = makeBandList(this, u"cboDigit2"_s, digits, colorcode::kSecondDigitRole);
    cboDigit3 = makeBandList(this, u"cboDigit3"_s, digits, colorcode::kThirdDigitRole);
    cboMultiplier = makeBandList(this, u"cboMultiplier"_s,
                                 colorcode::digitItemTexts(colorcode::kMultiplierEntries),
                                 colorcode::kMultiplierRole);
    cboToleranceBand =
        makeBandList(this, u"cboToleranceBand"_s, practice::toleranceWords(), u"허용오차 색띠");
    for (QComboBox *list : {cboDigit1, cboDigit2, cboDigit3, cboMultiplier})
        ui::setDigitSwatches(list, colorcode::Palette::Selector);
    ui::setSwatches(cboToleranceBand, toleranceSwatches());
    // The captions carry the lists' access keys.
    lblDigit1 = ui::makeCaption(this, u"lblDigit1"_s, u"제&1색띠"_s, cboDigit1);
    lblDigit2 = ui::makeCaption(this, u"lblDigit2"_s, u"제&2색띠"_s, cboDigit2);
    lblDigit3 = ui::makeCaption(this, u"lblDigit3"_s, u"제&3색띠"_s, cboDigit3);
    lblMultiplier = ui::makeCaption(this, u"lblMultiplier"_s, u"승수(&M)"_s, cboMultiplier);
    lblToleranceBand =
        ui::makeCaption(this, u"lblToleranceBand"_s, u"허용오차(&T)"_s, cboToleranceBand);
}

void frmPractice::makeButtons()
{
    cmdCheck = ui::makeButton(this, u"cmdCheck"_s, u"채점(&G)"_s, kCheck);
    cmdNext = ui::makeButton(this, u"cmdNext"_s, u"다음 문제(&N)"_s, kNext);
    cmdProgress = ui::makeButton(this, u"cmdProgress"_s, u"기록 보기(&S)"_s, kProgress);
    cmdClose = ui::makeButton(this, u"cmdClose"_s, u"닫기(&C)"_s, kClose);

    // A panel frames the feedback.
    auto *feedbackPanel = new QFrame(this);
    feedbackPanel->setObjectName(u"fraFeedback"_s);
    feedbackPanel->setFrameShape(QFrame::StyledPanel);
    feedbackPanel->setGeometry(kFeedback);
    lblFeedback = new ui::RaisedTextLabel(feedbackPanel);
    lblFeedback->setObjectName(u"lblFeedback"_s);
    lblFeedback->setGeometry(QRect(QPoint(), kFeedback.size()).marginsRemoved(kFeedbackMargins));
}

void frmPractice::connectControls()
{
    // Option buttons change by click or arrow key; only the one that becomes
    // selected acts.
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        connect(m_options[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                setKind(*m_kinds[i]);
        });
    }
    connect(cmdProgress, &QPushButton::clicked, this, &frmPractice::cmdProgress_Click);
    // A pick is `activated`; the lists reset from code paint nothing.
    for (QComboBox *list : {cboDigit1, cboDigit2, cboDigit3, cboMultiplier, cboToleranceBand})
        connect(list, &QComboBox::activated, this, &frmPractice::paintPicks);
    connect(cmdCheck, &QPushButton::clicked, this, &frmPractice::cmdCheck_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmPractice::cmdNext_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmPractice::cmdClose_Click);
}

void frmPractice::askFirstQuestion()
{
    m_random.seed(std::uint32_t(std::chrono::system_clock::now().time_since_epoch().count()));
    // The record is opened here, not at start-up; a record it cannot use is
    // told of once, and the practice goes on without it.
    const QString notice = m_record.takeNotice();
    m_skills = m_record.skills();
    // The practice opens on the kind it was left on. A question left open
    // last time is asked again; an answered one is followed by the next.
    const practice::QuestionKind &k = kind();
    m_session.kind = k.key().toString();
    const auto at = std::find(m_kinds.begin(), m_kinds.end(), &k);
    {
        const QSignalBlocker quiet(m_options[std::size_t(at - m_kinds.begin())]);
        m_options[std::size_t(at - m_kinds.begin())]->setChecked(true);
    }
    if (!m_session.current || m_session.judged)
        askNext();
    showQuestion();
    showNotice(notice);
}

const practice::QuestionKind &frmPractice::kind() const
{
    return practice::kindOf(m_kinds, m_session.kind);
}

void frmPractice::askNext()
{
    const practice::QuestionKind &k = kind();
    practice::ask(m_session, k.key(),
                  k.next(m_session.review, m_skills, QDate::currentDate(), m_random));
}

void frmPractice::showNotice(const QString &notice)
{
    if (notice.isEmpty())
        return;
    const QString shown = lblFeedback->text();
    lblFeedback->setText(shown.isEmpty() ? notice : shown + u'\n' + notice);
    ui::announce(this, notice);
}

void frmPractice::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Queued, so it lands once the dialog's window has handed out its first
    // focus.
    QTimer::singleShot(0, this, [this] { firstAnswerControl()->setFocus(Qt::TabFocusReason); });
}

QWidget *frmPractice::firstAnswerControl() const
{
    return kind().controls() == AnswerControls::Bands ? static_cast<QWidget *>(cboDigit1)
                                                      : txtAnswer;
}

void frmPractice::placeBandLists(bool fiveBand)
{
    const std::pair<QComboBox *, QLabel *> columns[] = {
        {cboDigit1, lblDigit1},
        {cboDigit2, lblDigit2},
        {cboDigit3, lblDigit3},
        {cboMultiplier, lblMultiplier},
        {cboToleranceBand, lblToleranceBand},
    };
    const int n = fiveBand ? 5 : 4;
    int x = (kClientSize.width() - n * kBandListWidth - (n - 1) * kBandListGap) / 2;
    for (const auto &[list, caption] : columns) {
        if (list == cboDigit3 && !fiveBand)
            continue;
        list->move(x, kAnswerTop);
        ui::placeCaption(caption, list);
        x += kBandListWidth + kBandListGap;
    }
}

void frmPractice::showQuestion()
{
    const practice::QuestionKind &k = kind();
    const practice::Question &q = current();
    const AnswerControls controls = k.controls();
    const bool typed = controls != AnswerControls::Bands;
    const bool bands = controls == AnswerControls::Bands;
    const bool tolerance = controls == AnswerControls::ValueAndTolerance;
    const bool chip = !q.marking.isEmpty();
    const bool five = q.resistor.bands() == colorcode::BandCount::Five;
    for (QWidget *w : {static_cast<QWidget *>(lblAnswer), static_cast<QWidget *>(txtAnswer),
                       static_cast<QWidget *>(cboUnit)})
        w->setVisible(typed);
    lblTolerance->setVisible(tolerance);
    cboTolerance->setVisible(tolerance);
    for (QWidget *w :
         {static_cast<QWidget *>(cboDigit1), static_cast<QWidget *>(cboDigit2),
          static_cast<QWidget *>(cboMultiplier), static_cast<QWidget *>(cboToleranceBand),
          static_cast<QWidget *>(lblDigit1), static_cast<QWidget *>(lblDigit2),
          static_cast<QWidget *>(lblMultiplier), static_cast<QWidget *>(lblToleranceBand)})
        w->setVisible(bands);
    cboDigit3->setVisible(bands && five);
    lblDigit3->setVisible(bands && five);
    placeBandLists(five);
    picQuestion->setVisible(!chip);
    picQuestionChip->setVisible(chip);
    picQuestionChip->setMarking(q.marking);

    lblInstruction->setText(k.instruction());
    lblQuestion->setText(k.stated(q));
    lblQuestion->setVisible(!lblQuestion->text().isEmpty());
    txtAnswer->clear();
    for (QComboBox *list : {cboDigit1, cboDigit2, cboDigit3, cboMultiplier, cboToleranceBand})
        list->setCurrentIndex(0);
    // The drawing shows the question's bands, or the bands picked so far.
    if (bands)
        paintPicks();
    else if (!chip)
        paint(q.resistor);
    lblFeedback->clear();
    // The feedback on a chip names its marking, heard spelled.
    ui::setChipMarking(lblFeedback, q.marking);
    lblScore->setText(practice::scoreText(m_session.score));
    m_shown.start();
    cmdCheck->setEnabled(true);
    cmdCheck->setDefault(true);
    firstAnswerControl()->setFocus();
    // A learner who cannot see the drawing hears the question.
    ui::announce(this, k.spoken(q), q.marking);
}

void frmPractice::paint(const practice::Resistor &resistor)
{
    const std::array<practice::DrawnBand, 5> drawn = practice::drawnBands(resistor);
    ui::BandShape *const bands[] = {Band1, Band2, Band3, Band4, Band5};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const practice::DrawnBand &d = drawn[i];
        bands[i]->setVisible(d.shown);
        bands[i]->setFilled(d.filled);
        bands[i]->setFillColor(d.color);
        // Never a number on these bands: it would give the answer away.
        bands[i]->setDescription(
            colorcode::bandDescription(d.role, d.color, d.filled, colorcode::Palette::Selector));
    }
}

practice::Given frmPractice::given() const
{
    practice::Given g;
    if (kind().controls() == AnswerControls::Bands) {
        g.picked =
            practice::pickedResistor(question().bands(), cboDigit1->currentText(),
                                     cboDigit2->currentText(), cboDigit3->currentText(),
                                     cboMultiplier->currentText(), cboToleranceBand->currentText());
        return g;
    }
    g.number = txtAnswer->text();
    g.unit = cboUnit->currentText();
    if (kind().controls() == AnswerControls::ValueAndTolerance)
        g.tolerance = cboTolerance->currentText();
    return g;
}

void frmPractice::paintPicks()
{
    if (const std::optional<practice::Resistor> picked = given().picked)
        paint(*picked);
}

void frmPractice::setKind(const practice::QuestionKind &kind)
{
    // The question on screen, if not yet judged, is skipped: not counted.
    m_session.kind = kind.key().toString();
    askNext();
    showQuestion();
}

void frmPractice::cmdProgress_Click()
{
    emit progressRequested();
}

void frmPractice::reloadSkills()
{
    m_skills = m_record.skills();
}

void frmPractice::cmdCheck_Click()
{
    if (m_session.judged)
        return;
    const practice::Checked checked = kind().check(current(), given(), m_shown.elapsed() / 1000.0,
                                                   QDateTime::currentDateTimeUtc());
    // The answer is kept before the learner sees the verdict.
    QString notice;
    if (checked.answer) {
        // Kept, or waiting to be: either way, a state not yet told is told.
        m_record.add(*checked.answer);
        notice = m_record.takeNotice();
        practice::learn(m_skills, checked.skills);
    }
    lblFeedback->setText(checked.feedback);
    ui::announce(this, lblFeedback->text(), current().marking);
    showNotice(notice);
    if (!checked.judgement) {
        firstAnswerControl()->setFocus();
        return;
    }
    practice::judge(m_session, checked.judgement->right);
    lblScore->setText(practice::scoreText(m_session.score));
    ui::announce(this, lblScore->text());
    // The question is done: Enter now moves on.
    cmdNext->setDefault(true);
    cmdNext->setFocus();
    cmdCheck->setEnabled(false);
}

void frmPractice::cmdNext_Click()
{
    // A question left before it is judged is skipped: not counted.
    askNext();
    showQuestion();
}

void frmPractice::cmdClose_Click()
{
    accept();
}
