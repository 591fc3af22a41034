#include "skins/Skin.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ResourceTable.h"
#include "common/HomeTrash.h"
#include "common/Prompts.h"
#include "common/SettingsFiles.h"
#include "common/StoredPath.h"
#include "common/StoredText.h"
#include "skins/SkinFiles.h"
#include "skins/WindowCountFile.h"

namespace {

const QString newSkinCaption = "VeskPlayer - New skin";
const QString deleteSkinCaption = "VeskPlayer - Delete skin";

QString refusedNameText(const QString& name) {
    return "\"" + name +
           "\" cannot be a skin name.\nA skin name must not be empty and must not hold \"/\", "
           "\"\\\", \"|\" or \"..\".";
}

QString skinsFolder(const QString& dataFolder) {
    return dataFolder + "/" + Skin::skinsFolderName;
}

QString storedFolder(const QString& skinFolder) {
    return skinFolder + "/" + Skin::storedFolderName;
}

QString windowFileName(int index) {
    return "sfw." + QString::number(index);
}

// The number of windows the live "windows" file counts; one when it cannot be read.
int liveWindowCount(const QString& dataFolder) {
    QFile file(dataFolder + "/" + WindowCountFile::fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return WindowCountFile::countWhenMissing;
    }
    return WindowCountFile::parse(file.read(4096));
}

// Copies the stored file over the live one when it is there; true when it was copied.
bool copyWhenStored(const QString& stored, const QString& live) {
    return SkinFiles::fileExists(stored) && SkinFiles::copyFile(stored, live);
}

// The built-in colours and, with the windows, one built-in default window, as live files;
// true for each part written.
void writeBuiltInLook(const QString& dataFolder, Skin::ApplyChoice choice,
                      Skin::AppliedSkin& applied) {
    applied.coloursReplaced = StoredText::writeFile(
        dataFolder + "/sfo.0", SettingsFiles::serializeColours(SettingsFiles::Colours{}));
    if (choice == Skin::ApplyChoice::PicturesAndWindows) {
        applied.windowsReplaced =
            StoredText::writeFile(dataFolder + "/" + WindowCountFile::fileName,
                                  WindowCountFile::serialize(1)) &&
            SkinFiles::extractResource(dataFolder + "/" + windowFileName(0),
                                       ResourceTable::defaultWindowFileId);
    }
}

}  // namespace

bool Skin::isValidName(const QString& name) {
    // A control character would break the line-based files that store the skin's name.
    const bool hasControl = std::any_of(name.begin(), name.end(), [](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7f;
    });
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') &&
           !name.contains('\\') && !name.contains('|') && !name.contains(':') && !hasControl;
}

QString Skin::nameOf(const QString& skinPath) {
    const QStringList parts = StoredPath::toStored(skinPath).split('\\');
    if (parts.size() != 2 || parts[0] != skinsFolderName || !isValidName(parts[1])) {
        return {};
    }
    return parts[1];
}

QString Skin::pathOf(const QString& name) {
    return QString(skinsFolderName) + "\\" + name;
}

QString Skin::folderOf(const QString& dataFolder, const QString& skinPath) {
    const QString name = nameOf(skinPath);
    return name.isEmpty() ? QString() : skinsFolder(dataFolder) + "/" + name;
}

QStringList Skin::listSkins(const QString& dataFolder) {
    return QDir(skinsFolder(dataFolder))
        .entryList(QDir::Dirs | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
}

Skin::CreateResult Skin::createSkin(const QString& dataFolder, const QString& name,
                                    Prompts& prompts) {
    if (!isValidName(name)) {
        prompts.error(refusedNameText(name), newSkinCaption);
        return CreateResult::Refused;
    }
    const QString folder = skinsFolder(dataFolder) + "/" + name;
    for (const QString& path : {folder, folder + "/0", folder + "/1", folder + "/2"}) {
        if (QFileInfo(path).isSymLink()) {
            prompts.error(
                "The skin \"" + name + "\" is a link to another folder; it is left as it is.",
                newSkinCaption);
            return CreateResult::Refused;
        }
    }
    if (QFileInfo::exists(folder)) {
        PromptMessage question;
        question.text = "The skin \"" + name +
                        "\" already exists.\n\nDo you want to replace its pictures with the "
                        "built-in pictures ?";
        question.caption = newSkinCaption;
        question.icon = PromptIcon::Question;
        question.buttons = PromptButtons::YesNo;
        question.defaultButton = PromptAnswer::No;
        if (prompts.ask(question) != PromptAnswer::Yes) {
            return CreateResult::Kept;
        }
    }
    QDir().mkpath(folder);
    for (int sizeClass = 0; sizeClass <= 2; ++sizeClass) {
        const QString classFolder = folder + "/" + QString::number(sizeClass);
        QDir().mkdir(classFolder);
        for (const QString& picture : ResourceTable::pictureNames()) {
            SkinFiles::extractResource(classFolder + "/" + picture,
                                       sizeClass * 1000 + picture.left(3).toInt());
        }
    }
    return CreateResult::Created;
}

std::optional<Skin::CreateResult> Skin::newSkinDialog(const QString& dataFolder, Prompts& prompts,
                                                      PromptOwner owner) {
    TextEntryRequest request;
    request.caption = newSkinCaption;
    request.initialText = "name";
    request.owner = owner;
    const std::optional<QString> name = prompts.enterText(request);
    if (!name) {
        return std::nullopt;
    }
    return createSkin(dataFolder, *name, prompts);
}

bool Skin::deleteSkin(const QString& dataFolder, const QString& name,
                      const QString& currentSkinPath, Prompts& prompts) {
    if (!isValidName(name)) {
        prompts.error(refusedNameText(name), deleteSkinCaption);
        return false;
    }
    if (nameOf(currentSkinPath) == name) {
        prompts.error(
            "The skin \"" + name + "\" is in use and cannot be deleted.\nApply another skin first.",
            deleteSkinCaption);
        return false;
    }
    const QString folder = skinsFolder(dataFolder) + "/" + name;
    const QFileInfo info(folder);
    if (!info.exists() && !info.isSymLink()) {
        return false;
    }
    // The trash keeps a slip of the mouse undoable; without one the folder goes for good.
    if (!HomeTrash::moveIn(folder)) {
        SkinFiles::deleteFolder(folder);
    }
    return true;
}

bool Skin::storeBuiltInLook(const QString& dataFolder) {
    const QString stored = storedFolder(skinsFolder(dataFolder) + "/" + builtInName);
    AppliedSkin written;
    if (!QDir().mkpath(stored)) {
        return false;
    }
    // The stored copy has the live files' names, in the skin's "sys" folder.
    writeBuiltInLook(stored, ApplyChoice::PicturesAndWindows, written);
    return written.coloursReplaced && written.windowsReplaced;
}

bool Skin::saveSkin(const QString& dataFolder, const QString& skinPath) {
    const QString folder = folderOf(dataFolder, skinPath);
    if (folder.isEmpty()) {
        return false;
    }
    const QString stored = storedFolder(folder);
    QDir().mkpath(stored);
    QStringList names = {"sfo.0", WindowCountFile::fileName};
    const int count = liveWindowCount(dataFolder);
    for (int index = 0; index < count; ++index) {
        names << windowFileName(index);
    }
    bool copied = true;
    for (const QString& fileName : names) {
        copied =
            SkinFiles::copyFile(dataFolder + "/" + fileName, stored + "/" + fileName) && copied;
    }
    return copied;
}

std::optional<Skin::ApplyChoice> Skin::askApplyChoice(Prompts& prompts) {
    PromptMessage question;
    question.text = applyQuestion;
    question.caption = applyCaption;
    question.icon = PromptIcon::Question;
    question.buttons = PromptButtons::YesNoCancel;
    question.defaultButton = PromptAnswer::No;
    switch (prompts.ask(question)) {
        case PromptAnswer::Yes:
            return ApplyChoice::PicturesOnly;
        case PromptAnswer::No:
            return ApplyChoice::PicturesAndWindows;
        default:
            return std::nullopt;
    }
}

std::optional<Skin::AppliedSkin> Skin::applySkin(const QString& dataFolder, const QString& name,
                                                 ApplyChoice choice) {
    if (!isValidName(name)) {
        return std::nullopt;
    }
    AppliedSkin applied;
    applied.skinPath = pathOf(name);
    if (name == builtInName) {
        // Whatever its stored copy holds: "default" is the way back to the stock look.
        writeBuiltInLook(dataFolder, choice, applied);
        return applied;
    }
    const QString stored = storedFolder(skinsFolder(dataFolder) + "/" + name);
    applied.coloursReplaced = copyWhenStored(stored + "/sfo.0", dataFolder + "/sfo.0");
    if (choice == ApplyChoice::PicturesAndWindows) {
        const QString countName = WindowCountFile::fileName;
        applied.windowsReplaced =
            copyWhenStored(stored + "/" + countName, dataFolder + "/" + countName);
        const int count = liveWindowCount(dataFolder);
        for (int index = 0; index < count; ++index) {
            const QString fileName = windowFileName(index);
            applied.windowsReplaced =
                copyWhenStored(stored + "/" + fileName, dataFolder + "/" + fileName) ||
                applied.windowsReplaced;
        }
    }
    return applied;
}
