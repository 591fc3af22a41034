#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "desktop/InstanceFolder.h"

// One running copy per user, decided before any Qt application object exists. The running copy
// holds a lock on "instance.lock" for its whole life and listens on the local socket "instance"
// beside it; a second start connects and hands over its message. The kernel drops the lock of a
// crashed copy, so the socket file it left behind is known to be stale and is replaced.
class RunningCopy {
public:
    enum class Outcome {
        handedOver,   // a running copy took the message
        unanswered,   // a copy runs but did not take the message in time
        claimed,      // none runs: this process is now the running copy and listens
        unavailable,  // no private folder to meet in: this process runs on its own
    };

    explicit RunningCopy(std::optional<InstanceFolder> folder, int answerTimeoutMs = 5000);
    // Removes the socket while still holding the lock, so no later start ever loses its own.
    ~RunningCopy();
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

    Outcome handOverOrClaim(std::string_view message);
    // The listening socket once claimed (else -1); it stays owned here.
    int listener() const { return listeningSocket; }

    // Stops being the running copy: removes the socket, then lets go of the lock.
    void close();

    // The launcher passes a claimed copy on to the player program it runs in its place: the
    // socket and the lock stay open across exec, named by the returned argument (empty when
    // nothing was claimed). This object then owns nothing.
    std::string passOn();
    // The player's side: when the first argument is one passOn made, takes the socket and lock
    // over from it and removes it from the arguments.
    static RunningCopy adopt(int& argc, char** argv);

    RunningCopy(RunningCopy&& other) noexcept;

private:
    enum class Delivery { delivered, nobodyListening, unanswered };
    Delivery deliver(std::string_view message);
    bool tryClaim();
    bool listen();

    std::optional<InstanceFolder> folder;
    int answerTimeoutMs;
    int lockFile = -1;
    int listeningSocket = -1;
};
