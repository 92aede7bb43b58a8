#include "pages/color_to_value/colortovaluepage.h"

#include "colorcode/colortables.h"
#include "colorcode/readingworking.h"
#include "colorcode/tempco.h"
#include "pages/color_to_value/bandpaint.h"
#include "pages/color_to_value/readout.h"
#include "widgets/accessibility.h"
#include "widgets/bandshape.h"
#include "widgets/colourlist.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/leaderline.h"
#include "widgets/resistordrawing.h"
#include "widgets/swatchdelegate.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;
using colorcode::BandCount;

namespace {

// The captions under the lists double as the bands' roles in their
// descriptions and as the lists' accessible names.
constexpr QStringView kFirstDigit = colorcode::kFirstDigitRole;
constexpr QStringView kSecondDigit = colorcode::kSecondDigitRole;
constexpr QStringView kThirdDigit = colorcode::kThirdDigitRole;
constexpr QStringView kMultiplier = colorcode::kMultiplierRole;
constexpr QStringView kTolerance = colorcode::kToleranceRole;

// Page layout in pixels. The resistor drawing is placed so that the leader
// lines drop onto the middle of their lists, and the drops end at the
// drawing's bottom edge.
constexpr QRect kPictureRect{47, 25, 400, 141};
constexpr int kListWidth = 60;

// The three digit lists have their places relative to the tab control, as
// the window design gives them; the page itself starts about this far
// inside it, and the lists are placed again by the real offset once the tab
// control has been laid out (placeDigitLists).
constexpr QPoint kPageOriginInTabs{2, 21};
constexpr QPoint kDigitListPlaces[] = {{33, 187}, {117, 187}, {201, 187}};
constexpr int kDigitEntries = int(colorcode::kBandColors.size());
constexpr int kListTop = kDigitListPlaces[0].y() - kPageOriginInTabs.y();

// The multiplier and tolerance lists sit centred under their drops, at
// x 4020 and 5400 twips inside the drawing.
constexpr int kMultiplierListLeft = kPictureRect.x() + 268 - kListWidth / 2;
constexpr int kToleranceListWidth = 70; // room for "±0.05%"
constexpr int kToleranceListLeft = kPictureRect.x() + 360 - kToleranceListWidth / 2;

constexpr QRect kInstructionRect{8, 4, 462, 18};
// The band-count frame holds three options down to the page's bottom edge;
// the readout frame beside it matches its height.
constexpr QRect kModeFrameRect{8, 212, 104, 86};
constexpr QRect kOption1Rect{12, 18, 88, 22};
constexpr QRect kOption2Rect{12, 40, 88, 22};
constexpr QRect kSixBandOptionRect{12, 62, 88, 22};
constexpr QRect kReadoutFrameRect{120, 212, 236, 86};
constexpr QRect kResistanceRect{10, 26, 140, 40}; // 16-point bold
constexpr QRect kToleranceRect{156, 32, 70, 30};  // 12-point bold
constexpr QRect kResultButtonRect{364, 218, 106, 30};
constexpr QRect kClearButtonRect{364, 256, 106, 30};

// The sixth band's list stands right of the drawing, clear of its frame, at
// the height of the body's end; its leader runs down from the band and
// across to the list. The window grows wide enough to hold it.
constexpr int kTempcoListWidth = 106; // room for "250ppm 검정"
constexpr int kTempcoListGap = 6;     // clear of the drawing's frame
constexpr int kPageEdge = 6;          // between the list and the page's edge
constexpr QPoint kTempcoListPlace{kPictureRect.x() + kPictureRect.width() + kTempcoListGap,
                                  kPictureRect.y() + 58};
constexpr int kTempcoLabelRow = 2;
// The leader leaves the sixth band at its middle, in the drawing.
constexpr int kTempcoLeaderX = ui::kTempcoBand.center().x();
constexpr QRect kTempcoReadoutRect{156, 64, 70, 18}; // 9-point bold, under the tolerance
// The common coefficient of metal-film resistors is the starting choice.
constexpr int kStartingTempco = 1; // "100ppm 갈색"

constexpr colorcode::ColorCode kGold = 0x00C0C0;
constexpr colorcode::ColorCode kBrown = 0x004080;

// A band list at `place`, as wide as the digit lists unless told.
QComboBox *makeList(QWidget *parent, const QString &name, const QStringList &entries,
                    QStringView caption, QPoint place, int width = kListWidth)
{
    return ui::makeColourList(parent, name, entries, caption, QRect(place, QSize(width, 0)));
}

void setTempcoSwatches(QComboBox *list)
{
    std::vector<std::optional<colorcode::ColorCode>> swatches;
    for (const colorcode::TempcoEntry &entry : colorcode::kTempcos)
        swatches.push_back(colorcode::tempcoColor(entry, colorcode::Palette::Selector));
    ui::setSwatches(list, swatches);
}

QLineEdit *makeHolder(QWidget *picture, const QString &name, int slot)
{
    // Never shown (hidden when the page takes its starting state); they keep
    // the digits the result button reads.
    QLineEdit *holder = ui::makeEntry(picture, name, QString(), QRect(4 + slot * 24, 4, 22, 20));
    holder->setText(u"0"_s);
    holder->setReadOnly(true);
    return holder;
}

} // namespace

ColorToValuePage::ColorToValuePage(QWidget *parent) : ui::LearnerPage(parent)
{
    Label5 = ui::makeLabel(this, u"Label5"_s,
                           u"※ 색상을 선택한 후 결과 버튼을 누르면 저항값을 보여줍니다.^^"_s,
                           kInstructionRect);

    buildDrawing();
    buildLists();
    buildModeAndReadouts();
    buildSixBand();
    openInFourBandMode();
    connectHandlers();
}

void ColorToValuePage::buildDrawing()
{
    // The drawing first, so the lists below it come after it in the focus
    // chain and on top of it.
    Picture5 = new ui::ResistorDrawing(this, u"Picture5", kPictureRect,
                                       {u"Shape9", u"Shape14", u"Shape15", u"Shape16", u"Shape17"});
    Picture5->setAccessibleName(u"저항 그림"_s);
    Shape9 = Picture5->band(0);
    Shape14 = Picture5->band(1);
    Shape15 = Picture5->band(2);
    Shape16 = Picture5->band(3);
    Shape17 = Picture5->band(4);
    for (ui::BandShape *band : {Shape9, Shape14, Shape15, Shape16, Shape17}) {
        band->setFilled(true);
        band->setFillColor(band == Shape17 ? kGold : colorcode::kBlack);
    }

    const auto line = [this](const QString &name, int x1, int y1, int x2, int y2) {
        return new ui::LeaderLine(Picture5, name, ui::twipsLine(x1, y1, x2, y2));
    };
    Line10 = line(u"Line10"_s, 3300, 810, 3300, 1020);
    Line11 = line(u"Line11"_s, 3300, 1020, 210, 1800);
    Line9 = line(u"Line9"_s, 210, 1800, 210, 2100);
    Line3 = line(u"Line3"_s, 3510, 810, 3510, 1050);
    Line13 = line(u"Line13"_s, 1470, 1800, 3510, 1050);
    Line12 = line(u"Line12"_s, 1470, 1800, 1470, 2070);
    Line17 = line(u"Line17"_s, 3720, 780, 3720, 1080);
    Line5 = line(u"Line5"_s, 3720, 1050, 2790, 1770);
    Line19 = line(u"Line19"_s, 2790, 1770, 2790, 2070);
    Line18 = line(u"Line18"_s, 4020, 1770, 3720, 1050);
    Line6 = line(u"Line6"_s, 3930, 780, 3930, 1020);
    Line14 = line(u"Line14"_s, 3930, 990, 4020, 1770);
    Line8 = line(u"Line8"_s, 4020, 1770, 4020, 2100);
    Line7 = line(u"Line7"_s, 4500, 840, 4500, 1050);
    Line16 = line(u"Line16"_s, 4500, 1050, 5400, 1800);
    Line15 = line(u"Line15"_s, 5400, 1800, 5400, 2070);

    Text19 = makeHolder(Picture5, u"Text19"_s, 0);
    Text20 = makeHolder(Picture5, u"Text20"_s, 1);
    Text33 = makeHolder(Picture5, u"Text33"_s, 2);
    Text34 = makeHolder(Picture5, u"Text34"_s, 3);
}

void ColorToValuePage::buildLists()
{
    const QStringList digits = colorcode::digitItemTexts();
    const QPoint firstPlace = kDigitListPlaces[0] - kPageOriginInTabs;
    const QPoint secondPlace = kDigitListPlaces[1] - kPageOriginInTabs;
    const QPoint thirdPlace = kDigitListPlaces[2] - kPageOriginInTabs;
    Combo7 = makeList(this, u"Combo7"_s, digits, kFirstDigit, firstPlace);
    Combo8 = makeList(this, u"Combo8"_s, digits, kSecondDigit, secondPlace);
    Combo9 = makeList(this, u"Combo9"_s, digits, kThirdDigit, thirdPlace);
    Combo10 = makeList(this, u"Combo10"_s, colorcode::digitItemTexts(colorcode::kMultiplierEntries),
                       kMultiplier, {kMultiplierListLeft, kListTop});
    Combo11 = makeList(this, u"Combo11"_s, colortovalue::toleranceList(BandCount::Four), kTolerance,
                       {kToleranceListLeft, kListTop}, kToleranceListWidth);
    for (QComboBox *list : {Combo7, Combo8, Combo9, Combo10})
        ui::setDigitSwatches(list, colorcode::Palette::Selector);
    ui::setToleranceSwatches(Combo11, colorcode::Palette::Selector);
    Label16 = ui::makeCaption(this, u"Label16"_s, kFirstDigit, Combo7);
    Label17 = ui::makeCaption(this, u"Label17"_s, kSecondDigit, Combo8);
    Label18 = ui::makeCaption(this, u"Label18"_s, kThirdDigit, Combo9);
    Label19 = ui::makeCaption(this, u"Label19"_s, kMultiplier, Combo10);
    Label22 = ui::makeCaption(this, u"Label22"_s, kTolerance, Combo11);
}

void ColorToValuePage::buildModeAndReadouts()
{
    Frame6 = ui::makeFrame(this, u"Frame6"_s, u"저항선택"_s, kModeFrameRect);
    Option1 = ui::makeOption(Frame6, u"Option1"_s, u"&4색저항"_s, kOption1Rect);
    Option1->setToolTip(u"4색저항에 관해 알고 싶으세요?"_s);
    Option1->setChecked(true);
    Option2 = ui::makeOption(Frame6, u"Option2"_s, u"&5색저항"_s, kOption2Rect);
    Option2->setToolTip(u"5색 저항에 관해 알고 싶으세요?"_s);
    optSixBand = ui::makeOption(Frame6, u"optSixBand"_s, u"&6색저항"_s, kSixBandOptionRect);
    optSixBand->setToolTip(u"6색 저항에 관해 알고 싶으세요?"_s);

    Frame8 = ui::makeFrame(this, u"Frame8"_s, u"저항값"_s, kReadoutFrameRect);
    Text17 = ui::makeEntry(Frame8, u"Text17"_s, u"저항값"_s, kResistanceRect);
    Text18 = ui::makeEntry(Frame8, u"Text18"_s, kTolerance.toString(), kToleranceRect);
    Text18->setText(u"±5%"_s);
    for (QLineEdit *readout : {Text17, Text18}) {
        readout->setReadOnly(true);
        readout->setAlignment(Qt::AlignCenter);
    }

    Command18 = ui::makeButton(this, u"Command18"_s, u"결과는?(&Z)"_s, kResultButtonRect);
    Command18->setToolTip(u"몇 옴일까요?"_s);
    Command19 = ui::makeButton(this, u"Command19"_s, u"지우기(&E)"_s, kClearButtonRect);
    Command19->setToolTip(u"다른 색상을 보고 싶으세요?"_s);
    // Enter presses the focused button, as on the other pages, so the page
    // works from the keyboard alone.
    Command18->setAutoDefault(true);
    Command19->setAutoDefault(true);
    // The readouts come last, after the buttons that fill them.
    QWidget::setTabOrder(Command19, Text17);
    QWidget::setTabOrder(Text17, Text18);
}

void ColorToValuePage::buildSixBand()
{
    // 6-band mode's own controls, hidden until it is chosen.
    const colorcode::TempcoEntry &startingTempco = colorcode::kTempcos[kStartingTempco];
    shpTempco = new ui::BandShape(Picture5, u"shpTempco"_s, ui::kTempcoBand);
    shpTempco->setFilled(true);
    shpTempco->setFillColor(colorcode::tempcoColor(startingTempco, colorcode::Palette::Selector));
    cboTempco = makeList(this, u"cboTempco"_s, colorcode::tempcoItemTexts(), colorcode::kTempcoRole,
                         kTempcoListPlace, kTempcoListWidth);
    cboTempco->setCurrentIndex(kStartingTempco);
    cboTempco->setMaxVisibleItems(int(colorcode::kTempcos.size()));
    setTempcoSwatches(cboTempco);
    lblTempcoCaption = makeCaption(this, u"lblTempcoCaption"_s, colorcode::kTempcoRole, cboTempco);
    // Down from the band's foot, then across the drawing's edge to the middle
    // of the list's left edge: the second line belongs to the page, as it
    // leaves the drawing.
    const QPoint listEntry(cboTempco->x(), cboTempco->geometry().center().y());
    const int turn = Picture5->mapFrom(this, listEntry).y();
    linTempco1 = new ui::LeaderLine(
        Picture5, u"linTempco1"_s,
        QLine(kTempcoLeaderX, shpTempco->geometry().bottom() + 1, kTempcoLeaderX, turn));
    const int leaderX = Picture5->mapTo(this, QPoint(kTempcoLeaderX, turn)).x();
    linTempco2 = new ui::LeaderLine(
        this, u"linTempco2"_s, QLine(leaderX, listEntry.y(), listEntry.x() - 1, listEntry.y()));
    lblTempco = ui::makeLabel(Frame8, u"lblTempco"_s, colorcode::tempcoText(startingTempco),
                              kTempcoReadoutRect);
    lblTempco->setAlignment(Qt::AlignCenter);
    // Heard as "온도계수 100ppm/K", as the result label of page 1 is heard.
    lblTempco->setAccessibleDescription(colorcode::kTempcoRole.toString());
    ui::makeTabReachable(lblTempco);
    QWidget::setTabOrder(Option2, optSixBand);
    QWidget::setTabOrder(Combo11, cboTempco);
    // The hint line last, where Tab and a screen reader's review reach it.
    ui::makeTabReachable(Label5);
    QWidget::setTabOrder(Text18, Label5);
    QWidget::setTabOrder(Text18, lblTempco);
    setSixBandShown(false);
    // The list beside the drawing needs a page wider than the design's.
    setMinimumWidth(cboTempco->geometry().right() + 1 + kPageEdge);
}

void ColorToValuePage::openInFourBandMode()
{
    // The window opens in 4-band mode: the third digit, its caption, the
    // fourth band and the 5-band leader lines are hidden.
    Combo9->hide();
    Label18->hide();
    Shape16->hide();
    setLinesShown(BandCount::Four);
    // The labels line up under the longest band.
    const int firstLabelLine = Shape9->geometry().bottom() + 2;
    for (ui::BandShape *band : {Shape9, Shape14, Shape16, Shape17})
        band->setLabelRow(band == Shape16 ? 1 : 0, firstLabelLine);
    Shape15->setLabelRow(1, firstLabelLine);
    // "100ppm" is wide: it takes a line of its own, clear of the tolerance's
    // and of its list.
    shpTempco->setLabelRow(kTempcoLabelRow, firstLabelLine);
    setLabelledBands({Shape9, Shape14, Shape15, Shape16, Shape17, shpTempco});
    for (ui::BandShape *band : {Shape9, Shape14, Shape15, Shape16, Shape17, shpTempco})
        describe(band);
}

void ColorToValuePage::connectHandlers()
{
    // A pick is `activated`; texts set from code run no handler.
    connect(Combo7, &QComboBox::activated, this, &ColorToValuePage::Combo7_Click);
    connect(Combo8, &QComboBox::activated, this, &ColorToValuePage::Combo8_Click);
    connect(Combo9, &QComboBox::activated, this, &ColorToValuePage::Combo9_Click);
    connect(Combo10, &QComboBox::activated, this, &ColorToValuePage::Combo10_Click);
    connect(Combo11, &QComboBox::activated, this, &ColorToValuePage::Combo11_Click);
    connect(Command18, &QPushButton::clicked, this, &ColorToValuePage::Command18_Click);
    connect(Command19, &QPushButton::clicked, this, &ColorToValuePage::Command19_Click);
    // `clicked` also comes from the keyboard and the access keys, and again
    // for the option that is already selected; the switch copes with that.
    connect(Option1, &QRadioButton::clicked, this, &ColorToValuePage::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &ColorToValuePage::Option2_Click);
    connect(optSixBand, &QRadioButton::clicked, this, &ColorToValuePage::optSixBand_Click);
    connect(cboTempco, &QComboBox::activated, this, &ColorToValuePage::cboTempco_Click);
}

void ColorToValuePage::takeStartingState()
{
    // The digit lists open tall enough for all ten colours.
    for (QComboBox *list : {Combo7, Combo8, Combo9})
        list->setMaxVisibleItems(kDigitEntries);
    ui::setPointFont(Text17, 16, true);
    ui::setPointFont(Text18, 12, true);
    // The digit holders are the page's memory, never shown.
    for (QLineEdit *holder : {Text19, Text20, Text33, Text34})
        holder->hide();
}

void ColorToValuePage::placeDigitLists()
{
    const QWidget *tabs = parentWidget();
    while (tabs && !qobject_cast<const QTabWidget *>(tabs))
        tabs = tabs->parentWidget();
    if (!tabs)
        return;
    const QPoint pageOrigin = mapTo(tabs, QPoint(0, 0));
    QComboBox *const lists[] = {Combo7, Combo8, Combo9};
    for (std::size_t i = 0; i < std::size(lists); ++i)
        lists[i]->move(kDigitListPlaces[i] - pageOrigin);
}

std::optional<BandCount> ColorToValuePage::bandCount() const
{
    // A 6-band resistor has the digits of a 5-band one.
    if (Option2->isChecked() || optSixBand->isChecked())
        return BandCount::Five;
    if (Option1->isChecked())
        return BandCount::Four;
    return std::nullopt;
}

void ColorToValuePage::describe(ui::BandShape *band)
{
    QStringView role = kFirstDigit;
    if (band == Shape14)
        role = kSecondDigit;
    else if (band == Shape15)
        role = bandCount() == BandCount::Five ? kThirdDigit : kMultiplier;
    else if (band == Shape16)
        role = kMultiplier;
    else if (band == Shape17)
        role = kTolerance;
    else if (band == shpTempco)
        role = colorcode::kTempcoRole;
    band->describe(role, colorcode::Palette::Selector);
}

void ColorToValuePage::paintDigit(QComboBox *list, int entries, QLineEdit *holder,
                                  ui::BandShape *band, bool fill)
{
    const colortovalue::DigitBand picked = colortovalue::digitBand(list->currentText(), entries);
    if (picked.digit)
        holder->setText(QString::number(*picked.digit));
    if (fill)
        band->setFilled(true);
    band->setFillColor(picked.color);
    describe(band);
}

void ColorToValuePage::Combo7_Click()
{
    paintDigit(Combo7, kDigitEntries, Text19, Shape9, true);
}

void ColorToValuePage::Combo8_Click()
{
    paintDigit(Combo8, kDigitEntries, Text20, Shape14, true);
}

void ColorToValuePage::Combo9_Click()
{
    paintDigit(Combo9, kDigitEntries, Text33, Shape15, true);
}

void ColorToValuePage::Combo10_Click()
{
    // The multiplier lands on the band right after the last digit band.
    const std::optional<BandCount> bands = bandCount();
    if (!bands)
        return;
    paintDigit(Combo10, colorcode::kMultiplierEntries, Text34,
               *bands == BandCount::Five ? Shape16 : Shape15, true);
}

void ColorToValuePage::Combo11_Click()
{
    const std::optional<BandCount> bands = bandCount();
    if (!bands)
        return;
    // Only the tolerances of the current mode are recognised.
    const colorcode::ToleranceEntry *entry =
        colortovalue::toleranceBand(Combo11->currentText(), *bands);
    if (!entry)
        return;
    Shape17->setFilled(entry->filled);
    // An unfilled band keeps its colour for when it is filled again.
    if (entry->filled)
        Shape17->setFillColor(entry->selectorColor);
    describe(Shape17);
    Text18->setText(entry->text.toString());
}

void ColorToValuePage::Command18_Click()
{
    const std::optional<BandCount> bands = bandCount();
    if (!bands)
        return;
    const std::optional<QString> readout = colortovalue::resistanceReadout(
        *bands, Text19->text(), Text20->text(), Text33->text(), Text34->text());
    Text18->setText(Combo11->currentText());
    if (readout)
        Text17->setText(*readout);
    const std::optional<colorcode::Resistance> value = colortovalue::heldResistance(
        *bands, Text19->text(), Text20->text(), Text33->text(), Text34->text());
    const colorcode::TempcoEntry *tempco = pickedTempco();
    setWorking(value && readout ? colorcode::resultWorking(*value, Text18->text(), tempco)
                                : QString());
    if (tempco)
        ui::announceResults(this, {Text17, Text18, lblTempco});
    else
        ui::announceResults(this, {Text17, Text18});
}

void ColorToValuePage::Command19_Click()
{
    // Texts set from code: no selection handler runs, so the tolerance band
    // and its readout stay as they are.
    for (QComboBox *list : {Combo7, Combo8, Combo9, Combo10})
        list->setCurrentText(colorcode::kBandColors[0].itemText.toString());
    for (ui::BandShape *band : {Shape9, Shape14, Shape15, Shape16}) {
        band->setFillColor(colorcode::kBlack);
        describe(band);
    }
    for (QLineEdit *holder : {Text19, Text20, Text33, Text34})
        holder->setText(u"0"_s);
    Text17->setText(u"0"_s);
    setWorking(QString());
}

void ColorToValuePage::fillToleranceList(BandCount bands)
{
    // Emptied whatever its length, so choosing the option that is already
    // selected leaves exactly the mode's entries.
    Combo11->clear();
    Combo11->addItems(colortovalue::toleranceList(bands));
    Combo11->setCurrentIndex(0);
    ui::setToleranceSwatches(Combo11, colorcode::Palette::Selector);
}

void ColorToValuePage::setLinesShown(BandCount bands)
{
    const bool five = bands == BandCount::Five;
    Line5->setVisible(five);
    Line6->setVisible(five);
    Line14->setVisible(five);
    Line18->setVisible(!five);
    Line19->setVisible(five);
}

void ColorToValuePage::setBandCount(BandCount bands)
{
    const bool five = bands == BandCount::Five;
    fillToleranceList(bands);
    Shape17->setFilled(true);
    Shape17->setFillColor(five ? kBrown : kGold);
    describe(Shape17);
    Combo9->setVisible(five);
    Label18->setVisible(five);
    Shape16->setVisible(five);
    // A digit's label takes the first line under the bands, the multiplier's
    // the second, so "×10²" never meets the digit beside it.
    Shape15->setLabelRow(five ? 0 : 1, Shape9->geometry().bottom() + 2);
    setLinesShown(bands);
    // The third band shows the third digit again, or the multiplier moves
    // back onto it; the third digit's choice stays in its hidden list and
    // holder for the next 5-band switch. The multiplier lands on the band
    // after the last digit band.
    if (five)
        paintDigit(Combo9, kDigitEntries, Text33, Shape15, false);
    paintDigit(Combo10, colorcode::kMultiplierEntries, Text34, five ? Shape16 : Shape15, false);
    setSixBandShown(optSixBand->isChecked());
}

const colorcode::TempcoEntry *ColorToValuePage::pickedTempco() const
{
    if (!optSixBand->isChecked())
        return nullptr;
    return colorcode::tempcoOf(cboTempco->currentText());
}

void ColorToValuePage::setSixBandShown(bool shown)
{
    for (QWidget *w : std::initializer_list<QWidget *>{cboTempco, lblTempcoCaption, shpTempco,
                                                       linTempco1, linTempco2, lblTempco})
        w->setVisible(shown);
    if (shown) {
        // The readout's bold face is given when it is first shown: set on the
        // hidden label at the start, it was loaded before the first frame
        // for nothing.
        ui::setPointFont(lblTempco, 9, true);
        cboTempco_Click();
    }
}

void ColorToValuePage::cboTempco_Click()
{
    const colorcode::TempcoEntry *entry = pickedTempco();
    if (!entry)
        return;
    shpTempco->setFillColor(colorcode::tempcoColor(*entry, colorcode::Palette::Selector));
    describe(shpTempco);
    lblTempco->setText(colorcode::tempcoText(*entry));
}

void ColorToValuePage::Option1_Click()
{
    if (Option1->isChecked())
        setBandCount(BandCount::Four);
}

void ColorToValuePage::Option2_Click()
{
    if (Option2->isChecked())
        setBandCount(BandCount::Five);
}

QWidget *ColorToValuePage::firstFocus() const
{
    return Combo7;
}

void ColorToValuePage::optSixBand_Click()
{
    if (optSixBand->isChecked())
        setBandCount(BandCount::Five);
}
