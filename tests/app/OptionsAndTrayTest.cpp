#include <QAction>
#include <QApplication>
#include <QMenu>

#include "AppFixture.h"
#include "common/SettingsFiles.h"
#include "options/ColorEle.h"
#include "options/Options.h"
#include "options/TrayIcon.h"
#include "skin_ui/controls/WinButton.h"
#include "skin_ui/controls/WinCheckButton.h"
#include "support/Waiting.h"
#include "skin_ui/controls/WinUpDown.h"

class OptionsAndTray : public StartedApp {
protected:
    const Options::Controls& controls() {
        app().showOptions();
        return app().optionsWindow()->controls();
    }
    void type(WinUpDown* spinner, const QString& number) {
        spinner->getTextBox()->selectAll();
        QTest::keyClicks(spinner->getTextBox(), number);
    }
    void choose(const QString& item) {
        for (QAction* action : app().tray()->menu().actions()) {
            if (action->text() == item) {
                return action->trigger();
            }
        }
        ADD_FAILURE() << "no tray item " << item.toStdString();
    }
    static int openOptionsWindows() {
        const QWidgetList all = QApplication::topLevelWidgets();
        return int(std::count_if(all.begin(), all.end(), [](QWidget* widget) {
            return qobject_cast<Options*>(widget) && widget->isVisible();
        }));
    }
};

// One window at most, a fresh one from the current settings after closing; Apply reaches the
// skin windows, the worker and the files at once.
TEST_F(OptionsAndTray, OneWindowWhoseApplyReachesTheSkinWindowsTheWorkerAndTheFiles) {
    app().showOptions();
    Options* first = app().optionsWindow();
    app().showOptions();
    EXPECT_EQ(app().optionsWindow(), first);
    EXPECT_EQ(openOptionsWindows(), 1);
    first->close();
    EXPECT_EQ(app().optionsWindow(), nullptr);
    settle();
    EXPECT_EQ(openOptionsWindows(), 0);
    app().colours.backColour = makeColour(40, 50, 60);
    EXPECT_EQ(controls().back[2]->getPosition(), 60);
    const QByteArray coloursBefore = readData("sfo.0");
    for (WinUpDown* spinner : controls().text) {
        type(spinner, "0");
    }
    type(controls().text[1], "128");
    EXPECT_NE(app().skinContext().colours.textColour, 0x00008000u);
    EXPECT_EQ(readData("sfo.0"), coloursBefore);
    click(controls().useTagsBox);
    click(controls().applyButton);
    EXPECT_EQ(app().skinContext().colours.textColour, 0x00008000u);
    EXPECT_EQ(app().colours.textColour, 0x00008000u);
    EXPECT_FALSE(OpenFiles::instance().useTags());
    EXPECT_EQ(SettingsFiles::parseColours(readData("sfo.0")).textColour, 0x00008000u);
    const SettingsFiles::Options saved = SettingsFiles::parseOptions(readData("sfo.2"));
    EXPECT_FALSE(saved.useTags);
    EXPECT_EQ(saved.skinPath, "skins\\default") << "the skin path is not the window's to change";
}

TEST_F(OptionsAndTray, TrayItemsDoWhatTheButtonsDoWithoutDebugLines) {
    QStringList items;
    for (QAction* action : app().tray()->menu().actions()) {
        items << (action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(items, QStringList({"Add window", "-", "Play/Pause", "Stop", "Prev", "Next", "-",
                                  "Options", "-", "Close"}));
    EXPECT_EQ(app().tray()->icon().toolTip(), "VeskPlayer");
    EXPECT_FALSE(app().tray()->icon().icon().isNull());
    addSongs(2);
    // The file worker announces itself from its own thread, at its own pace.
    ASSERT_TRUE(waitFor(
        [&] { return debug.lines().find("started openfiles thread") != std::string::npos; }));
    const std::string linesBefore = debug.lines();
    choose("Play/Pause");
    EXPECT_EQ(pictures(ButtonCommand::playPause), QStringList({"103_pause.bmp"}));
    choose("Next");
    EXPECT_EQ(PlayList::instance().currentIndex(), 1u);
    choose("Prev");
    EXPECT_EQ(PlayList::instance().currentIndex(), 0u);
    EXPECT_TRUE(Sound::instance().isPlaying());
    choose("Stop");
    EXPECT_FALSE(Sound::instance().isPlaying());
    choose("Add window");
    choose("Add window");
    EXPECT_EQ(pictures(ButtonCommand::playPause), QStringList(3, "102_play.bmp"));
    choose("Options");
    EXPECT_NE(app().optionsWindow(), nullptr);
    EXPECT_EQ(debug.lines(), linesBefore);
    choose("Close");
    EXPECT_FALSE(app().tray()->icon().isVisible());
    EXPECT_FALSE(readData("sfw.2").isEmpty());
}

// The offscreen platform has no status area (said once at start): the last window is kept.
TEST_F(OptionsAndTray, WithoutAStatusAreaTheLastWindowIsKept) {
    EXPECT_NE(debug.lines().find("no status area: the tray icon is not shown\n"),
              std::string::npos);
    EXPECT_FALSE(app().hasReachableTray());
    app().addWindow();
    layout().deleteWindow(layout().window(1));
    layout().deleteWindow(layout().window(0));
    ASSERT_EQ(layout().count(), 1u);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "VeskPlayer");
    EXPECT_TRUE(layout().window(0)->isVisible());
}
