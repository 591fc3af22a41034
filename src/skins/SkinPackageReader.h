#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QIODevice;

// Reads a skin package as a stream: the version and the skin name, then entry after entry, each
// a name, a size and that many content bytes handed on in pieces, so a package is never held
// in memory whole and a claimed size is never allocated.
//
// Layout: "#VP-V1.0.0" "|" skin name, then per entry "|" name "|" size "|" content. The fields are
// read up to the next "|"; after a content the reader takes one byte more, the "|" that opens the
// next entry, or finds the end of the package after the last entry.
class SkinPackageReader {
public:
    static constexpr qsizetype maxVersionLength = 64;
    static constexpr qsizetype maxNameLength = 4096;
    static constexpr qsizetype maxSizeDigits = 18;

    enum class Status { Ok, End, Damaged };

    explicit SkinPackageReader(QIODevice& package);

    // The version and the skin name. End: the package holds no entries.
    Status readHead(QByteArray& version, QByteArray& skinName);
    // The next entry's name and size. End: the package ended after the last entry.
    Status readEntryHead(QByteArray& name, qint64& size);
    // The size bytes of the content, in pieces; the sink's false stops writing but not reading.
    // Ok when the content was there whole and followed by "|" or the end of the package.
    using Sink = std::function<bool(const char* bytes, qint64 length)>;
    Status readContent(qint64 size, const Sink& sink);

    // What was wrong when Damaged was returned.
    const QString& damage() const { return problem; }

    // The folders and the file name an entry name stands for inside the skin's folder, or
    // nothing when it could lead elsewhere: an empty name or part, "." or "..", an absolute
    // path, a leading backslash, a drive letter (any ":") or a zero character.
    static std::optional<QStringList> entryParts(const QString& entryName);

private:
    enum class FieldEnd { Separator, EndOfPackage, TooLong };
    FieldEnd readField(QByteArray& field, qsizetype maxLength);
    Status damaged(const QString& what);

    QIODevice& in;
    bool atEnd = false;
    QString problem;
};
