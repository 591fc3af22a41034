// Any bytes read as a skin package, entry by entry as the import reads them: no crash, no hang,
// nothing allocated for a claimed size, no more content than the package holds, and no entry
// name let through that could lead outside the skin's folder.
#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skins/SkinPackageReader.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkEntryParts(const QByteArray& storedName) {
    const std::optional<QStringList> parts =
        SkinPackageReader::entryParts(QString::fromLatin1(storedName));
    if (!parts) {
        return;
    }
    check(!parts->isEmpty());
    for (const QString& part : *parts) {
        check(!part.isEmpty() && part != "." && part != "..");
        check(!part.contains('/') && !part.contains('\\') && !part.contains(':'));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    SkinPackageReader reader(buffer);

    QByteArray version, skinName, name;
    if (reader.readHead(version, skinName) != SkinPackageReader::Status::Ok) {
        return 0;
    }
    check(version.size() <= SkinPackageReader::maxVersionLength);
    qint64 contentBytes = 0;
    qint64 entries = 0;
    qint64 entrySize = 0;
    while (reader.readEntryHead(name, entrySize) == SkinPackageReader::Status::Ok) {
        check(name.size() <= SkinPackageReader::maxNameLength && entrySize >= 0);
        checkEntryParts(name);
        qint64 handedOn = 0;
        const auto status = reader.readContent(entrySize, [&](const char*, qint64 length) {
            handedOn += length;
            return true;
        });
        check(handedOn <= entrySize);
        contentBytes += handedOn;
        check(contentBytes <= static_cast<qint64>(size));
        if (status != SkinPackageReader::Status::Ok) {
            check(!reader.damage().isEmpty());
            break;
        }
        check(handedOn == entrySize);
        // Every entry takes at least "|", "|", one size digit and "|".
        check(++entries * 3 <= static_cast<qint64>(size));
    }
    return 0;
}
