#include "common/NestedLoop.h"

#include <QCoreApplication>
#include <QPointer>
#include <deque>
#include <utility>

namespace NestedLoop {

namespace {

struct Deferred {
    QPointer<QObject> context;
    std::function<void()> work;
};

int depth = 0;
std::deque<Deferred> waiting;

void runWaiting() {
    // Another dialog may have opened before this ran; its end posts this again.
    while (depth == 0 && !waiting.empty()) {
        Deferred next = std::move(waiting.front());
        waiting.pop_front();
        if (next.context) {
            next.work();
        }
    }
}

}  // namespace

Guard::Guard() {
    ++depth;
}

Guard::~Guard() {
    --depth;
    // The code that opened the loop is still on the stack (a menu's window, a button's click):
    // the waiting work runs once the event loop has the control back.
    if (depth == 0 && !waiting.empty() && QCoreApplication::instance()) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), runWaiting, Qt::QueuedConnection);
    }
}

bool running() {
    return depth > 0;
}

void runOutside(QObject* context, std::function<void()> work) {
    if (depth == 0 && waiting.empty()) {
        work();
        return;
    }
    waiting.push_back({context, std::move(work)});
}

}  // namespace NestedLoop
