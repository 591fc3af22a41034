#pragma once

#include <QObject>
#include <functional>

#include "desktop/DesktopAction.h"

class QSocketNotifier;

// The running copy's side of the hand-over: accepts later starts on the listening socket that
// RunningCopy made and passes the files of each well-formed message, in order, then its actions,
// in order, to the receivers. Garbage, oversized or unfinished messages change nothing.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    struct Receivers {
        std::function<void(const QString& path)> addFile;
        std::function<void(DesktopAction action)> runAction;
    };

    // Connections beyond this many at once are closed at once.
    static constexpr int maximumConnections = 8;

    // A listener below 0 makes a server that accepts nothing (this process runs on its own).
    InstanceServer(int listener, Receivers receivers, int readTimeoutMs = 2000,
                   QObject* parent = nullptr);

private:
    void acceptWaiting();

    Receivers receivers;
    int readTimeoutMs;
    int openConnections = 0;
    QSocketNotifier* notifier = nullptr;
};
