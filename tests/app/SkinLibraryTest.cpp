#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "AppFixture.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "playlist/OpenFiles.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skins/Skin.h"
#include "support/SolidSkinPackage.h"

namespace {

constexpr int playButton = 1;
const QRgb skinColour = qRgb(0x12, 0xab, 0x34);

// Every file below the folder with its bytes.
QMap<QString, QByteArray> filesBelow(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    for (const QFileInfo& info :
         root.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (info.isDir()) {
            for (auto [name, bytes] : filesBelow(info.filePath()).asKeyValueRange()) {
                files.insert(info.fileName() + "/" + name, bytes);
            }
        } else {
            QFile file(info.filePath());
            files.insert(info.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
        }
    }
    return files;
}

}  // namespace

class SkinLibraryCommands : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().init({});
    }

    MainWindow* window(size_t i = 0) { return app().skinWindows().windowList().at(i); }
    void command(int id) { window()->skinMenuCommand(id); }
    // The "Select skin" item of the skin, as the menu numbers it.
    int selectId(const QString& name) {
        return SkinMenu::firstSkinId +
               static_cast<int>(app().skinLibrary().listing().indexOf(name));
    }
    // The skin "blue", its pictures in one colour, its stored colours with that back colour.
    void makeBlueSkin() {
        ASSERT_EQ(Skin::createSkin(data.path(), "blue", prompts), Skin::CreateResult::Created);
        const QString folder = dataPath("skins/blue");
        const QByteArray package = solidSkinPackage("blue", skinColour, folder);
        writeData("blue.vps", package);
        QDir().mkpath(folder + "/sys");
        QFile::copy(dataPath("sfo.0"), folder + "/sys/sfo.0");
        prompts.answerNext(PromptAnswer::No);  // not used now
        app().skinLibrary().importSkin(dataPath("blue.vps"));
        ASSERT_TRUE(finishPackageWork());
        prompts.shown.clear();
    }
    // Whether every play button shows the colour of the blue skin.
    bool playButtonsShowTheBlueSkin() {
        const std::vector<ButtonFunction*> found = allButtons(playButton);
        return !found.empty() && std::all_of(found.begin(), found.end(), [](ButtonFunction* b) {
            return b->getBitmap() && b->getBitmap()->pixel(1, 1) == fromQRgb(skinColour);
        });
    }
    size_t windowCount() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return app().skinWindows().windowList().size();
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
    makeBlueSkin();
    writeData("skins/blue/sys/windows", "3\r\n");
    for (const char* name : {"sfw.0", "sfw.1", "sfw.2"}) {
        QFile::copy(dataPath("sfw.0"), dataPath(QString("skins/blue/sys/") + name));
    }
    const auto before = filesBelow(data.path());
    ASSERT_FALSE(playButtonsShowTheBlueSkin());

    prompts.answerNext(c.answer);
    command(selectId("blue"));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "When apllying the skin, use bitmaps only ?");
    EXPECT_EQ(prompts.shown[0].defaultButton, PromptAnswer::No);
    EXPECT_EQ(windowCount(), c.windows);
    EXPECT_EQ(playButtonsShowTheBlueSkin(), c.applied);
    EXPECT_EQ(app().options.skinPath, c.applied ? "skins\\blue" : "skins\\default");
    EXPECT_EQ(readData("sfo.2").contains("skins\\blue"), c.applied) << "kept at once";
    EXPECT_EQ(app().skinLibrary().currentSkinName(), c.applied ? "blue" : "default");
    if (!c.applied) {
        EXPECT_EQ(filesBelow(data.path()), before) << "nothing written";
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, SelectSkin,
                         ::testing::Values(SelectCase{"PicturesOnly", PromptAnswer::Yes, 2, true},
                                           SelectCase{"WindowsToo", PromptAnswer::No, 3, true},
                                           SelectCase{"Cancel", PromptAnswer::Cancel, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinLibraryCommands, NewAndSaveSkin) {
    prompts.textAnswers.push_back("green");
    command(SkinMenu::newSkinId);
    ASSERT_EQ(prompts.textEntries.size(), 1u);
    EXPECT_EQ(prompts.textEntries[0].owner, static_cast<QWidget*>(window()));
    EXPECT_TRUE(app().skinLibrary().listing().contains("green"));

    app().addWindow();
    app().addWindow();
    window(2)->move(40, 50);
    command(SkinMenu::saveSkinId);
    const auto stored = filesBelow(dataPath("skins/default/sys"));
    EXPECT_EQ(stored.keys(), QStringList({"sfo.0", "sfw.0", "sfw.1", "sfw.2", "windows"}));
    EXPECT_EQ(stored["windows"], "3\r\n");
    for (const QString& name : stored.keys()) {
        EXPECT_EQ(stored[name], readData(name)) << name.toStdString();
    }
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(SkinLibraryCommands, ExportAndImportGoThroughTheDialogsOfTheWindow) {
    prompts.saveAnswers.push_back(dataPath("mine.vps"));
    command(SkinMenu::exportSkinId);
    ASSERT_TRUE(finishPackageWork());
    ASSERT_EQ(prompts.dialogs.size(), 1u);
    EXPECT_EQ(prompts.dialogFilters[0], "VeskPlayer Skin (*.vps);;All Files (*.*)");
    EXPECT_EQ(prompts.dialogs[0].mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(prompts.dialogs[0].owner, static_cast<QWidget*>(window()));
    EXPECT_TRUE(readData("mine.vps").startsWith("#VP-V1.0.0|default|0\\100_close.bmp|"));
    EXPECT_TRUE(QFile::exists(dataPath("skins/default/sys/sfw.0")));

    prompts.saveAnswers.push_back(dataPath("mine.vps"));
    command(SkinMenu::importSkinId);  // the success question is dismissed: No
    ASSERT_TRUE(finishPackageWork());
    ASSERT_EQ(prompts.dialogs.size(), 2u);
    EXPECT_EQ(prompts.dialogs[1].mode, FileDialogRequest::Mode::OpenFile);
    EXPECT_EQ(prompts.dialogs[1].owner, static_cast<QWidget*>(window()));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.startsWith("Importing skin succesful."));

    command(SkinMenu::importSkinId);  // cancelled: nothing
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(SkinLibraryCommands, AnImportMetByTheFileWorkerAsksOnTheWindowThread) {
    ASSERT_EQ(Skin::createSkin(data.path(), "template", prompts), Skin::CreateResult::Created);
    writeData("red.vps", solidSkinPackage("red", skinColour, dataPath("skins/template")));
    prompts.answerNext(PromptAnswer::Yes);  // use it now
    prompts.answerNext(PromptAnswer::Yes);  // pictures only

    app().addDroppedPaths({dataPath("red.vps")});
    OpenFiles::instance().waitUntilIdle();
    EXPECT_TRUE(prompts.shown.empty()) << "the worker asks nothing";
    ASSERT_TRUE(QTest::qWaitFor([this] { return prompts.shown.size() == 2; }, 5000));
    for (QThread* thread : prompts.threads) {
        EXPECT_EQ(thread, QCoreApplication::instance()->thread());
    }
    EXPECT_EQ(app().options.skinPath, "skins\\red");
    EXPECT_TRUE(playButtonsShowTheBlueSkin());
}
