#include "app/SkinEditHistory.h"

#include "app/ElementChange.h"
#include "app/WindowChange.h"

void SkinEditHistory::elementEdited(size_t windowIndex, size_t position,
                                    const std::optional<SkinWindowFile::ElementRecord>& before,
                                    const std::optional<SkinWindowFile::ElementRecord>& after) {
    auto edit = std::make_unique<ElementChange>(layout, windowIndex, position, before, after);
    const std::size_t bytes = edit->storedBytes();
    edits.push(std::move(edit), bytes);
}

void SkinEditHistory::windowEdited(size_t windowIndex, const std::optional<SkinWindowFile>& before,
                                   const std::optional<SkinWindowFile>& after) {
    auto edit = std::make_unique<WindowChange>(layout, windowIndex, before, after);
    const std::size_t bytes = edit->storedBytes();
    edits.push(std::move(edit), bytes);
}
