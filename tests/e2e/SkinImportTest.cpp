// A skin package met by the running player: the user's answers decide whether it is shown.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Files.h"
#include "support/SolidSkinPackage.h"
#include "support/Waiting.h"

namespace {

const QString skinTitle = "Vesk Player";
const QString questionCaption = "Veskplayer -use skin";
const QRgb skinColour = qRgb(0x12, 0xab, 0x34);

// The next question (other than the one answered before), answered with the key as the user
// does; 0 when none came.
Window answer(XServer& x, const QString& key, Window answered = 0) {
    const Window box = x.waitForWindow(questionCaption, answered);
    return box && x.xdotool({"windowfocus", "--sync", QString::number(box)}) &&
                   x.xdotool({"key", key})
               ? box
               : 0;
}

// Waits for a skin window showing the package's colour and closes the player from it; the
// skin path the player saved.
QByteArray shownAndSaved(XServer& x, PlayerProcess& player) {
    Window shown = 0;
    EXPECT_TRUE(waitFor(
        [&] {
            return (shown = x.waitForWindow(skinTitle)) && x.pixelsOf(shown, skinColour) >= 2000;
        },
        20000))
        << player.output().toStdString();
    x.sendDeleteWindow(shown);
    EXPECT_TRUE(player.waitForExit(20000));
    EXPECT_FALSE(player.crashed());
    return readFile(player.dataFolder() + "/sfo.2");
}

class SkinImport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
        ASSERT_TRUE(writeFile(
            package, solidSkinPackage("green", skinColour, VESK_SOURCE_DIR "/resources/default")));
    }
    XServer x;
    PlayerProcess player{x.displayName()};
    QTemporaryDir packages;
    const QString package = packages.filePath("green.vps");
};

}  // namespace

TEST_F(SkinImport, APackageOnTheCommandLineIsImportedAndShownWhenTheUserSaysYes) {
    player.start({package});
    const Window skinWindow = x.waitForWindow(skinTitle);
    ASSERT_NE(skinWindow, 0u) << player.output().toStdString();
    // "Importing skin succesful. ... use this imported skin now ?": Enter is Yes.
    const Window first = answer(x, "Return");
    ASSERT_NE(first, 0u) << player.output().toStdString();
    EXPECT_EQ(x.pixelsOf(skinWindow, skinColour), 0) << "the built-in pictures until applied";
    // "use bitmaps only ?": Enter is No, the skin's windows too (it stores none).
    ASSERT_NE(answer(x, "Return", first), 0u) << player.output().toStdString();

    EXPECT_TRUE(shownAndSaved(x, player).contains("skins\\green"));
    EXPECT_TRUE(QFile::exists(player.dataFolder() + "/skins/green/1/102_play.bmp"));
    EXPECT_TRUE(player.output().contains("load complete.\n"));
}

// Applying a skin rebuilds every skin window; one of them owns the open dialog, so a package
// handed over while the dialog is up waits until the user has closed it.
TEST_F(SkinImport, APackageHandedOverDuringTheOpenDialogIsAppliedOnceTheDialogHasClosed) {
    player.start();
    ASSERT_NE(x.waitForWindow(skinTitle), 0u) << player.output().toStdString();
    ASSERT_TRUE(x.click(248, 13));  // the default skin's open button
    const Window dialog = x.waitForWindow("Open");
    ASSERT_NE(dialog, 0u) << player.output().toStdString();
    PlayerProcess secondStart(x.displayName(), player.home());
    secondStart.start({package});
    ASSERT_TRUE(secondStart.waitForExit(20000));
    // The worker meets the package at once; its question would come while the dialog is up.
    EXPECT_EQ(x.waitForWindow(questionCaption, 0, 800), 0u) << "asked inside the open dialog";

    ASSERT_TRUE(x.xdotool({"windowfocus", "--sync", QString::number(dialog)}) &&
                x.xdotool({"key", "Escape"}));
    const Window question = answer(x, "Return");  // use it now: Yes
    ASSERT_NE(question, 0u);
    // The dialog is gone (asking about it by its id would fail once it is destroyed).
    EXPECT_EQ(x.waitForWindow("Open", 0, 0), 0u) << "the dialog closed normally";
    ASSERT_NE(answer(x, "Return", question), 0u);  // pictures only: No, the windows too
    EXPECT_TRUE(shownAndSaved(x, player).contains("skins\\green"));
}
