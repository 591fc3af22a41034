#pragma once

#include <QString>

// What a program killed mid-write leaves in the data folder: the hidden staging folders of skin
// imports (see SkinPackage) and the "*.part" files that every whole-or-nothing save writes
// beside its target before renaming it. Removed at start, before anything else reads the folder.
namespace ImportLeftovers {

// Removes them from the data folder itself, the skins folder and every skin's folder; only names
// of the program's own making are touched. The number of files and folders removed.
int remove(const QString& dataFolder);

}  // namespace ImportLeftovers
