#include "app/BoundedUndoStack.h"

void BoundedUndoStack::push(std::unique_ptr<QUndoCommand> command, std::size_t storedBytes) {
    while (canRedo()) {
        dropLast();
    }
    command->redo();
    edits.push_back({std::move(command), storedBytes});
    totalBytes += storedBytes;
    ++done;
    // The newest edit is always kept, however large.
    while (edits.size() > 1 && (edits.size() > maxEdits || totalBytes > maxBytes)) {
        totalBytes -= edits.front().bytes;
        edits.pop_front();
        --done;
    }
}

void BoundedUndoStack::undo() {
    if (canUndo()) {
        edits[--done].command->undo();
    }
}

void BoundedUndoStack::redo() {
    if (canRedo()) {
        edits[done++].command->redo();
    }
}

void BoundedUndoStack::clear() {
    edits.clear();
    done = 0;
    totalBytes = 0;
}

void BoundedUndoStack::dropLast() {
    totalBytes -= edits.back().bytes;
    edits.pop_back();
}
