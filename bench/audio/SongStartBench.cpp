// How long the window thread is held up while a 60 MB MP3 without a length header starts
// playing: the decoder has to read the whole file to count its frames. Every event the window
// thread handles is timed, from the one that runs the play command until the song sounds; the
// longest is the longest time the window could not answer. Beside it, the longest gap between
// the ticks of a 1 ms timer, which also counts the time the machine gave to other work.
// Prints figures; asserts nothing. Plays through SDL's dummy driver, so the device's opening
// on the first play is counted too.
//
//   build/bench-release/bench/audio/song_start_bench [megabytes]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "audio/DecoderFactory.h"
#include "audio/GeneratedSounds.h"
#include "audio/NowPlayingDisplay.h"
#include "audio/SdlOutput.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"

namespace {

// Times every event it delivers.
class TimedApplication : public QCoreApplication {
public:
    using QCoreApplication::QCoreApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        QElapsedTimer timer;
        timer.start();
        const bool handled = QCoreApplication::notify(receiver, event);
        if (measuring) {
            longestEventMs = std::max(longestEventMs, timer.nsecsElapsed() / 1e6);
        }
        return handled;
    }
    bool measuring = false;
    double longestEventMs = 0;
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class StartWatch : public NowPlayingDisplay {
public:
    void setNowPlaying(const QString&) override { started = true; }
    bool started = false;
};

// A long MP3 made of one short encoding's frames over and over, without the info frame that
// would give its length.
bool writeLongMp3(const QString& path, const QString& scratch, qint64 megabytes) {
    if (!GeneratedSounds::writeTone(scratch, GeneratedSounds::Format::Mp3, 44100, 2, 20.0)) {
        return false;
    }
    QFile encoded(scratch);
    if (!encoded.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray frames = GeneratedSounds::withoutInfoFrame(encoded.readAll());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        return false;
    }
    while (out.size() < megabytes * 1024 * 1024) {
        if (out.write(frames) != frames.size()) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    TimedApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? std::atoll(argv[1]) : 60;
    QTemporaryDir dir;
    const QString path = dir.filePath("long.mp3");
    if (!writeLongMp3(path, dir.filePath("short.mp3"), megabytes)) {
        std::fprintf(stderr, "could not write the MP3\n");
        return 1;
    }

    // What the window thread used to wait for: opening the file where the command runs.
    QElapsedTimer clock;
    clock.start();
    const auto decoder = DecoderFactory::open(path);
    const double openMs = clock.nsecsElapsed() / 1e6;
    if (!decoder) {
        std::fprintf(stderr, "the MP3 does not open\n");
        return 1;
    }

    PlayList playList;
    playList.addSong({path, "Artist", "Long"});
    Sound sound(playList, std::make_unique<SdlOutput>());
    StartWatch watch;
    sound.addInfo(&watch);

    double longestGapMs = 0;
    double lastTickMs = 0;
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const double now = clock.nsecsElapsed() / 1e6;
        longestGapMs = std::max(longestGapMs, now - lastTickMs);
        lastTickMs = now;
    });
    double commandMs = 0;
    double commandCpuMs = 0;
    double soundingMs = 0;
    QTimer::singleShot(0, [&] {
        clock.restart();
        lastTickMs = 0;
        heartbeat.start(1);
        app.measuring = true;
        const double cpuBefore = threadCpuMs();
        sound.playPause();
        commandMs = clock.nsecsElapsed() / 1e6;
        commandCpuMs = threadCpuMs() - cpuBefore;
    });
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (watch.started && soundingMs == 0) {
            soundingMs = clock.nsecsElapsed() / 1e6;
            app.measuring = false;
            QTimer::singleShot(200, &app, &QCoreApplication::quit);  // a little of the playing
        }
    });
    watcher.start(1);
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    app.exec();

    std::printf("MP3 without a length header: %lld MB, %.1f s of sound\n", megabytes,
                static_cast<double>(decoder->lengthFrames()) / decoder->sampleRate());
    std::printf("opening and scanning it (what the window thread waited for before): %.1f ms\n",
                openMs);
    // Wall time well above the thread's own CPU time is time the machine gave to other work.
    std::printf("the play command returned after: %.2f ms (%.2f ms of the window thread's CPU)\n",
                commandMs, commandCpuMs);
    std::printf("the song sounded after: %.1f ms%s\n", soundingMs,
                soundingMs == 0 ? " (NEVER)" : "");
    std::printf("longest the window thread was held up: %.2f ms (goal < 5 ms)\n",
                app.longestEventMs);
    std::printf("longest gap between the ticks of a 1 ms timer: %.2f ms\n", longestGapMs);
    return soundingMs > 0 ? 0 : 1;
}
