#pragma once

#include <QByteArray>
#include <QDirIterator>
#include <QMap>
#include <QString>

#include "support/Files.h"

// Folder helpers of the skin library tests.
namespace SkinFolders {

// Every file below the folder, by path relative to it ("0/100_close.bmp"), with its bytes.
inline QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readFile(path));
    }
    return files;
}

// The live files of a data folder with the number of windows given: "sfo.0", "windows" and a
// distinct skin window file per index, each marked with the tag.
inline bool writeLiveFiles(const QString& dataFolder, int windows, const QByteArray& tag) {
    bool written = writeFile(dataFolder + "/sfo.0", "#VP-V1.0.0\r\n\r\n-back color\r\n" + tag) &&
                   writeFile(dataFolder + "/windows", QByteArray::number(windows) + "\r\n");
    for (int i = 0; i < windows; ++i) {
        written = writeFile(dataFolder + "/sfw." + QString::number(i),
                            "#VP-V1.0.0\r\n" + tag + " window " + QByteArray::number(i)) &&
                  written;
    }
    return written;
}

}  // namespace SkinFolders
