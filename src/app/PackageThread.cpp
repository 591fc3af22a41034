#include "app/PackageThread.h"

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include "common/NestedLoop.h"

PackageThread::PackageThread()
    : receiver(std::make_unique<QObject>()), thread([this] { loop(); }) {}

PackageThread::~PackageThread() {
    {
        std::lock_guard guard(mutex);
        stop = true;
        pieces.clear();
    }
    queued.notify_all();
    thread.join();
}

void PackageThread::run(std::function<void()> work, std::function<void()> then) {
    {
        std::lock_guard guard(mutex);
        pieces.push_back({std::move(work), std::move(then)});
    }
    queued.notify_one();
}

void PackageThread::loop() {
    pthread_setname_np(pthread_self(), "skinpackages");
    // Below the window thread: on a busy machine, the clicks are answered first.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
    std::unique_lock lock(mutex);
    for (;;) {
        queued.wait(lock, [this] { return stop || !pieces.empty(); });
        if (stop) {
            return;
        }
        Piece piece = std::move(pieces.front());
        pieces.pop_front();
        lock.unlock();
        piece.work();
        QObject* context = receiver.get();
        QMetaObject::invokeMethod(
            context,
            [context, then = std::move(piece.then)] { NestedLoop::runOutside(context, then); },
            Qt::QueuedConnection);
        lock.lock();
    }
}
