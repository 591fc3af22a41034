#include <QCoreApplication>
#include <QTest>

#include "AppFixture.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "playlist/OpenFiles.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skins/Skin.h"
#include "support/SolidSkinPackage.h"

namespace {

constexpr int openButton = 11;

}  // namespace

class NestedLoopImport : public AppFixture {};

// A skin package handed over while the open dialog of a skin window is up: applying it deletes
// that window, so it waits until the dialog has closed.
TEST_F(NestedLoopImport, APackageHandedOverDuringTheOpenDialogIsImportedOnceItHasClosed) {
    app().init({});
    ASSERT_EQ(Skin::createSkin(data.path(), "template", prompts), Skin::CreateResult::Created);
    writeData("red.vps", solidSkinPackage("red", qRgb(1, 2, 3), dataPath("skins/template")));
    prompts.answerNext(PromptAnswer::Yes);  // use it now
    prompts.answerNext(PromptAnswer::No);   // the skin's windows too
    const MainWindow* windowOfTheDialog = app().skinWindows().window(0);

    size_t askedWhileOpen = 0;
    bool windowKeptWhileOpen = false;
    bool handedOver = false;
    prompts.whileOpen = [&] {
        if (std::exchange(handedOver, true)) {
            return;
        }
        app().addDroppedPaths({dataPath("red.vps")});
        OpenFiles::instance().waitUntilIdle();
        // What the dialog's own event loop would handle while it is up.
        QCoreApplication::sendPostedEvents();
        askedWhileOpen = prompts.shown.size();
        windowKeptWhileOpen = app().skinWindows().indexOf(windowOfTheDialog) == 0;
    };
    click(allButtons(openButton).front());

    ASSERT_TRUE(handedOver);
    EXPECT_EQ(askedWhileOpen, 0u);
    EXPECT_TRUE(windowKeptWhileOpen);
    EXPECT_TRUE(prompts.shown.empty()) << "not in the stack of the button that opened it";
    ASSERT_TRUE(QTest::qWaitFor([this] { return prompts.shown.size() == 2; }, 5000));
    EXPECT_EQ(app().options.skinPath, "skins\\red");
    EXPECT_EQ(app().skinWindows().indexOf(windowOfTheDialog), -1) << "rebuilt";
}
