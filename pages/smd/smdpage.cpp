#include "pages/smd/smdpage.h"

#include "colorcode/colortables.h"
#include "colorcode/marking.h"
#include "colorcode/speech.h"
#include "widgets/accessibility.h"
#include "widgets/bandshape.h"
#include "widgets/chippicture.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/keys.h"
#include "widgets/raisedtext.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kMarkingCaption = u"표시";
constexpr QStringView kValueCaption = u"저항값";
constexpr QStringView kMarkingHint = u"칩에 찍힌 표시를 입력하세요. 예: ";

// Page layout in pixels: reading a marking at the top, with the chip on the
// right; writing a value's markings under it, the guide at the bottom. Each
// caption stands left of its entry, as the frames' titles take a line.
constexpr QRect kReadFrameRect{8, 2, 461, 100};
constexpr QRect kMarkingCaptionRect{10, 27, 52, 20};
constexpr QRect kMarkingRect{62, 20, 110, 34}; // 16-point bold
constexpr QRect kReadButtonRect{180, 22, 96, 30};
constexpr QRect kMarkingValueRect{10, 60, 270, 34}; // 16-point bold
constexpr QRect kChipRect{290, 20, 164, 76};

constexpr QRect kMakeFrameRect{8, 106, 461, 86};
constexpr QRect kValueCaptionRect{10, 25, 60, 20};
constexpr QRect kValueRect{70, 20, 110, 30}; // 12-point
constexpr QRect kUnitRect{186, 21, 70, 28};  // 12-point
constexpr QRect kMakeButtonRect{264, 20, 110, 30};
constexpr QRect kMarkingsRect{10, 56, 444, 24}; // 10-point bold

constexpr QRect kGuideFrameRect{8, 196, 461, 100};
constexpr QRect kGuideRect{10, 22, 444, 74};

// A result: the page writes it, the screen reader hears it after its
// description, and Tab reaches it.
QLabel *makeResult(QWidget *parent, const QString &name, const QRect &place,
                   QStringView description)
{
    QLabel *label = ui::makeLabel(parent, name, u"?"_s, place);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleDescription(description.toString());
    ui::makeTabReachable(label);
    return label;
}

} // namespace

SmdPage::SmdPage(QWidget *parent) : ui::LearnerPage(parent)
{
    setObjectName(u"pageSmd"_s);
    fraReadMarking = ui::makeFrame(this, u"fraReadMarking"_s, u"표시 → 저항값"_s, kReadFrameRect);
    txtMarking =
        ui::makeEntry(fraReadMarking, u"txtMarking"_s, kMarkingCaption.toString(), kMarkingRect);
    lblMarking =
        ui::makeLabel(fraReadMarking, u"lblMarking"_s, kMarkingCaption.toString() + u"(&M)"_s,
                      txtMarking, kMarkingCaptionRect);
    const QStringList examples{u"472"_s, u"4R7"_s, u"01C"_s};
    txtMarking->setToolTip(kMarkingHint.toString() + examples.join(u", "_s));
    // Heard spelled, one example from the next, none as a number.
    QStringList spelled;
    for (const QString &example : examples)
        spelled << colorcode::spelledMarking(example);
    txtMarking->setAccessibleDescription(kMarkingHint.toString() + spelled.join(u" 또는 "_s));
    ui::setPointFont(txtMarking, 16, true);
    cmdReadMarking =
        ui::makeButton(fraReadMarking, u"cmdReadMarking"_s, u"읽기(&G)"_s, kReadButtonRect);
    lblMarkingValue =
        makeResult(fraReadMarking, u"lblMarkingValue"_s, kMarkingValueRect, u"저항값");
    ui::setPointFont(lblMarkingValue, 16, true);
    ui::setTextColor(lblMarkingValue, ui::kResultRed);
    picChip = new ui::ChipPicture(fraReadMarking, u"picChip", kChipRect);

    fraMakeMarking = ui::makeFrame(this, u"fraMakeMarking"_s, u"저항값 → 표시"_s, kMakeFrameRect);
    txtChipValue =
        ui::makeEntry(fraMakeMarking, u"txtChipValue"_s, kValueCaption.toString(), kValueRect);
    lblChipValue =
        ui::makeLabel(fraMakeMarking, u"lblChipValue"_s, kValueCaption.toString() + u"(&K)"_s,
                      txtChipValue, kValueCaptionRect);
    ui::setPointFont(txtChipValue, 12, false);
    cboChipUnit = ui::makeList(fraMakeMarking, u"cboChipUnit"_s,
                               colorcode::itemTexts(colorcode::kUnitList), u"단위"_s, kUnitRect);
    ui::setPointFont(cboChipUnit, 12, false);
    cmdMakeMarking =
        ui::makeButton(fraMakeMarking, u"cmdMakeMarking"_s, u"표시 보기(&B)"_s, kMakeButtonRect);
    // Enter in an entry brings the focus to its button; a second Enter
    // presses it.
    for (QPushButton *button : {cmdReadMarking, cmdMakeMarking})
        button->setAutoDefault(true);
    lblMarkings = makeResult(fraMakeMarking, u"lblMarkings"_s, kMarkingsRect, u"표시");
    ui::setPointFont(lblMarkings, 10, true);

    fraGuide = ui::makeFrame(this, u"fraGuide"_s, u"읽는 법"_s, kGuideFrameRect);
    lblGuide = new ui::RaisedTextLabel(fraGuide);
    lblGuide->setObjectName(u"lblGuide"_s);
    lblGuide->setGeometry(kGuideRect);
    lblGuide->setText(smd::readingGuide());
    // Read whole where Tab lands on it; the frame's title names it.
    ui::makeTabReachable(lblGuide);

    // Keyboard order: each side's entry and button, then the results and
    // the guide.
    QWidget *order[] = {txtMarking,     cmdReadMarking,  txtChipValue, cboChipUnit,
                        cmdMakeMarking, lblMarkingValue, lblMarkings,  lblGuide};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    connect(cmdReadMarking, &QPushButton::clicked, this, &SmdPage::cmdReadMarking_Click);
    connect(cmdMakeMarking, &QPushButton::clicked, this, &SmdPage::cmdMakeMarking_Click);
    txtMarking->installEventFilter(this);
    txtChipValue->installEventFilter(this);
}

QWidget *SmdPage::firstFocus() const
{
    return txtMarking;
}

bool SmdPage::eventFilter(QObject *watched, QEvent *event)
{
    if (ui::isEnter(event)) {
        if (watched == txtMarking)
            txtMarking_KeyPress(ui::kEnter);
        else if (watched == txtChipValue)
            txtChipValue_KeyPress(ui::kEnter);
    }
    // Every key goes on to the entry as it was typed.
    return QWidget::eventFilter(watched, event);
}

void SmdPage::txtMarking_KeyPress(int keyAscii)
{
    if (keyAscii == ui::kEnter)
        cmdReadMarking->setFocus(Qt::TabFocusReason);
}

void SmdPage::txtChipValue_KeyPress(int keyAscii)
{
    if (keyAscii == ui::kEnter)
        cmdMakeMarking->setFocus(Qt::TabFocusReason);
}

void SmdPage::refuse(const QString &message, QLineEdit *entry)
{
    QMessageBox box(QMessageBox::Information, u"Pallado"_s, message, QMessageBox::Ok, window());
    box.exec();
    // The entry keeps what was typed, selected, so it is mended or typed
    // over.
    entry->setFocus();
    entry->selectAll();
}

void SmdPage::cmdReadMarking_Click()
{
    const auto result = smd::readMarking(txtMarking->text());
    setWorking(smd::markingWorking(txtMarking->text(), result));
    if (const auto *refusal = std::get_if<smd::Refusal>(&result)) {
        lblMarkingValue->setText(u"?"_s);
        picChip->setMarking(QString());
        refuse(smd::refusalMessage(*refusal), txtMarking);
        return;
    }
    const smd::Marking &marking = std::get<smd::Marking>(result);
    lblMarkingValue->setText(smd::markingValueText(marking));
    picChip->setMarking(marking.text);
    ui::announceResults(this, {lblMarkingValue});
}

void SmdPage::cmdMakeMarking_Click()
{
    const auto result = smd::markingsOf(txtChipValue->text(), cboChipUnit->currentText());
    setWorking(smd::markingsWorking(txtChipValue->text(), cboChipUnit->currentText(), result));
    if (const auto *refusal = std::get_if<smd::ValueRefusal>(&result)) {
        lblMarkings->setText(u"?"_s);
        lblMarkings->setAccessibleName(QString());
        refuse(smd::valueRefusalMessage(*refusal), txtChipValue);
        return;
    }
    const smd::Markings &markings = std::get<smd::Markings>(result);
    lblMarkings->setText(smd::markingsText(markings));
    lblMarkings->setAccessibleName(colorcode::spokenMarkings(markings));
    ui::announceResults(this, {lblMarkings});
}
