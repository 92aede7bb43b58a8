#pragma once

// The tips file and the setting of the tip dialog, as plain values: reading
// and decoding RESISTOR.TXT, picking a tip number, and what the stored
// setting means. The dialog only shows what these return.

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariant>

#include <optional>
#include <variant>

namespace shell {

inline constexpr QStringView kTipsFileName = u"RESISTOR.TXT";

// Settings key of "show the tip dialog", under organisation and application
// "Pallado".
inline constexpr QStringView kShowTipsKey = u"Options/시작 시 이 화면 표시";

// At most this much of the tips file is read: some two thousand tips of a
// hundred Korean letters, far more than anyone writes by hand, and little
// enough that a huge file (a log, a film renamed by mistake) neither stalls
// the dialog nor fills the memory. A line the cap cuts through is dropped
// whole rather than shown half.
inline constexpr qsizetype kTipsFileByteCap = 256 * 1024;

enum class TipsFileProblem {
    Missing,    // no path, or no ordinary file there
    Unreadable, // the file is there but cannot be opened or read
    NotText,    // neither UTF-8 nor CP949 text
};

using TipsFileContent = std::variant<QStringList, TipsFileProblem>;

// The tips in a file's bytes, one per line, in file order. UTF-8 when the
// bytes are valid UTF-8 (a byte-order mark is dropped), else CP949, the
// Korean legacy code page older Notepad saves. Lines end at CR LF or LF; a
// line end at the very end makes no empty tip after it, every other empty
// line is an empty tip, and nothing else is trimmed. Empty when the bytes
// are neither encoding.
std::optional<QStringList> decodeTips(QByteArrayView bytes);

// Reads and decodes the tips file at `path`, at most kTipsFileByteCap bytes.
TipsFileContent readTipsFile(const QString &path);

// The tips file in `folder`: folder, "/", file name, with the separator added
// whatever the folder ends in.
QString tipsFilePath(QStringView folder);

// What the dialog shows in place of a tip when there is no tips file.
QString missingTipsMessage();

// 1-based number of a random tip: floor(r × count + 1) for 0 ≤ r < 1, so
// 1 to count, each equally likely; 1 when there are no tips.
int tipNumber(float r, qsizetype count);

// Whether the stored setting lets the dialog open: anything but a number
// that is zero does, including no value at all and text that is not a
// 32-bit number.
bool settingShowsTips(const QVariant &stored);

} // namespace shell
