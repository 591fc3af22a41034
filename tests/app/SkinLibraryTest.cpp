#include "AppFixture.h"
#include "support/SolidSkinPackage.h"

namespace {

const QRgb skinColour = qRgb(0x12, 0xab, 0x34);

}  // namespace

class SkinLibraryCommands : public StartedApp {
protected:
    MainWindow* window() { return layout().window(0); }
    void command(int id) { window()->skinMenuCommand(id); }
    bool playButtonsShowTheSkinColour() {
        const std::vector<ButtonFunction*> found = allButtons(ButtonCommand::playPause);
        return !found.empty() && std::all_of(found.begin(), found.end(), [](ButtonFunction* b) {
            return b->getBitmap() && b->getBitmap()->pixel(1, 1) == fromQRgb(skinColour);
        });
    }
};

// "Select skin" asks whether to take the pictures only (Yes), the stored windows too (No), or
// nothing (Cancel).
struct SelectCase {
    const char* name;
    PromptAnswer answer;
    size_t windows;
    bool applied;
};

class SelectSkin : public SkinLibraryCommands, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectSkin, TakesWhatTheAnswerSays) {
    const SelectCase& c = GetParam();
    app().addWindow();
    app().saveAll();
    // The skin "blue": every picture in one colour, three stored windows.
    ASSERT_EQ(Skin::createSkin(data.path(), "template", prompts), Skin::CreateResult::Created);
    writeData("blue.vps", solidSkinPackage("blue", skinColour, dataPath("skins/template")));
    app().skinLibrary().importSkin(dataPath("blue.vps"));  // not used now
    ASSERT_TRUE(finishPackageWork());
    prompts.shown.clear();
    writeData("skins/blue/sys/windows", "3\r\n");
    writeData("skins/blue/sys/sfo.0", readData("sfo.0"));
    for (const char* name : {"sfw.0", "sfw.1", "sfw.2"}) {
        writeData(QString("skins/blue/sys/") + name, readData("sfw.0"));
    }
    ASSERT_FALSE(playButtonsShowTheSkinColour());
    prompts.answerNext(c.answer);
    command(SkinMenu::firstSkinId + int(app().skinLibrary().listing().indexOf("blue")));
    ASSERT_EQ(prompts.shown.size(), 1u);
    settle();
    EXPECT_EQ(layout().windowList().size(), c.windows);
    EXPECT_EQ(playButtonsShowTheSkinColour(), c.applied);
    EXPECT_EQ(app().options.skinPath, c.applied ? "skins\\blue" : "skins\\default");
    EXPECT_EQ(readData("sfo.2").contains("skins\\blue"), c.applied) << "kept at once";
    EXPECT_EQ(app().skinLibrary().currentSkinName(), c.applied ? "blue" : "default");
}

INSTANTIATE_TEST_SUITE_P(Answers, SelectSkin,
                         ::testing::Values(SelectCase{"PicturesOnly", PromptAnswer::Yes, 2, true},
                                           SelectCase{"WindowsToo", PromptAnswer::No, 3, true},
                                           SelectCase{"Cancel", PromptAnswer::Cancel, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinLibraryCommands, NewSaveExportAndImportGoThroughTheWindow) {
    prompts.textAnswers.push_back("green");
    command(SkinMenu::newSkinId);
    EXPECT_EQ(prompts.textEntries.at(0).owner, window());
    EXPECT_TRUE(app().skinLibrary().listing().contains("green"));
    app().addWindow();
    command(SkinMenu::saveSkinId);
    EXPECT_EQ(readData("skins/default/sys/windows"), "2\r\n");
    EXPECT_EQ(readData("skins/default/sys/sfw.1"), readData("sfw.1"));
    prompts.saveAnswers.push_back(dataPath("mine.vps"));
    command(SkinMenu::exportSkinId);
    ASSERT_TRUE(finishPackageWork());
    EXPECT_EQ(prompts.dialogFilters.back(), "VeskPlayer Skin (*.vps);;All Files (*.*)");
    EXPECT_EQ(prompts.dialogs.back().mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(prompts.dialogs.back().owner, window());
    EXPECT_TRUE(readData("mine.vps").startsWith("#VP-V1.0.0|default|0\\100_close.bmp|"));
    prompts.saveAnswers.push_back(dataPath("mine.vps"));
    command(SkinMenu::importSkinId);  // the success question is dismissed: No
    ASSERT_TRUE(finishPackageWork());
    EXPECT_EQ(prompts.dialogs.back().mode, FileDialogRequest::Mode::OpenFile);
    EXPECT_EQ(prompts.dialogs.back().owner, window());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.startsWith("Importing skin succesful."));
    command(SkinMenu::importSkinId);  // cancelled: nothing
    EXPECT_EQ(prompts.shown.size(), 1u);
}
