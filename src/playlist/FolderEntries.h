#pragma once

#include <QString>
#include <atomic>
#include <vector>

// Reading folders for the file worker.
namespace FolderEntries {

struct Entry {
    QString name;   // as the system holds it (see NativePath)
    bool isFolder;  // through links too
};

// The entries of the folder sorted by name, without "." and "..". Empty when the folder cannot
// be read, lies on a file system that only shows the system's own state (/proc, /sys, /dev and
// the like), or when stop is set while it is read.
std::vector<Entry> list(const QString& folder, const std::atomic<bool>& stop);

// True for the folders of the system's pseudo file systems, whose "files" are no songs and whose
// walk may never end.
bool isPseudoFileSystem(const QString& folder);

}  // namespace FolderEntries
