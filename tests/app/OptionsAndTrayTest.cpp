#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTest>

#include "AppFixture.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/Sound.h"
#include "common/SettingsFiles.h"
#include "options/ColorEle.h"
#include "options/Options.h"
#include "options/TrayIcon.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/controls/WinButton.h"
#include "skin_ui/controls/WinCheckButton.h"
#include "skin_ui/controls/WinCombobox.h"
#include "skin_ui/controls/WinUpDown.h"
#include "support/WavFile.h"

namespace {

constexpr int playButton = 1;

int openOptionsWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<Options*>(widget) && widget->isVisible() ? 1 : 0;
    }
    return count;
}

}  // namespace

class OptionsAndTray : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().init({});
    }
    Options& options() {
        app().showOptions();
        return *app().optionsWindow();
    }
    void click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }
    void choose(const QString& item) {
        for (QAction* action : trayMenu().actions()) {
            if (action->text() == item) {
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no tray item " << item.toStdString();
    }
    QMenu& trayMenu() { return trayIconOf().menu(); }
    TrayIcon& trayIconOf() { return *app().tray(); }
};

TEST_F(OptionsAndTray, OneWindowAtMostAndAFreshOneFromTheCurrentSettingsAfterClosing) {
    Options* first = &options();
    app().showOptions();
    EXPECT_EQ(app().optionsWindow(), first);
    EXPECT_EQ(openOptionsWindows(), 1);
    EXPECT_FALSE(first->isMinimized());

    first->close();
    EXPECT_EQ(app().optionsWindow(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(openOptionsWindows(), 0);

    app().colours.backColour = makeColour(40, 50, 60);
    Options& second = options();
    EXPECT_EQ(openOptionsWindows(), 1);
    EXPECT_EQ(second.controls().back[2]->getPosition(), 60);
    // The text colour of the default skin, the current skin's name.
    EXPECT_EQ(app().skinLibrary().currentSkinName(), "default");
}

TEST_F(OptionsAndTray, ApplyReachesTheSkinWindowsTheWorkerAndTheFilesAtOnce) {
    const QByteArray coloursBefore = readData("sfo.0");
    Options& window = options();
    const Options::Controls& controls = window.controls();
    for (WinUpDown* spinner : controls.text) {
        spinner->getTextBox()->selectAll();
        QTest::keyClicks(spinner->getTextBox(), "0");
    }
    controls.text[1]->getTextBox()->selectAll();
    QTest::keyClicks(controls.text[1]->getTextBox(), "128");
    EXPECT_EQ(controls.textSwatch->getColour(), 0x00008000u);
    EXPECT_NE(app().skinContext().colours.textColour, 0x00008000u);
    EXPECT_EQ(readData("sfo.0"), coloursBefore);

    click(controls.useTagsBox);
    click(controls.applyButton);
    EXPECT_EQ(app().skinContext().colours.textColour, 0x00008000u);
    EXPECT_EQ(app().colours.textColour, 0x00008000u);
    EXPECT_FALSE(OpenFiles::instance().useTags());
    EXPECT_EQ(SettingsFiles::parseColours(readData("sfo.0")).textColour, 0x00008000u);
    EXPECT_FALSE(SettingsFiles::parseOptions(readData("sfo.2")).useTags);
    // The skin path is not the window's to change.
    EXPECT_EQ(SettingsFiles::parseOptions(readData("sfo.2")).skinPath, "skins\\default");
}

TEST_F(OptionsAndTray, TrayItemsDoWhatTheButtonsDoWithoutDebugLines) {
    QStringList items;
    for (QAction* action : trayMenu().actions()) {
        items << (action->isSeparator() ? "-" : action->text());
    }
    EXPECT_EQ(items, QStringList({"Add window", "-", "Play/Pause", "Stop", "Prev", "Next", "-",
                                  "Options", "-", "Close"}));
    EXPECT_EQ(trayIconOf().icon().toolTip(), "VeskPlayer");
    EXPECT_FALSE(trayIconOf().icon().icon().isNull());

    for (int i = 0; i < 2; ++i) {
        const QString path = dataPath(QString("song%1.wav").arg(i));
        ASSERT_TRUE(writeToneWav(path, 1.0));
        PlayList::instance().addSong({path, "artist", "title"});
    }
    const std::string linesBefore = debug.lines();
    choose("Play/Pause");
    EXPECT_TRUE(Sound::instance().isPlaying());
    EXPECT_EQ(pictures(playButton), QStringList({"103_pause.bmp"}));
    choose("Next");
    EXPECT_EQ(PlayList::instance().currentIndex(), 1u);
    choose("Prev");
    EXPECT_EQ(PlayList::instance().currentIndex(), 0u);
    EXPECT_EQ(pictures(playButton), QStringList({"103_pause.bmp"}));
    choose("Stop");
    EXPECT_FALSE(Sound::instance().isPlaying());
    EXPECT_EQ(pictures(playButton), QStringList({"102_play.bmp"}));

    choose("Add window");
    choose("Add window");
    ASSERT_EQ(app().skinWindows().count(), 3u);
    EXPECT_EQ(pictures(playButton), QStringList({"102_play.bmp", "102_play.bmp", "102_play.bmp"}));

    choose("Options");
    EXPECT_NE(app().optionsWindow(), nullptr);
    EXPECT_EQ(debug.lines(), linesBefore);

    choose("Close");
    EXPECT_FALSE(trayIconOf().icon().isVisible());
    for (const char* file : {"sfo.0", "sfo.1", "sfo.2", "windows", "sfw.0", "sfw.1", "sfw.2"}) {
        EXPECT_FALSE(readData(file).isEmpty()) << file;
    }
}

TEST_F(OptionsAndTray, WithoutAStatusAreaTheLastWindowIsKept) {
    // The offscreen platform has no status area: said once at start.
    EXPECT_EQ(QSystemTrayIcon::isSystemTrayAvailable(), false);
    const std::string said = "no status area: the tray icon is not shown\n";
    EXPECT_NE(debug.lines().find(said), std::string::npos);
    EXPECT_FALSE(app().hasReachableTray());

    SkinWindows& layout = app().skinWindows();
    app().addWindow();
    layout.deleteWindow(layout.window(1));
    EXPECT_EQ(layout.count(), 1u);
    EXPECT_TRUE(prompts.shown.empty());

    layout.deleteWindow(layout.window(0));
    ASSERT_EQ(layout.count(), 1u);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "VeskPlayer");
    EXPECT_TRUE(layout.window(0)->isVisible());
}

TEST_F(OptionsAndTray, SkinButtonsRunTheSkinLibrary) {
    QDir(app().dataFolder).mkpath("skins/night");
    Options& window = options();
    const Options::Controls& controls = window.controls();
    WinCombobox* list = controls.skinList;
    const auto pick = [list](const QString& name) {
        list->setCurrentIndex(list->findText(name));
        emit list->activated(list->currentIndex());
    };
    const auto names = [list] {
        QStringList all;
        for (int i = 0; i < list->count(); ++i) {
            all << list->itemText(i);
        }
        return all;
    };

    // Use answered Cancel: nothing changes, but the spinners show the colours again.
    controls.text[0]->getTextBox()->selectAll();
    QTest::keyClicks(controls.text[0]->getTextBox(), "5");
    pick("night");
    prompts.answerNext(PromptAnswer::Cancel);
    click(controls.useButton);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Veskplayer -use skin");
    EXPECT_EQ(app().options.skinPath, "skins\\default");
    EXPECT_EQ(controls.text[0]->getPosition(), 255);
    EXPECT_FALSE(controls.useButton->isEnabled());

    // New with the name blue, then Delete with blue selected.
    prompts.textAnswers.push_back(QString("blue"));
    click(controls.newButton);
    EXPECT_EQ(names(), QStringList({"blue", "default", "night"}));
    EXPECT_TRUE(QFileInfo(app().dataFolder + "/skins/blue/0").isDir());
    pick("blue");
    click(controls.deleteButton);
    EXPECT_EQ(names(), QStringList({"default", "night"}));
    EXPECT_FALSE(QFileInfo::exists(app().dataFolder + "/skins/blue"));
    EXPECT_FALSE(controls.useButton->isEnabled());
}
