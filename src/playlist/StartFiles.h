#pragma once

#include <QString>
#include <QStringList>

class OpenFiles;
class PlayList;

namespace StartFiles {

// What the program adds at start. Names given to the program start a playlist of their own
// (current index 0; each non-empty name is queued in order, unchecked: the worker sorts them out).
// A bare start reopens the data folder's "playlist.vpl" when "-open last playlist" is on,
// keeping the current index read back from the settings, or else sets the index to 0.
void queue(const QStringList& names, bool openLastPlaylist, const QString& dataFolder,
           PlayList& playlist, OpenFiles& files);

}  // namespace StartFiles
