#pragma once

#include <QDateTime>
#include <QString>

// The desktop's home trash as file managers share it: a file or folder moved there keeps a note
// of where it came from and when, so the user can put it back.
namespace HomeTrash {

// The home trash folder: "Trash" in $XDG_DATA_HOME, else in ~/.local/share.
QString folder();

// Moves the file or folder (a symbolic link: the link itself) into the home trash under a name
// not yet taken there and writes its note. False, with nothing moved and no note left, when
// the trash cannot be made or the entry cannot be renamed into it (another file system).
bool moveIn(const QString& path, const QDateTime& when = QDateTime::currentDateTime());

}  // namespace HomeTrash
