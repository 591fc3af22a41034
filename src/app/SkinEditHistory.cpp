#include "app/SkinEditHistory.h"

#include "app/ElementChange.h"
#include "app/WindowChange.h"

void SkinEditHistory::elementEdited(size_t windowIndex, size_t position,
                                    const std::optional<SkinWindowFile::ElementRecord>& before,
                                    const std::optional<SkinWindowFile::ElementRecord>& after) {
    edits.push(new ElementChange(layout, windowIndex, position, before, after));
}

void SkinEditHistory::windowEdited(size_t windowIndex, const std::optional<SkinWindowFile>& before,
                                   const std::optional<SkinWindowFile>& after) {
    edits.push(new WindowChange(layout, windowIndex, before, after));
}
