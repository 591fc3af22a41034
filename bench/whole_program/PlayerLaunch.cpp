#include "PlayerLaunch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include "MonotonicClock.h"

extern char** environ;

PlayerLaunch::~PlayerLaunch() {
    if (isRunning()) {
        kill(child, SIGKILL);
        waitForExit(5);
    }
}

bool PlayerLaunch::start(const std::vector<std::string>& command, const std::string& outputPath,
                         const std::string& errorPath) {
    std::vector<char*> arguments;
    for (const std::string& argument : command) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    startTime = monotonicSeconds();
    const int result =
        posix_spawn(&child, arguments[0], &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        child = -1;
        return false;
    }
    reaped = false;
    return true;
}

bool PlayerLaunch::isRunning() {
    if (child <= 0 || reaped) {
        return false;
    }
    if (waitpid(child, &status, WNOHANG) == child) {
        reaped = true;
    }
    return !reaped;
}

int PlayerLaunch::waitForExit(double timeoutSeconds) {
    const double deadline = monotonicSeconds() + timeoutSeconds;
    while (isRunning()) {
        if (monotonicSeconds() > deadline) {
            return -1;
        }
        sleepSeconds(0.005);
    }
    return reaped ? status : -1;
}
