#pragma once

#include <cstddef>
#include <optional>

#include "app/RecordedChange.h"
#include "skins/SkinWindowFile.h"

class SkinWindows;

// One edit of one skin window, as the history keeps it: the window's record at its index before
// and after the edit, either side missing for "Add window" and "Delete window". A resize,
// collapse or expand changes the window in place (its elements stay), so only the window's own
// fields are kept for it, never its element list; an added or deleted window is removed or built
// again from its whole record, kept once.
class WindowChange : public RecordedChange<SkinWindowFile> {
public:
    WindowChange(SkinWindows& layout, size_t windowIndex,
                 const std::optional<SkinWindowFile>& before,
                 const std::optional<SkinWindowFile>& after);

    // "add window", "delete window", "resize", "collapse" or "expand".
    static QString nameOf(const std::optional<SkinWindowFile>& before,
                          const std::optional<SkinWindowFile>& after);

protected:
    void change(const std::optional<SkinWindowFile>& from,
                const std::optional<SkinWindowFile>& to) override;
    std::size_t bytesOf(const SkinWindowFile& window) const override;

private:
    SkinWindows& layout;
    size_t windowIndex;
};
