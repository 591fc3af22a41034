#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

#include "skins/ElementType.h"

// One skin window file ("sfw." + window index): where the window stands, its collapsed and
// expanded sizes, whether it is expanded, and its element records in list order. The reader
// takes the lines by position and never compares a key; the writer gives the exact bytes the
// program stores (CR LF line ends, the file ending with the empty line of the last record).
class SkinWindowFile {
public:
    // Sizes and positions read from a file are kept to what a screen can show, so a damaged
    // file cannot ask for a window or element of a billion pixels.
    static constexpr int32_t maxSize = 16384;
    static constexpr int32_t minPosition = -32768;
    static constexpr int32_t maxPosition = 32767;

    // What the loader shows, caption "ERROR", when a record names no known element type.
    static constexpr const char* invalidTypeMessage = "Invallid ID.";

    struct ElementRecord {
        ElementType type = ElementType::button;
        // Button function (-1 to 12) or slider function (1 volume, 2 progress).
        int32_t function = 0;
        // Slider: its long side, the height when vertical, else the width.
        int32_t sliderLength = 0;
        bool vertical = false;
        bool filled = false;
        // Info: its width. List box: its width and height.
        int32_t width = 0;
        int32_t height = 0;
        int32_t x = 0;
        int32_t y = 0;
        uint32_t sizeClass = 0;
        bool moveable = false;

        bool operator==(const ElementRecord&) const = default;
    };

    int32_t x = 0;
    int32_t y = 0;
    int32_t collapsedWidth = 0;
    int32_t collapsedHeight = 0;
    int32_t expandedWidth = 0;
    int32_t expandedHeight = 0;
    bool expanded = false;
    std::vector<ElementRecord> elements;

    // Set by parse when a record named a type other than 1 to 4: the caller shows
    // invalidTypeMessage, keeps the elements read before it, and neither expands the window nor
    // pulls it onto the screen.
    bool stoppedAtInvalidType = false;

    // Reads as many element records as the count line says, but stops before a record that
    // would be made only of the file's re-read last line when that line names an element type:
    // such records would all be the same element at the same place, as many as a damaged count
    // asks for (up to 4294967295).
    static SkinWindowFile parse(const QByteArray& contents);
    QByteArray serialize() const;

    // "sfw." followed by the window index in decimal.
    static QString fileName(int windowIndex);

    bool operator==(const SkinWindowFile&) const = default;
};
