#include "desktop/InstanceServer.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include "desktop/HandOverConnection.h"

#include <sys/socket.h>
#include <unistd.h>

InstanceServer::InstanceServer(int listener, Receivers receivers, int readTimeoutMs,
                               QObject* parent)
    : QObject(parent), receivers(std::move(receivers)), readTimeoutMs(readTimeoutMs) {
    if (listener < 0) {
        return;
    }
    notifier = new QSocketNotifier(listener, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &InstanceServer::acceptWaiting);
    // Starts that came while this copy was still starting wait in the backlog.
    QTimer::singleShot(0, this, &InstanceServer::acceptWaiting);
}

void InstanceServer::acceptWaiting() {
    while (true) {
        const int accepted = ::accept4(static_cast<int>(notifier->socket()), nullptr, nullptr,
                                       SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (accepted < 0) {
            return;
        }
        std::erase_if(connections, [](const auto& connection) { return connection.isNull(); });
        if (connections.size() >= maximumConnections) {
            connections.front()->drop();
            connections.pop_front();
        }
        auto* connection = new HandOverConnection(
            accepted, readTimeoutMs,
            [this](const HandOverMessage& message) {
                for (const std::string& file : message.files) {
                    receivers.addFile(QFile::decodeName(QByteArray::fromStdString(file)));
                }
                for (DesktopAction action : message.actions) {
                    receivers.runAction(action);
                }
            },
            this);
        connections.push_back(connection);
    }
}
