#include "playlist/StartFiles.h"

#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"

void StartFiles::queue(const QStringList& names, bool openLastPlaylist, const QString& dataFolder,
                       PlayList& playlist, OpenFiles& files) {
    if (names.isEmpty()) {
        if (openLastPlaylist) {
            files.addPath(dataFolder + "/playlist.vpl");
        } else {
            playlist.setCurrentIndex(0);
        }
        return;
    }
    playlist.setCurrentIndex(0);
    for (const QString& name : names) {
        if (!name.isEmpty()) {
            files.addPath(name);
        }
    }
}
