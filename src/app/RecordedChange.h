#pragma once

#include <QUndoCommand>
#include <cstddef>
#include <optional>
#include <utility>

// An edit as the history keeps it: the state of one thing before and after, either side missing
// when the edit made or removed it. The edit has already happened when the command is made, so
// the first redo (the push onto the history) does nothing; undo turns `after` back into
// `before`, redo `before` into `after`.
template <typename State>
class RecordedChange : public QUndoCommand {
public:
    void undo() override { change(after, before); }
    // About how much memory the edit holds, for the history's bound.
    std::size_t storedBytes() const {
        return sizeof(*this) + (before ? bytesOf(*before) : 0) + (after ? bytesOf(*after) : 0);
    }
    void redo() override {
        if (std::exchange(happened, false)) {
            return;
        }
        change(before, after);
    }

protected:
    RecordedChange(const QString& name, std::optional<State> before, std::optional<State> after)
        : QUndoCommand(name), before(std::move(before)), after(std::move(after)) {}

    virtual void change(const std::optional<State>& from, const std::optional<State>& to) = 0;
    // What one side holds beyond the size of the state itself.
    virtual std::size_t bytesOf(const State& state) const = 0;

private:
    std::optional<State> before;
    std::optional<State> after;
    bool happened = true;
};
