#include "SkinFolders.h"

#include <QDirIterator>

QMap<QString, QByteArray> SkinFolders::snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

bool SkinFolders::writeLiveFiles(const QString& dataFolder, int windows, const QByteArray& tag) {
    bool written = writeFile(dataFolder + "/sfo.0", "#VP-V1.0.0\r\n\r\n-back color\r\n" + tag) &&
                   writeFile(dataFolder + "/windows", QByteArray::number(windows) + "\r\n");
    for (int i = 0; i < windows; ++i) {
        written = writeFile(dataFolder + "/sfw." + QString::number(i),
                            "#VP-V1.0.0\r\n" + tag + " window " + QByteArray::number(i)) &&
                  written;
    }
    return written;
}
