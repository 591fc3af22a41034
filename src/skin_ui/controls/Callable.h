#pragma once

#include "skin_ui/controls/CallerPtr.h"

// A reporter: holds its receiver and tells it when the user acted.
class Callable {
public:
    virtual ~Callable() = default;

    void setReceiver(CallerPtr* newReceiver) { receiver = newReceiver; }

protected:
    // Calls the receiver's callback with this reporter; nothing happens without a receiver.
    void report() {
        if (receiver) {
            receiver->callback(this);
        }
    }

private:
    CallerPtr* receiver = nullptr;
};
