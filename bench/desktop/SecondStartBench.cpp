// How long a second start of the player takes to hand its files to the running one: from the
// spawn to the second process's exit, while the first player runs under a private Xvfb.
// Goal: under 30 ms (the second start loads no window system and no skin). Run it from a
// release build: build/bench-release/bench/desktop/bench_second_start
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/WavFile.h"

#include <sys/resource.h>
#include <sys/wait.h>

namespace {

struct RunningPlayer {
    XServer x;
    PlayerProcess player{x.displayName()};
    std::vector<std::string> environment;
    std::string song;
};

RunningPlayer* running = nullptr;

void BM_SecondStartHandsOverOneFile(benchmark::State& state) {
    std::vector<char*> environment;
    for (std::string& entry : running->environment) {
        environment.push_back(entry.data());
    }
    environment.push_back(nullptr);
    std::string binary = VESK_PLAYER_BINARY;
    char* arguments[] = {binary.data(), running->song.data(), nullptr};
    double cpuSeconds = 0;
    for (auto _ : state) {
        pid_t child = -1;
        int status = -1;
        rusage usage{};
        if (posix_spawn(&child, arguments[0], nullptr, nullptr, arguments, environment.data()) !=
                0 ||
            wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            state.SkipWithError("the second start did not hand over");
            break;
        }
        cpuSeconds += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                      (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        // The running player writes a line per added file: its pipe is drained between starts
        // so it never blocks on a full one.
        state.PauseTiming();
        running->player.output();
        state.ResumeTiming();
    }
    // The second start's own processor time: near its wall time on an idle machine, apart from
    // the running player's answer.
    state.counters["second_start_cpu_ms"] =
        benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SecondStartHandsOverOneFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    RunningPlayer player;
    if (!player.x.isRunning()) {
        std::fputs("Xvfb did not start\n", stderr);
        return 1;
    }
    player.song = (player.player.home() + "/song.wav").toStdString();
    writeToneWav(QString::fromStdString(player.song), 0.5);
    player.player.start();
    if (!player.x.waitForWindow("Vesk Player")) {
        std::fputs("the first player showed no window\n", stderr);
        return 1;
    }
    player.environment = {"HOME=" + player.player.home().toStdString(),
                          "XDG_RUNTIME_DIR=" + player.player.runtimeFolder().toStdString(),
                          "DISPLAY=" + player.x.displayName().toStdString(), "QT_QPA_PLATFORM=xcb"};
    running = &player;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
