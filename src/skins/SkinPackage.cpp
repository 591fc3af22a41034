#include "skins/SkinPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <array>

#include "common/DebugLog.h"
#include "common/NativePath.h"
#include "common/Prompts.h"
#include "common/StoredText.h"
#include "skins/Skin.h"
#include "skins/SkinPackageReader.h"

namespace {

const QString exportCaption = "Veskplayer -export skin";
const QString importCaption = "Veskplayer -import skin";
constexpr qsizetype problemsShown = 20;
constexpr qint64 pieceSize = 64 * 1024;

QString listed(const QStringList& lines) {
    QStringList shown = lines.mid(0, problemsShown);
    if (lines.size() > problemsShown) {
        shown << QString("... and %1 more").arg(lines.size() - problemsShown);
    }
    return shown.join('\n');
}

// Writes the files of a skin folder into a package, depth first in name order.
class PackageWriter {
public:
    PackageWriter(QSaveFile& package, const QString& skinFolder, const QString& packagePath)
        : out(package), root(skinFolder), packagePath(QFileInfo(packagePath).absoluteFilePath()) {}

    // relativeName: the folder's path inside the skin's folder, as stored ("extra\\deeper").
    void writeFolder(const QString& relativeName) {
        const QDir folder(
            relativeName.isEmpty() ? root : root + "/" + QString(relativeName).replace('\\', '/'));
        const QFileInfoList entries = folder.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
            QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            const QString name =
                relativeName.isEmpty() ? entry.fileName() : relativeName + "\\" + entry.fileName();
            // The package itself, while it is being written into the skin's folder.
            if (entry.absoluteFilePath().startsWith(packagePath)) {
                continue;
            }
            if (entry.isSymLink() || !(entry.isDir() || entry.isFile())) {
                leftOut << name + " (not a plain file)";
            } else if (entry.isDir()) {
                writeFolder(name);
            } else {
                writeFile(entry.absoluteFilePath(), name);
            }
        }
    }

    QStringList leftOut;

private:
    void writeFile(const QString& path, const QString& name) {
        const QByteArray storedName = StoredText::encode(name);
        if (storedName.contains('|')) {
            leftOut << name + " (its name holds \"|\")";
            return;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            leftOut << name;
            return;
        }
        const qint64 size = file.size();
        out.write("|" + storedName + "|" + QByteArray::number(size) + "|");
        std::array<char, pieceSize> piece;
        qint64 left = size;
        while (left > 0) {
            const qint64 got = file.read(piece.data(), std::min(left, pieceSize));
            if (got <= 0) {
                break;
            }
            out.write(piece.data(), got);
            left -= got;
        }
        if (left > 0) {
            // Keep the package readable: the entry keeps its size, the rest of it zeros.
            piece.fill(0);
            for (; left > 0; left -= pieceSize) {
                out.write(piece.data(), std::min(left, pieceSize));
            }
            leftOut << name + " (could not be read whole)";
        }
    }

    QSaveFile& out;
    const QString root;
    const QString packagePath;
};

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

bool askImportOtherVersion(const QByteArray& fileVersion, Prompts& prompts) {
    PromptMessage question;
    question.text = QString(
                        "The file version of the import file is not of the same version wich this "
                        "current version usses.\nCurrent version: ") +
                    SkinPackage::version + "\nFile version: " + StoredText::decode(fileVersion) +
                    "\n\nDo you want to import the skin anyway ?\nThis can cause problems when "
                    "trying to apply the skin.";
    question.caption = importCaption;
    question.icon = PromptIcon::Question;
    question.buttons = PromptButtons::YesNo;
    return prompts.ask(question) == PromptAnswer::Yes;
}

bool askUseImportedSkin(const QString& packagePath, const QString& skinName, Prompts& prompts) {
    PromptMessage question;
    question.text = "Importing skin succesful.\nFilename: " + packagePath +
                    "\nSkinname: " + skinName + "\n\nDo you want to use this imported skin now ?";
    question.caption = "Veskplayer -use skin";
    question.icon = PromptIcon::Question;
    question.buttons = PromptButtons::YesNo;
    return prompts.ask(question) == PromptAnswer::Yes;
}

// What reading a package into the staging folder gave.
struct StagedEntries {
    // The entry names written into the staging folder whole, each once, in package order.
    QStringList names;
    QStringList problems;
};

// Reads every entry into the staging folder, within the bounds of a package.
StagedEntries readEntries(SkinPackageReader& reader, const QString& stagingFolder) {
    StagedEntries staged;
    SkinFolderTargets targets(stagingFolder);
    QSet<QString> stagedNames;
    QByteArray storedName;
    qint64 size = 0;
    for (;;) {
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
QString boundPassed(QIODevice& package) {
    SkinPackageReader reader(package);
    QByteArray ignored, name;
    qint64 size = 0, entries = 0, bytes = 0;
    if (reader.readHead(ignored, ignored) == SkinPackageReader::Status::Ok) {
        while (reader.readEntryHead(name, size) == SkinPackageReader::Status::Ok) {
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

SkinPackage::ExportResult SkinPackage::exportSkin(const QString& packagePath,
                                                  const QString& dataFolder,
                                                  const QString& skinPath, Prompts& prompts) {
    ExportResult result;
    if (packagePath.isEmpty()) {
        return result;
    }
    const QString skinFolder = Skin::folderOf(dataFolder, skinPath);
    if (skinFolder.isEmpty()) {
        prompts.error("The current skin \"" + skinPath + "\" is not a skin of the skins folder.",
                      exportCaption);
        return result;
    }
    Skin::saveSkin(dataFolder, skinPath);
    QSaveFile package(packagePath);
    if (package.open(QIODevice::WriteOnly)) {
        package.write(QByteArray(version) + "|" + StoredText::encode(Skin::nameOf(skinPath)));
        PackageWriter writer(package, skinFolder, packagePath);
        writer.writeFolder(QString());
        result.leftOut = writer.leftOut;
        result.written = package.commit();
    }
    if (!result.written) {
        prompts.error("The skin package could not be written:\n" + packagePath, exportCaption);
        return result;
    }
    DebugLog::write("save complete.\n");
    if (!result.leftOut.isEmpty()) {
        prompts.message(
            "These files of the skin could not be put into the package:\n" + listed(result.leftOut),
            exportCaption, PromptIcon::Warning, PromptButtons::Ok);
    }
    return result;
}

SkinPackage::ImportResult SkinPackage::importSkin(const QString& packagePath,
                                                  const QString& dataFolder, Prompts& prompts) {
    ImportResult result;
    if (packagePath.isEmpty()) {
        return result;
    }
    // Only a regular file: opening a named pipe would wait for a writer that may never come.
    QFile package;
    if (!NativePath::openRegularFile(packagePath, package)) {
        prompts.error("The skin package could not be opened:\n" + packagePath, importCaption);
        return result;
    }
    if (const QString bound = boundPassed(package); !bound.isEmpty()) {
        prompts.error(
            "The skin package is refused: " + bound + ". Nothing was imported.\n" + packagePath,
            importCaption);
        return result;
    }
    SkinPackageReader reader(package);
    QByteArray fileVersion, storedSkinName;
    const SkinPackageReader::Status head = reader.readHead(fileVersion, storedSkinName);
    if (head == SkinPackageReader::Status::Damaged) {
        prompts.error("The skin package is damaged: " + reader.damage() +
                          ". Nothing was imported.\n" + packagePath,
                      importCaption);
        return result;
    }
    if (fileVersion != version && !askImportOtherVersion(fileVersion, prompts)) {
        return result;
    }
    result.skinName = StoredText::decode(storedSkinName);
    const QString skinFolder = Skin::folderOf(dataFolder, Skin::pathOf(result.skinName));
    const QString skinsFolder = dataFolder + "/" + Skin::skinsFolderName;
    // The entries are staged in a hidden folder beside the skins, so a skin appears under its
    // name only once its import has finished.
    QDir().mkpath(skinsFolder);
    QTemporaryDir staging(skinsFolder + "/" + SkinPackage::stagingPrefix + "XXXXXX");
    if (skinFolder.isEmpty() || QFileInfo(skinFolder).isSymLink() || !staging.isValid()) {
        prompts.error("The skin package names the skin \"" + result.skinName +
                          "\", which cannot be made in the skins folder. Nothing was imported.\n" +
                          packagePath,
                      importCaption);
        return result;
    }
    StagedEntries staged = readEntries(reader, staging.path());
    result.problems = staged.problems;
    if (staged.names.isEmpty() && !result.problems.isEmpty()) {
        prompts.message("Nothing was imported from the skin package\n" + packagePath + ":\n" +
                            listed(result.problems),
                        importCaption, PromptIcon::Warning, PromptButtons::Ok);
        return result;
    }
    result.problems << publish(staging.path(), staged.names, skinFolder);
    result.imported = QFileInfo(skinFolder).isDir();
    if (result.problems.isEmpty()) {
        result.applyRequested = askUseImportedSkin(packagePath, result.skinName, prompts);
    } else {
        prompts.message("The skin \"" + result.skinName + "\" was imported from\n" + packagePath +
                            "\nbut not whole:\n" + listed(result.problems),
                        importCaption, PromptIcon::Warning, PromptButtons::Ok);
    }
    DebugLog::write("load complete.\n");
    return result;
}
