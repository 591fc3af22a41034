#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// File names as the system holds them are bytes, mostly but not always UTF-8. Qt drops or mangles
// names that are not valid UTF-8; here every such byte is kept as one lone low surrogate
// (U+DC80 to U+DCFF), so that any name read from a folder opens the same file again.
namespace NativePath {

QString fromNative(const QByteArray& bytes);
QByteArray toNative(const QString& path);

// True when the path holds bytes that are not UTF-8 (and so cannot be written as text).
bool hasRawBytes(const QString& path);

// Opens the file for reading when it is a regular file, without ever waiting: a named pipe or a
// device is refused rather than opened.
bool openRegularFile(const QString& path, QFile& file);

// True when the path names a regular file (followed through links); nothing is opened.
bool isRegularFile(const QString& path);

// True when the path names something other than a folder.
bool isNonFolder(const QString& path);

}  // namespace NativePath
