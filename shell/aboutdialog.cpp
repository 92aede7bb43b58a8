#include "shell/aboutdialog.h"

#include "widgets/controls.h"
#include "widgets/leaderline.h"
#include "widgets/svgpicture.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize kClientSize{ui::px(6045), ui::px(3750)};

constexpr QRect kPicture1 = ui::twipsRect(240, 210, 1575, 2415);
constexpr QRect kPicture2 = ui::twipsRect(2010, 180, 1500, 510);
constexpr QPoint kVersion = ui::twipsPoint(2190, 780);
constexpr QRect kLabel3 = ui::twipsRect(2130, 1170, 3300, 660);
constexpr QPoint kLabel4 = ui::twipsPoint(4110, 1860);
constexpr QRect kLabel5 = ui::twipsRect(2130, 2130, 1695, 375);
constexpr QLine kLine1 = ui::twipsLine(150, 2760, 5910, 2760);
constexpr QLine kLine2 = ui::twipsLine(210, 2790, 5910, 2790);
constexpr QRect kLabel6 = ui::twipsRect(420, 3030, 3585, 435);
constexpr QRect kCmdOk = ui::twipsRect(4320, 3030, 1215, 375);

constexpr colorcode::ColorCode kGrey = 0x808080;
constexpr colorcode::ColorCode kWhite = 0xFFFFFF;

// The about box's texts are plain and hang from their top left corner.
QLabel *plainText(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

fmAbout::fmAbout(QWidget *owner) : QDialog(owner)
{
    setObjectName(u"fmAbout"_s);
    setWindowTitle(u"Pallado정보"_s);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(kClientSize);

    // The pictures take no keyboard focus: the OK button is the one stop.
    Picture1 = new ui::SvgPicture(this, u"Picture1", u":/art/about_picture.svg", kPicture1);
    Picture1->setAccessibleName(u"저항과 LED가 꽂힌 브레드보드 그림"_s);
    Picture2 = new ui::SvgPicture(this, u"Picture2", u":/art/about_title.svg", kPicture2);
    Picture2->setAccessibleName(u"Pallado"_s);

    // Form_Load writes the build's version. The labels without a design
    // size are as large as their text.
    lblVersion = plainText(ui::makeLabel(this, u"lblVersion"_s, QString()));
    lblVersion->move(kVersion);
    Label3 = plainText(ui::makeLabel(this, u"Label3"_s,
                                     u"      초보자를 위한 간단한 저항값 학습 프로그램입니다.  "
                                     "4색 및 5색 저항에 관한 정보를 담고 있습니다."_s,
                                     kLabel3));
    Label3->setWordWrap(true);
    Label4 = plainText(ui::makeLabel(this, u"Label4"_s, u"Feb. 2004"_s));
    Label4->move(kLabel4);
    Label4->adjustSize();
    Label5 = plainText(ui::makeLabel(this, u"Label5"_s, u"만든 이: Pallado 팀"_s, kLabel5));
    Line1 = new ui::LeaderLine(this, u"Line1"_s, kLine1, kGrey);
    Line2 = new ui::LeaderLine(this, u"Line2"_s, kLine2, kWhite);
    Label6 = plainText(ui::makeLabel(this, u"Label6"_s, u"   "_s, kLabel6));

    Cmd_ok = ui::makeButton(this, u"Cmd_ok"_s, u"확인"_s, kCmdOk);
    Cmd_ok->setDefault(true);
    connect(Cmd_ok, &QPushButton::clicked, this, &fmAbout::Cmd_ok_Click);

    Form_Load();
}

void fmAbout::Form_Load()
{
    lblVersion->setText(u"버젼: %1.%2.%3"_s.arg(PALLADO_VERSION_MAJOR)
                            .arg(PALLADO_VERSION_MINOR)
                            .arg(PALLADO_VERSION_PATCH));
    lblVersion->adjustSize();
}

void fmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Queued, so it lands once the dialog is on screen and its window has
    // handed out its first focus: then Enter closes the dialog.
    QTimer::singleShot(0, Cmd_ok, [this] { Cmd_ok->setFocus(Qt::TabFocusReason); });
}

void fmAbout::Cmd_ok_Click()
{
    accept();
}
