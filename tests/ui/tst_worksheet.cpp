#include "uitest.h"

#include "pages/worksheet/worksheetdialog.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>
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
    void refusals_data();
    void refusals();
    void printDialogOpens();
};

void tst_Worksheet::openedByKeyboard()
{
    auto w = uitest::openWindow();
    const QList<QAction *> file = w->Menu_file->actions();
    QCOMPARE(file.indexOf(w->Menu_worksheet), file.indexOf(w->Menu_exit) - 1);
    QCOMPARE(w->Menu_worksheet->text(), u"연습지 만들기(&K)..."_s);
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);

    QPoint placed;
    bool pagesDisabled = false;
    QString title, focusInDialog;
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
        for (const char *name : {"chkRead", "chkWrite", "chkWeakFirst"}) {
            auto *check = d->findChild<QCheckBox *>(QString::fromLatin1(name));
            texts << check->text() + (check->isChecked() ? u" ✓"_s : QString());
        }
        for (const char *name : {"cmdSavePdf", "cmdPrint", "cmdClose"})
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
    QCOMPARE(texts, (QStringList{u"10"_s, u"40"_s, u"20"_s, u"문제 수(&N)"_s, u"색띠 읽기 ✓"_s,
                                 u"색띠 고르기 ✓"_s, u"내가 자주 틀리는 색 위주로"_s,
                                 u"PDF로 저장(&S)"_s, u"인쇄(&P)"_s, u"닫기"_s}));
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
    // The file dialog is answered as a user would: a name chosen, Save.
    auto ran = uitest::onNextDialog(u"dlgSavePdf"_s, [&](QWidget *files) {
        static_cast<QFileDialog *>(files)->selectFile(path);
        static_cast<QDialog *>(files)->accept();
    });
    QTest::mouseClick(d.cmdSavePdf, Qt::LeftButton);
    QVERIFY(*ran);
    QVERIFY(QFileInfo(path).size() > 0);
    const std::vector<practice::WorksheetQuestion> &questions = d.questions();
    QCOMPARE(int(questions.size()), 20);

    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    // The face draws the ohm sign and the Greek capital omega with one
    // glyph, and the PDF maps a glyph back to the lowest code point it
    // serves: the ohm sign reads back as the omega.
    const QString text = run(u"pdftotext"_s, {path, u"-"_s}).replace(u'\u03A9', u'\u2126');
    QStringList pages = text.split(u'\f');
    pages.removeAll(QString());
    QVERIFY2(pages.size() >= 2, qPrintable(text));
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

void tst_Worksheet::refusals_data()
{
    QTest::addColumn<bool>("noKind");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("words");
    QTest::newRow("no kind checked") << true << u"sheet.pdf"_s << u"색띠 읽기"_s;
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
