// Export and import time of the default skin (66 pictures, three windows) and of a package of
// 10,000 entries of 1,000 bytes, with the memory the import of that package takes at its peak
// over what the process held before (Linux: the peak is reset before each import). The folders
// are made under TMPDIR, so TMPDIR chooses the file system measured.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "common/DebugLog.h"
#include "common/Prompts.h"
#include "skins/Skin.h"
#include "skins/SkinPackage.h"

namespace {

// Answers like a user who imports any version and never applies.
class ImportingPrompts : public Prompts {
public:
    PromptAnswer ask(const PromptMessage& message) override {
        return message.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }
    QStringList chooseFiles(const FileDialogRequest&) override { return {}; }
    std::optional<QString> enterText(const TextEntryRequest&) override { return std::nullopt; }
};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A data folder whose current skin is "default" with the given content, and three windows.
struct DataFolder {
    QTemporaryDir dir;
    bool ready = false;

    explicit DataFolder(int extraEntries) {
        ImportingPrompts prompts;
        const QString data = dir.path();
        ready = QDir().mkpath(data + "/skins") &&
                (extraEntries > 0 ||
                 Skin::createSkin(data, "default", prompts) == Skin::CreateResult::Created) &&
                writeFile(data + "/sfo.0", "#VP-V1.0.0\r\n") &&
                writeFile(data + "/windows", "3\r\n");
        for (int i = 0; ready && i < 3; ++i) {
            QFile::copy(":/default_window.sfw", data + "/sfw." + QString::number(i));
        }
        const QByteArray contents(1000, 'p');
        for (int i = 0; ready && i < extraEntries; ++i) {
            const QString folder = data + "/skins/default/" + QString::number(i / 1000);
            ready = (i % 1000 != 0 || QDir().mkpath(folder)) &&
                    writeFile(folder + "/" + QString::number(i) + ".bmp", contents);
        }
    }
};

long procStatusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(std::string(key).size()));
        }
    }
    return -1;
}

void resetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void ExportSkin(benchmark::State& state) {
    DataFolder data(static_cast<int>(state.range(0)));
    if (!data.ready) {
        state.SkipWithError("could not make the skin");
        return;
    }
    ImportingPrompts prompts;
    const QString package = data.dir.filePath("out.vps");
    for (auto _ : state) {
        if (!SkinPackage::exportSkin(package, data.dir.path(), "skins\\default", prompts).written) {
            state.SkipWithError("export failed");
        }
    }
    state.counters["package_kb"] = static_cast<double>(QFileInfo(package).size()) / 1024;
}

void ImportSkin(benchmark::State& state) {
    DataFolder source(static_cast<int>(state.range(0)));
    ImportingPrompts prompts;
    const QString package = source.dir.filePath("in.vps");
    if (!source.ready ||
        !SkinPackage::exportSkin(package, source.dir.path(), "skins\\default", prompts).written) {
        state.SkipWithError("could not make the package");
        return;
    }
    QTemporaryDir target;
    QDir().mkpath(target.filePath("skins"));
    long peakGrowthKb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        resetPeakMemory();
        const long before = procStatusKb("VmRSS:");
        state.ResumeTiming();
        const auto result = SkinPackage::importSkin(package, target.path(), prompts);
        state.PauseTiming();
        peakGrowthKb = std::max(peakGrowthKb, procStatusKb("VmHWM:") - before);
        if (!result.imported || !result.problems.isEmpty()) {
            state.SkipWithError("import failed");
        }
        state.ResumeTiming();
    }
    state.counters["package_kb"] = static_cast<double>(QFileInfo(package).size()) / 1024;
    state.counters["peak_growth_kb"] = static_cast<double>(peakGrowthKb);
}

}  // namespace

// 0: the default skin; 10000: 10,000 entries of 1,000 bytes (plus the five stored files).
BENCHMARK(ExportSkin)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(ImportSkin)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    DebugLog::setSink([](std::string_view) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
