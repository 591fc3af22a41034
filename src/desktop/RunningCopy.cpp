#include "desktop/RunningCopy.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <thread>
#include <utility>

#include "desktop/HandOverMessage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr std::string_view adoptionPrefix = "--running-copy=";

sockaddr_un addressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());  // the folder checked the size
    return address;
}

void setTimeouts(int socket, int timeoutMs) {
    const timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
}

bool sendAll(int socket, std::string_view bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written =
            ::send(socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        sent += written;
    }
    return true;
}

bool receiveAcknowledgement(int socket) {
    const std::string_view expected = HandOverMessage::acknowledgement;
    std::string answer;
    char buffer[16];
    while (answer.size() < expected.size()) {
        const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        answer.append(buffer, got);
    }
    return answer == expected;
}

// A descriptor number: decimal, optionally signed, white space around it allowed; none when
// anything else is there or it does not fit an int.
std::optional<int> numberOf(std::string_view text) {
    constexpr std::string_view space = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(space);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(space) - first + 1);
    if (text.starts_with('+') && !text.substr(1).starts_with('-')) {
        text.remove_prefix(1);
    }
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

RunningCopy::RunningCopy(std::optional<InstanceFolder> folder, int answerTimeoutMs)
    : folder(std::move(folder)), answerTimeoutMs(answerTimeoutMs) {}

RunningCopy::~RunningCopy() {
    close();
}

void RunningCopy::close() {
    if (listeningSocket >= 0) {
        if (folder) {
            ::unlink(folder->socketPath().c_str());
        }
        ::close(listeningSocket);
        listeningSocket = -1;
    }
    if (lockFile >= 0) {
        ::close(lockFile);
        lockFile = -1;
    }
}

RunningCopy::RunningCopy(RunningCopy&& other) noexcept
    : folder(std::move(other.folder)),
      answerTimeoutMs(other.answerTimeoutMs),
      lockFile(std::exchange(other.lockFile, -1)),
      listeningSocket(std::exchange(other.listeningSocket, -1)) {}

std::string RunningCopy::passOn() {
    if (listeningSocket < 0) {
        return {};
    }
    for (int descriptor : {listeningSocket, lockFile}) {
        ::fcntl(descriptor, F_SETFD, ::fcntl(descriptor, F_GETFD) & ~FD_CLOEXEC);
    }
    std::string argument(adoptionPrefix);
    argument += std::to_string(listeningSocket) + ',' + std::to_string(lockFile);
    listeningSocket = lockFile = -1;
    return argument;
}

RunningCopy RunningCopy::adopt(int& argc, char** argv) {
    RunningCopy copy(std::nullopt);
    if (argc < 2 || !std::string_view(argv[1]).starts_with(adoptionPrefix)) {
        return copy;
    }
    const std::string_view descriptors = std::string_view(argv[1]).substr(adoptionPrefix.size());
    std::copy(argv + 2, argv + argc + 1, argv + 1);  // argv[argc] is the null pointer
    --argc;
    const size_t comma = descriptors.find(',');
    if (comma == std::string_view::npos) {
        return copy;
    }
    const std::optional<int> listener = numberOf(descriptors.substr(0, comma));
    const std::optional<int> lock = numberOf(descriptors.substr(comma + 1));
    if (!listener || !lock) {
        return copy;
    }
    for (int descriptor : {*listener, *lock}) {
        ::fcntl(descriptor, F_SETFD, ::fcntl(descriptor, F_GETFD) | FD_CLOEXEC);
    }
    copy.folder = InstanceFolder::forCurrentUser();
    copy.listeningSocket = *listener;
    copy.lockFile = *lock;
    return copy;
}

RunningCopy::Outcome RunningCopy::handOverOrClaim(std::string_view message) {
    if (!folder) {
        return Outcome::unavailable;
    }
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(answerTimeoutMs);
    // The running copy holds the lock for its whole life and listens from its first moments on;
    // a held lock and no listener means a copy that is just starting, so keep asking.
    while (true) {
        switch (deliver(message)) {
            case Delivery::delivered:
                return Outcome::handedOver;
            case Delivery::unanswered:
                return Outcome::unanswered;
            case Delivery::nobodyListening:
                break;
        }
        if (tryClaim()) {
            if (listen()) {
                return Outcome::claimed;
            }
            // Let the next start try again rather than wait for a listener that never comes.
            ::close(lockFile);
            lockFile = -1;
            return Outcome::unavailable;
        }
        if (lockFile < 0 || std::chrono::steady_clock::now() > deadline) {
            return lockFile < 0 ? Outcome::unavailable : Outcome::unanswered;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

RunningCopy::Delivery RunningCopy::deliver(std::string_view message) {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return Delivery::nobodyListening;
    }
    setTimeouts(socket, answerTimeoutMs);
    const sockaddr_un address = addressOf(folder->socketPath());
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(socket);
        return Delivery::nobodyListening;
    }
    errno = 0;
    const bool delivered = sendAll(socket, message) && receiveAcknowledgement(socket);
    const bool timedOut = errno == EAGAIN || errno == EWOULDBLOCK;
    ::close(socket);
    if (delivered) {
        return Delivery::delivered;
    }
    // A player that is ending closes without an answer: ask again, and take its place once its
    // lock is gone.
    return timedOut ? Delivery::unanswered : Delivery::nobodyListening;
}

bool RunningCopy::tryClaim() {
    if (lockFile < 0) {
        lockFile = ::open(folder->lockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (lockFile < 0) {
            return false;
        }
    }
    return ::flock(lockFile, LOCK_EX | LOCK_NB) == 0;
}

bool RunningCopy::listen() {
    const std::string path = folder->socketPath();
    // Holding the lock, this process is the only one that may replace the socket: a file there
    // now is what a crashed copy left behind.
    ::unlink(path.c_str());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        return false;
    }
    const sockaddr_un address = addressOf(path);
    const mode_t previousMask = ::umask(077);
    const bool bound =
        ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(previousMask);
    if (!bound || ::chmod(path.c_str(), 0600) != 0 || ::listen(socket, 16) != 0) {
        ::close(socket);
        return false;
    }
    listeningSocket = socket;
    return true;
}
