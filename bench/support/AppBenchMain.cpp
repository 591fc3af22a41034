// The main of the benchmarks that run the application state: the offscreen platform, a fresh
// data folder, then Google Benchmark; the application state ends before the folder goes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/Variables.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dataFolder;
    QApplication app(argc, argv);
    Variables::instance().dataFolder = dataFolder.path();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Variables::destroyInstance();
    return 0;
}
