#pragma once

#include <QString>

// File and folder utilities of the skin library: existence tests, the built-in files written
// out, copies and removal of whole skin folders.
namespace SkinFiles {

// True for a path that exists and is not a folder.
bool fileExists(const QString& path);

// Removes the folder with everything in it. A symbolic link is removed itself: what it points
// to is never touched.
void deleteFolder(const QString& path);

// Writes the built-in file with the id to the path, replacing it whole; an unknown id writes an
// empty file.
bool extractResource(const QString& path, int resourceId);

// Replaces the destination whole with the source's bytes; false (nothing written) when the
// source cannot be read or the destination cannot be written.
bool copyFile(const QString& source, const QString& destination);

}  // namespace SkinFiles
