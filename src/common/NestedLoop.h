#pragma once

#include <QObject>
#include <functional>

// A dialog, question or menu runs a nested event loop on the window thread: while it is open,
// posted work runs inside it, deep in the stack of whatever opened it. Work that deletes or
// rebuilds skin windows must not run there: the dialog may belong to one of those windows, the
// menu may still be running over it. Whoever runs a nested loop marks it with a Guard; such work
// goes through runOutside and waits until every nested loop has ended.
//
// Window thread only.
namespace NestedLoop {

// Marks one nested loop for its lifetime.
class Guard {
public:
    Guard();
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;
};

// True while a dialog, question or menu is open.
bool running();

// Runs the work at once when no nested loop runs; otherwise once the last one has ended, from
// the outer event loop, in the order given. Dropped when the context is deleted before then.
void runOutside(QObject* context, std::function<void()> work);

}  // namespace NestedLoop
