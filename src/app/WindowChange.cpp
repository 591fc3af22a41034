#include "app/WindowChange.h"

#include "app/SkinWindows.h"

namespace {

// A side of an edit in place: the window's own fields, without its elements.
std::optional<SkinWindowFile> shapeOnly(const std::optional<SkinWindowFile>& window, bool inPlace) {
    if (!window || !inPlace) {
        return window;
    }
    SkinWindowFile shape = *window;
    shape.elements = std::vector<SkinWindowFile::ElementRecord>();
    return shape;
}

}  // namespace

WindowChange::WindowChange(SkinWindows& layout, size_t windowIndex,
                           const std::optional<SkinWindowFile>& before,
                           const std::optional<SkinWindowFile>& after)
    : RecordedChange(nameOf(before, after), shapeOnly(before, before && after),
                     shapeOnly(after, before && after)),
      layout(layout),
      windowIndex(windowIndex) {}

void WindowChange::change(const std::optional<SkinWindowFile>& from,
                          const std::optional<SkinWindowFile>& to) {
    if (from && windowIndex >= layout.count()) {
        return;
    }
    if (from && to) {
        // Only a resize from the left or top edge moves the window; a window dragged since
        // stays where it was dragged.
        const bool moved = from->x != to->x || from->y != to->y;
        layout.reshapeWindow(windowIndex, *to, moved);
    } else if (from) {
        // The skin menu of this window or of one of its elements may be what asked.
        layout.removeWindowAt(windowIndex, SkinWindows::Deletion::later);
    } else if (to && windowIndex <= layout.count()) {
        layout.insertWindow(windowIndex, *to);
    }
}

std::size_t WindowChange::bytesOf(const SkinWindowFile& window) const {
    return sizeof window + window.elements.capacity() * sizeof(SkinWindowFile::ElementRecord);
}

QString WindowChange::nameOf(const std::optional<SkinWindowFile>& before,
                             const std::optional<SkinWindowFile>& after) {
    if (!before) {
        return "add window";
    }
    if (!after) {
        return "delete window";
    }
    if (before->expanded != after->expanded) {
        return after->expanded ? "expand" : "collapse";
    }
    return "resize";
}
