#include "playlist/DialogFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "common/StoredText.h"

namespace {

bool isFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

QString DialogFolder::start(const QString& dataFolder) {
    QFile file(dataFolder + "/" + fileName);
    if (file.open(QIODevice::ReadOnly)) {
        const QString last = QString::fromUtf8(file.readLine()).trimmed();
        if (isFolder(last)) {
            return last;
        }
    }
    // XDG_MUSIC_DIR; Qt answers the home folder itself when the desktop names none.
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return isFolder(music) ? music : QDir::homePath();
}

void DialogFolder::remember(const QString& dataFolder, const QString& chosenPath) {
    if (chosenPath.isEmpty()) {
        return;
    }
    const QFileInfo chosen(chosenPath);
    const QString folder = chosen.isDir() ? chosen.absoluteFilePath() : chosen.absolutePath();
    StoredText::writeFile(dataFolder + "/" + fileName, folder.toUtf8() + "\n");
}
