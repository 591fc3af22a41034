#include "ProcessStats.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string readWhole(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

// Parses a stat line; the name sits in parentheses and may itself hold blanks or ')'.
bool parseStat(const std::string& line, std::string& name, char& state, uint64_t& ticks) {
    const size_t open = line.find('(');
    const size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) {
        return false;
    }
    name = line.substr(open + 1, close - open - 1);
    std::istringstream fields(line.substr(close + 1));
    // Fields 3 (state) to 15 (stime) of proc(5).
    std::string field[13];
    for (std::string& value : field) {
        if (!(fields >> value)) {
            return false;
        }
    }
    state = field[0].empty() ? '?' : field[0][0];
    ticks = std::strtoull(field[11].c_str(), nullptr, 10) +
            std::strtoull(field[12].c_str(), nullptr, 10);
    return true;
}

double sumExecRuntimeSeconds(const std::string& schedPath) {
    std::istringstream lines(readWhole(schedPath));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("se.sum_exec_runtime", 0) == 0) {
            const size_t colon = line.find(':');
            return colon == std::string::npos
                       ? -1
                       : std::strtod(line.c_str() + colon + 1, nullptr) / 1000.0;
        }
    }
    return -1;
}

}  // namespace

int64_t ProcessStats::cpuTicks() const {
    std::string name;
    char state = '?';
    uint64_t ticks = 0;
    if (!parseStat(readWhole("/proc/" + std::to_string(pid) + "/stat"), name, state, ticks)) {
        return -1;
    }
    return static_cast<int64_t>(ticks);
}

double ProcessStats::ticksPerSecond() {
    return static_cast<double>(sysconf(_SC_CLK_TCK));
}

long ProcessStats::statusKib(const std::string& key) const {
    std::istringstream lines(readWhole("/proc/" + std::to_string(pid) + "/status"));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
        }
    }
    return -1;
}

bool ProcessStats::thread(pid_t tid, ThreadSample& sample) const {
    const std::string folder = "/proc/" + std::to_string(pid) + "/task/" + std::to_string(tid);
    sample.tid = tid;
    if (!parseStat(readWhole(folder + "/stat"), sample.name, sample.state, sample.cpuTicks)) {
        return false;
    }
    sample.runSeconds = sumExecRuntimeSeconds(folder + "/sched");
    return true;
}

std::vector<ThreadSample> ProcessStats::threads() const {
    std::vector<ThreadSample> found;
    DIR* tasks = opendir(("/proc/" + std::to_string(pid) + "/task").c_str());
    if (!tasks) {
        return found;
    }
    while (const dirent* entry = readdir(tasks)) {
        const pid_t tid = static_cast<pid_t>(std::strtol(entry->d_name, nullptr, 10));
        ThreadSample sample;
        if (tid > 0 && thread(tid, sample)) {
            found.push_back(sample);
        }
    }
    closedir(tasks);
    return found;
}
