#include "app/SkinLibrary.h"

#include "app/PackageThread.h"
#include "playlist/DialogFolder.h"
#include "playlist/FileDialog.h"
#include "skins/Skin.h"
#include "skins/SkinPackage.h"
#include "skins/SkinPackageImport.h"

SkinLibrary::SkinLibrary(const QString& dataFolder, SettingsFiles::Options& options,
                         Application& app)
    : dataFolder(dataFolder), options(options), app(app) {}

SkinLibrary::~SkinLibrary() = default;

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
    if (packagePath.isEmpty()) {
        return;
    }
    queueJob([this, packagePath] {
        importPackage(packagePath, [this](const SkinPackageImport& import, bool skipped) {
            const bool useNow = !skipped && SkinPackage::finishImport(import, Prompts::current());
            if (useNow) {
                useSkin(import.result().skinName);
            }
            jobDone();
        });
    });
}

void SkinLibrary::importFoundSkins(const QStringList& packagePaths) {
    if (packagePaths.isEmpty()) {
        return;
    }
    queueJob([this, packagePaths] {
        if (!SkinPackage::askImportFound(packagePaths, Prompts::current())) {
            jobDone();
            return;
        }
        importFoundFrom(std::make_shared<QStringList>(packagePaths),
                        std::make_shared<QStringList>(), std::make_shared<QStringList>());
    });
}

void SkinLibrary::importFoundFrom(std::shared_ptr<QStringList> left,
                                  std::shared_ptr<QStringList> imported,
                                  std::shared_ptr<QStringList> problems) {
    if (left->isEmpty()) {
        SkinPackage::reportFoundImports(*imported, *problems, Prompts::current());
        jobDone();
        return;
    }
    const QString path = left->takeFirst();
    importPackage(path, [=, this](const SkinPackageImport& import, bool skipped) {
        const SkinPackage::ImportResult& result = import.result();
        if (!import.failure().isEmpty()) {
            *problems << QString(import.failure()).replace('\n', ' ');
        } else if (result.imported) {
            *imported << result.skinName;
        }
        for (const QString& problem : result.problems) {
            *problems << path + ": " + problem;
        }
        if (skipped) {
            *problems << path + ": not imported, another version";
        }
        importFoundFrom(left, imported, problems);
    });
}

void SkinLibrary::importPackage(const QString& packagePath, ImportDone done) {
    auto import = std::make_shared<SkinPackageImport>(packagePath, dataFolder);
    PackageThread& thread = packageThread();
    thread.run([import, &thread] { import->open(thread.stopping()); },
               [this, import, &thread, done] {
                   if (!import->failure().isEmpty()) {
                       done(*import, false);
                       return;
                   }
                   if (import->otherVersion() && !SkinPackage::askImportOtherVersion(
                                                     import->fileVersion(), Prompts::current())) {
                       done(*import, true);
                       return;
                   }
                   thread.run([import, &thread] { import->importEntries(thread.stopping()); },
                              [this, import, done] {
                                  if (import->result().imported) {
                                      app.skinsChanged();
                                  }
                                  done(*import, false);
                              });
               });
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
    queueJob([this, path] {
        const QString skinFolder =
            SkinPackage::prepareExport(dataFolder, options.skinPath, Prompts::current());
        if (skinFolder.isEmpty()) {
            jobDone();
            return;
        }
        auto result = std::make_shared<SkinPackage::ExportResult>();
        PackageThread& thread = packageThread();
        thread.run(
            [result, path, skinFolder, skinName = Skin::nameOf(options.skinPath), &thread] {
                *result = SkinPackage::writePackage(path, skinFolder, skinName, thread.stopping());
            },
            [this, result, path] {
                SkinPackage::reportExport(*result, path, Prompts::current());
                jobDone();
            });
    });
}

void SkinLibrary::queueJob(Job job) {
    jobs.push_back(std::move(job));
    if (!jobRunning) {
        jobDone();
    }
}

void SkinLibrary::jobDone() {
    jobRunning = !jobs.empty();
    if (jobRunning) {
        Job next = std::move(jobs.front());
        jobs.pop_front();
        next();
    }
}

PackageThread& SkinLibrary::packageThread() {
    if (!packages) {
        packages = std::make_unique<PackageThread>();
    }
    return *packages;
}
