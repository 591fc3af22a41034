// The player loads the sound module (decoders, SDL, TagLib) only when it first reads a tag or
// plays, and without the module it runs on with every song unplayable.
#include <gtest/gtest.h>

#include <QFile>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Waiting.h"
#include "support/WavFile.h"

namespace {

// The module and the libraries only it links, by the start of their file names.
std::string soundLibrariesMapped(qint64 processId) {
    QFile maps(QString("/proc/%1/maps").arg(processId));
    if (!maps.open(QIODevice::ReadOnly)) {
        return "(no maps)";
    }
    QStringList mapped;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString name = QString::fromUtf8(line.mid(line.lastIndexOf('/') + 1));
        for (const char* library : {"veskplayer-sound", "libSDL2", "libtag.", "libmpg123",
                                    "libsndfile", "libopenmpt", "libvorbisfile", "libpulse"}) {
            if (name.startsWith(library) && !mapped.contains(name)) {
                mapped << name;
            }
        }
    }
    return mapped.join(' ').toStdString();
}

}  // namespace

TEST(SoundModule, LoadedOnlyOnceATagIsRead) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess idle(x.displayName());
    idle.start();
    const Window idleWindow = x.waitForWindow("Vesk Player");
    ASSERT_NE(idleWindow, 0u) << idle.output().toStdString();
    EXPECT_EQ(soundLibrariesMapped(idle.processId()), "");

    PlayerProcess tagged(x.displayName());
    const QString song = tagged.home() + "/song.wav";
    ASSERT_TRUE(writeToneWav(song, 1.0));
    tagged.start({song});
    ASSERT_NE(x.waitForWindow("Vesk Player", idleWindow), 0u);
    // The tags are read after the song is listed.
    const auto loaded = [&tagged] {
        const std::string mapped = soundLibrariesMapped(tagged.processId());
        return mapped.find("veskplayer-sound.so") != std::string::npos &&
               mapped.find("libSDL2") != std::string::npos &&
               mapped.find("libtag.") != std::string::npos &&
               mapped.find("libmpg123") != std::string::npos;
    };
    EXPECT_TRUE(waitFor(loaded, 20000)) << soundLibrariesMapped(tagged.processId());
    EXPECT_EQ(soundLibrariesMapped(idle.processId()), "") << "still idle";
}

TEST(SoundModule, WithoutTheModuleEverySongIsPassedOver) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    // The programs alone, with no module beside them nor where an installed one would be.
    for (const char* program : {"/veskplayer", "/veskplayer-ui"}) {
        ASSERT_TRUE(QFile::copy(VESK_BINARY_DIR + QString(program), player.home() + program));
    }
    player.setProgram(player.home() + "/veskplayer");
    const QString song = player.home() + "/song.wav";
    ASSERT_TRUE(writeToneWav(song, 1.0));
    player.start({song});
    ASSERT_NE(x.waitForWindow("Vesk Player"), 0u) << player.output().toStdString();
    ASSERT_TRUE(x.waitForPlaylistLines(1));
    ASSERT_TRUE(x.click({25, 10})) << "the play button";
    ASSERT_TRUE(player.waitForOutput("ERROR: Failed to play (" + song + ")\n"))
        << player.output().toStdString();
    EXPECT_EQ(player.output().count("ERROR: Failed to load the sound module ("), 1);

    x.sendDeleteWindow(x.windowsTitled("Vesk Player").front());
    ASSERT_TRUE(player.waitForExit(20000));
    EXPECT_FALSE(player.crashed());
    EXPECT_EQ(player.exitCode(), 0);
}
