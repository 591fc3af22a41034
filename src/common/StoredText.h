#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's text files hold one byte per character. Latin-1 text is written as such; a text
// with characters above U+00FF (a path in Japanese, say) is written as UTF-8 so that nothing is
// lost, and reading recognises it again.
namespace StoredText {

QByteArray encode(const QString& text);

// UTF-8 when the bytes are valid UTF-8 holding at least one multi-byte sequence, else Latin-1.
QString decode(const QByteArray& bytes);

// Splits file contents into lines ended by CR LF or LF (a lone trailing CR is dropped).
// The last line counts even without a line end; lastLineEnded tells whether it had one.
QStringList splitLines(const QByteArray& contents, bool* lastLineEnded = nullptr);

// Writes the file whole or not at all (temporary file, then rename), and waits until it is on
// the disk. False on any failure, a full disk included; the old file is then left as it was.
bool writeFile(const QString& path, const QByteArray& contents);

// The same without waiting for the disk: for copies the program can make again (the built-in
// pictures it restores), where start-up time matters more than surviving a power cut.
bool writeRestorableFile(const QString& path, const QByteArray& contents);

}  // namespace StoredText
