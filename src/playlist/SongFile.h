#pragma once

#include <QString>

#include "playlist/SongInfo.h"
#include "playlist/TagReader.h"

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

// The song with the title and artist of the file's tags (TagReader); a field no tag gives keeps
// its default, and a file that cannot be read (or is no regular file) gives the defaults.
SongInfo fromTag(const QString& path);

// The song with the fields the tags give laid over it.
SongInfo withTags(SongInfo song, const SongTags& tags);

}  // namespace SongFile
