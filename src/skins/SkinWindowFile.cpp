#include "skins/SkinWindowFile.h"

#include <algorithm>

#include "common/LineReader.h"

namespace {

// The line that info and list box records hold in place of a key; it is never read back.
const char* const textFormatLine = "%an - %sn";

int32_t readSize(LineReader& reader) {
    return std::clamp(reader.readInt(), 0, SkinWindowFile::maxSize);
}

int32_t readPosition(LineReader& reader) {
    return std::clamp(reader.readInt(), SkinWindowFile::minPosition, SkinWindowFile::maxPosition);
}

bool isKnownType(int32_t type) {
    return type >= SkinWindowFile::button && type <= SkinWindowFile::listBox;
}

// The lines of one record after its type, up to and including its closing empty line.
void readElementBody(LineReader& reader, SkinWindowFile::ElementRecord& element) {
    switch (element.type) {
        case SkinWindowFile::button:
            reader.skipLines(1);
            element.function = reader.readInt();
            break;
        case SkinWindowFile::slider:
            reader.skipLines(1);
            element.function = reader.readInt();
            reader.skipLines(1);
            element.sliderLength = readSize(reader);
            reader.skipLines(1);
            element.vertical = reader.readBool();
            reader.skipLines(1);
            element.filled = reader.readBool();
            break;
        case SkinWindowFile::info:
            reader.skipLines(2);
            element.width = readSize(reader);
            break;
        case SkinWindowFile::listBox:
            reader.skipLines(2);
            element.width = readSize(reader);
            element.height = readSize(reader);
            break;
    }
    reader.skipLines(1);
    element.x = readPosition(reader);
    element.y = readPosition(reader);
    reader.skipLines(1);
    element.sizeClass = reader.readUnsigned();
    reader.skipLines(1);
    element.moveable = reader.readBool();
    reader.skipLines(1);
}

class LineWriter {
public:
    void line(const char* text) {
        bytes += text;
        bytes += "\r\n";
    }
    void number(int64_t value) { line(QByteArray::number(value).constData()); }

    QByteArray bytes;
};

void writeElement(LineWriter& writer, const SkinWindowFile::ElementRecord& element) {
    writer.line(">el");
    writer.line("-id");
    writer.number(element.type);
    switch (element.type) {
        case SkinWindowFile::button:
            writer.line("-func");
            writer.number(element.function);
            break;
        case SkinWindowFile::slider:
            writer.line("-func");
            writer.number(element.function);
            writer.line("size");
            writer.number(element.sliderLength);
            writer.line("-vert");
            writer.number(element.vertical ? 1 : 0);
            writer.line("-filled");
            writer.number(element.filled ? 1 : 0);
            break;
        case SkinWindowFile::info:
            writer.line(textFormatLine);
            writer.line("size");
            writer.number(element.width);
            break;
        case SkinWindowFile::listBox:
            writer.line(textFormatLine);
            writer.line("size");
            writer.number(element.width);
            writer.number(element.height);
            break;
    }
    writer.line("-pos");
    writer.number(element.x);
    writer.number(element.y);
    writer.line("-size(pic)");
    writer.number(element.sizeClass);
    writer.line("-moveable");
    writer.number(element.moveable ? 1 : 0);
    writer.line("");
}

}  // namespace

SkinWindowFile SkinWindowFile::parse(const QByteArray& contents) {
    LineReader reader(contents);
    SkinWindowFile file;
    reader.skipLines(4);
    file.x = readPosition(reader);
    file.y = readPosition(reader);
    reader.skipLines(1);
    file.collapsedWidth = readSize(reader);
    file.collapsedHeight = readSize(reader);
    reader.skipLines(1);
    file.expandedWidth = readSize(reader);
    file.expandedHeight = readSize(reader);
    reader.skipLines(1);
    file.expanded = reader.readBool();
    reader.skipLines(2);
    const uint32_t count = reader.readUnsigned();
    reader.skipLines(1);

    for (uint32_t i = 0; i < count; ++i) {
        const bool onlyRepeatedLines = !reader.hasFileLineLeft() && reader.repeatsLastLine();
        ElementRecord element;
        reader.skipLines(2);
        element.type = reader.readInt();
        if (!isKnownType(element.type)) {
            file.stoppedAtInvalidType = true;
            return file;
        }
        if (onlyRepeatedLines) {
            break;
        }
        readElementBody(reader, element);
        file.elements.push_back(element);
    }
    return file;
}

QByteArray SkinWindowFile::serialize() const {
    LineWriter writer;
    writer.line("#VP-V1.0.0");
    writer.line("");
    writer.line("#main");
    writer.line("-pos");
    writer.number(x);
    writer.number(y);
    writer.line("-dimC");
    writer.number(collapsedWidth);
    writer.number(collapsedHeight);
    writer.line("-dimE");
    writer.number(expandedWidth);
    writer.number(expandedHeight);
    writer.line("-expanded");
    writer.number(expanded ? 1 : 0);
    writer.line("");
    writer.line("#elements");
    writer.number(static_cast<int64_t>(elements.size()));
    writer.line("");
    for (const ElementRecord& element : elements) {
        writeElement(writer, element);
    }
    return writer.bytes;
}

QString SkinWindowFile::fileName(int windowIndex) {
    return QString("sfw.%1").arg(windowIndex);
}
