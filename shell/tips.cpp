#include "shell/tips.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <cmath>

using namespace Qt::StringLiterals;

namespace shell {

namespace {

// ICU's name for the Korean Windows code page. Its "CP949" alias is IBM's
// code page 949, a different table that turns most Hangul into garbage.
constexpr const char *kCp949 = "windows-949";

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size(); // the last line needs no line end
        QStringView line = text.sliced(start, end - start);
        if (line.endsWith(u'\r') && end < text.size())
            line.chop(1);
        lines.append(line.toString());
        start = end + 1;
    }
    return lines;
}

// Whether the bytes are built as CP949 text is: ASCII, or a lead byte 0x81 to
// 0xFE followed by a trail byte in one of its three ranges. ICU's table maps
// the lone bytes 0x80 and 0xFF to private characters, as Windows does, but
// no editor writes them into Korean text.
bool isCp949Shaped(QByteArrayView bytes)
{
    const auto isTrail = [](uchar b) {
        return (b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A) || (b >= 0x81 && b <= 0xFE);
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80)
            continue;
        if (b == 0x80 || b == 0xFF || i + 1 == bytes.size() || !isTrail(uchar(bytes[i + 1])))
            return false;
        ++i;
    }
    return true;
}

// Cuts bytes read up to the cap back to the last whole line. `bytes` holds
// one byte more than the cap when the file is longer, so a line end lying
// just past the cap still counts.
QByteArray wholeLinesWithinCap(QByteArray bytes)
{
    if (bytes.size() <= kTipsFileByteCap)
        return bytes;
    const qsizetype lastLineEnd = bytes.lastIndexOf('\n');
    bytes.truncate(lastLineEnd + 1); // none at all: nothing is whole
    return bytes;
}

} // namespace

std::optional<QStringList> decodeTips(QByteArrayView bytes)
{
    // Stateless, so a sequence cut short at the end is an error, not a
    // character silently held back for bytes that never come.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(bytes);
    if (!utf8.hasError())
        return splitLines(asUtf8);

    QStringDecoder cp949(kCp949, QStringDecoder::Flag::Stateless);
    if (!cp949.isValid() || !isCp949Shaped(bytes))
        return std::nullopt;
    const QString asCp949 = cp949.decode(bytes);
    if (cp949.hasError() || asCp949.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return splitLines(asCp949);
}

TipsFileContent readTipsFile(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return TipsFileProblem::Missing;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return TipsFileProblem::Unreadable;
    const QByteArray bytes = file.read(kTipsFileByteCap + 1);
    if (file.error() != QFileDevice::NoError)
        return TipsFileProblem::Unreadable;
    if (std::optional<QStringList> tips = decodeTips(wholeLinesWithinCap(bytes)))
        return *std::move(tips);
    return TipsFileProblem::NotText;
}

QString tipsFilePath(QStringView folder)
{
    return folder.toString() + u'/' + kTipsFileName.toString();
}

QString missingTipsMessage()
{
    const QString name = kTipsFileName.toString();
    const QString lineBreak = u"\r\n"_s;
    return name + u" 파일을 찾지 못했습니까? "_s + lineBreak + lineBreak + name +
           u" 파일을 [메모장]을 사용하여 한 줄에 한 팁씩 작성한 후 "_s +
           u"해당 응용 프로그램이 있는 디렉터리에 복사하십시오."_s;
}

int tipNumber(float r, qsizetype count)
{
    if (count <= 0)
        return 1;
    const double n = double(std::min<qsizetype>(count, INT_MAX));
    // r is meant to lie in [0, 1); one outside it still names a tip.
    return int(std::clamp(std::floor(double(r) * n + 1.0), 1.0, n));
}

bool settingShowsTips(const QVariant &stored)
{
    if (!stored.isValid())
        return true;
    bool isNumber = false;
    const int value = stored.toString().trimmed().toInt(&isNumber);
    return !isNumber || value != 0;
}

} // namespace shell
