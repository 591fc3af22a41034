#include "common/NativePath.h"

#include "common/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QStringDecoder>

namespace {

constexpr char16_t firstRawByte = 0xDC80;
constexpr char16_t lastRawByte = 0xDCFF;

// The length of the valid UTF-8 sequence at bytes[at] (at most 4), or 0 when it is not one.
int validSequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size()) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < smallest || surrogate || code > 0x10FFFF ? 0 : length;
}

bool isRawByte(const QString& path, qsizetype at) {
    const char16_t c = path[at].unicode();
    const bool afterHighSurrogate = at > 0 && path[at - 1].isHighSurrogate();
    return c >= firstRawByte && c <= lastRawByte && !afterHighSurrogate;
}

}  // namespace

QString NativePath::fromNative(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    text.clear();
    qsizetype at = 0;
    while (at < bytes.size()) {
        const int length = validSequenceLength(bytes, at);
        if (length == 0) {
            text += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[at])));
            ++at;
        } else {
            text += QString::fromUtf8(bytes.constData() + at, length);
            at += length;
        }
    }
    return text;
}

QByteArray NativePath::toNative(const QString& path) {
    if (!hasRawBytes(path)) {
        return path.toUtf8();
    }
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < path.size(); ++at) {
        if (isRawByte(path, at)) {
            bytes += QStringView(path).mid(runStart, at - runStart).toUtf8();
            bytes += static_cast<char>(path[at].unicode() - 0xDC00);
            runStart = at + 1;
        }
    }
    bytes += QStringView(path).mid(runStart).toUtf8();
    return bytes;
}

bool NativePath::hasRawBytes(const QString& path) {
    for (qsizetype at = 0; at < path.size(); ++at) {
        if (isRawByte(path, at)) {
            return true;
        }
    }
    return false;
}

bool NativePath::openRegularFile(const QString& path, QFile& file) {
    const int descriptor = RegularFile::open(path);
    if (descriptor < 0) {
        return false;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return false;
    }
    return true;
}

bool NativePath::isRegularFile(const QString& path) {
    struct stat status {};
    return ::stat(toNative(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
}

bool NativePath::isNonFolder(const QString& path) {
    struct stat status {};
    return ::stat(toNative(path).constData(), &status) == 0 && !S_ISDIR(status.st_mode);
}
