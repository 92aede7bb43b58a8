#include "pages/guide/guidepage.h"

#include "pages/guide/guidetexts.h"
#include "widgets/controls.h"
#include "widgets/raisedtext.h"
#include "widgets/svgpicture.h"
#include "widgets/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {

// Frame1 and Picture1 are placed relative to the tab control in the window
// design; the page itself starts this far inside it.
constexpr QPoint kPageOrigin{2, 21};

constexpr QRect kFrame1 = ui::twipsRect(5190, 720, 1665, 525);
constexpr QRect kOption3 = ui::twipsRect(120, 210, 585, 225);
constexpr QRect kOption4 = ui::twipsRect(900, 210, 585, 225);
constexpr QRect kPicture1 = ui::twipsRect(570, 1200, 6165, 3300);
constexpr QRect kPicture4 = ui::twipsRect(150, 150, 2130, 1365);
constexpr QRect kPicture6 = ui::twipsRect(120, 30, 2130, 1515);

// The captions sit where the drawing leaves room for them; the drawing's
// words line up with these rectangles, so they must not move.
constexpr QRect kLabel13 = ui::twipsRect(2640, 600, 2040, 180);
constexpr QRect kLabel14 = ui::twipsRect(2880, 1050, 90, 180);
constexpr QRect kLabel27 = ui::twipsRect(4170, 1260, 1290, 180);
constexpr QRect kLabel15 = ui::twipsRect(660, 1920, 90, 180);
constexpr QRect kLabel23 = ui::twipsRect(3450, 1920, 90, 180);
constexpr QRect kLabel24 = ui::twipsRect(4680, 1920, 900, 180);
constexpr QRect kLabel25 = ui::twipsRect(480, 2910, 2745, 180);
// The 6-band guide: its option after "5색", its resistor where the others
// are, and the line on the sixth band in the free row between the tolerance
// sentence and the one on the value.
constexpr QRect kSixBandOption = ui::twipsRect(1680, 210, 585, 225);
constexpr QRect kSixBandTempco = ui::twipsRect(480, 2190, 5550, 180);

// The design sizes were made for a smaller face than the 9-point NanumGothic
// of today: a control grows to what its text needs, never shrinks below its
// design size, and keeps its top-left corner.
void fitToText(QWidget *w, const QRect &design)
{
    w->setGeometry(QRect(design.topLeft(), design.size().expandedTo(w->sizeHint())));
}

// The design's frame drew its title on its top line, with the options just
// under it; here the title takes a line of its own, so the options go below
// it and the frame grows upwards to hold them. Its bottom edge stays where the
// design has it, just over the drawing.
void fitFrameToOptions(QGroupBox *frame, std::initializer_list<QWidget *> options)
{
    const QRect inside = frame->contentsRect();
    int grow = 0;
    for (QWidget *option : options) {
        option->move(option->x(), std::max(option->y(), inside.top()));
        grow = std::max(grow, option->geometry().bottom() - inside.bottom());
    }
    frame->setGeometry(frame->geometry().adjusted(0, -grow, 0, 0));
}

QLabel *makeCaption(QWidget *parent, const QString &name)
{
    // A caption may hold a power of ten, "10²"; it is one line, as wide as
    // its text.
    auto *label = new ui::RaisedTextLabel(parent);
    label->setWordWrap(false);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    // The text's top is the rectangle's top, so its baseline meets the
    // drawing's words on the same line.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The drawing is white in every desktop scheme; so is the text on it.
    ui::setTextColor(label, colorcode::kBlack);
    return label;
}

void setCaption(QLabel *label, const QString &text, const QRect &design)
{
    label->setText(text);
    fitToText(label, design);
}

// The guide's sentences, which the drawing paints, for a screen reader; Tab
// reaches the drawing after the option buttons.
void describeGuide(ui::SvgPicture *picture, colorcode::BandCount bands, bool tempco = false)
{
    picture->setAccessibleDescription(guide::guideSentences(bands, tempco).join(u'\n'));
}

QRadioButton *makeOption(QWidget *parent, const QString &name, const QString &caption,
                         const QString &accessibleName, const QRect &design)
{
    QRadioButton *option = ui::makeOption(parent, name, caption, {});
    option->setAccessibleName(accessibleName);
    fitToText(option, design);
    return option;
}

} // namespace

GuidePage::GuidePage(QWidget *parent) : ui::TabPage(parent)
{
    setObjectName(u"GuidePage"_s);

    Picture1 = new ui::SvgPicture(this, u"Picture1", u":/art/guide_drawing.svg",
                                  kPicture1.translated(-kPageOrigin));
    Picture1->setAccessibleName(u"저항값 읽는 법 그림"_s);
    Picture4 = new ui::SvgPicture(Picture1, u"Picture4", u":/art/guide_four_band.svg", kPicture4);
    Picture4->setAccessibleName(u"4색 저항: 적색, 보라, 적색, 금색"_s);
    Picture6 = new ui::SvgPicture(Picture1, u"Picture6", u":/art/guide_five_band.svg", kPicture6);
    Picture6->setAccessibleName(u"5색 저항: 적색, 보라, 적색, 주황, 갈색"_s);
    picSixBand =
        new ui::SvgPicture(Picture1, u"picSixBand", u":/art/guide_six_band.svg", kPicture6);
    picSixBand->setAccessibleName(u"6색 저항: 적색, 보라, 적색, 주황, 갈색, 갈색"_s);

    Label13 = makeCaption(Picture1, u"Label13"_s);
    Label14 = makeCaption(Picture1, u"Label14"_s);
    Label27 = makeCaption(Picture1, u"Label27"_s);
    Label15 = makeCaption(Picture1, u"Label15"_s);
    Label23 = makeCaption(Picture1, u"Label23"_s);
    Label24 = makeCaption(Picture1, u"Label24"_s);
    Label25 = makeCaption(Picture1, u"Label25"_s);
    lblGuideTempco = makeCaption(Picture1, u"lblGuideTempco"_s);

    // The frame reaches a few pixels into the drawing's top edge; it stays
    // in front of it, as it was made after it.
    Frame1 = ui::makeFrame(this, u"Frame1"_s, u"저항선택"_s, kFrame1.translated(-kPageOrigin));
    Option3 = makeOption(Frame1, u"Option3"_s, u"4색"_s, u"4색 저항 읽는 법"_s, kOption3);
    Option4 = makeOption(Frame1, u"Option4"_s, u"5색"_s, u"5색 저항 읽는 법"_s, kOption4);
    // "6색" comes after "5색", as far again; the frame grows to the right to
    // hold it, into the room the wider window gives the page.
    optGuideSix =
        makeOption(Frame1, u"optGuideSix"_s, u"6색"_s, u"6색 저항 읽는 법"_s, kSixBandOption);
    Frame1->resize(kSixBandOption.right() + 1 + kOption3.left(), Frame1->height());
    fitFrameToOptions(Frame1, {Option3, Option4, optGuideSix});
    Option3->setChecked(true);
    Picture1->setFocusPolicy(Qt::TabFocus);
    // After the options. Qt takes the drawing, the next focusable widget
    // round the page's chain, as already after Option4, so it is moved
    // through Option3.
    setTabOrder(Option3, Picture1);
    setTabOrder(Option4, optGuideSix);
    setTabOrder(optGuideSix, Picture1);

    // A user's click, or an arrow key moving the selection; setting the
    // buttons from code runs no handler.
    connect(Option3, &QRadioButton::clicked, this, &GuidePage::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &GuidePage::Option4_Click);
    connect(optGuideSix, &QRadioButton::clicked, this, &GuidePage::optGuideSix_Click);

    showView(guide::designView());
    describeGuide(Picture1, colorcode::BandCount::Four);
}

void GuidePage::Option3_Click()
{
    if (!Option3->isChecked())
        return;
    showView(guide::guideView(colorcode::BandCount::Four));
    describeGuide(Picture1, colorcode::BandCount::Four);
}

void GuidePage::Option4_Click()
{
    if (!Option4->isChecked())
        return;
    showView(guide::guideView(colorcode::BandCount::Five));
    describeGuide(Picture1, colorcode::BandCount::Five);
}

void GuidePage::optGuideSix_Click()
{
    if (!optGuideSix->isChecked())
        return;
    showView(guide::guideView(colorcode::BandCount::Five, true));
    describeGuide(Picture1, colorcode::BandCount::Five, true);
}

void GuidePage::showView(const guide::GuideView &view)
{
    Picture4->setVisible(view.fourBandPictureShown);
    Picture6->setVisible(view.fiveBandPictureShown);
    picSixBand->setVisible(view.sixBandPictureShown);
    setCaption(lblGuideTempco, view.tempco, kSixBandTempco);
    lblGuideTempco->setVisible(!view.tempco.isEmpty());
    setCaption(Label13, view.label13, kLabel13);
    setCaption(Label14, view.label14, kLabel14);
    setCaption(Label27, view.label27, kLabel27);
    setCaption(Label15, view.label15, kLabel15);
    setCaption(Label23, view.label23, kLabel23);
    setCaption(Label24, view.label24, kLabel24);
    setCaption(Label25, view.label25, kLabel25);
}

QWidget *GuidePage::firstFocus() const
{
    return Option3;
}
