#include <gtest/gtest.h>

#include "skin_ui/GestureHelp.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "support/RecordingSkinHost.h"
#include "support/ScriptedPrompts.h"

namespace {

// Skins named like the menu's own lines are still skins of the submenu.
const char* const skinNamesLikeMenuLines[] = {"Select skin", "Player", "Options",
                                              "Skin editing help…"};

class SkinMenuEntries : public ::testing::Test {
protected:
    RecordingSkinHost host;
    ScriptedPrompts prompts;
};

}  // namespace

TEST_F(SkinMenuEntries, SkinsNamedLikeMenuLinesAreChosenByTheirPosition) {
    host.listing = QStringList({".", ".."});
    for (const char* name : skinNamesLikeMenuLines) {
        host.listing << QString::fromUtf8(name);
    }
    MainWindow window(host, host.context);
    SkinMenu menu(&window);
    const std::vector<SkinMenu::Item> items = menu.items();
    for (int position = 2; position < host.listing.size(); ++position) {
        const QString& name = host.listing[position];
        const auto entry = std::find_if(items.begin(), items.end(), [&](const auto& item) {
            return item.id == SkinMenu::firstSkinId + position;
        });
        ASSERT_NE(entry, items.end()) << name.toStdString();
        EXPECT_EQ(entry->title, name);
        EXPECT_TRUE(entry->inSubmenu);
        host.requests.clear();
        menu.choose(entry->id, QPoint());
        EXPECT_EQ(host.requests, QStringList("use skin " + name));
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SkinMenuEntries, TheLastEntryShowsTheGesturesOverTheWindow) {
    MainWindow window(host, host.context);
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
