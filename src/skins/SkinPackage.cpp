#include "skins/SkinPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

#include "common/DebugLog.h"
#include "common/Prompts.h"
#include "common/StoredText.h"
#include "skins/Skin.h"
#include "skins/SkinPackageImport.h"

namespace {

const QString exportCaption = "Veskplayer -export skin";
const QString importCaption = "Veskplayer -import skin";
const std::atomic<bool> neverStopped = false;
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
    PackageWriter(QSaveFile& package, const QString& skinFolder, const QString& packagePath,
                  const std::atomic<bool>& stopping)
        : out(package),
          root(skinFolder),
          packagePath(QFileInfo(packagePath).absoluteFilePath()),
          stopping(stopping) {}

    // relativeName: the folder's path inside the skin's folder, as stored ("extra\\deeper").
    void writeFolder(const QString& relativeName) {
        const QDir folder(
            relativeName.isEmpty() ? root : root + "/" + QString(relativeName).replace('\\', '/'));
        const QFileInfoList entries = folder.entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
            QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            if (stopping) {
                return;
            }
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
    const std::atomic<bool>& stopping;
};

}  // namespace

QString SkinPackage::prepareExport(const QString& dataFolder, const QString& skinPath,
                                   Prompts& prompts) {
    const QString skinFolder = Skin::folderOf(dataFolder, skinPath);
    if (skinFolder.isEmpty()) {
        prompts.error("The current skin \"" + skinPath + "\" is not a skin of the skins folder.",
                      exportCaption);
        return {};
    }
    Skin::saveSkin(dataFolder, skinPath);
    return skinFolder;
}

SkinPackage::ExportResult SkinPackage::writePackage(const QString& packagePath,
                                                    const QString& skinFolder,
                                                    const QString& skinName,
                                                    const std::atomic<bool>& stopping) {
    ExportResult result;
    QSaveFile package(packagePath);
    if (package.open(QIODevice::WriteOnly)) {
        package.write(QByteArray(version) + "|" + StoredText::encode(skinName));
        PackageWriter writer(package, skinFolder, packagePath, stopping);
        writer.writeFolder(QString());
        result.leftOut = writer.leftOut;
        if (stopping) {
            package.cancelWriting();
        }
        result.written = package.commit();
    }
    return result;
}

void SkinPackage::reportExport(const ExportResult& result, const QString& packagePath,
                               Prompts& prompts) {
    if (!result.written) {
        prompts.error("The skin package could not be written:\n" + packagePath, exportCaption);
        return;
    }
    DebugLog::write("save complete.\n");
    if (!result.leftOut.isEmpty()) {
        prompts.message(
            "These files of the skin could not be put into the package:\n" + listed(result.leftOut),
            exportCaption, PromptIcon::Warning, PromptButtons::Ok);
    }
}

SkinPackage::ExportResult SkinPackage::exportSkin(const QString& packagePath,
                                                  const QString& dataFolder,
                                                  const QString& skinPath, Prompts& prompts) {
    if (packagePath.isEmpty()) {
        return {};
    }
    const QString skinFolder = prepareExport(dataFolder, skinPath, prompts);
    if (skinFolder.isEmpty()) {
        return {};
    }
    const ExportResult result =
        writePackage(packagePath, skinFolder, Skin::nameOf(skinPath), neverStopped);
    reportExport(result, packagePath, prompts);
    return result;
}

bool SkinPackage::askImportOtherVersion(const QByteArray& fileVersion, Prompts& prompts) {
    PromptMessage question;
    question.text = QString(
                        "The file version of the import file is not of the same version wich this "
                        "current version usses.\nCurrent version: ") +
                    version + "\nFile version: " + StoredText::decode(fileVersion) +
                    "\n\nDo you want to import the skin anyway ?\nThis can cause problems when "
                    "trying to apply the skin.";
    question.caption = importCaption;
    question.icon = PromptIcon::Question;
    question.buttons = PromptButtons::YesNo;
    return prompts.ask(question) == PromptAnswer::Yes;
}

bool SkinPackage::finishImport(const SkinPackageImport& import, Prompts& prompts) {
    const ImportResult& result = import.result();
    if (!import.failure().isEmpty()) {
        prompts.error(import.failure(), importCaption);
        return false;
    }
    if (import.nothingImported()) {
        prompts.message("Nothing was imported from the skin package\n" + import.packagePath() +
                            ":\n" + listed(result.problems),
                        importCaption, PromptIcon::Warning, PromptButtons::Ok);
        return false;
    }
    bool useNow = false;
    if (result.problems.isEmpty()) {
        PromptMessage question;
        question.text = "Importing skin succesful.\nFilename: " + import.packagePath() +
                        "\nSkinname: " + result.skinName +
                        "\n\nDo you want to use this imported skin now ?";
        question.caption = "Veskplayer -use skin";
        question.icon = PromptIcon::Question;
        question.buttons = PromptButtons::YesNo;
        useNow = prompts.ask(question) == PromptAnswer::Yes;
    } else {
        prompts.message("The skin \"" + result.skinName + "\" was imported from\n" +
                            import.packagePath() + "\nbut not whole:\n" + listed(result.problems),
                        importCaption, PromptIcon::Warning, PromptButtons::Ok);
    }
    DebugLog::write("load complete.\n");
    return useNow;
}

SkinPackage::ImportResult SkinPackage::importSkin(const QString& packagePath,
                                                  const QString& dataFolder, Prompts& prompts) {
    if (packagePath.isEmpty()) {
        return {};
    }
    SkinPackageImport import(packagePath, dataFolder);
    if (import.open(neverStopped) &&
        (!import.otherVersion() || askImportOtherVersion(import.fileVersion(), prompts))) {
        import.importEntries(neverStopped);
    } else if (import.failure().isEmpty()) {
        return {};  // the user did not want another version
    }
    ImportResult result = import.result();
    result.applyRequested = finishImport(import, prompts);
    return result;
}

bool SkinPackage::askImportFound(const QStringList& packagePaths, Prompts& prompts) {
    PromptMessage question;
    question.text =
        "The added files hold " +
        (packagePaths.size() == 1 ? QString("a skin package")
                                  : QString("%1 skin packages").arg(packagePaths.size())) +
        ":\n" + listed(packagePaths) + "\n\nDo you want to import them ?";
    question.caption = importCaption;
    question.icon = PromptIcon::Question;
    question.buttons = PromptButtons::YesNo;
    return prompts.ask(question) == PromptAnswer::Yes;
}

void SkinPackage::reportFoundImports(const QStringList& skinNames, const QStringList& problems,
                                     Prompts& prompts) {
    QString text = skinNames.isEmpty() ? QString("No skin was imported.")
                                       : "Imported skins:\n" + listed(skinNames);
    if (!problems.isEmpty()) {
        text += "\n\nWhat went wrong:\n" + listed(problems);
    }
    prompts.message(text, importCaption,
                    problems.isEmpty() ? PromptIcon::Information : PromptIcon::Warning,
                    PromptButtons::Ok);
    DebugLog::write("load complete.\n");
}
