#include "app/AppOptionsHost.h"

#include "app/Variables.h"

EditableSettings AppOptionsHost::settings() const {
    EditableSettings current;
    current.colours = app.colours;
    current.onFront = app.options.onFront;
    current.openLastPlaylist = app.options.openLastPlaylist;
    current.useTags = app.options.useTags;
    return current;
}

void AppOptionsHost::applySettings(const EditableSettings& edited) {
    app.colours = edited.colours;
    app.options.onFront = edited.onFront;
    app.options.openLastPlaylist = edited.openLastPlaylist;
    app.options.useTags = edited.useTags;
    app.saveColours();
    app.saveOptions();
    app.applySettings();
}

QString AppOptionsHost::dataFolder() const {
    return app.dataFolder;
}

QString AppOptionsHost::currentSkinName() const {
    return app.currentSkinName();
}

void AppOptionsHost::useSkin(const QString& name) {
    app.useSkin(name);
}

void AppOptionsHost::newSkin(PromptOwner owner) {
    app.newSkin(owner);
}

void AppOptionsHost::deleteSkin(const QString& name) {
    app.deleteSkin(name);
}

void AppOptionsHost::importSkin(PromptOwner owner) {
    app.importSkinDialog(owner);
}

void AppOptionsHost::exportSkin(PromptOwner owner) {
    app.exportSkinDialog(owner);
}

void AppOptionsHost::saveSkin() {
    app.saveSkin();
}

void AppOptionsHost::optionsClosed() {
    app.optionsClosed();
}
