#pragma once

#include <QString>

#include "playlist/SongInfo.h"

// How the file worker tells paths apart, by the last name of the path alone: a name without a
// dot is a folder; otherwise its extension, in any letter case, says what the file is.
enum class PathKind { Empty, Folder, Mp3, Sound, SkinPackage, Other };

namespace SongFile {

PathKind kindOf(const QString& path);

// The text after the last "/" (the whole path when there is none).
QString lastName(const QString& path);

// The song as added without tag information: artist "N/A", title the file name up to its last
// dot.
SongInfo withDefaults(const QString& path);

// The song with the title and artist of the file's ID3 version 1 tag, or the defaults when the
// file cannot be read, carries no tag or a tag whose two fields are empty.
SongInfo fromTag(const QString& path);

}  // namespace SongFile
