// Any bytes read as a skin package, entry by entry as the import reads them: no crash, no hang,
// nothing allocated for a claimed size, no more content than the package holds, and no entry
// name let through that could lead outside the skin's folder. Then the same bytes imported into
// a data folder of their own (every question answered Yes): staging, names and bounds, with
// nothing written outside the skins folder and no staging folder left behind.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "common/Prompts.h"
#include "skins/SkinPackage.h"
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

class AnswerYes : public Prompts {
public:
    PromptAnswer ask(const PromptMessage&) override { return PromptAnswer::Yes; }
    QStringList chooseFiles(const FileDialogRequest&) override { return {}; }
    std::optional<QString> enterText(const TextEntryRequest&) override { return std::nullopt; }
};

void checkImport(const QByteArray& bytes) {
    static QTemporaryDir root;
    const QString package = root.filePath("package.vps");
    const QString data = root.filePath("data");
    {
        QFile file(package);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        check(file.write(bytes) == bytes.size());
    }
    AnswerYes prompts;
    const SkinPackage::ImportResult result = SkinPackage::importSkin(package, data, prompts);
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : QDir(root.path()).entryList(all)) {
        check(name == "data" || name == "package.vps");
    }
    for (const QString& name : QDir(data).entryList(all)) {
        check(name == "skins");
    }
    const QStringList skins = QDir(data + "/skins").entryList(all);
    check(skins.size() <= 1);
    for (const QString& skin : skins) {
        check(!skin.startsWith(SkinPackage::stagingPrefix) && result.imported &&
              skin == result.skinName);
        for (const QChar c : skin) {
            check(c.unicode() >= 0x20 && c.unicode() != 0x7f);
        }
    }
    check(QDir(data).removeRecursively());  // true also when there is no such folder
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    checkImport(bytes);
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
