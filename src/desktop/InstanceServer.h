#pragma once

#include <QObject>
#include <QPointer>
#include <deque>
#include <functional>

#include "desktop/DesktopAction.h"

class HandOverConnection;
class QSocketNotifier;

// The running copy's side of the hand-over: accepts later starts on the listening socket that
// RunningCopy made and passes the files of each well-formed message, in order, then its actions,
// in order, to the receivers (the paths as Qt names them). Garbage, oversized or unfinished
// messages change nothing. Clients that connect and hold the connection cannot lock later starts
// out: each connection has a short deadline, and when all places are taken the oldest connection is
// dropped for the newest.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    struct Receivers {
        std::function<void(const QString& path)> addFile;
        std::function<void(DesktopAction action)> runAction;
    };

    // Connections open at once; one more drops the oldest.
    static constexpr size_t maximumConnections = 8;

    // A listener below 0 makes a server that accepts nothing (this process runs on its own).
    InstanceServer(int listener, Receivers receivers, int readTimeoutMs = 1000,
                   QObject* parent = nullptr);

private:
    void acceptWaiting();

    Receivers receivers;
    int readTimeoutMs;
    std::deque<QPointer<HandOverConnection>> connections;  // oldest first
    QSocketNotifier* notifier = nullptr;
};
