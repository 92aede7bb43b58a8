#include "shell/tipdialog.h"

#include "widgets/accessibility.h"
#include "widgets/controls.h"
#include "widgets/raisedtext.h"
#include "widgets/svgpicture.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kClientSize{ui::px(5415), ui::px(3090)};

// The tip panel's own place is not in the window design; it fills the room
// left of the buttons, with the design's margins.
constexpr QRect kPicture1 = ui::twipsRect(120, 120, 3840, 2850);
constexpr QRect kLabel1 = ui::twipsRect(540, 180, 2655, 255);   // in Picture1
constexpr QRect kTipText = ui::twipsRect(180, 840, 3255, 1635); // in Picture1
constexpr QRect kCmdOK = ui::twipsRect(4080, 120, 1215, 375);
constexpr QRect kCmdNextTip = ui::twipsRect(4080, 600, 1215, 375);
constexpr QRect kPicture2 = ui::twipsRect(4170, 1710, 975, 1155);
constexpr QRect kCheckBox = ui::twipsRect(120, 2940, 2055, 315);

// The check box's design value is clear, so ticking it on load is a change
// and writes the setting.
constexpr Qt::CheckState kCheckBoxDesignState = Qt::Unchecked;

QString s_tipsFolder;

QString tipsFolder()
{
    return s_tipsFolder.isEmpty() ? QCoreApplication::applicationDirPath() : s_tipsFolder;
}

// The stored value of a check box: 0 clear, 1 ticked, 2 grey.
int storedValue(Qt::CheckState state)
{
    switch (state) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

QLabel *makePanelLabel(QLabel *label, const QString &name, const QRect &rect)
{
    label->setObjectName(name);
    label->setGeometry(rect);
    label->setTextFormat(Qt::PlainText);
    // The panel is white whatever the desktop's colours are.
    ui::setTextColor(label, colorcode::kBlack);
    return label;
}

} // namespace

frmTip::frmTip(QWidget *owner) : QDialog(owner)
{
    setObjectName(u"frmTip"_s);
    setWindowTitle(u"저항과 관련된 상식"_s);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(kClientSize);

    // Made in tab order: the OK button first.
    cmdOK = ui::makeButton(this, u"cmdOK"_s, u"확인"_s, kCmdOK);
    cmdOK->setDefault(true);
    cmdNextTip = ui::makeButton(this, u"cmdNextTip"_s, u"다음 팁(&N)"_s, kCmdNextTip);

    Picture1 = new ui::SvgPicture(this, u"Picture1", u":/art/tip_panel.svg", kPicture1);
    Label1 = makePanelLabel(new QLabel(Picture1), u"Label1"_s, kLabel1);
    Label1->setText(u"알고 계십니까.."_s);
    QFont heading = Label1->font();
    heading.setBold(true);
    Label1->setFont(heading);
    // A tip may hold a power, "10²" or "I²".
    lblTipText = makePanelLabel(new ui::RaisedTextLabel(Picture1), u"lblTipText"_s, kTipText);
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Picture2 = new ui::SvgPicture(this, u"Picture2", u":/art/tip_picture.svg", kPicture2);

    chkLoadTipsAtStartup =
        ui::makeCheck(this, u"chkLoadTipsAtStartup"_s, u"시작 시 표시(&S)"_s, false, kCheckBox);
    chkLoadTipsAtStartup->setCheckState(kCheckBoxDesignState);
    chkLoadTipsAtStartup->hide();

    connect(chkLoadTipsAtStartup, &QCheckBox::toggled, this, &frmTip::chkLoadTipsAtStartup_Click);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
    cmdOK->setFocus();
}

void frmTip::setTipsFolder(const QString &folder)
{
    s_tipsFolder = folder;
}

bool frmTip::Form_Load()
{
    const QSettings settings;
    if (!shell::settingShowsTips(settings.value(shell::kShowTipsKey.toString())))
        return false;

    chkLoadTipsAtStartup->setChecked(true);

    m_random.seed(std::uint32_t(std::chrono::system_clock::now().time_since_epoch().count()));

    if (!LoadTips(shell::tipsFilePath(tipsFolder())) &&
        m_problem == shell::TipsFileProblem::Missing)
        lblTipText->setText(shell::missingTipsMessage());
    return true;
}

bool frmTip::LoadTips(const QString &path)
{
    m_tips.clear();
    const shell::TipsFileContent content = shell::readTipsFile(path);
    if (const auto *tips = std::get_if<QStringList>(&content)) {
        m_tips = *tips;
        PickRandomTip();
        return true;
    }
    // A file that is there but cannot be shown says so; the program goes on.
    m_problem = std::get<shell::TipsFileProblem>(content);
    const QString name = shell::kTipsFileName.toString();
    switch (m_problem) {
    case shell::TipsFileProblem::Missing:
        break;
    case shell::TipsFileProblem::Unreadable:
        lblTipText->setText(name + u" 파일을 열 수 없습니다. 파일의 읽기 권한을 확인하십시오."_s);
        break;
    case shell::TipsFileProblem::NotText:
        lblTipText->setText(name + u" 파일의 글자를 읽을 수 없습니다. [메모장]에서 "_s +
                            u"UTF-8로 다시 저장하십시오."_s);
        break;
    }
    return false;
}

float frmTip::randomUnit()
{
    // 24 random bits: every value is exact in a float and below 1.
    return float(m_random() >> 8) * 0x1p-24f;
}

void frmTip::PickRandomTip()
{
    m_currentTip = shell::tipNumber(randomUnit(), m_tips.size());
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (m_tips.isEmpty())
        return;
    lblTipText->setText(m_tips.at(std::clamp<qsizetype>(m_currentTip, 1, m_tips.size()) - 1));
}

void frmTip::chkLoadTipsAtStartup_Click()
{
    QSettings settings;
    settings.setValue(shell::kShowTipsKey.toString(),
                      QString::number(storedValue(chkLoadTipsAtStartup->checkState())));
}

void frmTip::cmdNextTip_Click()
{
    PickRandomTip();
    // The focus stays on the button, so the new tip is said aloud.
    ui::announce(this, lblTipText->text());
}

void frmTip::cmdOK_Click()
{
    accept();
}
