#pragma once

#include <QString>
#include <QUndoCommand>
#include <cstddef>
#include <deque>
#include <memory>

// An undo history that forgets its oldest edits rather than grow without end: it keeps at most
// maxEdits edits and at most maxBytes of what they store, whichever bound comes first. Like
// QUndoStack, a push runs the command's redo and drops the edits that could be redone.
class BoundedUndoStack {
public:
    static constexpr std::size_t maxEdits = 200;
    static constexpr std::size_t maxBytes = 32 * 1024 * 1024;

    // storedBytes: about how much memory the command holds.
    void push(std::unique_ptr<QUndoCommand> command, std::size_t storedBytes);
    void undo();
    void redo();
    bool canUndo() const { return done > 0; }
    bool canRedo() const { return done < edits.size(); }
    QString undoText() const { return canUndo() ? edits[done - 1].command->text() : QString(); }
    QString redoText() const { return canRedo() ? edits[done].command->text() : QString(); }
    void clear();

    std::size_t count() const { return edits.size(); }
    std::size_t bytes() const { return totalBytes; }

private:
    struct Edit {
        std::unique_ptr<QUndoCommand> command;
        std::size_t bytes = 0;
    };
    void dropLast();

    std::deque<Edit> edits;
    std::size_t done = 0;  // the edits before this index are done, the rest undone
    std::size_t totalBytes = 0;
};
