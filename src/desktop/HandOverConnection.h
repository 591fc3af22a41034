#pragma once

#include <QByteArray>
#include <QObject>
#include <functional>

#include "desktop/HandOverMessage.h"

class QLocalSocket;

// One later start talking to the running copy: collects its message up to the size limit and
// the time limit, passes a well-formed one on and answers it. Whatever else happens, the
// connection is dropped unanswered. It deletes itself when the connection ends.
class HandOverConnection : public QObject {
    Q_OBJECT
public:
    using Receiver = std::function<void(const HandOverMessage& message)>;

    // Takes over the accepted socket descriptor (closed again when it cannot be used).
    HandOverConnection(int socketDescriptor, int readTimeoutMs, Receiver receiver, QObject* parent);

    // Ends the connection unanswered (and deletes this later).
    void drop();

private:
    void read();

    QLocalSocket* socket;
    Receiver receiver;
    QByteArray received;
    bool answered = false;
};
