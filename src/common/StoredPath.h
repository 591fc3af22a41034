#pragma once

#include <QString>

// Relative paths kept in the program's files use "\" as separator ("skins\default").
// In memory they are native; these convert at the file boundary.
namespace StoredPath {

inline QString toNative(QString stored) {
    return stored.replace('\\', '/');
}
inline QString toStored(QString native) {
    return native.replace('/', '\\');
}

}  // namespace StoredPath
