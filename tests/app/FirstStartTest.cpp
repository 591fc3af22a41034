#include <QToolTip>

#include "AppFixture.h"
#include "app/Variables.h"
#include "common/SettingsFiles.h"
#include "skin_ui/GestureHelp.h"

namespace {

struct StartCase {
    const char* label;
    bool dataFolderThere;
    bool firstStart;
};

const StartCase startCases[] = {
    {"NoDataFolderYet", false, true},
    {"DataFolderThere", true, false},
};

class FirstStart : public AppFixture, public ::testing::WithParamInterface<StartCase> {};

}  // namespace

TEST_P(FirstStart, StoresTheDefaultSkinAndHintsAtTheGesturesOnce) {
    const QString folder = dataPath(GetParam().dataFolderThere ? "" : "fresh");
    app().dataFolder = folder;
    QToolTip::hideText();

    app().init({});
    QCoreApplication::processEvents();

    const QString stored = folder + "/skins/default/sys/";
    const bool firstStart = GetParam().firstStart;
    EXPECT_EQ(QFileInfo::exists(stored + "windows"), firstStart);
    if (firstStart) {
        QFile colours(stored + "sfo.0");
        ASSERT_TRUE(colours.open(QIODevice::ReadOnly));
        EXPECT_EQ(colours.readAll(), SettingsFiles::serializeColours(SettingsFiles::Colours{}));
        QFile window(stored + "sfw.0");
        ASSERT_TRUE(window.open(QIODevice::ReadOnly));
        QFile live(folder + "/sfw.0");
        ASSERT_TRUE(live.open(QIODevice::ReadOnly));
        EXPECT_EQ(window.readAll(), live.readAll()) << "the built-in default window";
    }
    // The tip may still be fading in: its text is there at once.
    EXPECT_EQ(QToolTip::text() == GestureHelp::firstStartHint(), firstStart);
    QToolTip::hideText();
}

INSTANTIATE_TEST_SUITE_P(Starts, FirstStart, ::testing::ValuesIn(startCases),
                         [](const auto& info) { return std::string(info.param.label); });
