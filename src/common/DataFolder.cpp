#include "common/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

QString DataFolder::defaultPath() {
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        documents = QDir::homePath() + "/Documents";
    }
    return QDir(documents).filePath("VeskPlayer");
}

bool DataFolder::ensureExists(const QString& path) {
    return QDir().mkpath(path);
}
