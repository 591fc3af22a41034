#include <gtest/gtest.h>

#include "desktop/PlatformChoice.h"
#include "desktop/StartOptions.h"

namespace {

struct OptionsCase {
    const char* what;
    QStringList arguments;
    QStringList names;
    std::vector<DesktopAction> actions;
    bool newInstance;
    QString unknownOption;
};

}  // namespace

TEST(StartOptions, SplitsNamesActionsAndTheOptOut) {
    using enum DesktopAction;
    const std::vector<OptionsCase> cases{
        {"bare start", {}, {}, {}, false, {}},
        {"names keep their order", {"b.mp3", "a.mp3"}, {"b.mp3", "a.mp3"}, {}, false, {}},
        {"actions in order beside names",
         {"--next", "a.mp3", "--play-pause", "--previous", "--stop"},
         {"a.mp3"},
         {next, playPause, previous, stop},
         false,
         {}},
        {"opt out", {"--new-instance", "a.mp3"}, {"a.mp3"}, {}, true, {}},
        {"a lone -- ends the options",
         {"--next", "--", "--next", "--new-instance"},
         {"--next", "--new-instance"},
         {next},
         false,
         {}},
        {"single dash is a name", {"-", "-x.mp3"}, {"-", "-x.mp3"}, {}, false, {}},
        {"unknown option reported, the first only",
         {"--nex", "--louder", "a.mp3"},
         {"a.mp3"},
         {},
         false,
         "--nex"},
    };
    for (const OptionsCase& c : cases) {
        const StartOptions options = StartOptions::parse(c.arguments);
        EXPECT_EQ(options.names, c.names) << c.what;
        EXPECT_EQ(options.actions, c.actions) << c.what;
        EXPECT_EQ(options.newInstance, c.newInstance) << c.what;
        EXPECT_EQ(options.unknownOption, c.unknownOption) << c.what;
    }
    EXPECT_TRUE(StartOptions::parse({"a.mp3", "--help"}).help);
}

TEST(PlatformChoice, XWaylandOnAWaylandDesktopUnlessTheUserChose) {
    struct Case {
        QByteArray userPlatform, waylandDisplay, sessionType, chosen;
    };
    const std::vector<Case> cases{
        {"", "wayland-0", "wayland", "xcb;wayland"},
        {"", "wayland-0", "", "xcb;wayland"},
        {"", "", "wayland", "xcb;wayland"},
        {"", "", "Wayland", "xcb;wayland"},
        {"", "", "x11", ""},
        {"", "", "", ""},
        {"wayland", "wayland-0", "wayland", ""},
        {"offscreen", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlatformChoice::forSession(c.userPlatform, c.waylandDisplay, c.sessionType),
                  c.chosen)
            << c.userPlatform.constData() << "|" << c.waylandDisplay.constData() << "|"
            << c.sessionType.constData();
    }
}
