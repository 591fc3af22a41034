#pragma once

#include <QString>
#include <QStringList>

#include "common/Prompts.h"
#include "common/SettingsFiles.h"

// The skin library's commands, from the skin menu and the options window: use, create, save,
// delete, import and export skins of the data folder's skins folder.
class SkinLibrary {
public:
    // What the commands need from the application around them.
    class Application {
    public:
        virtual ~Application() = default;
        // Writes the live window files / colours / options.
        virtual void saveWindows() = 0;
        virtual void saveColours() = 0;
        virtual void saveOptions() = 0;
        // Rebuilds every window from the live files, keeping what plays and the volume.
        virtual void reloadWindows() = 0;
    };

    // The folder and the options are read at each command (a test may move the data folder).
    SkinLibrary(const QString& dataFolder, SettingsFiles::Options& options, Application& app)
        : dataFolder(dataFolder), options(options), app(app) {}

    // The skins folder as the skin menu shows it, "." and ".." included.
    QStringList listing() const;
    QString currentSkinName() const;

    // Asks whether to take the pictures only or the skin's windows too (Cancel: nothing), makes
    // the skin current and rebuilds every window from the live files.
    void useSkin(const QString& name);
    // The new-skin dialog; nothing while one is open already.
    void newSkin(PromptOwner owner);
    // Writes the live files, then copies them into the current skin's "sys" folder.
    void saveSkin();
    // Removes the skin's folder; the skin in use is refused.
    void deleteSkin(const QString& name);
    // The open dialog for a skin package, then importSkin.
    void importSkinDialog(PromptOwner owner);
    // Reads the package into the skins folder and offers to use the skin. Window thread only:
    // it asks questions and may rebuild every window.
    void importSkin(const QString& packagePath);
    // The save dialog for a skin package, then the export of the current skin.
    void exportSkinDialog(PromptOwner owner);

private:
    const QString& dataFolder;
    SettingsFiles::Options& options;
    Application& app;
    bool newSkinDialogOpen = false;
};
