#include "common/StoredText.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <cerrno>

namespace {

bool writeAll(int fd, const QByteArray& contents) {
    const char* next = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// A new file beside the target, created exclusively, with a name no other writer uses.
int createTemporary(const QByteArray& target, QByteArray& temporary) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporary = target + '.' +
                    QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".part";
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

void syncFolderOf(const QByteArray& target) {
    const int fd =
        ::open(QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath()).constData(),
               O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Writes the contents to a new file beside the target and renames it over the target, so the
// old file stays whole until the new one is complete. Nothing is buffered and every step is
// checked: a full disk fails the write itself (a buffered writer can lose the error of its last
// flush and report success with an empty file).
bool replaceFile(const QString& path, const QByteArray& contents, bool waitForDisk) {
    const QFileInfo info(path);
    // Through a link the file it names is replaced, and the link stays.
    const QString resolved = info.isSymLink() ? info.canonicalFilePath() : path;
    const QByteArray target = QFile::encodeName(resolved.isEmpty() ? path : resolved);
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    QByteArray temporary;
    const int fd = createTemporary(target, temporary);
    if (fd < 0) {
        return false;
    }
    bool written = writeAll(fd, contents) &&
                   (!replacing || ::fchmod(fd, old.st_mode & 07777) == 0) &&
                   (!waitForDisk || ::fsync(fd) == 0);
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.constData(), target.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    if (waitForDisk) {
        syncFolderOf(target);
    }
    return true;
}

bool hasMultiByteSequence(const QByteArray& bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return true;
        }
    }
    return false;
}

}  // namespace

QByteArray StoredText::encode(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 0xFF) {
            return text.toUtf8();
        }
    }
    // Latin-1 text whose bytes happen to spell UTF-8 ("Ã©") would read back as other text;
    // written as UTF-8 it reads back as it was.
    const QByteArray latin1 = text.toLatin1();
    return decode(latin1) == text ? latin1 : text.toUtf8();
}

QString StoredText::decode(const QByteArray& bytes) {
    if (hasMultiByteSequence(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError()) {
            return text;
        }
    }
    return QString::fromLatin1(bytes);
}

QStringList StoredText::splitLines(const QByteArray& contents, bool* lastLineEnded) {
    QStringList lines;
    qsizetype start = 0;
    while (start < contents.size()) {
        qsizetype end = contents.indexOf('\n', start);
        if (end < 0) {
            break;
        }
        qsizetype lineEnd = end;
        if (lineEnd > start && contents[lineEnd - 1] == '\r') {
            --lineEnd;
        }
        lines.append(decode(contents.mid(start, lineEnd - start)));
        start = end + 1;
    }
    const bool ended = start >= contents.size();
    if (!ended) {
        QByteArray rest = contents.mid(start);
        if (rest.endsWith('\r')) {
            rest.chop(1);
        }
        lines.append(decode(rest));
    }
    if (lastLineEnded) {
        *lastLineEnded = ended;
    }
    return lines;
}

bool StoredText::writeFile(const QString& path, const QByteArray& contents) {
    return replaceFile(path, contents, true);
}

bool StoredText::writeRestorableFile(const QString& path, const QByteArray& contents) {
    return replaceFile(path, contents, false);
}
