#pragma once

#include <QString>
#include <QStringList>

// Relative paths kept in the program's files use "\" as separator ("skins\default").
// In memory they are native; these convert at the file boundary.
namespace StoredPath {

inline QString toNative(QString stored) {
    return stored.replace('\\', '/');
}
inline QString toStored(QString native) {
    return native.replace('/', '\\');
}

// True for a stored skin path that names a folder inside the skins folder ("skins\default"):
// relative, under "skins", without empty, "." or ".." parts and without a drive letter.
inline bool isInsideSkinsFolder(const QString& stored) {
    const QStringList parts = toNative(stored).split('/');
    if (parts.size() < 2 || parts.front() != "skins" || stored.contains(':')) {
        return false;
    }
    for (const QString& part : parts) {
        if (part.isEmpty() || part == "." || part == "..") {
            return false;
        }
    }
    return true;
}

}  // namespace StoredPath
