// The skin window: its sizes, its close, where drags and resizes land on the screen, the tooltip
// beside the cursor, and the skin menu and the element menu with each item's request.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include "skin_ui/MainWindow.h"
#include "skin_ui/PlayerMenu.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/Tooltip.h"
#include "skin_ui/WindowGeometry.h"
#include "skin_ui/elements/ElementMenu.h"
#include "skin_ui/elements/Info.h"
#include "support/RecordingSkinHost.h"
#include "support/ScriptedPrompts.h"

using namespace WindowGeometry;

namespace {

const QRect wholeScreen(0, 0, 800, 600);
// A 1024 x 768 screen with a 28-pixel panel on top and a 50-pixel one on the left.
const QRect workArea(50, 28, 974, 740);

TEST(MainWindow, StartsSmallAndCentredTogglesItsTwoSizesAndLeavesTheCloseToTheHost) {
    RecordingSkinHost host;
    MainWindow window(host, host.context);
    window.create();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(window.size(), QSize(30, 30));
    EXPECT_EQ(window.pos(), QPoint((screen.width() - 30) / 2, (screen.height() - 30) / 2));
    window.setCollapsedSize(285, 45);
    window.setExpandedSize(285, 210);
    const QPoint corner = window.pos();
    EXPECT_TRUE(window.toggleExpanded());
    EXPECT_EQ(window.size(), QSize(285, 210));
    EXPECT_EQ(window.pos(), corner) << "the top-left corner stays";
    EXPECT_FALSE(window.toggleExpanded());
    EXPECT_EQ(window.size(), QSize(285, 45));
    // The close is turned into saveAll + quit; the window must not vanish on its own.
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(host.closes, 1) << "the host decides";
}

TEST(WindowGeometry, DragsSnapWithinTwentyPixelsOfTheEdgesOfTheWorkArea) {
    const struct {
        QPoint draggedTo;
        QSize size;
        QRect area;
        QPoint landsAt;
    } cases[] = {
        {{19, 100}, {100, 50}, wholeScreen, {0, 100}},
        {{20, 100}, {100, 50}, wholeScreen, {20, 100}},
        {{681, 100}, {100, 50}, wholeScreen, {700, 100}},  // the right edge snaps flush
        {{680, 100}, {100, 50}, wholeScreen, {680, 100}},
        {{100, 5}, {100, 50}, wholeScreen, {100, 0}},
        {{100, 531}, {100, 50}, wholeScreen, {100, 550}},
        {{300, 10}, {285, 45}, workArea, {300, 28}},  // under the panel: pushed below it
        {{300, 47}, {285, 45}, workArea, {300, 28}},
        {{300, 48}, {285, 45}, workArea, {300, 48}},
        {{60, 300}, {285, 45}, workArea, {50, 300}},
        {{730, 704}, {285, 45}, workArea, {739, 723}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(snapDrag(c.draggedTo, c.size, c.area), c.landsAt)
            << c.draggedTo.x() << "," << c.draggedTo.y();
    }
    // Only right and bottom overhangs are pulled back onto the screen.
    EXPECT_EQ(pullOntoScreen({750, 0}, {285, 45}, {800, 600}), QPoint(515, 0));
    EXPECT_EQ(pullOntoScreen({-40, 580}, {285, 45}, {800, 600}), QPoint(-40, 555));
}

// Zones 1 to 8: left, top-left, top, top-right, right, bottom-right, bottom, bottom-left; the
// corners win over the edges. Resizes keep the minimum, round down to fives and snap.
TEST(WindowGeometry, ResizesFromTheZoneKeepTheMinimumRoundDownToFivesAndSnap) {
    const std::pair<QPoint, int> zones[] = {{{2, 2}, 2},   {{98, 2}, 4},  {{98, 48}, 6},
                                            {{2, 48}, 8},  {{2, 25}, 1},  {{50, 2}, 3},
                                            {{98, 25}, 5}, {{50, 48}, 7}, {{50, 25}, 0},
                                            {{5, 25}, 0}};  // 5 pixels in is no longer near
    for (const auto& [point, zone] : zones) {
        EXPECT_EQ(resizeZoneAt(point, {100, 50}), zone) << point.x() << "," << point.y();
    }
    const struct {
        QRect start;
        int zone;
        QPoint by;
        QRect area;
        QRect result;
    } cases[] = {
        {{100, 100, 100, 50}, 6, {23, -3}, wholeScreen, {100, 100, 120, 45}},
        {{100, 100, 100, 50}, 6, {-500, -500}, wholeScreen, {100, 100, 30, 20}},
        {{100, 100, 100, 50}, 2, {-10, -10}, wholeScreen, {90, 90, 110, 60}},
        {{600, 100, 100, 50}, 5, {95, 0}, wholeScreen, {600, 100, 200, 50}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resize(c.start, c.zone, c.by, c.area), c.result) << c.zone << " " << c.by.x();
    }
    // A left or top edge dragged near the edge of the work area snaps onto it.
    EXPECT_EQ(resize({30, 30, 100, 50}, 1, {-15, 0}, wholeScreen).left(), 0);
    EXPECT_EQ(resize({300, 60, 100, 50}, 2, {-245, -45}, workArea).topLeft(), QPoint(50, 28));
}

// Beside the cursor; near the right edge above it, flush right; pushed up to touch the bottom;
// never above the top of the screen.
TEST(Tooltip, StaysOnTheScreenBesideTheCursorAndNeverTakesTheFocus) {
    const struct {
        QPoint cursor;
        QPoint placed;
    } cases[] = {
        {{100, 200}, {110, 200}},
        {{740, 300}, {800 - 64, 300 - 14 - 6}},
        {{726, 300}, {736, 300}},  // 736 + 64 is exactly the screen width: still fits
        {{100, 590}, {110, 600 - 18}},
        {{790, 5}, {736, 5 + 14 + 4}},  // above the cursor would be off screen
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Tooltip::placement(c.cursor, {60, 14}, {800, 600}),
                  QRect(c.placed, QSize(64, 18)))
            << c.cursor.x() << "," << c.cursor.y();
    }
    Tooltip tooltip("element");
    tooltip.show();
    EXPECT_NE(QApplication::activeWindow(), &tooltip);
    // Black text in a black frame on white.
    const QImage shown = tooltip.grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() / 2), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(1, shown.height() - 2), QColor(Qt::white));
}

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
