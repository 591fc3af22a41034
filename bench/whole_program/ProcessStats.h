#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

// One thread of the player as /proc shows it at one moment.
struct ThreadSample {
    pid_t tid = 0;
    std::string name;
    char state = '?';
    // utime + stime in clock ticks.
    uint64_t cpuTicks = 0;
    // The scheduler's exact run time (se.sum_exec_runtime); -1 when the kernel does not show it.
    double runSeconds = -1;
};

// What /proc tells about one process: its CPU time, its memory and its threads.
class ProcessStats {
public:
    explicit ProcessStats(pid_t pid) : pid(pid) {}

    // utime + stime of the whole process, threads that have ended included; -1 on failure.
    int64_t cpuTicks() const;
    static double ticksPerSecond();
    // A "kB" line of /proc/<pid>/status such as "VmRSS"; -1 when missing.
    long statusKib(const std::string& key) const;
    std::vector<ThreadSample> threads() const;
    bool thread(pid_t tid, ThreadSample& sample) const;

private:
    pid_t pid;
};
