#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>

#include "AppFixture.h"
#include "app/Dispatcher.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/Sound.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"
#include "support/Files.h"
#include "support/FullDisk.h"
#include "support/WavFile.h"

class Startup : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        // A fresh account: no documents folder, let alone the data folder.
        app().dataFolder = folder();
    }
    QString folder() const { return data.path() + "/Documents/VeskPlayer"; }
};

TEST_F(Startup, SaveAllWritesEveryFileAndThePlaylistOnlyWhenAsked) {
    app().init({});
    app().saveAll();
    for (const char* name : {"windows", "sfw.0", "sfo.0", "sfo.1", "sfo.2", "playlist.vpl"}) {
        EXPECT_TRUE(QFile::exists(folder() + "/" + name)) << name;
    }
    QFile::remove(folder() + "/playlist.vpl");
    app().options.openLastPlaylist = false;
    app().saveAll();
    EXPECT_FALSE(QFile::exists(folder() + "/playlist.vpl"));
    EXPECT_TRUE(prompts.shown.empty());
}

// Files on the command line start a playlist of their own; a bare start reopens the last one.
TEST_F(Startup, CommandLineFilesMakeThePlaylistThatABareStartReopens) {
    QDir().mkpath(folder());
    const QString a = data.path() + "/a.wav", b = data.path() + "/b.wav";
    ASSERT_TRUE(writeToneWav(a, 0.1));
    ASSERT_TRUE(writeToneWav(b, 0.1));
    app().init({a, b});
    OpenFiles::instance().waitUntilIdle();
    app().saveAll();

    restartApp();
    app().dataFolder = folder();
    app().init({});
    OpenFiles::instance().waitUntilIdle();
    ASSERT_EQ(PlayList::instance().songCount(), 2u);
    EXPECT_EQ(PlayList::instance().songAt(0).path, a);
    EXPECT_EQ(PlayList::instance().songAt(1).path, b);
}

TEST_F(Startup, DeletingWindowZeroOfThreeShiftsTheOthersDown) {
    QDir().mkpath(folder());
    app().init({});
    app().addWindow();
    app().addWindow();
    MainWindow* second = app().skinWindows().windowList()[1];
    MainWindow* third = app().skinWindows().windowList()[2];
    app().skinWindows().elementsOf(2).front()->setPosition(100, 35);
    app().skinWindows().removeWindow(app().skinWindows().windowList()[0]);
    ASSERT_EQ(app().skinWindows().windowList().size(), 2u);
    ASSERT_EQ(app().skinWindows().count(), 2u);
    EXPECT_EQ(app().skinWindows().windowList()[0], second);
    EXPECT_EQ(app().skinWindows().windowList()[1], third);
    EXPECT_EQ(app().skinWindows().elementsOf(1).front()->pos(), QPoint(100, 35));
    app().saveAll();
    EXPECT_EQ(readFile(folder() + "/windows"), QByteArray("2\r\n"));
    EXPECT_TRUE(readFile(folder() + "/sfw.1").contains("-pos\r\n100\r\n35\r\n"));
}

TEST_F(Startup, ReloadingTheWindowsKeepsWhatIsPlayingEvenWithAnOlderStateFile) {
    app().init({});
    app().saveAll();  // "sfo.1" now holds volume 50, not muted
    Sound& sound = Sound::instance();
    sound.setVolume(70);
    app().skinWindows().setVolumeSliders(70);
    app().dispatcher().run(ButtonCommand::mute, nullptr, Dispatcher::Echo::debugLine);
    MainWindow* old = app().skinWindows().windowList()[0];

    app().reloadWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(app().skinWindows().windowList().size(), 1u);
    EXPECT_NE(app().skinWindows().windowList()[0], old);
    EXPECT_EQ(app().skinWindows().elementsOf(0).size(), 17u);
    EXPECT_TRUE(sound.isMuted()) << "muted before, muted after";
    EXPECT_FLOAT_EQ(sound.masterVolume(), 0.0f) << "and silent";
    EXPECT_EQ(pictures(5), QStringList({"108_mute_1.bmp"}));
    for (SliderFunction* slider : sliders(1)) {
        EXPECT_EQ(slider->getValue(), 70) << "the new volume sliders show the volume";
    }
    sound.toggleMute();
    EXPECT_FLOAT_EQ(sound.masterVolume(), 0.7f) << "unmuting brings the user's level back";
}

TEST_F(Startup, ChangingAnElementTypeKeepsItsPlaceAndLock) {
    app().init({});
    Element* old = app().skinWindows().elementsOf(0)[2];
    const QPoint place = old->pos();
    app().skinWindows().changeElementType(old, ElementType::listBox);
    Element* replacement = app().skinWindows().elementsOf(0)[2];
    EXPECT_NE(replacement, old);
    EXPECT_EQ(replacement->getType(), ElementType::listBox);
    EXPECT_EQ(replacement->pos(), place);
    EXPECT_EQ(replacement->size(), QSize(80, 80));
    EXPECT_EQ(replacement->isMoveable(), old->isMoveable());

    Sound::instance().setVolume(70);
    app().skinWindows().changeElementType(replacement, ElementType::slider);
    auto* slider = dynamic_cast<SliderFunction*>(app().skinWindows().elementsOf(0)[2]);
    ASSERT_NE(slider, nullptr);
    EXPECT_NEAR(slider->getValue(), 70, 2) << "a new volume slider shows the volume";
}

TEST_F(Startup, AFullDiskKeepsEveryOldFileAndTellsOnceWhatWasNotSaved) {
    app().init({});
    PlayList::instance().addSong({"/music/one.mp3", "N/A", "one"});
    app().saveAll();
    const QStringList names = {"windows", "sfw.0", "sfo.0", "sfo.1", "sfo.2", "playlist.vpl"};
    std::map<QString, QByteArray> saved;
    for (const QString& name : names) {
        saved[name] = readFile(folder() + "/" + name);
        ASSERT_FALSE(saved[name].isEmpty()) << name.toStdString();
    }

    FullDisk disk(folder(), 256);
    if (!disk.mounted()) {
        // Skipped only when asked: a machine that cannot test a full disk must not report green.
        if (qEnvironmentVariableIsSet("VESK_SKIP_FULL_DISK_TESTS")) {
            GTEST_SKIP() << "no private tmpfs to fill: " << disk.whyUnavailable().toStdString();
        }
        FAIL() << "no private tmpfs to fill (set VESK_SKIP_FULL_DISK_TESTS to skip): "
               << disk.whyUnavailable().toStdString();
    }
    for (const auto& [name, contents] : saved) {
        QFile file(folder() + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    }
    ASSERT_TRUE(disk.fill());
    app().colours.backColour = 0x123456;
    app().options.useTags = !app().options.useTags;
    PlayList::instance().addSong({"/music/two.mp3", "N/A", "two"});
    PlayList::instance().setCurrentIndex(1);
    MainWindow* first = app().skinWindows().window(0);
    first->move(first->pos() + QPoint(7, 7));
    prompts.shown.clear();

    app().saveAll();

    for (const QString& name : names) {
        EXPECT_EQ(readFile(folder() + "/" + name), saved[name]) << name.toStdString();
    }
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption,
              "ERROR - Failed to save (windows, sfw, sfo.0, sfo.1, sfo.2, playlist.vpl)");
    for (const QString& name : names) {
        EXPECT_TRUE(prompts.shown[0].text.contains(folder() + "/" + name)) << name.toStdString();
    }
}
