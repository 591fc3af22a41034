#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// The thread that reads and writes skin packages, so the window thread never waits for a disk or
// for a package however large: it stays free to answer clicks and to close the program. Work
// runs there in the order given; what follows a piece of work runs on the window thread, outside
// every dialog, question and menu (NestedLoop::runOutside), where it may ask questions.
//
// Created and used on the window thread.
class PackageThread {
public:
    PackageThread();
    // Tells the running work to stop (stopping()), waits for it and drops what was still to come.
    ~PackageThread();
    PackageThread(const PackageThread&) = delete;
    PackageThread& operator=(const PackageThread&) = delete;

    void run(std::function<void()> work, std::function<void()> then);

    // Set when the program closes: long work ends early, leaving nothing half written.
    const std::atomic<bool>& stopping() const { return stop; }

private:
    struct Piece {
        std::function<void()> work;
        std::function<void()> then;
    };
    void loop();

    // Lives on the window thread: follow-ups are posted to it, and dropped once it is gone.
    std::unique_ptr<QObject> receiver;
    std::atomic<bool> stop = false;
    std::mutex mutex;
    std::condition_variable queued;
    std::deque<Piece> pieces;
    std::thread thread;
};
