#include "app/AppOptionsHost.h"

#include "app/SkinLibrary.h"

EditableSettings AppOptionsHost::settings() const {
    EditableSettings current;
    current.colours = colours;
    current.onFront = options.onFront;
    current.openLastPlaylist = options.openLastPlaylist;
    current.useTags = options.useTags;
    return current;
}

void AppOptionsHost::applySettings(const EditableSettings& changed) {
    colours = changed.colours;
    options.onFront = changed.onFront;
    options.openLastPlaylist = changed.openLastPlaylist;
    options.useTags = changed.useTags;
    edited();
}

QString AppOptionsHost::dataFolder() const {
    return folder;
}

QString AppOptionsHost::currentSkinName() const {
    return library.currentSkinName();
}

void AppOptionsHost::useSkin(const QString& name) {
    library.useSkin(name);
}

void AppOptionsHost::newSkin(PromptOwner owner) {
    library.newSkin(owner);
}

void AppOptionsHost::deleteSkin(const QString& name) {
    library.deleteSkin(name);
}

void AppOptionsHost::importSkin(PromptOwner owner) {
    library.importSkinDialog(owner);
}

void AppOptionsHost::exportSkin(PromptOwner owner) {
    library.exportSkinDialog(owner);
}

void AppOptionsHost::saveSkin() {
    library.saveSkin();
}

void AppOptionsHost::optionsClosed() {
    closed();
}
