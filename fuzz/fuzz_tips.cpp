// Tips-file decoding, fed arbitrary bytes: it never yields more tips than the
// bytes have line ends plus one, and no tip holds a line end.

#include "fuzzinput.h"

#include "shell/tips.h"

#include <QByteArrayView>

using fuzzinput::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QStringList> tips = shell::decodeTips(bytes);
    if (!tips)
        return 0;
    require(tips->size() <= bytes.count('\n') + 1);
    for (const QString &tip : *tips)
        require(!tip.contains(u'\n'));
    return 0;
}
