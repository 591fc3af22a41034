#include <QToolTip>
#include <map>

#include "AppFixture.h"
#include "common/SettingsFiles.h"
#include "skin_ui/GestureHelp.h"
#include "support/FullDisk.h"
#include "support/Waiting.h"

class Startup : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        // A fresh account: no documents folder, let alone the data folder.
        app().dataFolder = folder();
        QToolTip::hideText();
    }
    QString folder() const { return data.path() + "/Documents/VeskPlayer"; }
    // The tip may still be fading in: its text is there at once.
    static bool hinted() { return QToolTip::text() == GestureHelp::firstStartHint(); }
};

TEST_F(Startup, AFirstStartStoresTheDefaultSkinAndHintsAtTheGestures) {
    app().init({});
    QCoreApplication::processEvents();
    const QString stored = folder() + "/skins/default/sys/";
    EXPECT_EQ(readFile(stored + "sfo.0"), SettingsFiles::serializeColours({}));
    EXPECT_EQ(readFile(stored + "sfw.0"), readFile(folder() + "/sfw.0"));
    EXPECT_TRUE(QFile::exists(stored + "windows"));
    EXPECT_TRUE(waitFor([] {
        QCoreApplication::processEvents();
        return hinted();
    })) << "once the window's first frame is painted";
    app().options.openLastPlaylist = false;
    app().saveAll();
    EXPECT_FALSE(QFile::exists(folder() + "/playlist.vpl"));
    EXPECT_TRUE(prompts.shown.empty());
}

// With the data folder there, no first start. An element's new type keeps its place; a new
// volume slider shows the volume.
TEST_F(Startup, AChangedElementKeepsItsPlace) {
    QDir().mkpath(folder());
    app().init({});
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(folder() + "/skins/default/sys/windows") || hinted());
    Element* old = layout().elementsOf(0)[2];
    const QPoint place = old->pos();
    layout().changeElementType(old, ElementType::listBox);
    Element* replacement = layout().elementsOf(0)[2];
    EXPECT_NE(replacement, old);
    EXPECT_EQ(replacement->getType(), ElementType::listBox);
    EXPECT_EQ(QRect(replacement->pos(), replacement->size()), QRect(place, QSize(80, 80)));
    EXPECT_EQ(replacement->isMoveable(), old->isMoveable());
    Sound::instance().setVolume(70);
    layout().changeElementType(replacement, ElementType::slider);
    auto* slider = dynamic_cast<SliderFunction*>(layout().elementsOf(0)[2]);
    ASSERT_NE(slider, nullptr);
    EXPECT_NEAR(slider->getValue(), 70, 2) << "a new volume slider shows the volume";
}

TEST_F(Startup, ReloadingTheWindowsKeepsWhatIsPlayingEvenWithAnOlderStateFile) {
    app().init({});
    app().saveAll();  // "sfo.1" now holds volume 50, not muted
    Sound& sound = Sound::instance();
    sound.setVolume(70);
    layout().setVolumeSliders(70);
    app().dispatcher().run(ButtonCommand::mute, nullptr, Dispatcher::Echo::debugLine);
    MainWindow* old = layout().windowList()[0];
    app().reloadWindows();
    settle();
    ASSERT_EQ(layout().windowList().size(), 1u);
    EXPECT_NE(layout().windowList()[0], old);
    EXPECT_EQ(layout().elementsOf(0).size(), 17u);
    EXPECT_TRUE(sound.isMuted()) << "muted before, muted after";
    EXPECT_FLOAT_EQ(sound.masterVolume(), 0.0f) << "and silent";
    EXPECT_EQ(pictures(ButtonCommand::mute), QStringList({"108_mute_1.bmp"}));
    EXPECT_EQ(sliders(SliderFunction::volumeFunction).front()->getValue(), 70);
    sound.toggleMute();
    EXPECT_FLOAT_EQ(sound.masterVolume(), 0.7f) << "unmuting brings the user's level back";
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
        ASSERT_TRUE(writeFile(folder() + "/" + name, contents));
    }
    ASSERT_TRUE(disk.fill());
    app().colours.backColour = 0x123456;
    app().options.useTags = !app().options.useTags;
    PlayList::instance().addSong({"/music/two.mp3", "N/A", "two"});
    PlayList::instance().setCurrentIndex(1);
    layout().window(0)->move(layout().window(0)->pos() + QPoint(7, 7));
    prompts.shown.clear();
    app().saveAll();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption,
              "ERROR - Failed to save (windows, sfw, sfo.0, sfo.1, sfo.2, playlist.vpl)");
    for (const QString& name : names) {
        EXPECT_EQ(readFile(folder() + "/" + name), saved[name]) << name.toStdString();
        EXPECT_TRUE(prompts.shown[0].text.contains(folder() + "/" + name)) << name.toStdString();
    }
}
