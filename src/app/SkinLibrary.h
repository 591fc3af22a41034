#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

#include "common/Prompts.h"
#include "common/SettingsFiles.h"

class PackageThread;
class SkinPackageImport;

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
        // A skin was imported: lists of skins shown are out of date.
        virtual void skinsChanged() = 0;
    };

    // The folder and the options are read at each command (a test may move the data folder).
    SkinLibrary(const QString& dataFolder, SettingsFiles::Options& options, Application& app);
    // Stops a running import or export (nothing half written stays) and drops the queued ones.
    ~SkinLibrary();

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
    // Reads the package into the skins folder and offers to use the skin. Window thread only.
    // Imports and exports run one after another, each with its questions: the package is read
    // and written on the package thread, the questions are asked on the window thread, so this
    // returns before the import has ended.
    void importSkin(const QString& packagePath);
    // Packages met among added files: one question listing them; Yes imports them in turn.
    void importFoundSkins(const QStringList& packagePaths);
    // The save dialog for a skin package, then the export of the current skin (written on the
    // package thread).
    void exportSkinDialog(PromptOwner owner);
    // No import or export is queued or running.
    bool packagesIdle() const { return !jobRunning && jobs.empty(); }

private:
    using Job = std::function<void()>;
    // Starts the job now or after the running one; the job calls jobDone when it has ended.
    void queueJob(Job job);
    void jobDone();
    PackageThread& packageThread();
    // One package's import: its steps on the package thread, the version question between them
    // when asked for; done gets the import afterwards (skipped: the user said No).
    using ImportDone = std::function<void(const SkinPackageImport& import, bool skipped)>;
    void importPackage(const QString& packagePath, ImportDone done);
    void importFoundFrom(std::shared_ptr<QStringList> left, std::shared_ptr<QStringList> imported,
                         std::shared_ptr<QStringList> problems);

    const QString& dataFolder;
    SettingsFiles::Options& options;
    Application& app;
    bool newSkinDialogOpen = false;
    std::deque<Job> jobs;
    bool jobRunning = false;
    std::unique_ptr<PackageThread> packages;
};
