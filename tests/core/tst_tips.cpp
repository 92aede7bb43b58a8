#include "shell/tips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

// "저항은 옴(Ω)" and "똠방각하 ±5%" in CP949; 똠 lies outside the 2,350
// syllables of the older Korean standard, so only a full CP949 table has it.
const QByteArray kCp949Ohm("\xc0\xfa\xc7\xd7\xc0\xba\x20\xbf\xc8\x28\xa7\xd9\x29");
const QByteArray kCp949Rare("\x8c\x63\xb9\xe6\xb0\xa2\xc7\xcf\x20\xa1\xbe\x35\x25");

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_Tips : public QObject {
    Q_OBJECT

private slots:
    void decodeTips_data();
    void decodeTips();
    void notText_data();
    void notText();
    void readTipsFile_data();
    void readTipsFile();
    void unreadableFile_data();
    void unreadableFile();
    void capCutsAtLastWholeLine_data();
    void capCutsAtLastWholeLine();
    void tipsFilePath_data();
    void tipsFilePath();
    void missingTipsMessage();
    void tipNumber_data();
    void tipNumber();
    void settingShowsTips_data();
    void settingShowsTips();
};

void tst_Tips::decodeTips_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("three lines, CR LF")
        << "one\r\ntwo\r\nthree\r\n"_ba << QStringList{u"one"_s, u"two"_s, u"three"_s};
    QTest::newRow("LF only") << "one\ntwo\n"_ba << QStringList{u"one"_s, u"two"_s};
    QTest::newRow("mixed line ends")
        << "one\r\ntwo\nthree"_ba << QStringList{u"one"_s, u"two"_s, u"three"_s};
    QTest::newRow("last line without a line end")
        << "one\r\ntwo"_ba << QStringList{u"one"_s, u"two"_s};
    QTest::newRow("empty line is a tip of its own")
        << "one\r\n\r\nthree\r\n"_ba << QStringList{u"one"_s, QString(), u"three"_s};
    QTest::newRow("empty lines at the end")
        << "one\r\n\r\n\n"_ba << QStringList{u"one"_s, QString(), QString()};
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("a single line end: one empty tip") << "\r\n"_ba << QStringList{QString()};
    QTest::newRow("blanks are kept")
        << "  two blanks, a tab\t \r\n"_ba << QStringList{u"  two blanks, a tab\t "_s};
    QTest::newRow("a lone CR is no line end") << "one\rtwo\r\n"_ba << QStringList{u"one\rtwo"_s};
    QTest::newRow("UTF-8 Korean") << "저항은 옴(\u2126)\r\n10K\u2126 ±5%"_ba
                                  << QStringList{u"저항은 옴(\u2126)"_s, u"10K\u2126 ±5%"_s};
    QTest::newRow("UTF-8 with byte-order mark")
        << "\xef\xbb\xbf저항\r\n둘째"_ba << QStringList{u"저항"_s, u"둘째"_s};
    QTest::newRow("CP949 Korean, CR LF") << QByteArray(kCp949Ohm + "\r\n" + kCp949Rare + "\r\n")
                                         << QStringList{u"저항은 옴(\u2126)"_s, u"똠방각하 ±5%"_s};
    QTest::newRow("CP949, last line without a line end")
        << QByteArray(kCp949Ohm + "\r\n" + kCp949Rare)
        << QStringList{u"저항은 옴(\u2126)"_s, u"똠방각하 ±5%"_s};
    QTest::newRow("plain ASCII") << "Ohm's law: V = I x R\r\n"_ba
                                 << QStringList{u"Ohm's law: V = I x R"_s};
}

void tst_Tips::decodeTips()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, tips);
    const std::optional<QStringList> decoded = shell::decodeTips(bytes);
    QVERIFY(decoded);
    QCOMPARE(*decoded, tips);
}

void tst_Tips::notText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0xFF bytes") << "tip\r\n\xff\xff\r\n"_ba;
    QTest::newRow("0x80 byte") << "tip \x80\r\n"_ba;
    QTest::newRow("lead byte cut short at the end") << "tip\r\n\xb0"_ba;
    QTest::newRow("lead byte before a blank") << "\x81 tip"_ba;
    QTest::newRow("pair CP949 leaves unassigned") << "\xa2\xe8"_ba;
    QTest::newRow("UTF-16 with byte-order mark") << "\xff\xfe\x00\xac\r\x00\n\x00"_ba;
    QTest::newRow("binary") << QByteArray("\x00\x01\x80\x90\xff", 5);
}

void tst_Tips::notText()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!shell::decodeTips(bytes));
}

void tst_Tips::readTipsFile_data()
{
    QTest::addColumn<QString>("setUp"); // what lies at the path
    QTest::addColumn<int>("problem");   // -1: read, else the TipsFileProblem
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("empty path") << u"empty path"_s << int(shell::TipsFileProblem::Missing)
                                << QStringList();
    QTest::newRow("no file") << u"nothing"_s << int(shell::TipsFileProblem::Missing)
                             << QStringList();
    QTest::newRow("a folder of that name: no ordinary file")
        << u"folder"_s << int(shell::TipsFileProblem::Missing) << QStringList();
    QTest::newRow("CP949 file") << u"cp949"_s << -1 << QStringList{u"저항은 옴(\u2126)"_s};
    QTest::newRow("empty file") << u"empty"_s << -1 << QStringList();
    QTest::newRow("not text") << u"binary"_s << int(shell::TipsFileProblem::NotText)
                              << QStringList();
}

void tst_Tips::readTipsFile()
{
    QFETCH(QString, setUp);
    QFETCH(int, problem);
    QFETCH(QStringList, tips);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = shell::tipsFilePath(dir.path());
    if (setUp == u"empty path")
        path.clear();
    else if (setUp == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(shell::kTipsFileName.toString()));
    else if (setUp == u"cp949")
        QVERIFY(writeFile(path, kCp949Ohm + "\r\n"));
    else if (setUp == u"empty")
        QVERIFY(writeFile(path, {}));
    else if (setUp == u"binary")
        QVERIFY(writeFile(path, "\xff\xfe\xfd"_ba));

    const shell::TipsFileContent content = shell::readTipsFile(path);
    if (problem < 0) {
        QVERIFY(std::holds_alternative<QStringList>(content));
        QCOMPARE(std::get<QStringList>(content), tips);
    } else {
        QVERIFY(std::holds_alternative<shell::TipsFileProblem>(content));
        QCOMPARE(int(std::get<shell::TipsFileProblem>(content)), problem);
    }
}

void tst_Tips::unreadableFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("no read permission") << u"permission"_s;
    // An ordinary file that opens but whose first read fails: a process's
    // memory seen from address 0, which is never mapped. Works for root too.
    QTest::newRow("reading fails") << u"read error"_s;
}

void tst_Tips::unreadableFile()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString path = shell::tipsFilePath(dir.path());
    if (how == u"permission") {
        QVERIFY(writeFile(path, "tip\r\n"_ba));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        if (QFile file(path); file.open(QIODevice::ReadOnly))
            QSKIP("this user reads files whatever their permissions (root)");
    } else {
        if (!QFileInfo(u"/proc/self/mem"_s).isFile())
            QSKIP("no /proc/self/mem here");
        QVERIFY(QFile::link(u"/proc/self/mem"_s, path));
    }
    const shell::TipsFileContent content = shell::readTipsFile(path);
    QVERIFY(std::holds_alternative<shell::TipsFileProblem>(content));
    QCOMPARE(std::get<shell::TipsFileProblem>(content), shell::TipsFileProblem::Unreadable);
}

void tst_Tips::capCutsAtLastWholeLine_data()
{
    QTest::addColumn<int>("size");       // file size in bytes
    QTest::addColumn<int>("lineLength"); // bytes per line, line end included
    QTest::addColumn<int>("tips");
    // 16-byte lines divide the cap exactly.
    constexpr int cap = int(shell::kTipsFileByteCap);
    QTest::newRow("just the cap: everything") << cap << 16 << cap / 16;
    QTest::newRow("one line more than the cap: that line dropped") << cap + 16 << 16 << cap / 16;
    QTest::newRow("50 MB of lines") << 50 * 1024 * 1024 << 16 << cap / 16;
    // 10-byte lines: the cap falls inside a line, which is dropped whole.
    QTest::newRow("cap inside a line") << cap * 2 << 10 << cap / 10;
    QTest::newRow("one line longer than the cap: nothing whole") << cap * 2 << cap * 2 << 0;
}

void tst_Tips::capCutsAtLastWholeLine()
{
    QFETCH(int, size);
    QFETCH(int, lineLength);
    QFETCH(int, tips);
    QByteArray line(lineLength - 2, 'x');
    line += "\r\n";
    QByteArray bytes;
    bytes.reserve(size);
    while (bytes.size() < size)
        bytes += line;
    bytes.truncate(size);
    QTemporaryDir dir;
    const QString path = shell::tipsFilePath(dir.path());
    QVERIFY(writeFile(path, bytes));

    const shell::TipsFileContent content = shell::readTipsFile(path);
    QVERIFY(std::holds_alternative<QStringList>(content));
    const QStringList read = std::get<QStringList>(content);
    QCOMPARE(read.size(), tips);
    for (const QString &tip : read)
        QCOMPARE(tip.size(), lineLength - 2);
}

void tst_Tips::tipsFilePath_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain folder") << u"/usr/lib/pallado"_s << u"/usr/lib/pallado/RESISTOR.TXT"_s;
    QTest::newRow("separator added even after one")
        << u"/usr/lib/pallado/"_s << u"/usr/lib/pallado//RESISTOR.TXT"_s;
    QTest::newRow("Korean folder name")
        << u"/home/민수/저항"_s << u"/home/민수/저항/RESISTOR.TXT"_s;
}

void tst_Tips::tipsFilePath()
{
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(shell::tipsFilePath(folder), path);
}

void tst_Tips::missingTipsMessage()
{
    QCOMPARE(shell::missingTipsMessage(),
             u"RESISTOR.TXT 파일을 찾지 못했습니까? \r\n\r\nRESISTOR.TXT 파일을 [메모장]을 "
             "사용하여 한 줄에 한 팁씩 작성한 후 해당 응용 프로그램이 있는 디렉터리에 "
             "복사하십시오."_s);
}

void tst_Tips::tipNumber_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<qsizetype>("count");
    QTest::addColumn<int>("number");
    const float belowOne = std::nextafter(1.0f, 0.0f);
    QTest::newRow("no tips") << 0.5f << qsizetype(0) << 1;
    QTest::newRow("one tip") << belowOne << qsizetype(1) << 1;
    QTest::newRow("r 0: the first") << 0.0f << qsizetype(3) << 1;
    QTest::newRow("r just below a third") << 0.333f << qsizetype(3) << 1;
    QTest::newRow("r a third: the second") << 0.34f << qsizetype(3) << 2;
    QTest::newRow("r just below 1: the last") << belowOne << qsizetype(3) << 3;
    QTest::newRow("r 1, out of range: the last, never past it") << 1.0f << qsizetype(3) << 3;
    QTest::newRow("r below 0, out of range: the first") << -0.5f << qsizetype(3) << 1;
    QTest::newRow("more tips than an int counts: within the int range")
        << belowOne << qsizetype(std::numeric_limits<int>::max()) * 4 << 2147483520;
}

void tst_Tips::tipNumber()
{
    QFETCH(float, r);
    QFETCH(qsizetype, count);
    QFETCH(int, number);
    QCOMPARE(shell::tipNumber(r, count), number);
}

void tst_Tips::settingShowsTips_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("shows");
    QTest::newRow("absent") << QVariant() << true;
    QTest::newRow("1") << QVariant(u"1"_s) << true;
    QTest::newRow("0") << QVariant(u"0"_s) << false;
    QTest::newRow("2, a grey check box") << QVariant(u"2"_s) << true;
    QTest::newRow("abc") << QVariant(u"abc"_s) << true;
    QTest::newRow("empty text") << QVariant(QString()) << true;
    QTest::newRow("0 with blanks") << QVariant(u" 0 "_s) << false;
    QTest::newRow("-1") << QVariant(u"-1"_s) << true;
    QTest::newRow("beyond 32 bits") << QVariant(u"4294967296"_s) << true;
    QTest::newRow("a list") << QVariant(QStringList{u"0"_s, u"0"_s}) << true;
}

void tst_Tips::settingShowsTips()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, shows);
    QCOMPARE(shell::settingShowsTips(stored), shows);
}

QTEST_GUILESS_MAIN(tst_Tips)
#include "tst_tips.moc"
