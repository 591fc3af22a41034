#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include "support/Files.h"

// Folder helpers of the skin library tests.
namespace SkinFolders {

// Every file below the folder, by path relative to it ("0/100_close.bmp"), with its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder);

// The live files of a data folder with the number of windows given: "sfo.0", "windows" and a
// distinct skin window file per index, each marked with the tag.
bool writeLiveFiles(const QString& dataFolder, int windows, const QByteArray& tag);

}  // namespace SkinFolders
