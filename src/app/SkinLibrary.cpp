#include "app/SkinLibrary.h"

#include "playlist/DialogFolder.h"
#include "playlist/FileDialog.h"
#include "skins/Skin.h"
#include "skins/SkinPackage.h"

QStringList SkinLibrary::listing() const {
    return Skin::listSkins(dataFolder);
}

QString SkinLibrary::currentSkinName() const {
    // The part of the skin path behind its first separator.
    const qsizetype separator = options.skinPath.indexOf('\\');
    return separator < 0 ? options.skinPath : options.skinPath.mid(separator + 1);
}

void SkinLibrary::useSkin(const QString& name) {
    const std::optional<Skin::ApplyChoice> choice = Skin::askApplyChoice(Prompts::current());
    if (!choice) {
        return;
    }
    // The skin's stored files replace the live ones; the live files first hold the windows as
    // they are on screen, so "pictures only" keeps exactly that layout.
    app.saveWindows();
    const std::optional<Skin::AppliedSkin> applied = Skin::applySkin(dataFolder, name, *choice);
    if (!applied) {
        return;
    }
    options.skinPath = applied->skinPath;
    app.saveOptions();
    app.reloadWindows();
}

void SkinLibrary::newSkin(PromptOwner owner) {
    if (newSkinDialogOpen) {
        return;
    }
    newSkinDialogOpen = true;
    Skin::newSkinDialog(dataFolder, Prompts::current(), owner);
    newSkinDialogOpen = false;
}

void SkinLibrary::saveSkin() {
    app.saveWindows();
    app.saveColours();
    if (!Skin::saveSkin(dataFolder, options.skinPath)) {
        Prompts::current().error("The skin \"" + currentSkinName() +
                                     "\" could not be saved completely into its \"sys\" folder.",
                                 "VeskPlayer - Save skin");
    }
}

void SkinLibrary::deleteSkin(const QString& name) {
    Skin::deleteSkin(dataFolder, name, options.skinPath, Prompts::current());
}

void SkinLibrary::importSkinDialog(PromptOwner owner) {
    const QString path =
        FileDialog::openSkinPackage(Prompts::current(), DialogFolder::start(dataFolder), owner);
    DialogFolder::remember(dataFolder, path);
    importSkin(path);
}

void SkinLibrary::importSkin(const QString& packagePath) {
    const SkinPackage::ImportResult result =
        SkinPackage::importSkin(packagePath, dataFolder, Prompts::current());
    if (result.applyRequested) {
        useSkin(result.skinName);
    }
}

void SkinLibrary::exportSkinDialog(PromptOwner owner) {
    const QString path =
        FileDialog::save(Prompts::current(), DialogFolder::start(dataFolder), "vps", owner);
    if (path.isEmpty()) {
        return;
    }
    DialogFolder::remember(dataFolder, path);
    app.saveWindows();
    app.saveColours();
    SkinPackage::exportSkin(path, dataFolder, options.skinPath, Prompts::current());
}
