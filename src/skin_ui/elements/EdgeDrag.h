#pragma once

// Where an element's extent on one axis goes when one of its ends is Shift-dragged: the dragged
// end follows the cursor on the 5-pixel grid, the other end stays where it is, the extent keeps
// its minimum and the element stays inside its window (0 .. room).
namespace EdgeDrag {

struct Span {
    int start;
    int length;

    bool operator==(const Span&) const = default;
};

// The start (left or top) end follows the cursor.
Span moveStart(Span original, int cursor, int minimum, int room);
// The far (right or bottom) end follows the cursor.
Span moveEnd(Span original, int cursor, int minimum, int room);

}  // namespace EdgeDrag
