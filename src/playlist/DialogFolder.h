#pragma once

#include <QString>

// Where the file dialogs open: the folder of the last file chosen in any of them, kept in the
// data folder's "dialogfolder" file (one UTF-8 line), so it holds across starts. Before the first
// choice, or when that folder is gone: the user's music folder, else the home folder.
namespace DialogFolder {

inline constexpr const char* fileName = "dialogfolder";

QString start(const QString& dataFolder);

// Keeps the folder of the path chosen (a file, or a folder itself); an empty path keeps nothing.
void remember(const QString& dataFolder, const QString& chosenPath);

}  // namespace DialogFolder
