#include "common/LineReader.h"

#include "common/StoredText.h"
#include "common/TextNumbers.h"

#include <algorithm>

LineReader::LineReader(const QByteArray& contents) {
    lines = StoredText::splitLines(contents, &lastLineEnded);
}

QString LineReader::readLine() {
    if (next < lines.size()) {
        return lines[next++];
    }
    return repeatsLastLine() ? lines.last() : QString();
}

void LineReader::skipLines(int count) {
    next = std::min(next + count, lines.size());
}

int32_t LineReader::readInt() {
    return TextNumbers::toInt(readLine());
}

uint32_t LineReader::readUnsigned() {
    return TextNumbers::toUnsigned(readLine());
}

bool LineReader::readBool() {
    return TextNumbers::toBool(readLine());
}

bool LineReader::hasFileLineLeft() const {
    return next < lines.size();
}

bool LineReader::repeatsLastLine() const {
    return !lastLineEnded && !lines.isEmpty();
}
