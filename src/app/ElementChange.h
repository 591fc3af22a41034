#pragma once

#include <cstddef>
#include <optional>

#include "app/RecordedChange.h"
#include "skins/SkinWindowFile.h"

class SkinWindows;

// One edit of one element, as the history keeps it: the element at a place in a window's list
// before and after the edit, either side possibly missing (added, deleted). The place is a
// window index and a list position, never the element itself, since taking back a type change
// or a delete builds a new element there. Done and undone through the element factory and the
// skin layout.
class ElementChange : public RecordedChange<SkinWindowFile::ElementRecord> {
public:
    ElementChange(SkinWindows& layout, size_t windowIndex, size_t position,
                  const std::optional<SkinWindowFile::ElementRecord>& before,
                  const std::optional<SkinWindowFile::ElementRecord>& after);

    // The edit's name in the skin menu ("move", "type change", "delete", ...).
    static QString nameOf(const std::optional<SkinWindowFile::ElementRecord>& before,
                          const std::optional<SkinWindowFile::ElementRecord>& after);

protected:
    // Turns the place from one side of the edit into the other: removes, builds, rebuilds or
    // changes the element in place.
    void change(const std::optional<SkinWindowFile::ElementRecord>& from,
                const std::optional<SkinWindowFile::ElementRecord>& to) override;

private:
    SkinWindows& layout;
    size_t windowIndex;
    size_t position;
};
