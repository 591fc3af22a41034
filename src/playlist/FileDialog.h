#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "common/Prompts.h"

// The file dialogs where the user picks files: sound files, playlists and skin packages to add,
// a skin package to import, and where to save a playlist or an exported skin package. It hands
// back plain paths; what is done with them is the caller's business.
class FileDialog {
public:
    // The type box entries of each dialog, in order; the first is selected.
    static const std::vector<FileFilter>& openFilesFilters();
    static const std::vector<FileFilter>& skinPackageFilters();
    static const std::vector<FileFilter>& playlistFilters();

    // Files to add: every path chosen, in the dialog's order; empty when cancelled. An empty
    // initial folder leaves the choice to the dialog. The owner keeps the dialog above a skin
    // window that stays on top.
    static QStringList openFiles(Prompts& prompts, const QString& initialFolder,
                                 PromptOwner owner = nullptr);

    // A skin package to import; empty when cancelled.
    static QString openSkinPackage(Prompts& prompts, const QString& initialFolder,
                                   PromptOwner owner);

    // Where to save: a skin package when kind is "vps", else a playlist. A name typed without an
    // extension gets ".vps" or ".vpl"; an existing file is replaced only when the user agrees.
    // Empty when cancelled.
    static QString save(Prompts& prompts, const QString& initialFolder, const QString& kind,
                        PromptOwner owner);
};
