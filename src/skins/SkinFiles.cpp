#include "skins/SkinFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ResourceTable.h"
#include "common/StoredText.h"

bool SkinFiles::fileExists(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

void SkinFiles::deleteFolder(const QString& path) {
    const QFileInfo info(path);
    if (info.isSymLink()) {
        QFile::remove(path);
        return;
    }
    QDir(path).removeRecursively();
}

bool SkinFiles::extractResource(const QString& path, int resourceId) {
    QByteArray contents;
    const QString resource = ResourceTable::pathOf(resourceId);
    if (!resource.isEmpty()) {
        QFile file(resource);
        if (file.open(QIODevice::ReadOnly)) {
            contents = file.readAll();
        }
    }
    return StoredText::writeRestorableFile(path, contents);
}

bool SkinFiles::copyFile(const QString& source, const QString& destination) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return false;
    }
    return StoredText::writeFile(destination, in.readAll());
}
