#include <gtest/gtest.h>

#include "desktop/PlatformChoice.h"
#include "desktop/StartOptions.h"

TEST(StartOptions, SplitsNamesActionsAndTheOptOut) {
    using enum DesktopAction;
    const struct {
        std::vector<std::string> arguments, names;
        std::vector<DesktopAction> actions;
        bool newInstance = false;
        std::string unknownOption = {};
    } cases[] = {
        {{}, {}, {}},
        {{"b.mp3", "a.mp3"}, {"b.mp3", "a.mp3"}, {}},
        {{"--next", "a.mp3", "--play-pause", "--previous", "--stop"},
         {"a.mp3"},
         {next, playPause, previous, stop}},
        {{"--new-instance", "a.mp3"}, {"a.mp3"}, {}, true},
        // A lone "--" ends the options; a single dash is a name.
        {{"--next", "--", "--next", "--new-instance"}, {"--next", "--new-instance"}, {next}},
        {{"-", "-x.mp3"}, {"-", "-x.mp3"}, {}},
        // An unknown option is reported, the first only.
        {{"--nex", "--louder", "a.mp3"}, {"a.mp3"}, {}, false, "--nex"},
    };
    for (const auto& c : cases) {
        const StartOptions options = StartOptions::parse(c.arguments);
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        EXPECT_EQ(options.names, c.names);
        EXPECT_EQ(options.actions, c.actions);
        EXPECT_EQ(options.newInstance, c.newInstance);
        EXPECT_EQ(options.unknownOption, c.unknownOption);
    }
    EXPECT_TRUE(StartOptions::parse({"a.mp3", "--help"}).help);
}

TEST(PlatformChoice, XWaylandOnAWaylandDesktopUnlessTheUserChose) {
    const struct {
        std::string userPlatform, waylandDisplay, sessionType, chosen;
    } cases[] = {
        {"", "wayland-0", "wayland", "xcb;wayland"},
        {"", "wayland-0", "", "xcb;wayland"},
        {"", "", "wayland", "xcb;wayland"},
        {"", "", "Wayland", "xcb;wayland"},
        {"", "", "x11", ""},
        {"", "", "", ""},
        {"wayland", "wayland-0", "wayland", ""},
        {"offscreen", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlatformChoice::forSession(c.userPlatform, c.waylandDisplay, c.sessionType),
                  c.chosen)
            << c.userPlatform + "|" + c.waylandDisplay + "|" + c.sessionType;
    }
}
