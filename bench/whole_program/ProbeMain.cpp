// Drives one run of the real player for run.sh and prints its figures as "key value" lines.
//
//   whole_program_probe start  OUT ERR -- PLAYER [ARGS...]   first painted window, idle memory,
//                                the start's phases when the program marks them on ERR
//   whole_program_probe play   OUT ERR SECONDS -- PLAYER FILE  CPU share while playing
//   whole_program_probe folder OUT ERR -- PLAYER FOLDER      time until the file worker is done
//   whole_program_probe server OUT ERR SECONDS SERVERPID -- PLAYER FILE
//                                CPU share of the player and of the sound server (pid, or 0 for
//                                none) before the first play, while playing and while paused
//   whole_program_probe wavs   FOLDER COUNT                  writes COUNT tiny WAV files
//
// The player inherits the probe's environment (HOME, DISPLAY, SDL_AUDIODRIVER are set by the
// caller); OUT and ERR receive its standard output and error.
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "MonotonicClock.h"
#include "PlayerLaunch.h"
#include "ProcessStats.h"
#include "ScreenWatch.h"
#include "TinyWavFiles.h"

namespace {

const std::string windowTitle = "Vesk Player";
// The default skin's background, red 62, green 73, blue 67.
constexpr uint32_t backgroundColour = 62u << 16 | 73u << 8 | 67u;
// Where the default skin draws its progress slider, in window coordinates.
const ScreenRect progressSlider{140, 0, 140, 10};
constexpr double pollPeriod = 0.001;
constexpr double startTimeout = 30;

struct PaintedWindow {
    Window window = 0;
    ScreenRect rect;
    double mappedAt = 0;
    double paintedAt = 0;
};

void printFigure(const std::string& key, double value) {
    std::printf("%s %.3f\n", key.c_str(), value);
}

std::string readWhole(const std::string& path) {
    std::ifstream file(path);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

// Polls the screen (about once a millisecond) until the player's window shows the background
// colour somewhere inside it.
bool waitForPaint(ScreenWatch& screen, PlayerLaunch& player, PaintedWindow& painted) {
    const double deadline = player.startedAt() + startTimeout;
    while (monotonicSeconds() < deadline && player.isRunning()) {
        if (painted.window == 0) {
            painted.window = screen.mappedWindowTitled(windowTitle);
            painted.mappedAt = monotonicSeconds();
        }
        // The window may be mapped before it is moved and sized, so its place is asked anew.
        if (painted.window != 0 && screen.screenRectOf(painted.window, painted.rect)) {
            const std::vector<uint32_t> pixels = screen.grab(painted.rect);
            if (std::find(pixels.begin(), pixels.end(), backgroundColour) != pixels.end()) {
                painted.paintedAt = monotonicSeconds();
                return true;
            }
        }
        sleepSeconds(pollPeriod);
    }
    return false;
}

// A window left over from a run before would be taken for this run's window.
bool waitForEmptyScreen(ScreenWatch& screen) {
    const double deadline = monotonicSeconds() + 10;
    while (screen.mappedWindowTitled(windowTitle) != 0) {
        if (monotonicSeconds() > deadline) {
            return false;
        }
        sleepSeconds(0.01);
    }
    return true;
}

// Closes the player as a window manager would and reports how it ended.
void closePlayer(ScreenWatch& screen, PlayerLaunch& player, Window window, double timeout) {
    screen.sendDeleteWindow(window);
    const double asked = monotonicSeconds();
    const int status = player.waitForExit(timeout);
    printFigure("close_s", monotonicSeconds() - asked);
    if (status == -1) {
        std::printf("exit did-not-end\n");
    } else if (WIFEXITED(status)) {
        std::printf("exit code-%d\n", WEXITSTATUS(status));
    } else {
        std::printf("exit signal-%d\n", WTERMSIG(status));
    }
}

bool launch(ScreenWatch& screen, PlayerLaunch& player, const std::vector<std::string>& command,
            const std::string& out, const std::string& err, PaintedWindow& painted) {
    if (!waitForEmptyScreen(screen)) {
        std::fprintf(stderr, "a player window from an earlier run is still on screen\n");
        return false;
    }
    if (!player.start(command, out, err)) {
        std::fprintf(stderr, "could not start %s\n", command.front().c_str());
        return false;
    }
    if (!waitForPaint(screen, player, painted)) {
        std::fprintf(stderr, "the player window never showed its background colour\n");
        return false;
    }
    return true;
}

// The marks a program started with VESK_START_PHASES writes to its standard error, "start-phase
// NAME SECONDS" on the monotonic clock, printed as "phase_NAME_ms" after the spawn.
void printPhases(const std::string& err, double startedAt) {
    std::istringstream lines(readWhole(err));
    std::string word, name;
    double at = 0;
    while (lines >> word) {
        if (word == "start-phase" && lines >> name >> at) {
            printFigure("phase_" + name + "_ms", (at - startedAt) * 1000);
        }
    }
}

int measureStart(ScreenWatch& screen, const std::vector<std::string>& command,
                 const std::string& out, const std::string& err) {
    PlayerLaunch player;
    PaintedWindow painted;
    if (!launch(screen, player, command, out, err, painted)) {
        return 1;
    }
    const ProcessStats stats(player.pid());
    // How much of the wait was the player's own work, rather than waiting for the disk, the X
    // server or a core: its threads' run time when the paint was seen.
    double cpuSeconds = 0;
    for (const ThreadSample& thread : stats.threads()) {
        cpuSeconds += std::max(thread.runSeconds, 0.0);
    }
    printFigure("mapped_ms", (painted.mappedAt - player.startedAt()) * 1000);
    printFigure("painted_ms", (painted.paintedAt - player.startedAt()) * 1000);
    printFigure("cpu_by_paint_ms", cpuSeconds * 1000);
    sleepSeconds(2.0);
    for (const char* key : {"VmRSS", "RssAnon", "RssFile", "RssShmem", "VmHWM"}) {
        printFigure(key + std::string("_kib"), static_cast<double>(stats.statusKib(key)));
    }
    printFigure("threads", static_cast<double>(stats.threads().size()));
    printPhases(err, player.startedAt());
    closePlayer(screen, player, painted.window, 20);
    return 0;
}

bool clickPlay(const PaintedWindow& painted) {
    // The default skin's play button covers x 15..35, y 0..20 of its window. The pointer then
    // leaves the window, as a user's would, so no hover picture or tooltip stays up.
    const std::string command = "xdotool mousemove --sync " + std::to_string(painted.rect.x + 25) +
                                " " + std::to_string(painted.rect.y + 10) +
                                " click 1 mousemove --sync 700 600";
    return std::system(command.c_str()) == 0;
}

bool waitForOutput(const std::string& out, const std::string& text, double timeout) {
    const double deadline = monotonicSeconds() + timeout;
    while (readWhole(out).find(text) == std::string::npos) {
        if (monotonicSeconds() > deadline) {
            return false;
        }
        sleepSeconds(0.01);
    }
    return true;
}

std::map<pid_t, ThreadSample> byTid(const std::vector<ThreadSample>& samples) {
    std::map<pid_t, ThreadSample> map;
    for (const ThreadSample& sample : samples) {
        map[sample.tid] = sample;
    }
    return map;
}

int measurePlay(ScreenWatch& screen, double seconds, const std::vector<std::string>& command,
                const std::string& out, const std::string& err) {
    PlayerLaunch player;
    PaintedWindow painted;
    if (!launch(screen, player, command, out, err, painted)) {
        return 1;
    }
    sleepSeconds(1.0);  // the file worker adds the song in the background
    const bool pressed = clickPlay(painted) && waitForOutput(out, "play pressed\n", 5);
    printFigure("play_pressed", pressed ? 1 : 0);
    sleepSeconds(1.0);  // past the decoder's start

    const ScreenRect slider{painted.rect.x + progressSlider.x, painted.rect.y + progressSlider.y,
                            progressSlider.width, progressSlider.height};
    const ProcessStats stats(player.pid());
    const std::vector<uint32_t> sliderBefore = screen.grab(slider);
    const std::map<pid_t, ThreadSample> before = byTid(stats.threads());
    const int64_t ticksBefore = stats.cpuTicks();
    const double from = monotonicSeconds();
    sleepSeconds(seconds);
    const int64_t ticksAfter = stats.cpuTicks();
    const double to = monotonicSeconds();
    const std::map<pid_t, ThreadSample> after = byTid(stats.threads());
    const std::vector<uint32_t> sliderAfter = screen.grab(slider);

    const double wall = to - from;
    printFigure("wall_s", wall);
    printFigure("cpu_ticks", static_cast<double>(ticksAfter - ticksBefore));
    printFigure("cpu_percent",
                (ticksAfter - ticksBefore) / ProcessStats::ticksPerSecond() / wall * 100);
    // The scheduler's exact run times, per thread, for the threads alive at both ends.
    double exactSeconds = 0;
    for (const auto& [tid, end] : after) {
        const auto start = before.find(tid);
        if (start == before.end() || end.runSeconds < 0) {
            continue;
        }
        const double used = end.runSeconds - start->second.runSeconds;
        exactSeconds += used;
        std::printf("thread %s/%d %.4f%%\n", end.name.c_str(), tid, used / wall * 100);
    }
    printFigure("cpu_percent_exact", exactSeconds / wall * 100);
    size_t changed = 0;
    for (size_t i = 0; i < std::min(sliderBefore.size(), sliderAfter.size()); ++i) {
        changed += sliderBefore[i] != sliderAfter[i] ? 1 : 0;
    }
    printFigure("progress_pixels_changed", static_cast<double>(changed));
    closePlayer(screen, player, painted.window, 20);
    return 0;
}

// CPU seconds of a whole process: the scheduler's exact run time summed over its threads.
double exactSeconds(const ProcessStats& stats) {
    double seconds = 0;
    for (const ThreadSample& thread : stats.threads()) {
        seconds += thread.runSeconds >= 0 ? thread.runSeconds
                                          : thread.cpuTicks / ProcessStats::ticksPerSecond();
    }
    return seconds;
}

// Prints the CPU share of the player and the server over the given seconds, as
// PHASE_player_percent, PHASE_server_percent and PHASE_server_percent_exact.
void measurePhase(const std::string& phase, double seconds, pid_t playerPid, pid_t serverPid) {
    const ProcessStats player(playerPid);
    const ProcessStats server(serverPid);
    const int64_t playerBefore = player.cpuTicks();
    const int64_t serverBefore = serverPid > 0 ? server.cpuTicks() : 0;
    const double serverExactBefore = serverPid > 0 ? exactSeconds(server) : 0;
    const double from = monotonicSeconds();
    sleepSeconds(seconds);
    const double wall = monotonicSeconds() - from;
    const double tick = ProcessStats::ticksPerSecond();
    printFigure(phase + "_player_percent", (player.cpuTicks() - playerBefore) / tick / wall * 100);
    if (serverPid > 0) {
        printFigure(phase + "_server_percent",
                    (server.cpuTicks() - serverBefore) / tick / wall * 100);
        printFigure(phase + "_server_percent_exact",
                    (exactSeconds(server) - serverExactBefore) / wall * 100);
    }
}

size_t countOf(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

int measureServer(ScreenWatch& screen, double seconds, pid_t serverPid,
                  const std::vector<std::string>& command, const std::string& out,
                  const std::string& err) {
    PlayerLaunch player;
    PaintedWindow painted;
    if (!launch(screen, player, command, out, err, painted)) {
        return 1;
    }
    sleepSeconds(1.0);  // the file worker adds the song in the background
    measurePhase("unplayed", seconds, player.pid(), serverPid);
    const bool played = clickPlay(painted) && waitForOutput(out, "play pressed\n", 5);
    printFigure("play_pressed", played ? 1 : 0);
    sleepSeconds(1.0);
    measurePhase("playing", seconds, player.pid(), serverPid);
    const bool pausedNow = clickPlay(painted);
    const double deadline = monotonicSeconds() + 5;
    while (countOf(readWhole(out), "play pressed\n") < 2 && monotonicSeconds() < deadline) {
        sleepSeconds(0.01);
    }
    printFigure("pause_pressed", pausedNow && countOf(readWhole(out), "play pressed\n") >= 2);
    sleepSeconds(2.0);  // past the output's grace before it lets the device go
    measurePhase("paused", seconds, player.pid(), serverPid);
    closePlayer(screen, player, painted.window, 20);
    return 0;
}

// The worker is busy while it runs or waits on the disk, or while the scheduler keeps adding
// run time to it; one running sample alone may be a wake-up to look at an empty queue.
bool workerBusy(const ThreadSample& previous, const ThreadSample& now) {
    const bool ran = now.runSeconds >= 0 ? now.runSeconds - previous.runSeconds > 100e-6
                                         : now.cpuTicks != previous.cpuTicks;
    const auto runnable = [](char state) { return state == 'R' || state == 'D'; };
    return ran || (runnable(previous.state) && runnable(now.state));
}

int measureFolder(ScreenWatch& screen, const std::vector<std::string>& command,
                  const std::string& out, const std::string& err) {
    constexpr double quietBeforeDone = 1.5;
    PlayerLaunch player;
    if (!waitForEmptyScreen(screen) || !player.start(command, out, err)) {
        std::fprintf(stderr, "could not start the player\n");
        return 1;
    }
    const ProcessStats stats(player.pid());
    ThreadSample worker, previous;
    double foundAt = 0, lastBusy = 0;
    const double deadline = player.startedAt() + 120;
    while (player.isRunning() && monotonicSeconds() < deadline) {
        const double now = monotonicSeconds();
        if (worker.tid == 0) {
            for (const ThreadSample& sample : stats.threads()) {
                if (sample.name == "openfiles") {
                    worker = previous = sample;
                    foundAt = lastBusy = now;
                }
            }
        } else if (stats.thread(worker.tid, worker)) {
            if (workerBusy(previous, worker)) {
                lastBusy = now;
            }
            previous = worker;
            if (now - lastBusy > quietBeforeDone) {
                break;
            }
        }
        sleepSeconds(pollPeriod);
    }
    if (worker.tid == 0) {
        std::fprintf(stderr, "no thread named openfiles appeared\n");
        return 1;
    }
    printFigure("worker_seen_s", foundAt - player.startedAt());
    printFigure("worker_done_s", lastBusy - player.startedAt());
    printFigure("worker_busy_span_s", lastBusy - foundAt);
    printFigure("worker_cpu_s", worker.runSeconds >= 0
                                    ? worker.runSeconds
                                    : worker.cpuTicks / ProcessStats::ticksPerSecond());
    PaintedWindow painted;
    if (!waitForPaint(screen, player, painted)) {
        std::fprintf(stderr, "the player window never showed its background colour\n");
        return 1;
    }
    closePlayer(screen, player, painted.window, 60);
    return 0;
}

int usage() {
    std::fprintf(stderr,
                 "usage: whole_program_probe start|folder OUT ERR -- PLAYER [ARGS...]\n"
                 "       whole_program_probe play OUT ERR SECONDS -- PLAYER FILE\n"
                 "       whole_program_probe server OUT ERR SECONDS SERVERPID -- PLAYER FILE\n"
                 "       whole_program_probe wavs FOLDER COUNT\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 3 && arguments[0] == "wavs") {
        return writeTinyWavFiles(arguments[1], std::atoi(arguments[2].c_str())) ? 0 : 1;
    }
    const auto separator = std::find(arguments.begin(), arguments.end(), "--");
    if (arguments.size() < 3 || separator == arguments.end() || separator + 1 == arguments.end()) {
        return usage();
    }
    const std::vector<std::string> command(separator + 1, arguments.end());
    const std::string& mode = arguments[0];
    const std::string& out = arguments[1];
    const std::string& err = arguments[2];
    ScreenWatch screen;
    if (!screen.isOpen()) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    if (mode == "start" && separator - arguments.begin() == 3) {
        return measureStart(screen, command, out, err);
    }
    if (mode == "play" && separator - arguments.begin() == 4) {
        return measurePlay(screen, std::atof(arguments[3].c_str()), command, out, err);
    }
    if (mode == "server" && separator - arguments.begin() == 5) {
        return measureServer(screen, std::atof(arguments[3].c_str()),
                             static_cast<pid_t>(std::atoi(arguments[4].c_str())), command, out,
                             err);
    }
    if (mode == "folder" && separator - arguments.begin() == 3) {
        return measureFolder(screen, command, out, err);
    }
    return usage();
}
