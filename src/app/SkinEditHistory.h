#pragma once

#include <QString>
#include <QUndoStack>
#include <cstddef>
#include <optional>

#include "skins/SkinWindowFile.h"

class SkinWindows;

// The history of skin edits, for the skin menu's "Undo" and "Redo": every edit of an element or
// a window, as its state before and after. It lasts while the program runs and starts again
// empty when a skin is applied. An edit is recorded after it happened.
class SkinEditHistory {
public:
    explicit SkinEditHistory(SkinWindows& layout) : layout(layout) {}

    // The element at the position of window i's list; no `before` for an added element, no
    // `after` for a deleted one.
    void elementEdited(size_t windowIndex, size_t position,
                       const std::optional<SkinWindowFile::ElementRecord>& before,
                       const std::optional<SkinWindowFile::ElementRecord>& after);
    // Window i; no `before` for an added window, no `after` for a deleted one.
    void windowEdited(size_t windowIndex, const std::optional<SkinWindowFile>& before,
                      const std::optional<SkinWindowFile>& after);

    void undo() { edits.undo(); }
    void redo() { edits.redo(); }
    // The names of the edits undo and redo would take on, empty when there are none.
    QString undoableEdit() const { return edits.canUndo() ? edits.undoText() : QString(); }
    QString redoableEdit() const { return edits.canRedo() ? edits.redoText() : QString(); }
    void clear() { edits.clear(); }

private:
    SkinWindows& layout;
    QUndoStack edits;
};
