#include "AppFixture.h"
#include "common/Colour.h"
#include "common/SettingsFiles.h"

class Settings : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().loadWindows();
    }
    void loadAll() {
        app().loadPlayerState();
        app().loadColours();
        app().loadOptions();
    }
};

TEST_F(Settings, AFreshFolderGivesTheDefaultsAndWhatIsSavedComesBackAfterARestart) {
    loadAll();
    EXPECT_EQ(SettingsFiles::serializeColours(app().colours), SettingsFiles::serializeColours({}));
    EXPECT_EQ(SettingsFiles::serializeOptions(app().options), SettingsFiles::serializeOptions({}));
    EXPECT_FLOAT_EQ(Sound::instance().masterVolume(), 0.5f);
    EXPECT_EQ(sliders(SliderFunction::volumeFunction).front()->getValue(), 50);
    EXPECT_FALSE(Sound::instance().isMuted() || PlayList::instance().shuffle() ||
                 PlayList::instance().repeat());
    Sound::instance().setVolume(57);
    PlayList::instance().setRepeat(true);
    PlayList::instance().setShuffle(true);
    app().colours.backColour = makeColour(1, 2, 3);
    app().colours.textColour = makeColour(250, 0, 9);
    app().colours.useOpacity = false;
    app().options.skinPath = "skins\\night";
    app().options.useTags = false;
    app().savePlayerState();
    app().saveColours();
    app().saveOptions();
    EXPECT_TRUE(
        readData("sfo.1").endsWith("-volume\r\n57\r\n-mute\r\n0\r\n-rep\r\n1\r\n-shuf\r\n1"));
    restartApp();
    app().loadWindows();
    loadAll();
    EXPECT_FLOAT_EQ(Sound::instance().masterVolume(), 0.57f);
    EXPECT_EQ(pictures(ButtonCommand::repeat), QStringList({"114_repeat_1.bmp"}));
    EXPECT_EQ(pictures(ButtonCommand::shuffle), QStringList({"112_shuffle_1.bmp"}));
    EXPECT_TRUE(PlayList::instance().repeat() && PlayList::instance().shuffle());
    EXPECT_EQ(app().colours.backColour, makeColour(1, 2, 3));
    EXPECT_EQ(app().colours.textColour, makeColour(250, 0, 9));
    EXPECT_FALSE(app().colours.useOpacity || app().options.useTags);
    EXPECT_EQ(app().options.skinPath, "skins\\night");
    // Pictures are restored into the skin folder, so a path outside it would write anywhere.
    for (const char* path : {"skins\\..\\..\\elsewhere", "/tmp/elsewhere"}) {
        app().options.skinPath = path;
        app().saveOptions();
        app().loadOptions();
        EXPECT_EQ(app().options.skinPath, "skins\\default") << path;
    }
    EXPECT_NE(debug.lines().find("skin path outside the skins folder"), std::string::npos);
}
