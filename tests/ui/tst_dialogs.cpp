#include "uitest.h"

#include "shell/aboutdialog.h"
#include "shell/tipdialog.h"
#include "shell/tips.h"
#include "widgets/leaderline.h"
#include "widgets/svgpicture.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <optional>
#include <set>

using namespace Qt::StringLiterals;

namespace {

const QString kMissingMessage =
    u"RESISTOR.TXT 파일을 찾지 못했습니까? \r\n\r\nRESISTOR.TXT 파일을 [메모장]을 사용하여 "
    "한 줄에 한 팁씩 작성한 후 해당 응용 프로그램이 있는 디렉터리에 복사하십시오."_s;

// "저항은 옴(Ω)" and "똠방각하 ±5%" in CP949.
const QByteArray kCp949Lines("\xc0\xfa\xc7\xd7\xc0\xba\x20\xbf\xc8\x28\xa7\xd9\x29\r\n"
                             "\x8c\x63\xb9\xe6\xb0\xa2\xc7\xcf\x20\xa1\xbe\x35\x25\r\n");

constexpr int kNextTipPresses = 200;

// Every text of the dialog shows whole: single-line labels are as wide as
// their text, wrapped ones as tall, and every control lies inside the window.
void verifyEverythingFits(QWidget *dialog)
{
    for (QWidget *child : dialog->findChildren<QWidget *>()) {
        if (child->isHidden() || child->objectName().isEmpty())
            continue;
        const QRect inDialog(child->mapTo(dialog, QPoint(0, 0)), child->size());
        QVERIFY2(dialog->rect().contains(inDialog), qPrintable(child->objectName()));
        auto *label = qobject_cast<QLabel *>(child);
        if (!label)
            continue;
        if (label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(label->objectName()));
        else
            QVERIFY2(label->sizeHint().width() <= label->width() &&
                         label->sizeHint().height() <= label->height(),
                     qPrintable(label->objectName()));
    }
}

} // namespace

class tst_Dialogs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void tipDialogControls();
    void tipsShown_data();
    void tipsShown();
    void emptyFile();
    void noTips_data();
    void noTips();
    void setting_data();
    void setting();
    void settingZeroShowsNothing();
    void menuOpensByKeyboard_data();
    void menuOpensByKeyboard();
    void fileReadAtEveryOpening();
    void shippedTipsFile();

    void aboutTexts();
    void aboutFocusAndEnter();

private:
    void writeTips(const QByteArray &bytes);
    void setSetting(const std::optional<QString> &value);
    QVariant storedSetting() const;
    QString tipsPath() const { return shell::tipsFilePath(m_tipsFolder); }

    QTemporaryDir m_dir;
    QString m_tipsFolder;
};

void tst_Dialogs::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, m_dir.filePath(u"settings"_s));
    uitest::setUp();
    m_tipsFolder = m_dir.filePath(u"program"_s);
    QVERIFY(QDir().mkpath(m_tipsFolder));
    frmTip::setTipsFolder(m_tipsFolder);
}

void tst_Dialogs::init()
{
    // Each test starts with no tips file and no setting.
    QFileInfo tips(tipsPath());
    if (tips.isDir())
        QVERIFY(QDir(tipsPath()).removeRecursively());
    else if (tips.exists() || tips.isSymLink())
        QVERIFY(QFile::remove(tipsPath()));
    setSetting(std::nullopt);
}

void tst_Dialogs::writeTips(const QByteArray &bytes)
{
    QFile file(tipsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void tst_Dialogs::setSetting(const std::optional<QString> &value)
{
    QSettings settings;
    if (value)
        settings.setValue(shell::kShowTipsKey.toString(), *value);
    else
        settings.remove(shell::kShowTipsKey.toString());
    settings.sync();
}

QVariant tst_Dialogs::storedSetting() const
{
    const QSettings settings;
    return settings.value(shell::kShowTipsKey.toString());
}

void tst_Dialogs::tipDialogControls()
{
    writeTips("한 줄\r\n"_ba);
    auto w = uitest::openWindow();
    frmTip dialog(w.get());
    QVERIFY(dialog.Form_Load());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), u"저항과 관련된 상식"_s);
    QCOMPARE(dialog.size(), QSize(ui::px(5415), ui::px(3090)));
    QCOMPARE(dialog.Label1->text(), u"알고 계십니까.."_s);
    QCOMPARE(dialog.cmdOK->text(), u"확인"_s);
    QCOMPARE(dialog.cmdNextTip->text(), u"다음 팁(&N)"_s);
    QCOMPARE(dialog.chkLoadTipsAtStartup->text(), u"시작 시 표시(&S)"_s);
    QCOMPARE(dialog.cmdOK->geometry(), ui::twipsRect(4080, 120, 1215, 375));
    QCOMPARE(dialog.cmdNextTip->geometry(), ui::twipsRect(4080, 600, 1215, 375));
    QCOMPARE(dialog.Picture2->geometry(), ui::twipsRect(4170, 1710, 975, 1155));
    QCOMPARE(dialog.Label1->geometry(), ui::twipsRect(540, 180, 2655, 255));
    QCOMPARE(dialog.lblTipText->geometry(), ui::twipsRect(180, 840, 3255, 1635));
    QCOMPARE(dialog.Label1->parentWidget(), dialog.Picture1);
    QCOMPARE(dialog.lblTipText->parentWidget(), dialog.Picture1);

    // The check box mirrors the setting but is never shown.
    QVERIFY(!dialog.chkLoadTipsAtStartup->isVisible());
    QVERIFY(dialog.chkLoadTipsAtStartup->isChecked());

    // Keyboard alone: the OK button has the focus and is the default, the
    // next-tip button follows it.
    QTRY_COMPARE(dialog.focusWidget(), dialog.cmdOK);
    QVERIFY(dialog.cmdOK->isDefault());
    QCOMPARE(dialog.cmdOK->nextInFocusChain(), dialog.cmdNextTip);
    for (QWidget *control :
         {static_cast<QWidget *>(dialog.cmdOK), static_cast<QWidget *>(dialog.cmdNextTip),
          static_cast<QWidget *>(dialog.chkLoadTipsAtStartup)})
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    verifyEverythingFits(&dialog);

    // The missing-file message is the longest text the label ever shows.
    dialog.lblTipText->setText(kMissingMessage);
    verifyEverythingFits(&dialog);
}

void tst_Dialogs::tipsShown_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("tips"); // every tip, each seen at least once
    QTest::newRow("three lines") << "첫째 팁\r\n둘째 팁\r\n셋째 팁\r\n"_ba
                                 << QStringList{u"첫째 팁"_s, u"둘째 팁"_s, u"셋째 팁"_s};
    QTest::newRow("an empty line is an empty tip")
        << "첫째 팁\r\n\r\n셋째 팁\r\n"_ba << QStringList{u"첫째 팁"_s, QString(), u"셋째 팁"_s};
    QTest::newRow("last line without a line end")
        << "첫째 팁\r\n마지막 팁"_ba << QStringList{u"첫째 팁"_s, u"마지막 팁"_s};
    QTest::newRow("LF line ends") << "첫째 팁\n둘째 팁\n"_ba
                                  << QStringList{u"첫째 팁"_s, u"둘째 팁"_s};
    QTest::newRow("CP949 Korean") << kCp949Lines
                                  << QStringList{u"저항은 옴(\u2126)"_s, u"똠방각하 ±5%"_s};
    QTest::newRow("UTF-8 Korean with byte-order mark")
        << "\xef\xbb\xbf저항은 옴(\u2126)\r\n똠방각하 ±5%\r\n"_ba
        << QStringList{u"저항은 옴(\u2126)"_s, u"똠방각하 ±5%"_s};
    QTest::newRow("one tip, again and again") << "하나뿐\r\n"_ba << QStringList{u"하나뿐"_s};
}

void tst_Dialogs::tipsShown()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, tips);
    writeTips(file);
    auto w = uitest::openWindow();
    frmTip dialog(w.get());
    QVERIFY(dialog.Form_Load());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    std::set<QString> seen{dialog.lblTipText->text()};
    for (int i = 0; i < kNextTipPresses; ++i) {
        QTest::mouseClick(dialog.cmdNextTip, Qt::LeftButton);
        seen.insert(dialog.lblTipText->text());
    }
    // With three tips and 200 presses, missing one by chance is a 1 in 10^35
    // event; a tip shown that is not in the file is a fault every time.
    QCOMPARE(seen, std::set<QString>(tips.begin(), tips.end()));
}

void tst_Dialogs::emptyFile()
{
    writeTips({});
    auto w = uitest::openWindow();
    frmTip dialog(w.get());
    QVERIFY(dialog.Form_Load());
    dialog.show();
    QCOMPARE(dialog.lblTipText->text(), QString());
    QTest::mouseClick(dialog.cmdNextTip, Qt::LeftButton);
    QCOMPARE(dialog.lblTipText->text(), QString());
}

void tst_Dialogs::noTips_data()
{
    QTest::addColumn<QString>("what"); // what lies where the tips file belongs
    QTest::addColumn<QString>("message");
    QTest::newRow("no file") << u"nothing"_s << kMissingMessage;
    QTest::newRow("a folder of that name") << u"folder"_s << kMissingMessage;
    QTest::newRow("a file whose reading fails")
        << u"read error"_s
        << u"RESISTOR.TXT 파일을 열 수 없습니다. 파일의 읽기 권한을 확인하십시오."_s;
    QTest::newRow("bytes that are not text")
        << u"binary"_s
        << u"RESISTOR.TXT 파일의 글자를 읽을 수 없습니다. [메모장]에서 UTF-8로 다시 저장하십시오."_s;
}

void tst_Dialogs::noTips()
{
    QFETCH(QString, what);
    QFETCH(QString, message);
    if (what == u"folder") {
        QVERIFY(QDir().mkpath(tipsPath()));
    } else if (what == u"read error") {
        // Opens as an ordinary file, but the first read fails (address 0 of
        // the process is never mapped), whoever runs the test.
        if (!QFileInfo(u"/proc/self/mem"_s).isFile())
            QSKIP("no /proc/self/mem here");
        QVERIFY(QFile::link(u"/proc/self/mem"_s, tipsPath()));
    } else if (what == u"binary") {
        writeTips("\xff\xfe\x00\x01\x80"_ba);
    }
    auto w = uitest::openWindow();
    frmTip dialog(w.get());
    QVERIFY(dialog.Form_Load());
    dialog.show();
    QCOMPARE(dialog.lblTipText->text(), message);
    QTest::mouseClick(dialog.cmdNextTip, Qt::LeftButton);
    QCOMPARE(dialog.lblTipText->text(), message);
    QCOMPARE(dialog.LoadTips(QString()), false);
}

void tst_Dialogs::setting_data()
{
    QTest::addColumn<QString>("stored"); // null: absent
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("after");
    QTest::newRow("absent: opens, then 1") << QString() << true << u"1"_s;
    QTest::newRow("1") << u"1"_s << true << u"1"_s;
    QTest::newRow("0: closes itself, setting kept") << u"0"_s << false << u"0"_s;
    QTest::newRow("abc counts as 1") << u"abc"_s << true << u"1"_s;
    QTest::newRow("2 counts as show") << u"2"_s << true << u"1"_s;
}

void tst_Dialogs::setting()
{
    QFETCH(QString, stored);
    QFETCH(bool, opens);
    QFETCH(QString, after);
    writeTips("팁\r\n"_ba);
    setSetting(stored.isNull() ? std::nullopt : std::optional<QString>(stored));
    auto w = uitest::openWindow();
    frmTip dialog(w.get());
    QCOMPARE(dialog.Form_Load(), opens);
    const QVariant value = storedSetting();
    QCOMPARE(value.toString(), after);
    // Written as text, as the setting is read back.
    QCOMPARE(value.typeId(), QMetaType::QString);
}

void tst_Dialogs::settingZeroShowsNothing()
{
    setSetting(u"0"_s);
    auto w = uitest::openWindow();
    // A dialog that showed anyway is closed, so the test fails rather than
    // hangs; the guard ends with the test, unlike a one-shot dialog answerer.
    bool shown = false;
    QTimer guard;
    guard.setInterval(10);
    connect(&guard, &QTimer::timeout, this, [&shown] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown = true;
            modal->close();
        }
    });
    guard.start();
    w->Menu_r->trigger();
    QVERIFY(!shown);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(w->SSTab1->isEnabled());
    QVERIFY(w->isVisible());
}

void tst_Dialogs::menuOpensByKeyboard_data()
{
    QTest::addColumn<int>("closeKey");
    QTest::newRow("Enter: the OK button") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void tst_Dialogs::menuOpensByKeyboard()
{
    QFETCH(int, closeKey);
    writeTips("첫째 팁\r\n둘째 팁\r\n"_ba);
    auto w = uitest::openWindow();
    QString focus;
    bool pagesDisabled = false;
    QStringList shown;
    auto ran = uitest::onNextDialog(u"frmTip"_s, [&](QWidget *d) {
        (void)QTest::qWaitFor([d] { return d->focusWidget() != nullptr; });
        focus = d->focusWidget()->objectName();
        pagesDisabled = !w->SSTab1->isEnabled();
        auto *label = d->findChild<QLabel *>(u"lblTipText"_s);
        shown << label->text();
        QTest::keyClick(d, Qt::Key_N, Qt::AltModifier); // "다음 팁(&N)"
        shown << label->text();
        QTest::keyClick(d->focusWidget(), Qt::Key(closeKey));
    });
    QTest::keyClick(w.get(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(*ran);
    QCOMPARE(focus, u"cmdOK"_s);
    QVERIFY(pagesDisabled);
    for (const QString &tip : shown)
        QVERIFY2(tip == u"첫째 팁" || tip == u"둘째 팁", qPrintable(tip));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(w->SSTab1->isEnabled());
}

void tst_Dialogs::fileReadAtEveryOpening()
{
    auto w = uitest::openWindow();
    const auto openAndRead = [&] {
        QString text;
        auto ran = uitest::onNextDialog(u"frmTip"_s, [&](QWidget *d) {
            text = d->findChild<QLabel *>(u"lblTipText"_s)->text();
            QTest::mouseClick(d->findChild<QWidget *>(u"cmdOK"_s), Qt::LeftButton);
        });
        w->Menu_r->trigger();
        return *ran ? text : u"(not opened)"_s;
    };
    QCOMPARE(openAndRead(), kMissingMessage);
    writeTips("처음 팁\r\n"_ba);
    QCOMPARE(openAndRead(), u"처음 팁"_s);
    writeTips("고친 팁\r\n"_ba);
    QCOMPARE(openAndRead(), u"고친 팁"_s);
    QVERIFY(w->SSTab1->isEnabled());
}

void tst_Dialogs::shippedTipsFile()
{
    // The tips file that ships with the program: CP949 with CR LF line ends,
    // twenty or more short tips, each showing whole in the dialog.
    const QString shipped = QFINDTESTDATA("../../resources/RESISTOR.TXT");
    QVERIFY(!shipped.isEmpty());
    QFile file(shipped);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QVERIFY2(!QByteArrayView(bytes).isValidUtf8(), "written in CP949, not UTF-8");

    const shell::TipsFileContent content = shell::readTipsFile(shipped);
    QVERIFY(std::holds_alternative<QStringList>(content));
    const QStringList tips = std::get<QStringList>(content);
    QVERIFY(tips.size() >= 20);

    auto w = uitest::openWindow();
    frmTip dialog(w.get());
    QVERIFY(dialog.LoadTips(shipped));
    for (const QString &tip : tips) {
        QVERIFY(!tip.trimmed().isEmpty());
        QVERIFY2(std::any_of(tip.begin(), tip.end(),
                             [](QChar c) { return c >= QChar(0xAC00) && c <= QChar(0xD7A3); }),
                 qPrintable(tip)); // Korean
        dialog.lblTipText->setText(tip);
        QVERIFY2(dialog.lblTipText->heightForWidth(dialog.lblTipText->width()) <=
                     dialog.lblTipText->height(),
                 qPrintable(tip));
    }
}

void tst_Dialogs::aboutTexts()
{
    auto w = uitest::openWindow();
    fmAbout dialog(w.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), u"Pallado정보"_s);
    QCOMPARE(dialog.size(), QSize(ui::px(6045), ui::px(3750)));
    // The running program's version, never the design text.
    QCOMPARE(dialog.lblVersion->text(), u"버젼: "_s + QCoreApplication::applicationVersion());
    QCOMPARE(dialog.lblVersion->text(), u"버젼: 1.0.22"_s);
    QCOMPARE(dialog.Label3->text(),
             u"      초보자를 위한 간단한 저항값 학습 프로그램입니다.  4색 및 5색 저항에 관한 "
             "정보를 담고 있습니다."_s);
    QCOMPARE(dialog.Label4->text(), u"Feb. 2004"_s);
    QVERIFY(!dialog.Label5->text().trimmed().isEmpty());
    QCOMPARE(dialog.Label6->text(), u"   "_s);
    QCOMPARE(dialog.Cmd_ok->text(), u"확인"_s);
    QCOMPARE(dialog.Cmd_ok->geometry(), ui::twipsRect(4320, 3030, 1215, 375));
    QCOMPARE(dialog.lblVersion->pos(), ui::twipsPoint(2190, 780));
    QCOMPARE(dialog.Label3->geometry(), ui::twipsRect(2130, 1170, 3300, 660));
    QCOMPARE(dialog.Line1->line(), ui::twipsLine(150, 2760, 5910, 2760));
    QCOMPARE(dialog.Line1->lineColor(), 0x808080u);
    QCOMPARE(dialog.Line2->line(), ui::twipsLine(210, 2790, 5910, 2790));
    QCOMPARE(dialog.Line2->lineColor(), 0xFFFFFFu);
    QVERIFY(!dialog.Cmd_ok->accessibleName().isEmpty());
    verifyEverythingFits(&dialog);
}

void tst_Dialogs::aboutFocusAndEnter()
{
    auto w = uitest::openWindow();
    QString focus;
    auto ran = uitest::onNextDialog(u"fmAbout"_s, [&](QWidget *d) {
        auto *ok = d->findChild<QWidget *>(u"Cmd_ok"_s);
        (void)QTest::qWaitFor([&] { return QApplication::focusWidget() == ok; });
        focus = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : d,
                        Qt::Key_Return);
    });
    w->Menu_about->trigger();
    QVERIFY(*ran);
    QCOMPARE(focus, u"Cmd_ok"_s);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(w->SSTab1->isEnabled());
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
