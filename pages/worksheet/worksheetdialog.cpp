#include "pages/worksheet/worksheetdialog.h"

#include "colorcode/sentences.h"
#include "learner/answers.h"
#include "pages/worksheet/worksheet.h"
#include "widgets/controls.h"
#include "widgets/savedialog.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kTitle = u"연습지 만들기";
constexpr QStringView kFilter = u"PDF 파일 (*.pdf)";

// The code's characters and its hyphen, with room to type it loosely.
constexpr int kCodeLength = 16;

} // namespace

frmWorksheet::frmWorksheet(QWidget *owner) : QDialog(owner)
{
    setObjectName(u"frmWorksheet"_s);
    setWindowTitle(kTitle.toString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Made in tab order. Laid out rather than placed, so no text is cut
    // whatever face the desktop falls back to.
    spnQuestions = new QSpinBox(this);
    spnQuestions->setObjectName(u"spnQuestions"_s);
    spnQuestions->setAccessibleName(u"문제 수"_s);
    spnQuestions->setRange(practice::kWorksheetFewest, practice::kWorksheetMost);
    spnQuestions->setValue(practice::kWorksheetDefault);
    lblQuestions = ui::makeLabel(this, u"lblQuestions"_s, u"문제 수(&N)"_s, spnQuestions);

    fraKind = ui::makeFrame(this, u"fraKind"_s, u"문제 종류(&T)"_s, {});
    chkRead = ui::makeCheck(fraKind, u"chkRead"_s,
                            practice::kindName(practice::Kind::Read).toString() + u"(&R)"_s, true);
    chkWrite =
        ui::makeCheck(fraKind, u"chkWrite"_s,
                      practice::kindName(practice::Kind::Write).toString() + u"(&W)"_s, true);
    chkSmd =
        ui::makeCheck(fraKind, u"chkSmd"_s,
                      practice::kindName(practice::Kind::Marking).toString() + u"(&M)"_s, false);
    chkCommon = ui::makeCheck(this, u"chkCommon"_s, u"흔히 쓰는 값만(&V)"_s, false);
    chkCommon->setToolTip(u"E12 계열 값 중 10Ω부터 1MΩ까지만 냅니다."_s);
    chkWeakFirst =
        ui::makeCheck(this, u"chkWeakFirst"_s, u"내가 자주 틀리는 색 위주로(&F)"_s, false);
    chkKey = ui::makeCheck(this, u"chkKey"_s, u"정답지 포함(&K)"_s, true);
    chkGrey = ui::makeCheck(this, u"chkGrey"_s, u"흑백 인쇄(&G)"_s, false);
    chkGrey->setToolTip(u"읽기 문제의 색띠마다 아래에 색 이름을 적습니다."_s);

    txtCode = ui::makeEntry(this, u"txtCode"_s, u"연습지 코드"_s);
    txtCode->setAccessibleDescription(
        u"전에 만든 연습지의 코드를 넣으면 같은 연습지를 다시 만듭니다."_s);
    txtCode->setToolTip(txtCode->accessibleDescription());
    txtCode->setMaxLength(kCodeLength);
    lblCode = ui::makeLabel(this, u"lblCode"_s, u"연습지 코드(&O)"_s, txtCode);
    cmdNewCode = ui::makeButton(this, u"cmdNewCode"_s, u"다른 문제로(&D)"_s);

    cmdSavePdf = ui::makeButton(this, u"cmdSavePdf"_s, u"PDF로 저장(&S)"_s);
    cmdSaveKey = ui::makeButton(this, u"cmdSaveKey"_s, u"정답지만 저장(&A)"_s);
    cmdPrint = ui::makeButton(this, u"cmdPrint"_s, u"인쇄(&P)"_s);
    cmdClose = ui::makeButton(this, u"cmdClose"_s, u"닫기(&C)"_s);
    cmdSavePdf->setDefault(true);

    auto *count = new QHBoxLayout;
    count->addWidget(lblQuestions);
    count->addWidget(spnQuestions);
    count->addStretch();
    auto *kinds = new QHBoxLayout(fraKind);
    kinds->addWidget(chkRead);
    kinds->addWidget(chkWrite);
    kinds->addWidget(chkSmd);
    kinds->addStretch();
    auto *paper = new QHBoxLayout;
    paper->addWidget(chkKey);
    paper->addWidget(chkGrey);
    paper->addStretch();
    auto *code = new QHBoxLayout;
    code->addWidget(lblCode);
    code->addWidget(txtCode, 1);
    code->addWidget(cmdNewCode);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSavePdf);
    buttons->addWidget(cmdSaveKey);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(count);
    layout->addWidget(fraKind);
    layout->addWidget(chkCommon);
    layout->addWidget(chkWeakFirst);
    layout->addLayout(paper);
    layout->addLayout(code);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Another count, kind or mix is another sheet; the key and the grey
    // names only change how it is printed.
    connect(spnQuestions, &QSpinBox::valueChanged, this, &frmWorksheet::newSheet);
    for (QCheckBox *check : {chkRead, chkWrite, chkSmd, chkCommon, chkWeakFirst})
        connect(check, &QCheckBox::toggled, this, &frmWorksheet::newSheet);
    connect(txtCode, &QLineEdit::editingFinished, this, &frmWorksheet::txtCode_EditingFinished);
    connect(cmdNewCode, &QPushButton::clicked, this, &frmWorksheet::cmdNewCode_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmWorksheet::cmdSavePdf_Click);
    connect(cmdSaveKey, &QPushButton::clicked, this, &frmWorksheet::cmdSaveKey_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmWorksheet::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmWorksheet::cmdClose_Click);

    m_random.seed(std::uint32_t(std::chrono::system_clock::now().time_since_epoch().count()));
    newSheet();
}

void frmWorksheet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Queued, so it lands once the dialog's window has handed out its first
    // focus.
    QTimer::singleShot(0, this, [this] { spnQuestions->setFocus(Qt::TabFocusReason); });
}

void frmWorksheet::setWeakDigits(std::vector<int> digits)
{
    m_weakDigits = std::move(digits);
    if (chkWeakFirst->isChecked())
        newSheet();
}

// A new seed and the recipe the controls ask for.
void frmWorksheet::newSheet()
{
    practice::WorksheetRecipe recipe;
    recipe.seed = std::uint32_t(m_random()) & ((1U << practice::kSheetSeedBits) - 1);
    recipe.count = spnQuestions->value();
    recipe.kinds = {chkRead->isChecked(), chkWrite->isChecked(), chkSmd->isChecked()};
    recipe.commonOnly = chkCommon->isChecked();
    // Checked with no weak colour known, the sheet is the usual mix.
    recipe.weakColours = chkWeakFirst->isChecked() ? practice::colourBits(m_weakDigits) : 0;
    showRecipe(recipe);
}

// The controls and the code as `recipe` has them; the questions made anew
// when next needed.
void frmWorksheet::showRecipe(const practice::WorksheetRecipe &recipe)
{
    m_recipe = recipe;
    m_questions.clear();
    const bool anyKind = recipe.kinds.read || recipe.kinds.write || recipe.kinds.marking;
    txtCode->setText(anyKind ? practice::sheetCode(recipe) : QString());
    const std::array<QSignalBlocker, 6> quiet{
        QSignalBlocker(spnQuestions), QSignalBlocker(chkRead),   QSignalBlocker(chkWrite),
        QSignalBlocker(chkSmd),       QSignalBlocker(chkCommon), QSignalBlocker(chkWeakFirst)};
    spnQuestions->setValue(recipe.count);
    chkRead->setChecked(recipe.kinds.read);
    chkWrite->setChecked(recipe.kinds.write);
    chkSmd->setChecked(recipe.kinds.marking);
    chkCommon->setChecked(recipe.commonOnly);
    chkWeakFirst->setChecked(recipe.weakColours != 0 ||
                             (chkWeakFirst->isChecked() && m_weakDigits.empty()));
}

void frmWorksheet::txtCode_EditingFinished()
{
    // A code typed in takes effect as soon as it reads; one that does not is
    // told about when it is used, not as the focus leaves.
    const auto recipe = practice::readSheetCode(txtCode->text());
    if (const auto *read = std::get_if<practice::WorksheetRecipe>(&recipe);
        read && *read != m_recipe)
        showRecipe(*read);
}

void frmWorksheet::cmdNewCode_Click()
{
    newSheet();
}

void frmWorksheet::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, kTitle.toString(), text, QMessageBox::Ok, this);
    box.exec();
}

bool frmWorksheet::makeSheet()
{
    const QString typed = txtCode->text().trimmed();
    if (!typed.isEmpty() && typed != practice::sheetCode(m_recipe)) {
        const auto recipe = practice::readSheetCode(typed);
        if (const auto *refusal = std::get_if<practice::CodeRefusal>(&recipe)) {
            showMessage(practice::codeRefusalMessage(*refusal));
            txtCode->setFocus();
            txtCode->selectAll();
            return false;
        }
        showRecipe(std::get<practice::WorksheetRecipe>(recipe));
    }
    if (!chkRead->isChecked() && !chkWrite->isChecked() && !chkSmd->isChecked()) {
        QStringList kinds;
        for (const practice::KindName &k : practice::kKindNames)
            kinds << k.name.toString();
        showMessage(u"문제 종류를 하나 이상 고르십시오: %1."_s.arg(kinds.join(u", ")));
        chkRead->setFocus();
        return false;
    }
    // An emptied code box: the sheet the controls show.
    if (typed.isEmpty())
        txtCode->setText(practice::sheetCode(m_recipe));
    if (m_questions.empty())
        m_questions = practice::worksheetQuestions(m_recipe);
    return true;
}

practice::WorksheetPrint frmWorksheet::printed(bool questions, bool key) const
{
    return {practice::sheetCode(m_recipe), questions, key, chkGrey->isChecked()};
}

bool frmWorksheet::write(const QString &path, const practice::WorksheetPrint &print)
{
    if (!makeSheet())
        return false;
    if (practice::writeWorksheetPdf(path, m_questions, print))
        return true;
    showMessage(colorcode::saveFailedSentence(u"연습지", QDir::toNativeSeparators(path)));
    return false;
}

bool frmWorksheet::savePdf(const QString &path)
{
    return write(path, printed(true, chkKey->isChecked()));
}

bool frmWorksheet::saveKey(const QString &path)
{
    return write(path, printed(false, true));
}

void frmWorksheet::saveAsked(const QString &dialogName, const QString &title,
                             const QString &suggested, bool (frmWorksheet::*save)(const QString &))
{
    // A wrong code or no kind: say so before asking for a file.
    if (!makeSheet())
        return;
    const QString path =
        ui::askSavePath(this, dialogName, title, suggested, kFilter.toString(), u"pdf"_s);
    if (!path.isEmpty())
        (this->*save)(path);
}

void frmWorksheet::cmdSavePdf_Click()
{
    saveAsked(u"dlgSavePdf"_s, u"연습지를 PDF로 저장"_s, u"연습지 %1.pdf"_s.arg(txtCode->text()),
              &frmWorksheet::savePdf);
}

void frmWorksheet::cmdSaveKey_Click()
{
    saveAsked(u"dlgSaveKey"_s, u"정답지를 PDF로 저장"_s,
              u"연습지 정답 %1.pdf"_s.arg(txtCode->text()), &frmWorksheet::saveKey);
}

void frmWorksheet::cmdPrint_Click()
{
    if (!makeSheet())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kTitle.toString());
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(u"dlgPrint"_s);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!practice::paintWorksheet(printer, m_questions, printed(true, chkKey->isChecked())))
        showMessage(u"연습지를 인쇄하지 못했습니다. 프린터가 켜져 있고 연결되어 있는지 "
                    "확인하십시오."_s);
}

void frmWorksheet::cmdClose_Click()
{
    reject();
}
