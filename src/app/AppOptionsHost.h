#pragma once

#include <functional>

#include "common/SettingsFiles.h"
#include "options/OptionsHost.h"

class SkinLibrary;

// The application's side of the options window: its settings and the skin library's commands.
class AppOptionsHost : public OptionsHost {
public:
    // `edited`: the settings were changed (save and apply them); `closed`: the window closed.
    AppOptionsHost(SettingsFiles::Colours& colours, SettingsFiles::Options& options,
                   const QString& dataFolder, SkinLibrary& library, std::function<void()> edited,
                   std::function<void()> closed)
        : colours(colours),
          options(options),
          folder(dataFolder),
          library(library),
          edited(std::move(edited)),
          closed(std::move(closed)) {}

    EditableSettings settings() const override;
    void applySettings(const EditableSettings& changed) override;
    QString dataFolder() const override;
    QString currentSkinName() const override;
    void useSkin(const QString& name) override;
    void newSkin(PromptOwner owner) override;
    void deleteSkin(const QString& name) override;
    void importSkin(PromptOwner owner) override;
    void exportSkin(PromptOwner owner) override;
    void saveSkin() override;
    void optionsClosed() override;

private:
    SettingsFiles::Colours& colours;
    SettingsFiles::Options& options;
    const QString& folder;
    SkinLibrary& library;
    std::function<void()> edited;
    std::function<void()> closed;
};
