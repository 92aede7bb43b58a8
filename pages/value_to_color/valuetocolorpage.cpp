#include "pages/value_to_color/valuetocolorpage.h"

#include "colorcode/colortables.h"
#include "colorcode/seriestext.h"
#include "pages/value_to_color/encoder.h"
#include "pages/value_to_color/fivebands.h"
#include "pages/value_to_color/working.h"
#include "widgets/accessibility.h"
#include "widgets/bandshape.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/keys.h"
#include "widgets/svgpicture.h"
#include "widgets/swatchdelegate.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

using namespace Qt::StringLiterals;

namespace {

// The captions of the drawing double as the bands' roles in their
// descriptions.
constexpr QStringView kFirstDigit = colorcode::kFirstDigitRole;
constexpr QStringView kSecondDigit = colorcode::kSecondDigitRole;
constexpr QStringView kMultiplier = colorcode::kMultiplierRole;
constexpr QStringView kTolerance = colorcode::kToleranceRole;

constexpr QStringView kEntryCaption = u"저항값";
constexpr QStringView kToleranceCaption = u"허용오차";

// Page layout in pixels: the inputs, the drawing and the results on the left,
// the keypad and the two buttons in a column on the right.
constexpr QRect kHintRect{8, 4, 461, 18};
constexpr QRect kInputFrameRect{8, 24, 331, 82};
constexpr QRect kEntryCaptionRect{12, 20, 124, 16};
constexpr QRect kEntryRect{12, 38, 124, 34}; // 16-point bold
constexpr QRect kUnitRect{142, 39, 70, 32};  // 12-point
constexpr QRect kToleranceCaptionRect{226, 20, 92, 16};
constexpr QRect kToleranceBoxRect{226, 42, 92, 26};
constexpr QRect kPictureRect{8, 112, 331, 124};
constexpr QRect kReadoutRects[] = {{8, 244, 32, 26}, {44, 244, 32, 26}, {80, 244, 32, 26}};
constexpr QRect kResultRect{120, 240, 219, 34}; // 16-point bold
// The note as wide as its text, the two codes beside it.
constexpr QRect kNoteRect{8, 276, 156, 18};
constexpr QRect kEncodeFourRect{170, 275, 82, 22};
constexpr QRect kEncodeFiveRect{256, 275, 82, 22};
constexpr QRect kResultButtonRect{347, 194, 121, 32};
constexpr QRect kClearButtonRect{347, 232, 121, 32};

// The keypad frame's place on the page; the keys inside it are in twips, as
// the window design has them.
constexpr QPoint kKeypadTopLeft{347, 24};
constexpr QSize kKeypadSize{ui::px(1815), ui::px(2415)};
constexpr int kKeySide = 375;
constexpr int kWideKeyWidth = 855;

// Band positions on the waist of the drawn body (see page1_resistor.svg).
constexpr int kBandTop = 45;
constexpr int kBandHeight = 34;
constexpr int kBandWidth = 12;
constexpr int kBandLefts[] = {112, 130, 148, 204};
// A 5-band code's third digit takes the multiplier's place, and the
// multiplier the next one (see page1_resistor_five.svg); so do their
// readouts, and the result label gives up the room.
constexpr int kThirdDigitLeft = kBandLefts[2];
constexpr int kFiveBandMultiplierLeft = 166;
constexpr QRect kFiveBandMultiplierReadoutRect{116, 244, 32, 26};
constexpr QRect kFiveBandResultRect{156, 240, 183, 34};
constexpr QStringView kFourBandPicture = u":/art/page1_resistor.svg";
constexpr QStringView kFiveBandPicture = u":/art/page1_resistor_five.svg";
constexpr QStringView kFourBandNote = u"※4색 저항 기준입니다.";
constexpr QStringView kFiveBandNote = u"※5색 저항 기준입니다.";
// The tolerance each code starts with: "±5%" among the 4-band code's five,
// "±1%" among the 5-band code's six.
constexpr int kFourBandStartingTolerance = 2;
constexpr int kFiveBandStartingTolerance = 0;
// A thin grey outline marks where a band goes while it is not drawn.
constexpr colorcode::ColorCode kBandOutline = 0x606060;

QPushButton *makeKey(QWidget *frame, const QString &name, QStringView text, int left, int top,
                     int width = kKeySide)
{
    QPushButton *key =
        ui::makeButton(frame, name, text.toString(), ui::twipsRect(left, top, width, kKeySide));
    // Enter or Space presses the focused key, as a click would.
    key->setAutoDefault(true);
    return key;
}

QLineEdit *makeReadout(QWidget *page, const QString &name, const QRect &place, QStringView role)
{
    QLineEdit *readout = ui::makeEntry(page, name, role.toString(), place);
    readout->setReadOnly(true);
    readout->setAlignment(Qt::AlignCenter);
    return readout;
}

// Editable, but the text the user types is the text the encoder compares:
// no completion ("k" never becomes "KΩ") and nothing added to the list.
QComboBox *makeEditableList(QWidget *frame, const QString &name, const QStringList &entries,
                            int current, const QRect &place, QStringView accessibleName)
{
    auto *list = new QComboBox(frame);
    list->setObjectName(name);
    list->setEditable(true);
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItems(entries);
    list->setCurrentIndex(current);
    list->setGeometry(place);
    list->setAccessibleName(accessibleName.toString());
    return list;
}

} // namespace

ValueToColorPage::ValueToColorPage(QWidget *parent) : ui::LearnerPage(parent)
{
    Label4 = ui::makeLabel(
        this, u"Label4"_s,
        u"※원하는 저항값을 직접 입력 한 후 결과 버튼을 누르면 색상을 보여줍니다.^^"_s, kHintRect);
    buildInputs();
    buildKeypad();
    buildDrawingAndResults();
    buildCodeChoice();
    setKeyboardOrder();
    connectHandlers();
}

void ValueToColorPage::buildInputs()
{
    Frame5 = ui::makeFrame(this, u"Frame5"_s, u"입력정보"_s, kInputFrameRect);
    Text25 = ui::makeEntry(Frame5, u"Text25"_s, kEntryCaption.toString(), kEntryRect);
    // No length limit of its own: a key always appends, and an entry too long
    // for a colour code is the result button's to refuse.
    Text25->setMaxLength(std::numeric_limits<int>::max());
    Label1 =
        ui::makeLabel(Frame5, u"Label1"_s, kEntryCaption.toString(), Text25, kEntryCaptionRect);
    Combo1 = makeEditableList(Frame5, u"Combo1"_s, colorcode::itemTexts(colorcode::kUnitList), 0,
                              kUnitRect, u"단위");
    Combo2 =
        makeEditableList(Frame5, u"Combo2"_s, colorcode::itemTexts(colorcode::kEncoderTolerances),
                         kFourBandStartingTolerance, kToleranceBoxRect, kToleranceCaption);
    Label2 = ui::makeLabel(Frame5, u"Label2"_s, kToleranceCaption.toString(), Combo2,
                           kToleranceCaptionRect);
    Combo2->setItemDelegate(new ui::SwatchDelegate(Combo2));
    ui::setToleranceSwatches(Combo2, colorcode::Palette::Encoder);
}

void ValueToColorPage::buildKeypad()
{
    Frame4 = ui::makeFrame(this, u"Frame4"_s, u"Keypad"_s, QRect(kKeypadTopLeft, kKeypadSize));
    Command6 = makeKey(Frame4, u"Command6"_s, u"1", 240, 360);
    Command7 = makeKey(Frame4, u"Command7"_s, u"2", 720, 360);
    Command8 = makeKey(Frame4, u"Command8"_s, u"3", 1200, 360);
    Command9 = makeKey(Frame4, u"Command9"_s, u"4", 240, 840);
    Command10 = makeKey(Frame4, u"Command10"_s, u"5", 720, 840);
    Command11 = makeKey(Frame4, u"Command11"_s, u"6", 1200, 840);
    Command12 = makeKey(Frame4, u"Command12"_s, u"7", 240, 1320);
    Command13 = makeKey(Frame4, u"Command13"_s, u"8", 720, 1320);
    Command14 = makeKey(Frame4, u"Command14"_s, u"9", 1200, 1320);
    Command15 = makeKey(Frame4, u"Command15"_s, u".", 240, 1800);
    Command16 = makeKey(Frame4, u"Command16"_s, u"0", 720, 1800, kWideKeyWidth);
    Command15->setAccessibleName(u"소수점"_s);

    Command3 = ui::makeButton(this, u"Command3"_s, u"결과는?(&V)"_s, kResultButtonRect);
    Command3->setToolTip(u"다 입력하셨나요? 그럼 누르세요^^"_s);
    Command17 = ui::makeButton(this, u"Command17"_s, u"지우기(&D)"_s, kClearButtonRect);
    // Enter in the entry brings the focus to the result button; a second
    // Enter presses it.
    Command3->setAutoDefault(true);
    Command17->setAutoDefault(true);
}

void ValueToColorPage::buildDrawingAndResults()
{
    Picture2 = new ui::SvgPicture(this, u"Picture2", kFourBandPicture, kPictureRect);
    Picture2->setAccessibleName(u"저항 그림"_s);
    ui::BandShape **bands[] = {&Shape5, &Shape6, &Shape7, &Shape8};
    for (int i = 0; i < 4; ++i) {
        auto *band = new ui::BandShape(Picture2, u"Shape%1"_s.arg(5 + i),
                                       QRect(kBandLefts[i], kBandTop, kBandWidth, kBandHeight));
        band->setBorderColor(kBandOutline);
        band->setBorderVisible(true);
        // The multiplier's label ("×10²") takes the second line under the
        // bands, clear of the digits' labels.
        band->setLabelRow(i == 2 ? 1 : 0);
        *bands[i] = band;
    }

    Text27 = makeReadout(this, u"Text27"_s, kReadoutRects[0], u"제1색띠 숫자");
    Text28 = makeReadout(this, u"Text28"_s, kReadoutRects[1], u"제2색띠 숫자");
    Text29 = makeReadout(this, u"Text29"_s, kReadoutRects[2], u"승수 지수");

    Label3 = ui::makeLabel(this, u"Label3"_s, u"?"_s, kResultRect);
    // The caption repeats what was typed: never read as markup.
    Label3->setTextFormat(Qt::PlainText);
    ui::setTextColor(Label3, ui::kResultRed);
    Label3->setAccessibleDescription(u"결과"_s);
    ui::makeTabReachable(Label3);

    Label26 = ui::makeLabel(this, u"Label26"_s, kFourBandNote.toString(), kNoteRect);
}

void ValueToColorPage::buildCodeChoice()
{
    // The 5-band code's third band and readout stay hidden until it is
    // chosen.
    optEncodeFour = ui::makeOption(this, u"optEncodeFour"_s, u"&4색 코드"_s, kEncodeFourRect);
    optEncodeFour->setChecked(true);
    optEncodeFive = ui::makeOption(this, u"optEncodeFive"_s, u"&5색 코드"_s, kEncodeFiveRect);
    shpDigit3 = new ui::BandShape(Picture2, u"shpDigit3"_s,
                                  QRect(kThirdDigitLeft, kBandTop, kBandWidth, kBandHeight));
    shpDigit3->setBorderColor(kBandOutline);
    shpDigit3->setBorderVisible(true);
    shpDigit3->hide();
    txtDigit3 = makeReadout(this, u"txtDigit3"_s, kReadoutRects[2], u"제3색띠 숫자");
    txtDigit3->hide();

    setLabelledBands({Shape5, Shape6, Shape7, Shape8, shpDigit3});
    describeBands();
}

void ValueToColorPage::setKeyboardOrder()
{
    // The three inputs, the keypad row by row, then the buttons, the result
    // label, the readouts and the choice of code.
    QWidget *order[] = {Text25,    Combo1,    Combo2,    Command6,      Command7,     Command8,
                        Command9,  Command10, Command11, Command12,     Command13,    Command14,
                        Command15, Command16, Command3,  Command17,     Label3,       Text27,
                        Text28,    txtDigit3, Text29,    optEncodeFour, optEncodeFive};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void ValueToColorPage::connectHandlers()
{
    const std::pair<QPushButton *, void (ValueToColorPage::*)()> handlers[] = {
        {Command6, &ValueToColorPage::Command6_Click},
        {Command7, &ValueToColorPage::Command7_Click},
        {Command8, &ValueToColorPage::Command8_Click},
        {Command9, &ValueToColorPage::Command9_Click},
        {Command10, &ValueToColorPage::Command10_Click},
        {Command11, &ValueToColorPage::Command11_Click},
        {Command12, &ValueToColorPage::Command12_Click},
        {Command13, &ValueToColorPage::Command13_Click},
        {Command14, &ValueToColorPage::Command14_Click},
        {Command16, &ValueToColorPage::Command16_Click},
        {Command15, &ValueToColorPage::Command15_Click},
        {Command3, &ValueToColorPage::Command3_Click},
        {Command17, &ValueToColorPage::Command17_Click},
    };
    for (const auto &[button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, handler);
    connect(optEncodeFour, &QRadioButton::clicked, this, &ValueToColorPage::optEncodeFour_Click);
    connect(optEncodeFive, &QRadioButton::clicked, this, &ValueToColorPage::optEncodeFive_Click);
    Text25->installEventFilter(this);
}

void ValueToColorPage::takeStartingState()
{
    ui::setPointFont(Text25, 16, true);
    ui::setPointFont(Label3, 16, true);
    ui::setPointFont(Combo1, 12, false);
}

bool ValueToColorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text25 && ui::isEnter(event))
        Text25_KeyPress(ui::kEnter);
    // Every key goes on to the entry as it was typed.
    return QWidget::eventFilter(watched, event);
}

void ValueToColorPage::Text25_KeyPress(int keyAscii)
{
    if (keyAscii == ui::kEnter)
        Command3->setFocus(Qt::TabFocusReason);
}

void ValueToColorPage::appendKey(QChar key)
{
    // Always at the end, wherever the caret stands; nothing is checked here,
    // the result button does that. The focus stays on the key.
    Text25->setText(Text25->text() + key);
}

void ValueToColorPage::Command6_Click()
{
    appendKey(u'1');
}
void ValueToColorPage::Command7_Click()
{
    appendKey(u'2');
}
void ValueToColorPage::Command8_Click()
{
    appendKey(u'3');
}
void ValueToColorPage::Command9_Click()
{
    appendKey(u'4');
}
void ValueToColorPage::Command10_Click()
{
    appendKey(u'5');
}
void ValueToColorPage::Command11_Click()
{
    appendKey(u'6');
}
void ValueToColorPage::Command12_Click()
{
    appendKey(u'7');
}
void ValueToColorPage::Command13_Click()
{
    appendKey(u'8');
}
void ValueToColorPage::Command14_Click()
{
    appendKey(u'9');
}
void ValueToColorPage::Command16_Click()
{
    appendKey(u'0');
}
void ValueToColorPage::Command15_Click()
{
    appendKey(u'.');
}

void ValueToColorPage::Command3_Click()
{
    if (optEncodeFive->isChecked()) {
        encodeFiveBands();
        return;
    }
    const std::variant<valuetocolor::FourBands, valuetocolor::Refusal> result =
        valuetocolor::encodeValue(Text25->text(), Combo1->currentText(), Combo2->currentText());
    const auto *four = std::get_if<valuetocolor::FourBands>(&result);
    setWorking(colorcode::withSeriesEnding(
        valuetocolor::encodingWorking(Text25->text(), Combo1->currentText(), Combo2->currentText(),
                                      result),
        four ? four->value : std::nullopt, colorcode::kListUnits));

    if (const auto *refusal = std::get_if<valuetocolor::Refusal>(&result)) {
        // Everything but the entry and the label keeps what the last result
        // left, so a slip does not wipe a good answer off the drawing.
        if (const std::optional<QString> message = valuetocolor::refusalMessage(*refusal)) {
            const QMessageBox::Icon icon = *refusal == valuetocolor::Refusal::TooManyCharacters
                                               ? QMessageBox::Warning
                                               : QMessageBox::Information;
            QMessageBox box(icon, u"Pallado"_s, *message, QMessageBox::Ok, window());
            // The working says how to get a code instead; read with the box.
            box.setInformativeText(working());
            box.exec();
        }
        Text25->clear();
        Label3->setText(u"?"_s);
        if (*refusal != valuetocolor::Refusal::SilentlyCleared)
            Text25->setFocus();
        return;
    }

    const valuetocolor::FourBands &bands = std::get<valuetocolor::FourBands>(result);
    if (bands.toleranceFill != valuetocolor::ToleranceFill::Unchanged)
        Shape8->setFilled(bands.toleranceFill == valuetocolor::ToleranceFill::Filled);
    for (ui::BandShape *band : {Shape5, Shape6, Shape7})
        band->setFilled(true);
    Shape5->setFillColor(bands.first.color);
    Shape6->setFillColor(bands.second.color);
    Shape7->setFillColor(bands.multiplier.color);
    Shape8->setFillColor(bands.toleranceColor);
    describeBands();
    Text27->setText(bands.first.readout);
    Text28->setText(bands.second.readout);
    Text29->setText(bands.multiplier.readout);
    ui::setTextColor(Label3, ui::kResultRed);
    Label3->setText(bands.label);
    ui::announceResults(this, {Label3, Shape5, Shape6, Shape7, Shape8, Text27, Text28, Text29});
}

void ValueToColorPage::Command17_Click()
{
    // The unit and tolerance stay, and so do the bands' colours for when
    // they are filled again.
    for (ui::BandShape *band : {Shape5, Shape6, Shape7, Shape8, shpDigit3})
        band->setFilled(false);
    describeBands();
    for (QLineEdit *readout : {Text27, Text28, Text29, txtDigit3})
        readout->setText(u"0"_s);
    Text25->clear();
    Label3->setText(u"?"_s);
    setWorking(QString());
    Text25->setFocus();
}

void ValueToColorPage::describeBands()
{
    const std::pair<ui::BandShape *, QStringView> roles[] = {
        {Shape5, kFirstDigit},
        {Shape6, kSecondDigit},
        {Shape7, kMultiplier},
        {Shape8, kTolerance},
        {shpDigit3, colorcode::kThirdDigitRole}};
    for (const auto &[band, role] : roles)
        band->describe(role, colorcode::Palette::Encoder);
}

QWidget *ValueToColorPage::firstFocus() const
{
    return Text25;
}

void ValueToColorPage::encodeFiveBands()
{
    const auto result =
        valuetocolor::encodeFiveBands(Text25->text(), Combo1->currentText(), Combo2->currentText());
    const auto *bands = std::get_if<valuetocolor::FiveBands>(&result);
    setWorking(colorcode::withSeriesEnding(
        valuetocolor::fiveBandWorking(Text25->text(), Combo1->currentText(), Combo2->currentText(),
                                      result),
        bands ? std::optional(bands->value) : std::nullopt, colorcode::kListUnits));

    if (!bands) {
        // As a refused 4-band entry: the drawing keeps the last good answer.
        const valuetocolor::FiveBandRefusal refusal =
            std::get<valuetocolor::FiveBandRefusal>(result);
        const QMessageBox::Icon icon = refusal == valuetocolor::FiveBandRefusal::OutOfRange
                                           ? QMessageBox::Warning
                                           : QMessageBox::Information;
        QMessageBox box(icon, u"Pallado"_s, valuetocolor::fiveBandRefusalMessage(refusal),
                        QMessageBox::Ok, window());
        box.exec();
        Text25->clear();
        Label3->setText(u"?"_s);
        Text25->setFocus();
        return;
    }

    if (bands->toleranceFill != valuetocolor::ToleranceFill::Unchanged)
        Shape8->setFilled(bands->toleranceFill == valuetocolor::ToleranceFill::Filled);
    for (ui::BandShape *band : {Shape5, Shape6, shpDigit3, Shape7})
        band->setFilled(true);
    Shape5->setFillColor(bands->first.color);
    Shape6->setFillColor(bands->second.color);
    shpDigit3->setFillColor(bands->third.color);
    Shape7->setFillColor(bands->multiplier.color);
    Shape8->setFillColor(bands->toleranceColor);
    describeBands();
    Text27->setText(bands->first.readout);
    Text28->setText(bands->second.readout);
    txtDigit3->setText(bands->third.readout);
    Text29->setText(bands->multiplier.readout);
    ui::setTextColor(Label3, ui::kResultRed);
    Label3->setText(bands->label);
    ui::announceResults(this, {Label3, Shape5, Shape6, shpDigit3, Shape7, Shape8, Text27, Text28,
                               txtDigit3, Text29});
}

void ValueToColorPage::setCodeBands(colorcode::BandCount bands)
{
    const bool five = bands == colorcode::BandCount::Five;
    Picture2->setSource((five ? kFiveBandPicture : kFourBandPicture).toString());
    Shape7->move(five ? kFiveBandMultiplierLeft : kBandLefts[2], kBandTop);
    shpDigit3->setVisible(five);
    txtDigit3->setVisible(five);
    Text29->setGeometry(five ? kFiveBandMultiplierReadoutRect : kReadoutRects[2]);
    Label3->setGeometry(five ? kFiveBandResultRect : kResultRect);
    Label26->setText((five ? kFiveBandNote : kFourBandNote).toString());
    // Each code offers its own tolerances: a 5-band resistor the precision
    // ones, with no ±20%, which has no band in a 5-band code.
    Combo2->clear();
    if (five) {
        Combo2->addItems(colorcode::itemTexts(colorcode::kFiveBandTolerances));
        Combo2->setCurrentIndex(kFiveBandStartingTolerance);
    } else {
        Combo2->addItems(colorcode::itemTexts(colorcode::kEncoderTolerances));
        Combo2->setCurrentIndex(kFourBandStartingTolerance);
    }
    ui::setToleranceSwatches(Combo2, colorcode::Palette::Encoder);
    // Bands painted for one code would be misread as the other's: the page
    // starts over, keeping what was typed.
    const QString typed = Text25->text();
    Command17_Click();
    Text25->setText(typed);
}

void ValueToColorPage::optEncodeFour_Click()
{
    if (optEncodeFour->isChecked())
        setCodeBands(colorcode::BandCount::Four);
}

void ValueToColorPage::optEncodeFive_Click()
{
    if (optEncodeFive->isChecked())
        setCodeBands(colorcode::BandCount::Five);
}
