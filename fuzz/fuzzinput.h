#pragma once

// Shared by the fuzz targets: splitting one input into texts, and a check
// that ends the run when a property fails.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

namespace fuzzinput {

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The input as UTF-8 text cut at line feeds into exactly `count` fields
// (missing ones empty, the rest joined into the last).
inline QStringList fields(const std::uint8_t *data, std::size_t size, int count)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList parts = text.split(u'\n');
    while (parts.size() < count)
        parts << QString();
    while (parts.size() > count)
        parts[count - 1] += u'\n' + parts.takeAt(count);
    return parts;
}

} // namespace fuzzinput
