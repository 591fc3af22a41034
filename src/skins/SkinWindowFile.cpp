#include "skins/SkinWindowFile.h"

#include <algorithm>

#include "common/LineReader.h"

namespace {

// The line that info and list box records hold in place of a key; it is never read back.
const char* const textFormatLine = "%an - %sn";

// Reading and writing walk the same layouts below, so the two cannot drift apart: a key line
// is skipped by the reader and written by the writer, a value is read into or written from
// the field.
class LinesIn {
public:
    explicit LinesIn(const QByteArray& contents) : reader(contents) {}

    void key(const char*) { reader.skipLines(1); }
    void number(int32_t& value) { value = reader.readInt(); }
    void number(uint32_t& value) { value = reader.readUnsigned(); }
    void flag(bool& value) { value = reader.readBool(); }
    void size(int32_t& value) { value = std::clamp(reader.readInt(), 0, SkinWindowFile::maxSize); }
    void position(int32_t& value) {
        value =
            std::clamp(reader.readInt(), SkinWindowFile::minPosition, SkinWindowFile::maxPosition);
    }

    LineReader reader;
};

class LinesOut {
public:
    void key(const char* text) {
        bytes += text;
        bytes += "\r\n";
    }
    void number(int64_t value) { key(QByteArray::number(value).constData()); }
    void flag(bool value) { number(value ? 1 : 0); }
    void size(int64_t value) { number(value); }
    void position(int64_t value) { number(value); }

    QByteArray bytes;
};

// The window's lines up to the element count and the empty line after it.
template <typename Lines, typename File>
void windowHead(Lines& lines, File& file, uint32_t& elementCount) {
    lines.key("#VP-V1.0.0");
    lines.key("");
    lines.key("#main");
    lines.key("-pos");
    lines.position(file.x);
    lines.position(file.y);
    lines.key("-dimC");
    lines.size(file.collapsedWidth);
    lines.size(file.collapsedHeight);
    lines.key("-dimE");
    lines.size(file.expandedWidth);
    lines.size(file.expandedHeight);
    lines.key("-expanded");
    lines.flag(file.expanded);
    lines.key("");
    lines.key("#elements");
    lines.number(elementCount);
    lines.key("");
}

// The lines of one element record after its type, up to and including its closing empty line.
template <typename Lines, typename Record>
void elementBody(Lines& lines, Record& element) {
    switch (element.type) {
        case ElementType::button:
            lines.key("-func");
            lines.number(element.function);
            break;
        case ElementType::slider:
            lines.key("-func");
            lines.number(element.function);
            lines.key("size");
            lines.size(element.sliderLength);
            lines.key("-vert");
            lines.flag(element.vertical);
            lines.key("-filled");
            lines.flag(element.filled);
            break;
        case ElementType::info:
            lines.key(textFormatLine);
            lines.key("size");
            lines.size(element.width);
            break;
        case ElementType::listBox:
            lines.key(textFormatLine);
            lines.key("size");
            lines.size(element.width);
            lines.size(element.height);
            break;
    }
    lines.key("-pos");
    lines.position(element.x);
    lines.position(element.y);
    lines.key("-size(pic)");
    lines.number(element.sizeClass);
    lines.key("-moveable");
    lines.flag(element.moveable);
    lines.key("");
}

}  // namespace

SkinWindowFile SkinWindowFile::parse(const QByteArray& contents) {
    LinesIn lines(contents);
    SkinWindowFile file;
    uint32_t count = 0;
    windowHead(lines, file, count);

    for (uint32_t i = 0; i < count; ++i) {
        const bool onlyRepeatedLines =
            !lines.reader.hasFileLineLeft() && lines.reader.repeatsLastLine();
        lines.key(">el");
        lines.key("-id");
        const int32_t type = lines.reader.readInt();
        if (!isElementType(type)) {
            file.stoppedAtInvalidType = true;
            return file;
        }
        if (onlyRepeatedLines) {
            break;
        }
        ElementRecord element;
        element.type = static_cast<ElementType>(type);
        elementBody(lines, element);
        file.elements.push_back(element);
    }
    return file;
}

QByteArray SkinWindowFile::serialize() const {
    LinesOut lines;
    uint32_t count = static_cast<uint32_t>(elements.size());
    windowHead(lines, *this, count);
    for (const ElementRecord& element : elements) {
        lines.key(">el");
        lines.key("-id");
        lines.number(numberOf(element.type));
        elementBody(lines, element);
    }
    return lines.bytes;
}

QString SkinWindowFile::fileName(int windowIndex) {
    return QString("sfw.%1").arg(windowIndex);
}
