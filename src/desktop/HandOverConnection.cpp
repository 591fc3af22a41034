#include "desktop/HandOverConnection.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

HandOverConnection::HandOverConnection(int socketDescriptor, int readTimeoutMs, Receiver receiver,
                                       QObject* parent)
    : QObject(parent), socket(socketDescriptor), receiver(std::move(receiver)) {
    const int flags = ::fcntl(socket, F_GETFL);
    if (flags < 0 || ::fcntl(socket, F_SETFL, flags | O_NONBLOCK) != 0) {
        drop();
        return;
    }
    notifier = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &HandOverConnection::read);
    QTimer::singleShot(readTimeoutMs, this, [this] {
        if (!answered) {
            drop();
        }
    });
    read();
}

HandOverConnection::~HandOverConnection() {
    if (socket >= 0) {
        ::close(socket);
    }
}

bool HandOverConnection::readWaiting() {
    char buffer[4096];
    while (received.size() <= HandOverMessage::maximumSize) {
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got > 0) {
            received.append(buffer, got);
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            // Nothing more for now, or the other side has gone (or failed).
            return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        }
    }
    return true;
}

void HandOverConnection::read() {
    if (socket < 0 || answered) {
        return;
    }
    const bool open = readWaiting();
    if (received.size() > HandOverMessage::maximumSize) {
        drop();
        return;
    }
    if (!HandOverMessage::isComplete(received)) {
        if (!open) {
            drop();  // gone before its message was whole
        }
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
    const std::string_view answer = HandOverMessage::acknowledgement;
    // A few bytes on a fresh connection: the socket's buffer takes them at once.
    [[maybe_unused]] const ssize_t sent =
        ::send(socket, answer.data(), answer.size(), MSG_NOSIGNAL);
    const Receiver deliver = receiver;
    drop();
    deliver(*message);
}

void HandOverConnection::drop() {
    if (notifier) {
        notifier->setEnabled(false);
    }
    if (socket >= 0) {
        ::close(socket);
        socket = -1;
    }
    deleteLater();
}
