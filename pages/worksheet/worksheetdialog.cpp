#include "pages/worksheet/worksheetdialog.h"

#include "pages/worksheet/worksheet.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kTitle = u"연습지 만들기";
constexpr QStringView kFileName = u"연습지.pdf";

QCheckBox *makeCheck(QWidget *parent, const QString &name, const QString &text, bool checked)
{
    auto *check = new QCheckBox(text, parent);
    check->setObjectName(name);
    check->setAccessibleName(text);
    check->setChecked(checked);
    return check;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text,
                        const QString &accessibleName)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    return button;
}

} // namespace

frmWorksheet::frmWorksheet(QWidget *owner) : QDialog(owner)
{
    setObjectName(u"frmWorksheet"_s);
    setWindowTitle(kTitle.toString());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Made in tab order. Laid out rather than placed, so no text is cut
    // whatever face the desktop falls back to.
    lblQuestions = new QLabel(u"문제 수(&N)"_s, this);
    lblQuestions->setObjectName(u"lblQuestions"_s);
    spnQuestions = new QSpinBox(this);
    spnQuestions->setObjectName(u"spnQuestions"_s);
    spnQuestions->setAccessibleName(u"문제 수"_s);
    spnQuestions->setRange(practice::kWorksheetFewest, practice::kWorksheetMost);
    spnQuestions->setValue(practice::kWorksheetDefault);
    lblQuestions->setBuddy(spnQuestions);

    fraKind = new QGroupBox(u"문제 종류(&T)"_s, this);
    fraKind->setObjectName(u"fraKind"_s);
    chkRead = makeCheck(fraKind, u"chkRead"_s, u"색띠 읽기"_s, true);
    chkWrite = makeCheck(fraKind, u"chkWrite"_s, u"색띠 고르기"_s, true);
    chkWeakFirst = makeCheck(this, u"chkWeakFirst"_s, u"내가 자주 틀리는 색 위주로"_s, false);

    cmdSavePdf = makeButton(this, u"cmdSavePdf"_s, u"PDF로 저장(&S)"_s, u"PDF로 저장"_s);
    cmdPrint = makeButton(this, u"cmdPrint"_s, u"인쇄(&P)"_s, u"인쇄"_s);
    cmdClose = makeButton(this, u"cmdClose"_s, u"닫기"_s, u"닫기"_s);
    cmdSavePdf->setDefault(true);

    auto *count = new QHBoxLayout;
    count->addWidget(lblQuestions);
    count->addWidget(spnQuestions);
    count->addStretch();
    auto *kinds = new QHBoxLayout(fraKind);
    kinds->addWidget(chkRead);
    kinds->addWidget(chkWrite);
    kinds->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSavePdf);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(count);
    layout->addWidget(fraKind);
    layout->addWidget(chkWeakFirst);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Another count or kind is another sheet.
    const auto forget = [this] { m_questions.clear(); };
    connect(spnQuestions, &QSpinBox::valueChanged, this, forget);
    for (QCheckBox *check : {chkRead, chkWrite, chkWeakFirst})
        connect(check, &QCheckBox::toggled, this, forget);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmWorksheet::cmdSavePdf_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmWorksheet::cmdPrint_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmWorksheet::cmdClose_Click);

    m_random.seed(std::uint32_t(std::chrono::system_clock::now().time_since_epoch().count()));
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
    m_questions.clear();
}

void frmWorksheet::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::Warning, kTitle.toString(), text, QMessageBox::Ok, this);
    box.exec();
}

bool frmWorksheet::makeSheet()
{
    if (!chkRead->isChecked() && !chkWrite->isChecked()) {
        showMessage(u"문제 종류를 하나 이상 고르십시오: 색띠 읽기나 색띠 고르기."_s);
        chkRead->setFocus();
        return false;
    }
    if (m_questions.empty()) {
        // Checked with no weak colour known, the sheet is the usual mix.
        const std::span<const int> weak =
            chkWeakFirst->isChecked() ? std::span<const int>(m_weakDigits) : std::span<const int>();
        m_questions = practice::worksheetQuestions(
            spnQuestions->value(), {chkRead->isChecked(), chkWrite->isChecked()}, m_random, weak);
    }
    return true;
}

bool frmWorksheet::savePdf(const QString &path)
{
    if (!makeSheet())
        return false;
    if (practice::writeWorksheetPdf(path, m_questions))
        return true;
    showMessage(u"연습지를 저장하지 못했습니다:\n%1\n\n폴더가 있는지, 쓸 수 있는 곳인지 "
                "확인하고 다른 곳에 저장해 보십시오."_s.arg(QDir::toNativeSeparators(path)));
    return false;
}

void frmWorksheet::cmdSavePdf_Click()
{
    // No kind checked: say so before asking for a file.
    if (!makeSheet())
        return;
    QFileDialog files(this, u"연습지를 PDF로 저장"_s);
    files.setObjectName(u"dlgSavePdf"_s);
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.setNameFilter(u"PDF 파일 (*.pdf)"_s);
    files.setDefaultSuffix(u"pdf"_s);
    files.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    files.selectFile(kFileName.toString());
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return;
    savePdf(files.selectedFiles().constFirst());
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
    if (!practice::paintWorksheet(printer, m_questions))
        showMessage(u"연습지를 인쇄하지 못했습니다. 프린터가 켜져 있고 연결되어 있는지 "
                    "확인하십시오."_s);
}

void frmWorksheet::cmdClose_Click()
{
    reject();
}
