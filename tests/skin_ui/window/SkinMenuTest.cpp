// The skin menu and the element menu: their items, and each item's request to the host.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "skin_ui/MainWindow.h"
#include "skin_ui/PlayerMenu.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/elements/ElementMenu.h"
#include "skin_ui/elements/Info.h"
#include "support/RecordingSkinHost.h"
#include "support/ScriptedPrompts.h"

namespace {

using PlayerFiles::PlayerChoices;
using PlayerFiles::ReplayGainMode;

class SkinMenuTest : public ::testing::Test {
protected:
    QStringList titles() {
        QStringList list;
        for (const auto& item : SkinMenu(&window).items()) {
            list << item.title;
        }
        return list;
    }
    QTemporaryDir data;
    RecordingSkinHost host{data.path()};
    ScriptedPrompts prompts;
    MainWindow window{host, host.context};
};

TEST_F(SkinMenuTest, ListsItsItemsInOrderWithUndoAndRedoNamed) {
    EXPECT_EQ(titles().join('|'),
              QString::fromUtf8("Add element|Add window|Delete window||Import skin|Export skin||"
                                "New skin|Save skin||Select skin||Options||Undo|Redo||Playlist…|"
                                "Player|ReplayGain: track|ReplayGain: album|ReplayGain: off|"
                                "Resume where I left off||Skin editing help…"));
    const std::vector<SkinMenu::Item> items = SkinMenu(&window).items();
    EXPECT_FALSE(items[14].enabled || items[15].enabled) << "nothing to undo or redo";
    host.undoable = "delete window";
    host.redoable = "move";
    const std::vector<SkinMenu::Item> named = SkinMenu(&window).items();
    EXPECT_EQ(named[14].title, "Undo delete window");
    EXPECT_EQ(named[15].title, "Redo move");
    EXPECT_TRUE(named[14].enabled && named[15].enabled);
    EXPECT_EQ(named[14].id, SkinMenu::undoId);
    EXPECT_EQ(named[15].id, SkinMenu::redoId);
}

TEST_F(SkinMenuTest, SkinEntriesKeepTheirListingPositionAsIdAndTheCurrentIsChecked) {
    host.listing = QStringList({".", "..", "default", "night", "paper"});
    host.currentSkin = "night";
    std::vector<SkinMenu::Item> skins;
    for (const auto& item : SkinMenu(&window).items()) {
        if (item.id >= SkinMenu::firstSkinId) {
            skins.push_back(item);
        }
    }
    ASSERT_EQ(skins.size(), 3u);
    EXPECT_EQ(skins[0].title, "default");
    EXPECT_EQ(skins[0].id, 52) << "\".\" and \"..\" use up their ids";
    EXPECT_FALSE(skins[0].checked);
    EXPECT_TRUE(skins[1].checked);
}

TEST_F(SkinMenuTest, TheLastEntryShowsTheGesturesOverTheWindow) {
    SkinMenu menu(&window);
    const SkinMenu::Item last = menu.items().back();
    EXPECT_EQ(last.id, SkinMenu::gestureHelpId);
    EXPECT_FALSE(last.inSubmenu);
    menu.choose(last.id, QPoint());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].owner, static_cast<PromptOwner>(&window));
    for (const char* gesture : {"Ctrl + left drag", "Ctrl + right click",
                                "Shift + right click on an element", "Drop files"}) {
        EXPECT_TRUE(prompts.shown[0].text.contains(gesture)) << gesture;
    }
    EXPECT_TRUE(host.requests.isEmpty());
}

// Each menu decodes its own items and asks the host by name, never by number.
TEST_F(SkinMenuTest, EveryItemReachesTheHostAsItsOwnRequest) {
    host.listing = {".", "..", "red", "blue"};
    auto* info = new Info(&window);
    const struct {
        int skinMenuId;
        int elementMenuId;
        const char* request;
    } cases[] = {
        // clang-format off
        {SkinMenu::addElementId, 0, "add element 7,9"}, {SkinMenu::addWindowId, 0, "add window"},
        {SkinMenu::deleteWindowId, 0, "delete window"}, {SkinMenu::importSkinId, 0, "import skin"},
        {SkinMenu::exportSkinId, 0, "export skin"}, {SkinMenu::newSkinId, 0, "new skin"},
        {SkinMenu::saveSkinId, 0, "save skin"}, {SkinMenu::optionsId, 0, "options"},
        {SkinMenu::undoId, 0, "undo"}, {SkinMenu::redoId, 0, "redo"},
        {SkinMenu::firstSkinId + 2, 0, "use skin red"},
        {SkinMenu::firstSkinId + 3, 0, "use skin blue"},
        {0, ElementMenu::typeId(ElementType::slider), "type 2"},
        {0, ElementMenu::deleteId, "delete"},
        // clang-format on
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(one.request);
        host.requests.clear();
        if (one.skinMenuId != 0) {
            SkinMenu(&window).choose(one.skinMenuId, QPoint(7, 9));
        } else {
            ElementMenu::runCommand(info, one.elementMenuId);
        }
        EXPECT_EQ(host.requests, QStringList({one.request}));
    }
    host.requests.clear();
    for (int nothing : {SkinMenu::firstSkinId, SkinMenu::firstSkinId + 4, 0, 4, 99}) {
        SkinMenu(&window).choose(nothing, QPoint());
    }
    ElementMenu::runCommand(info, ElementMenu::typeId(ElementType::info));  // no change
    EXPECT_TRUE(host.requests.isEmpty()) << host.requests.join(", ").toStdString();
}

// The Player submenu shows the choices of the skin context; each entry gives its choices.
TEST_F(SkinMenuTest, EachPlayerEntryChangesItsChoiceAndTheMenuShowsItChecked) {
    const QString album = "ReplayGain: album", resume = "Resume where I left off";
    const struct {
        PlayerChoices before;
        int id;
        PlayerChoices after;
        QStringList checked;
    } cases[] = {
        {{ReplayGainMode::Track, true},
         PlayerMenu::replayGainAlbumId,
         {ReplayGainMode::Album, true},
         {album, resume}},
        {{ReplayGainMode::Album, true},
         PlayerMenu::replayGainOffId,
         {ReplayGainMode::Off, true},
         {"ReplayGain: off", resume}},
        {{ReplayGainMode::Off, false},
         PlayerMenu::replayGainTrackId,
         {ReplayGainMode::Track, false},
         {"ReplayGain: track"}},
        {{ReplayGainMode::Track, true},
         PlayerMenu::resumeId,
         {ReplayGainMode::Track, false},
         {"ReplayGain: track"}},
        {{ReplayGainMode::Album, false},
         PlayerMenu::resumeId,
         {ReplayGainMode::Album, true},
         {album, resume}},
    };
    for (const auto& c : cases) {
        const PlayerChoices after = PlayerMenu::chosen(c.before, c.id);
        EXPECT_EQ(after, c.after) << c.id;
        host.context.playerChoices = after;
        QStringList checked;
        bool inPlayer = false;
        for (const SkinMenu::Item& item : SkinMenu(&window).items()) {
            inPlayer = inPlayer || item.title == PlayerMenu::title;
            if (inPlayer && item.checked) {
                EXPECT_TRUE(PlayerMenu::owns(item.id)) << item.title.toStdString();
                checked << item.title;
            }
        }
        EXPECT_EQ(checked, c.checked) << c.id;
    }
}

}  // namespace
