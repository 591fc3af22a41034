#include <gtest/gtest.h>

#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "support/RecordingSkinHost.h"
#include "support/ScriptedPrompts.h"

namespace {

class SkinMenuEntries : public ::testing::Test {
protected:
    RecordingSkinHost host;
    ScriptedPrompts prompts;
};

}  // namespace

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
