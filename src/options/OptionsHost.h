#pragma once

#include <QString>

#include "common/Prompts.h"
#include "common/SettingsFiles.h"

// What the options window edits, as the application holds it.
struct EditableSettings {
    SettingsFiles::Colours colours;
    bool onFront = true;
    bool openLastPlaylist = true;
    bool useTags = true;
};

// What the options window reports upward: the application implements it, so the window never
// reaches into the application above it.
class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    virtual EditableSettings settings() const = 0;
    // Apply: keep the settings, save the colours and options files, and let every window,
    // element and the file worker follow at once.
    virtual void applySettings(const EditableSettings& edited) = 0;
    virtual QString dataFolder() const = 0;
    virtual QString currentSkinName() const = 0;

    // The skin library's commands; the dialogs they open belong to the owner.
    virtual void useSkin(const QString& name) = 0;
    virtual void newSkin(PromptOwner owner) = 0;
    virtual void deleteSkin(const QString& name) = 0;
    virtual void importSkin(PromptOwner owner) = 0;
    virtual void exportSkin(PromptOwner owner) = 0;
    virtual void saveSkin() = 0;

    // The user closed the window: the owner lets go of it (and deletes it later).
    virtual void optionsClosed() = 0;
};
