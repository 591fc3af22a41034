#pragma once

class Callable;

// A receiver of user actions: elements and controls report to one through `callback`,
// passing their own Callable part so the receiver can tell who reported.
class CallerPtr {
public:
    virtual ~CallerPtr() = default;
    virtual void callback(Callable* caller) = 0;
};
