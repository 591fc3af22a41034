#include "skin_ui/elements/EdgeDrag.h"

#include <algorithm>

namespace {

constexpr int grid = 5;

// Down to the grid (toward zero; the values here are not negative).
int snap(int value) {
    return value / grid * grid;
}

}  // namespace

namespace EdgeDrag {

Span moveStart(Span original, int cursor, int minimum, int room) {
    const int end = original.start + original.length;
    int start = std::min(cursor, end - minimum);
    start = snap(std::max(start, 0));
    int length = end - start;
    if (start + length > room) {
        length = room - start;
    }
    return {start, length};
}

Span moveEnd(Span original, int cursor, int minimum, int room) {
    int length = std::max(cursor - original.start, minimum);
    if (original.start + length > room) {
        length = room - original.start;
    }
    return {original.start, snap(length)};
}

}  // namespace EdgeDrag
