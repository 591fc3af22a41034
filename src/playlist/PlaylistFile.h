#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

#include "playlist/SongInfo.h"
#include "playlist/TagReader.h"

// The player's own ".vpl" playlist file (a "#vpl-List" header line, then one path per line, CR LF
// between lines, none after the last) and extended M3U playlists ("#EXTM3U", read only).
// Paths are stored one byte per character; a path with characters above U+00FF is stored as
// UTF-8 and recognised as such when read.
namespace PlaylistFile {

// False for a path that would not read back the same: one with a line break, one that would read
// as a comment, one with bytes that are not UTF-8. Such songs play in this run but are left out
// of the file (with a line on the debug stream).
bool canHold(const QString& path);

QByteArray format(const std::vector<SongInfo>& songs);
// Writes the file whole or not at all; false when it cannot be written.
bool write(const QString& path, const std::vector<SongInfo>& songs);

// The path lines of playlist contents, in order: lines beginning with "#" and empty lines are
// left out, and so are lines that can be no path (see PlaylistLines). False when the first line
// is not exactly one of the two headers.
// In an M3U file an "#EXTINF:seconds,Artist - Title" line tells of the path line after it; when
// asked, `information` gets what it says of each path (parallel to the paths; empty fields
// where there is no such line).
bool parse(const QByteArray& contents, QStringList& paths,
           std::vector<SongTags>* information = nullptr);
// As parse, for a file; only the first line of a file that is no playlist is read.
bool read(const QString& path, QStringList& paths, std::vector<SongTags>* information = nullptr);

// Hands each path of the file, with what an "#EXTINF" line said of it, to the sink as soon as it
// is read, never holding the file whole; the read ends early when stop is set. False (and
// nothing handed on) when the file is no playlist.
using PathSink = std::function<void(const QString& path, const SongTags& information)>;
bool read(const QString& path, const PathSink& sink, const std::atomic<bool>& stop);

}  // namespace PlaylistFile
