#include "skins/WindowCountFile.h"

#include <algorithm>

#include "common/LineReader.h"

int WindowCountFile::parse(const QByteArray& contents) {
    LineReader reader(contents);
    return static_cast<int>(std::min<uint32_t>(reader.readUnsigned(), maxCount));
}

QByteArray WindowCountFile::serialize(int count) {
    return QByteArray::number(count) + "\r\n";
}
