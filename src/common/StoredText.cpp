#include "common/StoredText.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <cstdio>

namespace {

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
    return text.toLatin1();
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool StoredText::writeRestorableFile(const QString& path, const QByteArray& contents) {
    const QString partial = path + ".part";
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const bool written = file.write(contents) == contents.size() && file.flush();
    file.close();
    // rename() replaces the target in one step, so nobody ever sees half a file.
    if (!written || std::rename(QFile::encodeName(partial).constData(),
                                QFile::encodeName(path).constData()) != 0) {
        QFile::remove(partial);
        return false;
    }
    return true;
}
