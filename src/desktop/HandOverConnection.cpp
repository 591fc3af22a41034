#include "desktop/HandOverConnection.h"

#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

HandOverConnection::HandOverConnection(int socketDescriptor, int readTimeoutMs, Receiver receiver,
                                       QObject* parent)
    : QObject(parent), socket(new QLocalSocket(this)), receiver(std::move(receiver)) {
    if (!socket->setSocketDescriptor(socketDescriptor)) {
        ::close(socketDescriptor);
        deleteLater();
        return;
    }
    connect(socket, &QLocalSocket::disconnected, this, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, &HandOverConnection::read);
    QTimer::singleShot(readTimeoutMs, this, [this] {
        if (!answered) {
            drop();
        }
    });
    read();
}

void HandOverConnection::read() {
    if (answered) {
        socket->readAll();  // nothing after the message is listened to
        return;
    }
    received += socket->read(HandOverMessage::maximumSize + 1 - received.size());
    if (received.size() > HandOverMessage::maximumSize) {
        drop();
        return;
    }
    if (!HandOverMessage::isComplete(received)) {
        return;
    }
    const std::optional<HandOverMessage> message = HandOverMessage::decode(received);
    received.clear();
    if (!message) {
        drop();
        return;
    }
    // Answered first: a command may open a question whose wait must not keep the later start.
    answered = true;
    socket->write(HandOverMessage::acknowledgement);
    socket->flush();
    socket->disconnectFromServer();
    receiver(*message);
}

void HandOverConnection::drop() {
    socket->abort();
    deleteLater();
}
