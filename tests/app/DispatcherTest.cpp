#include <QFile>

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
#include "support/WavFile.h"

namespace {

enum {
    closeButton = -1,
    playButton = 1,
    nextButton = 4,
    muteButton = 5,
    expandButton = 6,
    shuffleButton = 7,
    repeatButton = 8,
    saveButton = 12,
    volumeSlider = 1
};

}  // namespace

class Dispatch : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().loadWindows();
    }

    void addSongs(int count) {
        for (int i = 0; i < count; ++i) {
            const QString path = dataPath(QString("song%1.wav").arg(i));
            ASSERT_TRUE(writeToneWav(path, 1.0));
            PlayList::instance().addSong({path, "artist", QString("title %1").arg(i)});
        }
    }

    ButtonFunction* first(int function) { return allButtons(function).front(); }
};

TEST_F(Dispatch, PlayWithAnEmptyPlaylistKeepsThePlayPicture) {
    click(first(playButton));
    EXPECT_EQ(pictures(playButton), QStringList({"102_play.bmp"}));
    EXPECT_FALSE(Sound::instance().isPlaying());
    EXPECT_NE(debug.lines().find("play pressed\n"), std::string::npos);
}

TEST_F(Dispatch, PlayPausesAndResumesWithMatchingPictures) {
    addSongs(1);
    click(first(playButton));
    EXPECT_EQ(pictures(playButton), QStringList({"103_pause.bmp"}));
    click(first(playButton));
    EXPECT_EQ(pictures(playButton), QStringList({"102_play.bmp"}));
    EXPECT_TRUE(Sound::instance().isPaused());
    click(first(playButton));
    EXPECT_EQ(pictures(playButton), QStringList({"103_pause.bmp"}));
    EXPECT_FALSE(Sound::instance().isPaused());
}

TEST_F(Dispatch, AQuietRunDoesWhatTheButtonDoesWithoutTheDebugLine) {
    // The tray and the media keys run the buttons' commands without their debug lines.
    addSongs(2);
    Dispatcher& door = app().dispatcher();
    door.run(ButtonCommand::playPause, nullptr, Dispatcher::Echo::quiet);
    EXPECT_TRUE(Sound::instance().isPlaying());
    EXPECT_EQ(pictures(playButton), QStringList({"103_pause.bmp"}));
    door.run(ButtonCommand::next, nullptr, Dispatcher::Echo::quiet);
    door.run(ButtonCommand::mute, nullptr, Dispatcher::Echo::quiet);
    EXPECT_EQ(pictures(muteButton), QStringList({"108_mute_1.bmp"}));
    door.run(ButtonCommand::shuffle, nullptr, Dispatcher::Echo::quiet);
    EXPECT_TRUE(PlayList::instance().shuffle());
    door.run(ButtonCommand::stop, nullptr, Dispatcher::Echo::quiet);
    EXPECT_FALSE(Sound::instance().isPlaying());
    EXPECT_EQ(pictures(playButton), QStringList({"102_play.bmp"}));
    EXPECT_EQ(debug.lines(), "") << "no command wrote its line";

    click(first(playButton));
    EXPECT_EQ(debug.lines(), "play pressed\n");
}

// Without repeat the list runs out: stopped, and the play buttons show play again.
TEST_F(Dispatch, NextAtTheLastSongStopsThePlayer) {
    addSongs(2);
    PlayList::instance().setCurrentIndex(1);
    click(first(playButton));
    click(first(nextButton));
    EXPECT_EQ(Sound::instance().state(), PlayState::Stopped);
    EXPECT_EQ(pictures(playButton), QStringList(pictures(playButton).size(), "102_play.bmp"));
    EXPECT_NE(debug.lines().find("next pressed\n"), std::string::npos);
}

// A toggle pressed in one window switches its state and the picture of that button in every
// window (expand: only in its own); pressed again, it switches back.
TEST_F(Dispatch, TogglesSwitchTheirStateAndThePicturesOfTheirButtons) {
    app().addWindow();
    MainWindow* second = app().skinWindows().windowList()[1];
    const struct {
        int function;
        size_t window;
        QStringList pictures;
        std::function<bool()> switched;
    } cases[] = {
        {muteButton,
         1,
         {"108_mute_1.bmp", "108_mute_1.bmp"},
         [] { return Sound::instance().isMuted(); }},
        {shuffleButton,
         0,
         {"112_shuffle_1.bmp", "112_shuffle_1.bmp"},
         [] { return PlayList::instance().shuffle(); }},
        {repeatButton,
         1,
         {"114_repeat_1.bmp", "114_repeat_1.bmp"},
         [] { return PlayList::instance().repeat(); }},
        {expandButton,
         1,
         {"110_expand_1.bmp", "109_expand_0.bmp"},
         [&] { return !second->isExpanded(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.function);
        const QStringList before = pictures(c.function);
        ASSERT_FALSE(c.switched());
        click(buttons(c.window, c.function).front());
        EXPECT_TRUE(c.switched());
        EXPECT_EQ(pictures(c.function), c.pictures);
        click(buttons(c.window, c.function).front());
        EXPECT_FALSE(c.switched());
        EXPECT_EQ(pictures(c.function), before);
    }
    EXPECT_TRUE(app().skinWindows().windowList()[0]->isExpanded());
}

TEST_F(Dispatch, MovingAVolumeSliderUnmutesAndMovesTheOthers) {
    app().addWindow();
    click(first(muteButton));
    ASSERT_TRUE(Sound::instance().isMuted());
    SliderFunction* moved = sliders(volumeSlider).front();
    moved->setValue(30);
    app().callback(moved);
    EXPECT_FALSE(Sound::instance().isMuted());
    EXPECT_EQ(pictures(muteButton), QStringList({"107_mute_0.bmp", "107_mute_0.bmp"}));
    for (SliderFunction* slider : sliders(volumeSlider)) {
        EXPECT_EQ(slider->getValue(), 30);
    }
    EXPECT_FLOAT_EQ(Sound::instance().masterVolume(), 0.3f);
}

TEST_F(Dispatch, RepeatOneAndUnknownFunctionsDoNothing) {
    ButtonFunction* button = first(playButton);
    for (int function : {9, 42}) {
        button->setFunction(function);
        const std::string before = debug.lines();
        click(button);
        EXPECT_EQ(debug.lines(), before) << function;
    }
    EXPECT_FALSE(Sound::instance().isPlaying());
}

TEST_F(Dispatch, CancellingTheSaveDialogWritesNothing) {
    addSongs(1);
    click(first(saveButton));
    EXPECT_TRUE(prompts.shown.empty());
    ASSERT_EQ(prompts.dialogFilters.size(), 1);
    EXPECT_EQ(prompts.dialogFilters[0], "VeskPlayer Playlist (*.vpl);;All Files (*.*)");
    EXPECT_EQ(prompts.dialogs[0].mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(prompts.dialogs[0].defaultSuffix, "vpl");
    EXPECT_EQ(prompts.dialogs[0].initialFolder, QDir::homePath()) << "no music folder yet";
    EXPECT_EQ(prompts.dialogs[0].owner, static_cast<QWidget*>(first(saveButton)->getOwner()));

    prompts.saveAnswers.push_back(dataPath("mine.vpl"));
    click(first(saveButton));
    EXPECT_TRUE(QFile::exists(dataPath("mine.vpl")));

    prompts.saveAnswers.push_back(dataPath("no/such/folder/mine.vpl"));
    click(first(saveButton));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Failed to save the playlist.\n");
}

TEST_F(Dispatch, OpenHandsTheChosenFilesToTheWorkerInOrder) {
    const QString a = dataPath("a.wav"), b = dataPath("b.wav");
    ASSERT_TRUE(writeToneWav(a, 0.1));
    ASSERT_TRUE(writeToneWav(b, 0.1));
    prompts.openAnswers.push_back({a, b});
    click(allButtons(11).front());
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogs[0].mode, FileDialogRequest::Mode::OpenFiles);
    EXPECT_EQ(prompts.dialogs[0].owner, static_cast<QWidget*>(allButtons(11).front()->getOwner()));
    EXPECT_TRUE(prompts.dialogFilters[0].startsWith(
        "All supported files (*.mp3;*.wav;*.ogg;*.flac;*.mod;*.it;*.s3d;*.xm;*.vpl;*.vps);;"));
    EXPECT_TRUE(prompts.dialogFilters[0].endsWith(
        ";;VeskPlayerSkin (*.vps);;Opus Audio File (*.opus);;All Files (*.*)"));
    OpenFiles::instance().waitUntilIdle();
    ASSERT_EQ(PlayList::instance().songCount(), 2u);
    EXPECT_EQ(PlayList::instance().songAt(0).path, a);
    EXPECT_EQ(PlayList::instance().songAt(1).path, b);
}
