// Hostile settings and tips files: none ends the program, each gives the
// dialog's chosen behaviour, and none loses the user's other settings.

#include "uitest.h"

#include "shell/tipdialog.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const QString kKey = u"Options/시작 시 이 화면 표시"_s;

void pointSettingsAt(const QString &folder)
{
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder);
}

QString settingsFile()
{
    return QSettings().fileName();
}

} // namespace

class tst_Hostile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void settingsFiles_data();
    void settingsFiles();
    void unwritableSettingsFolder();
    void tipsFiles_data();
    void tipsFiles();

private:
    // Opens the tip dialog from the menu; true when it showed. Either way
    // the main window must end usable.
    bool openTips(Form1 &window, QString *shownTip = nullptr);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Hostile::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    uitest::setUp();
}

void tst_Hostile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    pointSettingsAt(m_dir->filePath(u"settings"_s));
    frmTip::setTipsFolder(m_dir->path());
}

bool tst_Hostile::openTips(Form1 &window, QString *shownTip)
{
    auto ran = uitest::onNextDialog(
        u"frmTip"_s,
        [shownTip](QWidget *dialog) {
            if (shownTip)
                *shownTip = dialog->findChild<QLabel *>(u"lblTipText"_s)->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        },
        1000);
    window.Menu_r->trigger();
    return *ran;
}

void tst_Hostile::settingsFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("shows");

    const QByteArray other = "[Other]\nkeep=yes\n";
    QTest::newRow("huge number") << other + "[Options]\nKEY=99999999999999999999999999\n" << true;
    QTest::newRow("not a number") << other + "[Options]\nKEY=abc\n" << true;
    QTest::newRow("zero") << other + "[Options]\nKEY=0\n" << false;
    QTest::newRow("binary junk around the keys")
        << QByteArray("\xff\xfe\x00\x01garbage=[[[\n\x80\x81\n", 19) + other + "[Options\nKEY=\n"
        << true;
    QTest::newRow("a megabyte value") << other + "[Options]\nKEY=" + QByteArray(1 << 20, '7') + "\n"
                                      << true;
}

void tst_Hostile::settingsFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, shows);
    // The key as QSettings itself writes it into the file.
    QSettings probe;
    probe.setValue(kKey, u"x"_s);
    probe.sync();
    QFile read(settingsFile());
    QVERIFY(read.open(QIODevice::ReadOnly));
    const QByteArray written = read.readAll();
    read.close();
    const int start = written.indexOf("\n", written.indexOf("[Options]")) + 1;
    const QByteArray keyInFile = written.mid(start, written.indexOf('=', start) - start);
    QVERIFY(!keyInFile.isEmpty());

    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(content).replace("KEY", keyInFile));
    file.close();

    auto w = uitest::openWindow();
    QCOMPARE(openTips(*w), shows);
    QVERIFY(w->isVisible());
    QVERIFY(w->SSTab1->isEnabled());
    const QSettings after;
    QCOMPARE(after.value(u"Other/keep"_s).toString(), u"yes"_s);
    if (shows)
        QCOMPARE(after.value(kKey).toString(), u"1"_s);
}

void tst_Hostile::unwritableSettingsFolder()
{
    // A folder nothing can be created in, even by root.
    pointSettingsAt(u"/proc/pallado-settings"_s);
    auto w = uitest::openWindow();
    QVERIFY(openTips(*w));
    QVERIFY(w->isVisible());
    QVERIFY(w->SSTab1->isEnabled());
}

void tst_Hostile::tipsFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("shows"); // "tip", "message" (why there is none) or "nothing"

    QByteArray fifty;
    const QByteArray line = QStringLiteral("저항 팁 한 줄\r\n").toUtf8();
    while (fifty.size() < 50 * 1024 * 1024)
        fifty += line;
    QByteArray random(1 << 16, '\0');
    quint32 x = 12345;
    for (char &c : random) {
        x = x * 1103515245 + 12345;
        c = char(x >> 24);
    }
    QTest::newRow("50 MB: read up to the cap") << fifty << false << u"tip"_s;
    QTest::newRow("random bytes: not text") << random << false << u"message"_s;
    // The cap cuts through the only line, which is dropped whole: as an
    // empty file, no tip and no message.
    QTest::newRow("a single 1 MB line") << QByteArray(1 << 20, 'a') << false << u"nothing"_s;
    QTest::newRow("a folder of that name: missing") << QByteArray() << true << u"message"_s;
}

void tst_Hostile::tipsFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, folder);
    QFETCH(QString, shows);
    const QString path = m_dir->filePath(u"RESISTOR.TXT"_s);
    if (folder) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    auto w = uitest::openWindow();
    QString shown;
    QVERIFY(openTips(*w, &shown));
    QVERIFY(w->isVisible());
    QVERIFY(w->SSTab1->isEnabled());
    if (shows == u"tip")
        QCOMPARE(shown, u"저항 팁 한 줄"_s);
    else if (shows == u"message")
        QVERIFY(!shown.isEmpty() && shown != u"저항 팁 한 줄"_s);
    else
        QCOMPARE(shown, QString());
}

QTEST_MAIN(tst_Hostile)
#include "tst_hostile.moc"
