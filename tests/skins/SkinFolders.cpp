#include "SkinFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QByteArray SkinFolders::read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SkinFolders::write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QMap<QString, QByteArray> SkinFolders::snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), read(path));
    }
    return files;
}

bool SkinFolders::writeLiveFiles(const QString& dataFolder, int windows, const QByteArray& tag) {
    bool written = write(dataFolder + "/sfo.0", "#VP-V1.0.0\r\n\r\n-back color\r\n" + tag) &&
                   write(dataFolder + "/windows", QByteArray::number(windows) + "\r\n");
    for (int i = 0; i < windows; ++i) {
        written = write(dataFolder + "/sfw." + QString::number(i),
                        "#VP-V1.0.0\r\n" + tag + " window " + QByteArray::number(i)) &&
                  written;
    }
    return written;
}
