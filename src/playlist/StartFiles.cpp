#include "playlist/StartFiles.h"

#include <QFileInfo>

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
        // Made absolute here, against the folder the program was started in, so the songs
        // still play when the saved playlist is reopened from anywhere else.
        if (!name.isEmpty()) {
            files.addPath(QFileInfo(name).absoluteFilePath());
        }
    }
}
