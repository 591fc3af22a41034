#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// For readers that take a path: the fuzzer's bytes saved under the given file name in a
// temporary folder of the process. Empty when the file cannot be written.
inline QString inputFile(const uint8_t* data, size_t size, const QString& name) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size)) {
        return {};
    }
    return path;
}
