#include "uitest.h"

#include "learner/record.h"
#include "pages/progress/progressdialog.h"
#include "pages/worksheet/worksheetdialog.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

#include <set>

using namespace Qt::StringLiterals;

namespace {

// What a poppler tool printed, or a null string when it failed.
QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Holds a `N.` question number standing alone.
bool numbered(const QString &text, int n)
{
    return text.contains(QRegularExpression(u"(^|\\s)%1\\.(\\s|$)"_s.arg(n)));
}

// Holds "1 / 3", the words of `before` in front ("정답 1 / 1").
bool pageNumber(const QString &text, const QString &before, int page, int pages)
{
    return text.contains(QRegularExpression(
        u"(^|\\s)%1\\s*%2\\s*/\\s*%3(\\s|$)"_s.arg(before).arg(page).arg(pages)));
}

// Clicks a check box on its box, as a user does: a box laid out wider
// than its text takes no click beyond it.
void tick(QCheckBox *check)
{
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(check->height() / 2, check->height() / 2));
}

// The PDF's pages as text, or none when it cannot be read.
QStringList pdfPages(const QString &path)
{
    // The face draws the ohm sign and the Greek capital omega with one
    // glyph, and the PDF maps a glyph back to the lowest code point it
    // serves: the ohm sign reads back as the omega.
    const QString text = run(u"pdftotext"_s, {path, u"-"_s}).replace(u'\u03A9', u'\u2126');
    QStringList pages = text.split(u'\f');
    pages.removeAll(QString());
    return pages;
}

// Saves through the file dialog named `dialog` as a user would: the button
// clicked, a name chosen, Save.
bool saveThrough(QPushButton *button, const QString &dialog, const QString &path)
{
    auto ran = uitest::onNextDialog(dialog, [&](QWidget *files) {
        static_cast<QFileDialog *>(files)->selectFile(path);
        static_cast<QDialog *>(files)->accept();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    return *ran && QFileInfo(path).size() > 0;
}

} // namespace

class tst_Worksheet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        uitest::setUp();
        QStandardPaths::setTestModeEnabled(true);
    }
    void openedByKeyboard();
    void savesPdf();
    void options_data();
    void options();
    void remadeFromCode();
    void saveFolder_data();
    void saveFolder();
    void refusals_data();
    void refusals();
    void printDialogOpens();
};

void tst_Worksheet::openedByKeyboard()
{
    auto w = uitest::openWindow();
    const QList<QAction *> file = w->Menu_file->actions();
    // Above the class view's item, which stands just above Exit.
    QCOMPARE(file.indexOf(w->Menu_worksheet), file.indexOf(w->Menu_class) - 1);
    QCOMPARE(w->Menu_worksheet->text(), u"연습지 만들기(&K)..."_s);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);

    QPoint placed;
    bool pagesDisabled = false;
    QString title, focusInDialog, code;
    QStringList texts, accessKeys;
    auto ran = uitest::onNextDialog(u"frmWorksheet"_s, [&](QWidget *d) {
        placed = d->frameGeometry().topLeft() - w->frameGeometry().topLeft();
        pagesDisabled = !w->SSTab1->isEnabled();
        title = d->windowTitle();
        QTest::qWait(20);
        focusInDialog = QApplication::focusWidget()->objectName();
        auto *count = d->findChild<QSpinBox *>(u"spnQuestions"_s);
        texts << QString::number(count->minimum()) << QString::number(count->maximum())
              << QString::number(count->value())
              << d->findChild<QLabel *>(u"lblQuestions"_s)->text();
        for (const char *name :
             {"chkRead", "chkWrite", "chkSmd", "chkCommon", "chkWeakFirst", "chkKey", "chkGrey"}) {
            auto *check = d->findChild<QCheckBox *>(QString::fromLatin1(name));
            texts << check->text() + (check->isChecked() ? u" ✓"_s : QString());
        }
        texts << d->findChild<QLabel *>(u"lblCode"_s)->text();
        code = d->findChild<QLineEdit *>(u"txtCode"_s)->text();
        for (const char *name : {"cmdNewCode", "cmdSavePdf", "cmdSaveKey", "cmdPrint", "cmdClose"})
            texts << d->findChild<QPushButton *>(QString::fromLatin1(name))->text();
        // Every access key of the dialog, from labels, the frame and buttons.
        QStringList captions;
        for (auto *label : d->findChildren<QLabel *>())
            captions << label->text();
        for (auto *button : d->findChildren<QAbstractButton *>())
            captions << button->text();
        for (auto *frame : d->findChildren<QGroupBox *>())
            captions << frame->title();
        for (const QString &caption : captions) {
            const qsizetype amp = caption.indexOf(u'&');
            if (amp >= 0)
                accessKeys << caption.mid(amp + 1, 1).toUpper();
        }
        QTest::keyClick(d, Qt::Key_Escape);
    });
    QTest::keyClick(w.get(), Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(w->Menu_file->isVisible());
    QTest::keyClick(w->Menu_file, Qt::Key_K);
    QTRY_VERIFY(*ran);

    QCOMPARE(title, u"연습지 만들기"_s);
    QCOMPARE(placed, ui::twipsPoint(1800, 1500));
    QVERIFY(pagesDisabled);
    QCOMPARE(focusInDialog, u"spnQuestions"_s);
    QCOMPARE(texts, (QStringList{u"10"_s, u"40"_s, u"20"_s, u"문제 수(&N)"_s, u"색띠 읽기(&R) ✓"_s,
                                 u"색띠 고르기(&W) ✓"_s, u"SMD 표시 읽기(&M)"_s,
                                 u"흔히 쓰는 값만(&V)"_s, u"내가 자주 틀리는 색 위주로(&F)"_s,
                                 u"정답지 포함(&K) ✓"_s, u"흑백 인쇄(&G)"_s, u"연습지 코드(&O)"_s,
                                 u"다른 문제로(&D)"_s, u"PDF로 저장(&S)"_s, u"정답지만 저장(&A)"_s,
                                 u"인쇄(&P)"_s, u"닫기(&C)"_s}));
    // The sheet's code is there from the start.
    QVERIFY2(std::holds_alternative<practice::WorksheetRecipe>(practice::readSheetCode(code)),
             qPrintable(code));
    QCOMPARE(int(std::set<QString>(accessKeys.begin(), accessKeys.end()).size()),
             int(accessKeys.size()));
    QVERIFY(w->SSTab1->isEnabled());
    // The window's own focus: the offscreen platform leaves no window active
    // after a menu and a modal dialog.
    QCOMPARE(w->focusWidget(), focus);
}

void tst_Worksheet::savesPdf()
{
    auto w = uitest::openWindow();
    frmWorksheet d(w.get());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"연습지.pdf"_s);
    QVERIFY(saveThrough(d.cmdSavePdf, u"dlgSavePdf"_s, path));
    const std::vector<practice::WorksheetQuestion> &questions = d.questions();
    QCOMPARE(int(questions.size()), 20);

    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QStringList pages = pdfPages(path);
    QVERIFY2(pages.size() >= 2, qPrintable(pages.join(u'\f')));
    // The key alone on the last page, each answer there; the questions
    // before it, numbered, pick questions with their stated values.
    const QString key = pages.takeLast();
    const QString sheet = pages.join(u'\n');
    QVERIFY2(key.trimmed().startsWith(u"정답"), qPrintable(key));
    QVERIFY(!sheet.contains(u"정답"));
    QVERIFY(sheet.contains(u"색띠를 읽고 저항값과 허용오차를 쓰십시오."));
    for (int i = 0; i < int(questions.size()); ++i) {
        const practice::WorksheetQuestion &q = questions[std::size_t(i)];
        QVERIFY2(numbered(sheet, i + 1), qPrintable(QString::number(i + 1)));
        QVERIFY2(numbered(key, i + 1), qPrintable(QString::number(i + 1)));
        const QString answer = practice::worksheetAnswer(q);
        QVERIFY2(key.contains(answer), qPrintable(answer));
        if (q.kind == practice::Kind::Write)
            QVERIFY(sheet.contains(practice::statedValue(q.resistor)));
    }

    // The first page, rendered, is far from blank and shows colour.
    const QString prefix = dir.filePath(u"page"_s);
    run(u"pdftoppm"_s, {u"-r"_s, u"50"_s, u"-png"_s, u"-singlefile"_s, u"-f"_s, u"1"_s, u"-l"_s,
                        u"1"_s, path, prefix});
    const QImage page(prefix + u".png"_s);
    QVERIFY(!page.isNull());
    int inked = 0, coloured = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            inked += c.lightness() < 200;
            coloured += c.hsvSaturation() > 150 && c.value() > 100;
        }
    }
    QVERIFY2(inked > page.width() * page.height() / 50, qPrintable(QString::number(inked)));
    QVERIFY2(coloured > 100, qPrintable(QString::number(coloured)));
}

// The options as a teacher sets them, the sheet saved, and its PDF read
// back: every question page with its header and number, the score box on
// the first, the code on every page, the key there or not.
void tst_Worksheet::options_data()
{
    QTest::addColumn<bool>("key");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<bool>("smd");
    QTest::addColumn<bool>("keyAlone");
    QTest::newRow("no key, grey") << false << true << false << false;
    QTest::newRow("SMD too, 40 questions, key") << true << false << true << false;
    QTest::newRow("the key alone") << false << false << false << true;
}

void tst_Worksheet::options()
{
    QFETCH(bool, key);
    QFETCH(bool, grey);
    QFETCH(bool, smd);
    QFETCH(bool, keyAlone);
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    auto w = uitest::openWindow();
    frmWorksheet d(w.get());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    if (smd) {
        d.spnQuestions->selectAll();
        QTest::keyClicks(d.spnQuestions, u"40"_s);
        tick(d.chkSmd);
    }
    if (!key)
        tick(d.chkKey);
    if (grey)
        tick(d.chkGrey);
    const QString code = d.txtCode->text();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"sheet.pdf"_s);
    QVERIFY(keyAlone ? saveThrough(d.cmdSaveKey, u"dlgSaveKey"_s, path)
                     : saveThrough(d.cmdSavePdf, u"dlgSavePdf"_s, path));
    const std::vector<practice::WorksheetQuestion> &questions = d.questions();
    const int count = smd ? 40 : 20;
    QCOMPARE(int(questions.size()), count);

    QStringList sheet, answers;
    for (const QString &page : pdfPages(path))
        (page.contains(u"이름") ? sheet : answers) << page;
    QCOMPARE(sheet.isEmpty(), keyAlone);
    QCOMPARE(answers.isEmpty(), !key && !keyAlone);
    for (int i = 0; i < sheet.size(); ++i) {
        const QString &page = sheet[i];
        for (const QString &line : {u"반/번호"_s, u"날짜"_s, u"연습지 코드 "_s + code})
            QVERIFY2(page.contains(line), qPrintable(line + u'\n' + page));
        QVERIFY2(pageNumber(page, {}, i + 1, int(sheet.size())), qPrintable(page));
        QCOMPARE(page.contains(u"점수"), i == 0);
        QVERIFY(!page.contains(u"정답"));
    }
    // The score box: out of how many.
    if (!sheet.isEmpty())
        QVERIFY(sheet.front().contains(QRegularExpression(u"/\\s*%1(\\s|$)"_s.arg(count))));
    for (int i = 0; i < answers.size(); ++i) {
        QVERIFY2(answers[i].contains(u"연습지 코드 "_s + code), qPrintable(answers[i]));
        QVERIFY2(pageNumber(answers[i], u"정답"_s, i + 1, int(answers.size())),
                 qPrintable(answers[i]));
    }
    const QString questionText = sheet.join(u'\n');
    for (const practice::WorksheetQuestion &q : questions) {
        if (q.kind == practice::Kind::Marking)
            QVERIFY2(questionText.contains(q.marking.marking), qPrintable(q.marking.marking));
    }
    QCOMPARE(questionText.contains(u"칩에 적힌 표시를 읽고 저항값을 쓰십시오."), smd);
    // Grey: the first read question's bands named under them.
    const practice::Resistor &first = questions.front().resistor;
    const auto bands = practice::drawnBands(first);
    for (const practice::DrawnBand &band : bands) {
        if (!band.shown || !band.filled)
            continue;
        const QStringView word = colorcode::colourWordOf(band.color, colorcode::Palette::Selector);
        QCOMPARE(questionText.contains(word), grey);
    }
}

// A teacher's order: a sheet made and handed out, another drawn; days later
// its code typed into a fresh dialog remakes it; a code copied wrong is
// refused.
void tst_Worksheet::remadeFromCode()
{
    auto w = uitest::openWindow();
    QTemporaryDir dir;
    std::vector<practice::WorksheetQuestion> handedOut;
    QString code;
    {
        frmWorksheet d(w.get());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.spnQuestions->selectAll();
        QTest::keyClicks(d.spnQuestions, u"13"_s);
        for (QCheckBox *check : {d.chkRead, d.chkWrite, d.chkSmd, d.chkCommon})
            tick(check);
        code = d.txtCode->text();
        QVERIFY(saveThrough(d.cmdSavePdf, u"dlgSavePdf"_s, dir.filePath(u"a.pdf"_s)));
        handedOut = d.questions();
        QCOMPARE(int(handedOut.size()), 13);
        QTest::mouseClick(d.cmdNewCode, Qt::LeftButton);
        QVERIFY(d.txtCode->text() != code);
    }
    frmWorksheet d(w.get());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QVERIFY(d.txtCode->text() != code);
    d.txtCode->setFocus();
    d.txtCode->selectAll();
    // Typed loosely (small letters, no hyphen) and saved: the code's sheet.
    uitest::type(d.txtCode, code.toLower().remove(u'-'));
    QVERIFY(d.savePdf(dir.filePath(u"again.pdf"_s)));
    QCOMPARE(d.txtCode->text(), code);
    QCOMPARE(d.spnQuestions->value(), 13);
    QVERIFY(!d.chkRead->isChecked() && !d.chkWrite->isChecked());
    QVERIFY(d.chkSmd->isChecked() && d.chkCommon->isChecked());
    QCOMPARE(d.questions(), handedOut);

    d.txtCode->setFocus();
    d.txtCode->selectAll();
    QString wrong = code;
    wrong[0] = wrong[0] == u'0' ? u'1' : u'0';
    uitest::type(d.txtCode, wrong);
    auto asked = uitest::onNextDialog(
        u"dlgSavePdf"_s, [](QWidget *files) { static_cast<QFileDialog *>(files)->reject(); });
    uitest::BoxAnswerer box;
    QTest::mouseClick(d.cmdSavePdf, Qt::LeftButton);
    QVERIFY(box.seen().seen);
    QVERIFY(!*asked);
    QVERIFY2(box.seen().text.contains(u"잘못 옮겨 적은"), qPrintable(box.seen().text));
    QCOMPARE(d.focusWidget(), d.txtCode);
    QCOMPARE(d.spnQuestions->value(), 13);
}

// Both save dialogs open in the documents folder, or in the home folder
// when there is none, never in the folder the program was started in.
void tst_Worksheet::saveFolder_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("documents");
    QTest::newRow("worksheet, documents folder there") << u"dlgSavePdf"_s << true;
    QTest::newRow("key alone, no documents folder") << u"dlgSaveKey"_s << false;
    QTest::newRow("record as CSV, no documents folder") << u"dlgSaveCsv"_s << false;
}

void tst_Worksheet::saveFolder()
{
    QFETCH(QString, dialog);
    QFETCH(bool, documents);
    QTemporaryDir home, started;
    const QByteArray ownHome = qgetenv("HOME");
    const QString ownFolder = QDir::currentPath();
    qputenv("HOME", QFile::encodeName(home.path()));
    QDir::setCurrent(started.path());
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", ownHome);
        QDir::setCurrent(ownFolder);
    });
    if (documents)
        QDir(home.path()).mkdir(u"Documents"_s);
    QString shown;
    {
        auto w = uitest::openWindow();
        auto ran = uitest::onNextDialog(dialog, [&](QWidget *files) {
            shown = static_cast<QFileDialog *>(files)->directory().absolutePath();
            static_cast<QDialog *>(files)->reject();
        });
        if (dialog == u"dlgSaveCsv") {
            practice::Record record;
            frmProgress d(w.get(), record);
            d.show();
            QTest::mouseClick(d.cmdExportRecord, Qt::LeftButton);
        } else {
            frmWorksheet d(w.get());
            d.show();
            QTest::mouseClick(dialog == u"dlgSavePdf" ? d.cmdSavePdf : d.cmdSaveKey,
                              Qt::LeftButton);
        }
        QVERIFY(*ran);
    }
    QCOMPARE(shown, documents ? QDir(home.path()).filePath(u"Documents"_s) : home.path());
}

void tst_Worksheet::refusals_data()
{
    QTest::addColumn<bool>("noKind");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("words");
    QTest::newRow("no kind checked") << true << u"sheet.pdf"_s << u"SMD 표시 읽기"_s;
    QTest::newRow("no such folder") << false << u"missing/sheet.pdf"_s << u"저장하지 못했습니다"_s;
}

void tst_Worksheet::refusals()
{
    QFETCH(bool, noKind);
    QFETCH(QString, where);
    QFETCH(QString, words);
    auto w = uitest::openWindow();
    frmWorksheet d(w.get());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTemporaryDir dir;
    const QString path = dir.filePath(where);
    if (noKind) {
        QTest::mouseClick(d.chkRead, Qt::LeftButton);
        QTest::mouseClick(d.chkWrite, Qt::LeftButton);
    }
    // No kind: the message comes before any file dialog would.
    auto asked = uitest::onNextDialog(
        u"dlgSavePdf"_s, [](QWidget *files) { static_cast<QFileDialog *>(files)->reject(); });
    uitest::BoxAnswerer box;
    if (noKind)
        QTest::mouseClick(d.cmdSavePdf, Qt::LeftButton);
    else
        QVERIFY(!d.savePdf(path));
    QVERIFY(box.seen().seen);
    QVERIFY(!*asked);
    QVERIFY2(box.seen().text.contains(words), qPrintable(box.seen().text));
    QCOMPARE(box.seen().icon, QMessageBox::Warning);
    QCOMPARE(box.seen().title, u"연습지 만들기"_s);
    QVERIFY(!QFile::exists(path));
    QVERIFY(d.isVisible());
}

void tst_Worksheet::printDialogOpens()
{
    auto w = uitest::openWindow();
    frmWorksheet d(w.get());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    bool isPrintDialog = false;
    auto ran = uitest::onNextDialog(u"dlgPrint"_s, [&](QWidget *print) {
        isPrintDialog = qobject_cast<QPrintDialog *>(print) != nullptr;
        static_cast<QDialog *>(print)->reject();
    });
    QTest::mouseClick(d.cmdPrint, Qt::LeftButton);
    QVERIFY(*ran);
    QVERIFY(isPrintDialog);
    QCOMPARE(int(d.questions().size()), 20);
}

QTEST_MAIN(tst_Worksheet)
#include "tst_worksheet.moc"
