#include "skins/SkinPackageImport.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>

#include "common/NativePath.h"
#include "common/StoredText.h"
#include "skins/Skin.h"
#include "skins/SkinPackageReader.h"

namespace {

// One entry's file, written beside its target and renamed over it, so a target is replaced
// whole or not at all.
class EntryFile {
public:
    bool open(const QString& targetPath) {
        target = targetPath;
        part.setFileName(target + ".part");
        // Only a new file is opened, so a link left there is removed, never followed.
        if (part.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return true;
        }
        QFile::remove(part.fileName());
        return part.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    bool write(const char* bytes, qint64 length) {
        written = written && part.write(bytes, length) == length;
        return written;
    }
    bool commit() {
        written = part.flush() && written;
        part.close();
        if (written && std::rename(QFile::encodeName(part.fileName()).constData(),
                                   QFile::encodeName(target).constData()) == 0) {
            return true;
        }
        QFile::remove(part.fileName());
        return false;
    }
    void discard() {
        part.close();
        QFile::remove(part.fileName());
    }

private:
    QFile part;
    QString target;
    bool written = true;
};

// Where the entries of a package go: inside the skin's folder only, never through a link.
class SkinFolderTargets {
public:
    explicit SkinFolderTargets(const QString& skinFolder) : root(skinFolder) {}

    enum class Outcome { Ready, Refused, Unwritable };
    Outcome targetFor(const QString& entryName, QString& target) {
        const std::optional<QStringList> parts = SkinPackageReader::entryParts(entryName);
        if (!parts) {
            return Outcome::Refused;
        }
        QString path = root;
        for (qsizetype i = 0; i + 1 < parts->size(); ++i) {
            path += "/" + parts->at(i);
            if (readyFolders.contains(path)) {
                continue;
            }
            const QFileInfo folder(path);
            if (folder.isSymLink()) {
                return Outcome::Refused;
            }
            if (!folder.exists()) {
                if (!QDir().mkdir(path)) {
                    return Outcome::Unwritable;
                }
                madeFolders.insert(path);
            } else if (!folder.isDir()) {
                return Outcome::Unwritable;
            }
            readyFolders.insert(path);
        }
        target = path + "/" + parts->constLast();
        // A folder this import made holds nothing but what it wrote there.
        if (madeFolders.contains(path)) {
            return Outcome::Ready;
        }
        return QFileInfo(target).isSymLink() ? Outcome::Refused : Outcome::Ready;
    }

private:
    const QString root;
    QSet<QString> readyFolders;
    QSet<QString> madeFolders;
};

const QString refusedNote = " (refused: it would lie outside the skin's folder)";

// What reading a package into the staging folder gave.
struct StagedEntries {
    // The entry names written into the staging folder whole, each once, in package order.
    QStringList names;
    QStringList problems;
};

// Reads every entry into the staging folder, within the bounds of a package.
StagedEntries readEntries(SkinPackageReader& reader, const QString& stagingFolder,
                          const std::atomic<bool>& stopping) {
    StagedEntries staged;
    SkinFolderTargets targets(stagingFolder);
    QSet<QString> stagedNames;
    QByteArray storedName;
    qint64 size = 0;
    while (!stopping) {
        SkinPackageReader::Status status = reader.readEntryHead(storedName, size);
        if (status == SkinPackageReader::Status::End) {
            break;
        }
        if (status == SkinPackageReader::Status::Damaged) {
            staged.problems << "The package is damaged: " + reader.damage() + ".";
            break;
        }
        const QString name = StoredText::decode(storedName);
        QString target;
        const auto outcome = targets.targetFor(name, target);
        EntryFile file;
        const bool writing = outcome == SkinFolderTargets::Outcome::Ready && file.open(target);
        status = reader.readContent(size, [&](const char* bytes, qint64 length) {
            return writing && file.write(bytes, length);
        });
        if (status == SkinPackageReader::Status::Damaged) {
            file.discard();
            staged.problems << "The package is damaged: " + reader.damage() + "; " + name +
                                   " and what follows it were not imported.";
            break;
        }
        if (outcome == SkinFolderTargets::Outcome::Refused) {
            staged.problems << name + refusedNote;
        } else if (!writing || !file.commit()) {
            staged.problems << name + " (could not be written)";
        } else if (!stagedNames.contains(name)) {
            stagedNames.insert(name);
            staged.names << name;
        }
    }
    return staged;
}

// Why the package passes a bound (empty when it does not), from its entry heads alone, read
// before anything is written; the package is read again from its start afterwards.
QString boundPassed(QIODevice& package, const std::atomic<bool>& stopping) {
    SkinPackageReader reader(package);
    QByteArray ignored, name;
    qint64 size = 0, entries = 0, bytes = 0;
    if (reader.readHead(ignored, ignored) == SkinPackageReader::Status::Ok) {
        while (!stopping && reader.readEntryHead(name, size) == SkinPackageReader::Status::Ok) {
            if (++entries > SkinPackage::maxEntries) {
                return QString("it holds more than %1 files").arg(SkinPackage::maxEntries);
            }
            // A size beyond the package's own is damage, found when the content runs out.
            bytes += std::min(size, package.size());
            if (bytes > SkinPackage::maxBytes) {
                return QString("its files come to more than %1 MB")
                    .arg(SkinPackage::maxBytes / (1024 * 1024));
            }
            if (reader.readContent(size, [](const char*, qint64) { return false; }) !=
                SkinPackageReader::Status::Ok) {
                break;
            }
        }
    }
    package.seek(0);
    return {};
}

// Moves the staged entries into the skin's folder: the whole staging folder when the skin is
// new (so the skin appears whole at once), else file by file, each replacing its target whole.
// The problems met on the way.
QStringList publish(const QString& stagingFolder, const QStringList& names,
                    const QString& skinFolder) {
    if (!QFileInfo::exists(skinFolder) && !QFileInfo(skinFolder).isSymLink()) {
        if (std::rename(QFile::encodeName(stagingFolder).constData(),
                        QFile::encodeName(skinFolder).constData()) == 0) {
            return {};
        }
        return {"the skin's folder could not be made"};
    }
    QStringList problems;
    SkinFolderTargets staged(stagingFolder);
    SkinFolderTargets targets(skinFolder);
    for (const QString& name : names) {
        QString from, to;
        staged.targetFor(name, from);
        const auto outcome = targets.targetFor(name, to);
        if (outcome == SkinFolderTargets::Outcome::Refused) {
            problems << name + refusedNote;
        } else if (outcome != SkinFolderTargets::Outcome::Ready ||
                   std::rename(QFile::encodeName(from).constData(),
                               QFile::encodeName(to).constData()) != 0) {
            problems << name + " (could not be written)";
        }
    }
    return problems;
}

}  // namespace

SkinPackageImport::SkinPackageImport(const QString& packagePath, const QString& dataFolder)
    : path(packagePath), dataFolder(dataFolder) {}

SkinPackageImport::~SkinPackageImport() = default;

bool SkinPackageImport::open(const std::atomic<bool>& stopping) {
    // Only a regular file: opening a named pipe would wait for a writer that may never come.
    if (!NativePath::openRegularFile(path, package)) {
        failureText = "The skin package could not be opened:\n" + path;
        return false;
    }
    if (const QString bound = boundPassed(package, stopping); !bound.isEmpty()) {
        failureText = "The skin package is refused: " + bound + ". Nothing was imported.\n" + path;
        return false;
    }
    SkinPackageReader reader(package);
    QByteArray storedSkinName;
    if (reader.readHead(fileVersion_, storedSkinName) == SkinPackageReader::Status::Damaged) {
        failureText =
            "The skin package is damaged: " + reader.damage() + ". Nothing was imported.\n" + path;
        return false;
    }
    result_.skinName = StoredText::decode(storedSkinName);
    skinFolder = Skin::folderOf(dataFolder, Skin::pathOf(result_.skinName));
    if (skinFolder.isEmpty() || QFileInfo(skinFolder).isSymLink()) {
        failureText = "The skin package names the skin \"" + result_.skinName +
                      "\", which cannot be made in the skins folder. Nothing was imported.\n" +
                      path;
        return false;
    }
    return true;
}

void SkinPackageImport::importEntries(const std::atomic<bool>& stopping) {
    package.seek(0);
    SkinPackageReader reader(package);
    QByteArray ignored;
    reader.readHead(ignored, ignored);
    // The entries are staged in a hidden folder beside the skins, so a skin appears under its
    // name only once its import has finished.
    const QString skinsFolder = dataFolder + "/" + Skin::skinsFolderName;
    QDir().mkpath(skinsFolder);
    QTemporaryDir staging(skinsFolder + "/" + SkinPackage::stagingPrefix + "XXXXXX");
    if (!staging.isValid()) {
        failureText = "The skin package names the skin \"" + result_.skinName +
                      "\", which cannot be made in the skins folder. Nothing was imported.\n" +
                      path;
        return;
    }
    const StagedEntries staged = readEntries(reader, staging.path(), stopping);
    result_.problems = staged.problems;
    if (stopping || (staged.names.isEmpty() && !result_.problems.isEmpty())) {
        return;
    }
    result_.problems << publish(staging.path(), staged.names, skinFolder);
    result_.imported = QFileInfo(skinFolder).isDir();
}
