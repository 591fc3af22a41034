#include <gtest/gtest.h>

#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/elements/ElementMenu.h"
#include "skin_ui/elements/Info.h"
#include "support/RecordingSkinHost.h"

// Each menu decodes its own items and asks the host by name, never by number.
TEST(MenuRequests, EveryItemReachesTheHostAsItsOwnRequest) {
    RecordingSkinHost host;
    host.listing = {".", "..", "red", "blue"};
    MainWindow window(host, host.context);
    auto* info = new Info(&window);

    const struct {
        int skinMenuId;
        int elementMenuId;
        const char* request;
    } cases[] = {
        {SkinMenu::addElementId, 0, "add element 7,9"},
        {SkinMenu::addWindowId, 0, "add window"},
        {SkinMenu::deleteWindowId, 0, "delete window"},
        {SkinMenu::importSkinId, 0, "import skin"},
        {SkinMenu::exportSkinId, 0, "export skin"},
        {SkinMenu::newSkinId, 0, "new skin"},
        {SkinMenu::saveSkinId, 0, "save skin"},
        {SkinMenu::optionsId, 0, "options"},
        {SkinMenu::undoId, 0, "undo"},
        {SkinMenu::redoId, 0, "redo"},
        {SkinMenu::firstSkinId + 2, 0, "use skin red"},
        {SkinMenu::firstSkinId + 3, 0, "use skin blue"},
        {0, ElementMenu::typeId(ElementType::slider), "type 2"},
        {0, ElementMenu::deleteId, "delete"},
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
