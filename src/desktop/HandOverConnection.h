#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "desktop/HandOverMessage.h"

class QSocketNotifier;

// One later start talking to the running copy: collects its message up to the size limit and
// the time limit, passes a well-formed one on and answers it. Whatever else happens, the
// connection is dropped unanswered. It deletes itself when the connection ends.
// The socket is read and written directly: nothing here needs more than Qt's core, and Qt's
// network library would cost every start its loading.
class HandOverConnection : public QObject {
    Q_OBJECT
public:
    using Receiver = std::function<void(const HandOverMessage& message)>;

    // Takes over the accepted socket descriptor (closed again when it cannot be used).
    HandOverConnection(int socketDescriptor, int readTimeoutMs, Receiver receiver, QObject* parent);
    ~HandOverConnection() override;

    // Ends the connection unanswered (and deletes this later).
    void drop();

private:
    void read();
    // Reads what is waiting, without blocking; false when the connection has ended.
    bool readWaiting();

    int socket;
    QSocketNotifier* notifier = nullptr;
    Receiver receiver;
    std::string received;
    bool answered = false;
};
