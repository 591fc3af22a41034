#include "app/ElementChange.h"

#include "app/SkinWindows.h"
#include "skin_ui/elements/Element.h"

ElementChange::ElementChange(SkinWindows& layout, size_t windowIndex, size_t position,
                             const std::optional<SkinWindowFile::ElementRecord>& before,
                             const std::optional<SkinWindowFile::ElementRecord>& after)
    : RecordedChange(nameOf(before, after), before, after),
      layout(layout),
      windowIndex(windowIndex),
      position(position) {}

std::size_t ElementChange::bytesOf(const SkinWindowFile::ElementRecord& record) const {
    return sizeof record;  // a record holds numbers only
}

void ElementChange::change(const std::optional<SkinWindowFile::ElementRecord>& from,
                           const std::optional<SkinWindowFile::ElementRecord>& to) {
    if (windowIndex >= layout.count()) {
        return;
    }
    const size_t count = layout.elementsOf(windowIndex).size();
    if (from && position >= count) {
        return;
    }
    if (from && to && from->type == to->type) {
        Element* element = layout.elementsOf(windowIndex)[position];
        element->applyRecord(*to);
        return;
    }
    if (from) {
        layout.removeElementAt(windowIndex, position);
    }
    if (to) {
        layout.insertElement(windowIndex, position, *to);
    }
}

QString ElementChange::nameOf(const std::optional<SkinWindowFile::ElementRecord>& before,
                              const std::optional<SkinWindowFile::ElementRecord>& after) {
    if (!before) {
        return "add element";
    }
    if (!after) {
        return "delete";
    }
    const SkinWindowFile::ElementRecord& was = *before;
    const SkinWindowFile::ElementRecord& is = *after;
    if (was.type != is.type) {
        return "type change";
    }
    if (was.function != is.function) {
        return "function change";
    }
    if (was.vertical != is.vertical) {
        return "orientation change";
    }
    if (was.filled != is.filled) {
        return "fill change";
    }
    if (was.moveable != is.moveable) {
        return is.moveable ? "unlock" : "lock";
    }
    if (was.sizeClass != is.sizeClass) {
        return "size change";
    }
    if (was.sliderLength != is.sliderLength) {
        return "length change";
    }
    if (was.width != is.width || was.height != is.height) {
        return is.type == ElementType::info ? "width change" : "resize";
    }
    return "move";
}
