#include "skins/SkinPackageReader.h"

#include <QIODevice>
#include <array>

namespace {

constexpr char separator = '|';
constexpr qint64 pieceSize = 64 * 1024;

bool isDigits(const QByteArray& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

SkinPackageReader::SkinPackageReader(QIODevice& package) : in(package) {}

SkinPackageReader::FieldEnd SkinPackageReader::readField(QByteArray& field, qsizetype maxLength) {
    field.clear();
    char c = 0;
    while (in.getChar(&c)) {
        if (c == separator) {
            return FieldEnd::Separator;
        }
        if (field.size() == maxLength) {
            return FieldEnd::TooLong;
        }
        field.append(c);
    }
    atEnd = true;
    return FieldEnd::EndOfPackage;
}

SkinPackageReader::Status SkinPackageReader::damaged(const QString& what) {
    problem = what;
    return Status::Damaged;
}

SkinPackageReader::Status SkinPackageReader::readHead(QByteArray& version, QByteArray& skinName) {
    if (readField(version, maxVersionLength) != FieldEnd::Separator) {
        return damaged("it does not begin with a version");
    }
    switch (readField(skinName, maxNameLength)) {
        case FieldEnd::Separator:
            return Status::Ok;
        case FieldEnd::EndOfPackage:
            return Status::End;
        case FieldEnd::TooLong:
            break;
    }
    return damaged("its skin name is too long");
}

SkinPackageReader::Status SkinPackageReader::readEntryHead(QByteArray& name, qint64& size) {
    size = 0;
    if (atEnd) {
        return Status::End;
    }
    switch (readField(name, maxNameLength)) {
        case FieldEnd::Separator:
            break;
        case FieldEnd::EndOfPackage:
            return damaged("it ends inside an entry name");
        case FieldEnd::TooLong:
            return damaged("an entry name is too long");
    }
    QByteArray digits;
    if (readField(digits, maxSizeDigits) != FieldEnd::Separator || !isDigits(digits)) {
        return damaged("the size of \"" + QString::fromLatin1(name) + "\" is not a number");
    }
    size = digits.toLongLong();
    return Status::Ok;
}

SkinPackageReader::Status SkinPackageReader::readContent(qint64 size, const Sink& sink) {
    std::array<char, pieceSize> piece;
    bool writing = true;
    qint64 left = size;
    while (left > 0) {
        const qint64 got = in.read(piece.data(), std::min(left, pieceSize));
        if (got <= 0) {
            atEnd = true;
            return damaged("it ends inside a file's contents");
        }
        writing = writing && sink(piece.data(), got);
        left -= got;
    }
    char beyond = 0;
    if (!in.getChar(&beyond)) {
        atEnd = true;
        return Status::Ok;
    }
    if (beyond != separator) {
        return damaged("a size does not match the contents that follow it");
    }
    return Status::Ok;
}

std::optional<QStringList> SkinPackageReader::entryParts(const QString& entryName) {
    if (entryName.contains(':') || entryName.contains(QChar(0))) {
        return std::nullopt;
    }
    const QStringList parts = QString(entryName).replace('\\', '/').split('/');
    for (const QString& part : parts) {
        if (part.isEmpty() || part == "." || part == "..") {
            return std::nullopt;
        }
    }
    return parts;
}
