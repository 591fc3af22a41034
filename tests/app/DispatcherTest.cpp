#include "AppFixture.h"

using C = ButtonCommand;

class Dispatch : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().loadWindows();
    }
    void press(C command) { click(allButtons(command).front()); }
    const FileDialogRequest& lastDialog() { return prompts.dialogs.back(); }
};

// Play does nothing on an empty list; next at the last song (no repeat) stops. Repeat-one and
// unknown functions do nothing, not even a debug line.
TEST_F(Dispatch, PlayPausesResumesAndNextAtTheEndStops) {
    press(C::playPause);
    EXPECT_FALSE(Sound::instance().isPlaying());
    EXPECT_EQ(debug.lines(), "play pressed\n");
    addSongs(2);
    PlayList::instance().setCurrentIndex(1);
    for (const char* shown : {"103_pause.bmp", "102_play.bmp", "103_pause.bmp"}) {
        press(C::playPause);
        EXPECT_EQ(pictures(C::playPause), QStringList({shown}));
        EXPECT_EQ(Sound::instance().isPaused(), shown == std::string("102_play.bmp"));
    }
    press(C::next);
    EXPECT_EQ(Sound::instance().state(), PlayState::Stopped);
    EXPECT_EQ(pictures(C::playPause), QStringList({"102_play.bmp"}));
    EXPECT_TRUE(debug.lines().ends_with("next pressed\n"));
    ButtonFunction* button = allButtons(C::playPause).front();
    for (int function : {idOf(C::repeatOne), 42}) {
        button->setFunction(function);
        const std::string before = debug.lines();
        click(button);
        EXPECT_EQ(debug.lines(), before) << function;
    }
    EXPECT_FALSE(Sound::instance().isPlaying());
}

// A toggle pressed in one window switches its state and the picture of that button in every
// window (expand: only in its own); pressed again, it switches back.
TEST_F(Dispatch, TogglesSwitchTheirStateAndThePicturesOfTheirButtons) {
    app().addWindow();
    MainWindow* second = layout().windowList()[1];
    const struct {
        C command;
        size_t window;
        const char* picture;
        std::function<bool()> switched;
    } cases[] = {
        {C::mute, 1, "108_mute_1.bmp", [] { return Sound::instance().isMuted(); }},
        {C::shuffle, 0, "112_shuffle_1.bmp", [] { return PlayList::instance().shuffle(); }},
        {C::repeat, 1, "114_repeat_1.bmp", [] { return PlayList::instance().repeat(); }},
        {C::expand, 1, "109_expand_0.bmp", [&] { return !second->isExpanded(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(idOf(c.command));
        const QStringList before = pictures(c.command);
        QStringList switched(2, c.picture);
        if (c.command == C::expand) {
            switched[0] = before[0];
        }
        ASSERT_FALSE(c.switched());
        click(buttons(c.window, c.command).front());
        EXPECT_TRUE(c.switched());
        EXPECT_EQ(pictures(c.command), switched);
        click(buttons(c.window, c.command).front());
        EXPECT_FALSE(c.switched());
        EXPECT_EQ(pictures(c.command), before);
    }
    EXPECT_TRUE(layout().windowList()[0]->isExpanded());
}

TEST_F(Dispatch, MovingAVolumeSliderUnmutesAndMovesTheOthers) {
    app().addWindow();
    press(C::mute);
    SliderFunction* moved = sliders(SliderFunction::volumeFunction).front();
    moved->setValue(30);
    app().callback(moved);
    EXPECT_FALSE(Sound::instance().isMuted());
    EXPECT_EQ(pictures(C::mute), QStringList({"107_mute_0.bmp", "107_mute_0.bmp"}));
    for (SliderFunction* slider : sliders(SliderFunction::volumeFunction)) {
        EXPECT_EQ(slider->getValue(), 30);
    }
    EXPECT_FLOAT_EQ(Sound::instance().masterVolume(), 0.3f);
}

TEST_F(Dispatch, SaveAndOpenGoThroughTheDialogsOfTheWindow) {
    addSongs(1);
    QWidget* owner = allButtons(C::save).front()->getOwner();
    press(C::save);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(lastDialog().mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(lastDialog().defaultSuffix, "vpl");
    EXPECT_EQ(lastDialog().initialFolder, QDir::homePath()) << "no music folder yet";
    EXPECT_EQ(lastDialog().owner, owner);
    prompts.saveAnswers.push_back(dataPath("mine.vpl"));
    press(C::save);
    EXPECT_TRUE(QFile::exists(dataPath("mine.vpl")));
    prompts.saveAnswers.push_back(dataPath("no/such/folder/mine.vpl"));
    press(C::save);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Failed to save the playlist.\n");
    const QString a = dataPath("a.wav"), b = dataPath("b.wav");
    ASSERT_TRUE(writeToneWav(a, 0.1) && writeToneWav(b, 0.1));
    prompts.openAnswers.push_back({a, b});
    press(C::open);
    EXPECT_EQ(lastDialog().mode, FileDialogRequest::Mode::OpenFiles);
    EXPECT_EQ(lastDialog().owner, owner);
    OpenFiles::instance().waitUntilIdle();
    ASSERT_EQ(PlayList::instance().songCount(), 3u);
    EXPECT_EQ(PlayList::instance().songAt(1).path, a);
    EXPECT_EQ(PlayList::instance().songAt(2).path, b);
}
