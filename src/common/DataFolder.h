#pragma once

#include <QString>

// Where the program keeps its files: the user's documents folder + "/VeskPlayer".
namespace DataFolder {

// The path of the data folder (not created here).
QString defaultPath();

// Creates the folder and any missing parents; true when it exists afterwards.
bool ensureExists(const QString& path);

}  // namespace DataFolder
