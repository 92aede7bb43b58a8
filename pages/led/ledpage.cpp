#include "pages/led/ledpage.h"

#include "colorcode/colortables.h"
#include "colorcode/seriestext.h"
#include "pages/led/ledcalc.h"
#include "pages/led/ledworking.h"
#include "widgets/accessibility.h"
#include "widgets/bandshape.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/keys.h"
#include "widgets/svgpicture.h"
#include "widgets/swatchdelegate.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace colorcode;

namespace {

// The bands' roles, in words for their descriptions.
constexpr QStringView kFirstDigit = kFirstDigitRole;
constexpr QStringView kSecondDigit = kSecondDigitRole;
constexpr QStringView kMultiplier = kMultiplierRole;
constexpr QStringView kTolerance = kToleranceRole;

// Page layout in pixels. The drawing fills the page above the instruction
// line; everything else sits on it, the inputs between the circuit's wires
// and the results under them.
constexpr QRect kPictureRect{4, 2, 469, 272};
constexpr QRect kInstructionRect{8, 277, 462, 18};

// Inside the drawing: the supply's inputs between its two open leads, the
// LED's beside the LED.
constexpr QRect kSupplyCaptionRect{34, 70, 54, 24};
constexpr QRect kSupplyRect{90, 70, 56, 24};
constexpr QRect kSupplyUnitRect{149, 70, 16, 24};
constexpr QRect kLedVoltageCaptionRect{264, 52, 54, 24};
constexpr QRect kLedVoltageRect{320, 52, 56, 24};
constexpr QRect kLedVoltageUnitRect{379, 52, 16, 24};
constexpr QRect kCurrentCaptionRect{264, 88, 54, 24};
constexpr QRect kCurrentRect{320, 88, 56, 24};
constexpr QRect kCurrentUnitRect{379, 88, 26, 24};

// The bands on the resistor body, whose end caps (x 176 to 198 and 246 to
// 272) stand taller than its waist: the first and the last band sit on the
// caps, and the tolerance band stands apart from the three value bands.
constexpr QRect kBand1Rect{182, 20, 8, 28};
constexpr QRect kBand2Rect{201, 24, 7, 20};
constexpr QRect kBand3Rect{218, 24, 7, 20};
constexpr QRect kBand4Rect{250, 20, 8, 28};

constexpr QRect kResultFrameRect{6, 140, 186, 64};
constexpr QRect kResultRect{8, 22, 102, 34}; // 16-point bold
constexpr QRect kToleranceListRect{116, 27, 62, 24};
constexpr QRect kRangeFrameRect{198, 140, 265, 64};
constexpr QRect kLowRect{8, 26, 92, 28}; // 12-point
constexpr QRect kLowCaptionRect{103, 26, 28, 28};
constexpr QRect kHighRect{134, 26, 92, 28};
constexpr QRect kHighCaptionRect{229, 26, 30, 28};
// The learner's notes take the free room left of the buttons.
constexpr QRect kAdviceCurrentRect{8, 210, 370, 18};
constexpr QRect kAdvicePowerRect{8, 230, 370, 18};
constexpr QRect kAdviceBuyRect{8, 250, 370, 18};
// The buttons keep clear of the frames above them and of the drawing's
// bottom edge, which would cut the lower one's shadow.
constexpr QRect kComputeButtonRect{384, 208, 80, 28};
constexpr QRect kResetButtonRect{384, 240, 80, 28};

// The circuit drawing is light in every desktop scheme, so in a dark scheme
// what sits on it is drawn as in a light one: dark captions and frame titles,
// dark text in light boxes, lists and buttons. The selection keeps the
// scheme's colours; a light scheme is left to the desktop.
void keepLightOnDrawing(QWidget *drawing)
{
    const QPalette scheme = drawing->palette();
    if (scheme.color(QPalette::WindowText).lightness() < scheme.color(QPalette::Window).lightness())
        return;
    QPalette light(QColor(0xEF, 0xEF, 0xEF)); // window and buttons grey, boxes white, text black
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
            light.setColor(group, role, scheme.color(group, role));
    drawing->setPalette(light);
}

// A result box: the page writes it, the user only reads and copies it; Tab
// reaches it after the inputs and buttons.
QLineEdit *makeResultBox(QWidget *parent, const char16_t *name, const QRect &place,
                         QStringView accessibleName)
{
    QLineEdit *box =
        ui::makeEntry(parent, QString::fromUtf16(name), accessibleName.toString(), place);
    box->setReadOnly(true);
    return box;
}

ui::BandShape *makeBand(QWidget *picture, const char16_t *name, const QRect &place,
                        QStringView role, int labelRow)
{
    auto *band = new ui::BandShape(picture, QString::fromUtf16(name), place);
    band->setLabelRow(labelRow);
    band->describe(role, Palette::Encoder);
    return band;
}

// A band solid in its colour, outline in the same colour, described in words.
void paintBand(ui::BandShape *band, QStringView role, ColorCode colour)
{
    band->setFilled(true);
    band->setFillColor(colour);
    band->setBorderColor(colour);
    band->describe(role, Palette::Encoder);
}

void paintDigitBand(ui::BandShape *band, QStringView role, int digit)
{
    paintBand(band, role, digitColor(digit, Palette::Encoder));
}

// Only the fill goes: the band keeps its colours and outline settings.
void clearBand(ui::BandShape *band, QStringView role)
{
    band->setFilled(false);
    band->describe(role, Palette::Encoder);
}

QString refusalText(const led::InputRefusal &refusal)
{
    switch (refusal.problem) {
    case led::InputProblem::Missing:
        return u"입력항목이 누락되면 계산이 되지 않습니다"_s;
    case led::InputProblem::NotANumber:
        return u"%1 값을 숫자로 읽을 수 없습니다.\n5 또는 3.3처럼 숫자만 입력하세요. "
               "소수점은 \".\"입니다."_s.arg(led::inputName(refusal.input));
    case led::InputProblem::CurrentNotPositive:
        return u"LED전류는 0보다 커야 합니다. 다시 입력하세요!"_s;
    case led::InputProblem::LedAboveSupply:
        return u"LED전압이 공급전압보다 높아서 LED에 전류가 흐를 수 없습니다.\n"
               "LED전압을 공급전압 이하로 입력하세요!"_s;
    }
    return {};
}

} // namespace

LedPage::LedPage(QWidget *parent) : ui::LearnerPage(parent)
{
    Picture3 = new ui::SvgPicture(this, u"Picture3", u":/art/page2_circuit.svg", kPictureRect);
    keepLightOnDrawing(Picture3);
    Picture3->setAccessibleName(u"전원, 저항, LED를 차례로 이은 회로 그림"_s);

    Text26 = ui::makeEntry(Picture3, u"Text26"_s, u"공급전압"_s, kSupplyRect);
    Label6 =
        ui::makeLabel(Picture3, u"Label6"_s, Text26->accessibleName(), Text26, kSupplyCaptionRect);
    Text26->setToolTip(u"공급전압을 입력하세요"_s);
    Label9 = ui::makeLabel(Picture3, u"Label9"_s, u"V"_s, kSupplyUnitRect);
    Text30 = ui::makeEntry(Picture3, u"Text30"_s, u"LED전압"_s, kLedVoltageRect);
    Label7 = ui::makeLabel(Picture3, u"Label7"_s, Text30->accessibleName(), Text30,
                           kLedVoltageCaptionRect);
    Text30->setToolTip(u"LED 전압을 입력하세요"_s);
    Label10 = ui::makeLabel(Picture3, u"Label10"_s, u"V"_s, kLedVoltageUnitRect);
    Text31 = ui::makeEntry(Picture3, u"Text31"_s, u"LED전류"_s, kCurrentRect);
    Label8 =
        ui::makeLabel(Picture3, u"Label8"_s, Text31->accessibleName(), Text31, kCurrentCaptionRect);
    Text31->setToolTip(u"LED전류를 입력하세요"_s);
    Label11 = ui::makeLabel(Picture3, u"Label11"_s, u"mA"_s, kCurrentUnitRect);

    // Labels: the digits' and the tolerance's above the resistor, where the
    // drawing is bare, the multiplier's under it.
    Shape10 = makeBand(Picture3, u"Shape10", kBand1Rect, kFirstDigit, -1);
    Shape11 = makeBand(Picture3, u"Shape11", kBand2Rect, kSecondDigit, -1);
    Shape12 = makeBand(Picture3, u"Shape12", kBand3Rect, kMultiplier, 0);
    Shape13 = makeBand(Picture3, u"Shape13", kBand4Rect, kTolerance, -1);
    setLabelledBands({Shape10, Shape11, Shape12, Shape13});

    Frame3 = ui::makeFrame(Picture3, u"Frame3"_s, u"계산된 저항값"_s, kResultFrameRect);
    Text32 = makeResultBox(Frame3, u"Text32", kResultRect, Frame3->title());
    Combo3 = ui::makeList(Frame3, u"Combo3"_s, itemTexts(kEncoderTolerances), kTolerance.toString(),
                          kToleranceListRect);
    // Plain rows: the style's menu rows are twice as wide as "±10%" and would
    // stick out of the list's popup.
    Combo3->setItemDelegate(new ui::SwatchDelegate(Combo3));
    ui::setToleranceSwatches(Combo3, Palette::Encoder);
    Combo3->setCurrentText(u"±5%"_s);

    Frame9 = ui::makeFrame(Picture3, u"Frame9"_s, u"사용가능 저항값"_s, kRangeFrameRect);
    Text41 = makeResultBox(Frame9, u"Text41", kLowRect, u"사용가능 저항값 부터");
    Label20 = ui::makeLabel(Frame9, u"Label20"_s, u"부터"_s, kLowCaptionRect);
    Text42 = makeResultBox(Frame9, u"Text42", kHighRect, u"사용가능 저항값 까지");
    Label21 = ui::makeLabel(Frame9, u"Label21"_s, u"까지"_s, kHighCaptionRect);

    Command5 = ui::makeButton(Picture3, u"Command5"_s, u"계  산(&A)"_s, kComputeButtonRect);
    Command5->setToolTip(u"모두 입력 했으면 누르세요^^"_s);
    Command4 = ui::makeButton(Picture3, u"Command4"_s, u"지우기(&J)"_s, kResetButtonRect);
    Command4->setToolTip(u"다른값을 입력하고 싶으세요?"_s);

    adviceCurrent = ui::makeLabel(Picture3, u"adviceCurrent"_s, QString(), kAdviceCurrentRect);
    advicePower = ui::makeLabel(Picture3, u"advicePower"_s, QString(), kAdvicePowerRect);
    adviceBuy = ui::makeLabel(Picture3, u"adviceBuy"_s, QString(), kAdviceBuyRect);

    Label12 =
        ui::makeLabel(this, u"Label12"_s, u"※ 각 항목의 값을 입력한 후 계산 버튼을 누르세요!"_s,
                      kInstructionRect);

    setTabOrder(Text26, Text30);
    setTabOrder(Text30, Text31);
    setTabOrder(Text31, Command5);
    setTabOrder(Command5, Command4);
    setTabOrder(Command4, Combo3);
    // Then the results and the notes on them.
    for (QLabel *note : {adviceCurrent, advicePower, adviceBuy})
        ui::makeTabReachable(note);
    // The hint line last, where Tab and a screen reader's review reach it.
    ui::makeTabReachable(Label12);
    QWidget *results[] = {Combo3,        Text32,      Text41,    Text42,
                          adviceCurrent, advicePower, adviceBuy, Label12};
    for (std::size_t i = 1; i < std::size(results); ++i)
        setTabOrder(results[i - 1], results[i]);

    connect(Command5, &QPushButton::clicked, this, &LedPage::Command5_Click);
    connect(Command4, &QPushButton::clicked, this, &LedPage::Command4_Click);
    for (QWidget *w : {static_cast<QWidget *>(Text26), static_cast<QWidget *>(Text30),
                       static_cast<QWidget *>(Text31), static_cast<QWidget *>(Command5),
                       static_cast<QWidget *>(Command4)})
        w->installEventFilter(this);
}

bool LedPage::eventFilter(QObject *watched, QEvent *event)
{
    if (ui::isEnter(event)) {
        if (watched == Text26)
            Text26_KeyPress(ui::kEnter);
        else if (watched == Text30)
            Text30_KeyPress(ui::kEnter);
        else if (watched == Text31)
            Text31_KeyPress(ui::kEnter);
        else if (auto *button = qobject_cast<QPushButton *>(watched)) {
            // Outside a dialog a button takes Enter only as the default
            // button; here Enter on a focused button presses it, as the
            // learner who walked there with Enter expects.
            button->click();
            return true;
        }
    }
    // Every typed key goes on to the box as it was typed.
    return QWidget::eventFilter(watched, event);
}

void LedPage::Text26_KeyPress(int keyAscii)
{
    if (keyAscii == ui::kEnter)
        Text30->setFocus();
}

void LedPage::Text30_KeyPress(int keyAscii)
{
    if (keyAscii == ui::kEnter)
        Text31->setFocus();
}

void LedPage::Text31_KeyPress(int keyAscii)
{
    // Only selects the button; a second Enter computes.
    if (keyAscii == ui::kEnter)
        Command5->setFocus();
}

void LedPage::showAdvice(const std::optional<led::Advice> &advice)
{
    // Tab stops at the notes only while they say something.
    for (QLabel *note : {adviceCurrent, advicePower, adviceBuy})
        note->setFocusPolicy(advice ? Qt::TabFocus : Qt::NoFocus);
    if (!advice) {
        adviceCurrent->clear();
        advicePower->clear();
        adviceBuy->clear();
        return;
    }
    adviceCurrent->setText(u"LED에 실제로 흐르는 전류: %1"_s.arg(advice->current));
    advicePower->setText(led::powerAdvice(*advice));
    adviceBuy->setText(
        u"구입할 표준값(E24): %1 (LED전류 %2)"_s.arg(advice->buy, advice->buyCurrent));
}

void LedPage::showMessage(const QString &text, const QString &title, QMessageBox::Icon icon)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, window());
    box.exec();
}

void LedPage::Command5_Click()
{
    const led::Outcome outcome =
        led::calculateLed(Text26->text(), Text30->text(), Text31->text(), Combo3->currentText());
    // The series ending is about the value the bands paint; a refused value
    // paints none.
    const auto *calculation = std::get_if<led::Calculation>(&outcome);
    setWorking(colorcode::withSeriesEnding(
        led::ledWorking(Text26->text(), Text30->text(), Text31->text(), outcome),
        calculation && !calculation->refused ? std::optional(calculation->value) : std::nullopt));

    if (const auto *refusal = std::get_if<led::InputRefusal>(&outcome)) {
        showAdvice(std::nullopt);
        if (refusal->problem == led::InputProblem::Missing) {
            showMessage(refusalText(*refusal), u"빠진 항목이 있습니다!"_s, QMessageBox::Warning);
        } else {
            showMessage(refusalText(*refusal), u"Pallado"_s, QMessageBox::Warning);
        }
        switch (refusal->input) {
        case led::Input::Supply:
            Text26->setFocus();
            break;
        case led::Input::LedVoltage:
            Text30->setFocus();
            break;
        case led::Input::Current:
            Text31->setFocus();
            break;
        }
        return;
    }

    const led::Calculation &result = std::get<led::Calculation>(outcome);
    showAdvice(result.advice);
    if (result.texts) {
        Text32->setText(result.texts->value);
        Text41->setText(result.texts->low);
        Text42->setText(result.texts->high);
    }
    if (result.refused) {
        // The refused value stands in the box while the message is read.
        showMessage(u"칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!"_s, u"Pallado"_s,
                    QMessageBox::NoIcon);
        Text32->setText(u"0"_s);
    }

    paintDigitBand(Shape10, kFirstDigit, result.value.digit(0));
    paintDigitBand(Shape11, kSecondDigit, result.value.digit(1));
    paintDigitBand(Shape12, kMultiplier, result.value.exponent);
    if (result.tolerance && result.tolerance->filled) {
        paintBand(Shape13, kTolerance, result.tolerance->encoderColor);
    } else {
        // "±20%" has no band; neither has a tolerance the list does not offer.
        clearBand(Shape13, kTolerance);
        Shape13->setBorderVisible(false);
    }
    ui::announceResults(this, {Text32, Text41, Text42, Shape10, Shape11, Shape12, Shape13,
                               adviceCurrent, advicePower, adviceBuy});
}

void LedPage::takeStartingState()
{
    reset();
    ui::setPointFont(Text32, 16, true);
    ui::setPointFont(Text41, 12, false);
    ui::setPointFont(Text42, 12, false);
}

void LedPage::reset()
{
    // Empty but for the usual LED current.
    Text26->setText(QString());
    Text30->setText(QString());
    Text31->setText(u"20"_s);
    Text32->setText(u"0"_s);
    Text41->setText(u"0"_s);
    Text42->setText(u"0"_s);
    clearBand(Shape10, kFirstDigit);
    clearBand(Shape11, kSecondDigit);
    clearBand(Shape12, kMultiplier);
    clearBand(Shape13, kTolerance);
    showAdvice(std::nullopt);
}

void LedPage::Command4_Click()
{
    reset();
    setWorking(QString());
    Text26->setFocus();
}

QWidget *LedPage::firstFocus() const
{
    return Text26;
}
