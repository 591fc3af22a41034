#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// One run of the player: started with posix_spawn in the probe's environment, its standard
// output and error going to files.
class PlayerLaunch {
public:
    PlayerLaunch() = default;
    PlayerLaunch(const PlayerLaunch&) = delete;
    PlayerLaunch& operator=(const PlayerLaunch&) = delete;
    // Kills a player that is still running, so no run outlives the probe.
    ~PlayerLaunch();

    bool start(const std::vector<std::string>& command, const std::string& outputPath,
               const std::string& errorPath);
    pid_t pid() const { return child; }
    // Monotonic time taken just before the spawn.
    double startedAt() const { return startTime; }
    bool isRunning();
    // The wait status (as from waitpid), or -1 when the player did not end in time.
    int waitForExit(double timeoutSeconds);

private:
    pid_t child = -1;
    double startTime = 0;
    bool reaped = false;
    int status = 0;
};
