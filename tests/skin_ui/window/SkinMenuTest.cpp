#include <gtest/gtest.h>

#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "support/RecordingSkinHost.h"

namespace {

QStringList titles(const std::vector<SkinMenu::Item>& items) {
    QStringList list;
    for (const auto& item : items) {
        list << item.title;
    }
    return list;
}

}  // namespace

TEST(SkinMenu, ListsItsItemsInOrderWithUndoAndRedoLast) {
    RecordingSkinHost host;
    MainWindow window(host, host.context);
    const std::vector<SkinMenu::Item> items = SkinMenu(&window).items();
    EXPECT_EQ(titles(items).join('|'),
              QString::fromUtf8("Add element|Add window|Delete window||Import skin|Export skin||"
                                "New skin|Save skin||Select skin||Options||Undo|Redo||Playlist…|"
                                "Player|ReplayGain: track|ReplayGain: album|ReplayGain: off|"
                                "Resume where I left off||Skin editing help…"));
    EXPECT_FALSE(items[14].enabled) << "nothing to undo";
    EXPECT_FALSE(items[15].enabled) << "nothing to redo";

    host.undoable = "delete window";
    host.redoable = "move";
    const std::vector<SkinMenu::Item> named = SkinMenu(&window).items();
    EXPECT_EQ(named[14].title, "Undo delete window");
    EXPECT_EQ(named[15].title, "Redo move");
    EXPECT_TRUE(named[14].enabled && named[15].enabled);
    EXPECT_EQ(named[14].id, SkinMenu::undoId);
    EXPECT_EQ(named[15].id, SkinMenu::redoId);
}

TEST(SkinMenu, SkinEntriesKeepTheirListingPositionAsIdAndTheCurrentIsChecked) {
    RecordingSkinHost host;
    host.listing = QStringList({".", "..", "default", "night", "paper"});
    host.currentSkin = "night";
    MainWindow window(host, host.context);
    SkinMenu menu(&window);
    std::vector<SkinMenu::Item> skins;
    for (const auto& item : menu.items()) {
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
