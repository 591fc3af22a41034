// The skin library: the skins folder, its files, making, saving, applying and deleting skins.
#include <gtest/gtest.h>

#include "ResourceTable.h"
#include "SkinFolders.h"
#include "common/HomeTrash.h"
#include "common/SettingsFiles.h"
#include "skins/Skin.h"
#include "skins/SkinFiles.h"
#include "support/ScriptedPrompts.h"

using SkinFolders::snapshot;

namespace {

class SkinLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        data = root.filePath("data");
        ASSERT_TRUE(QDir().mkpath(data + "/skins/default"));
    }
    QString skin(const QString& name) const { return data + "/skins/" + name; }
    QTemporaryDir root;
    QString data;
    ScriptedPrompts prompts;
};

}  // namespace

TEST_F(SkinLibrary, ListsEveryFolderOfTheSkinsFolderWithDotAndDotDot) {
    ASSERT_TRUE(QDir().mkpath(skin("blue")));
    ASSERT_TRUE(writeFile(skin("notes.txt"), "not a skin"));
    ASSERT_TRUE(QFile::link(root.path(), skin("linked")));
    EXPECT_EQ(Skin::listSkins(data), (QStringList{".", "..", "blue", "default"}));
    EXPECT_TRUE(Skin::listSkins(root.filePath("nowhere")).isEmpty());
}

TEST_F(SkinLibrary, StoredSkinPathsNameOneSkinOfTheSkinsFolder) {
    EXPECT_EQ(Skin::nameOf("skins\\default"), "default");
    EXPECT_EQ(Skin::folderOf(data, "skins\\blue"), data + "/skins/blue");
    EXPECT_EQ(Skin::pathOf("blue"), "skins\\blue");
    for (const QString path :
         {"skins\\..", "skins\\a\\b", "other\\default", "skins", "..\\x", "skins\\", "/etc"}) {
        EXPECT_TRUE(Skin::nameOf(path).isEmpty()) << path.toStdString();
        EXPECT_TRUE(Skin::folderOf(data, path).isEmpty()) << path.toStdString();
    }
}

TEST_F(SkinLibrary, AnExistingSkinKeepsItsPicturesUnlessTheUserAgrees) {
    ASSERT_TRUE(writeFile(skin("blue") + "/0/100_close.bmp", "my own picture"));
    EXPECT_EQ(Skin::createSkin(data, "blue", prompts), Skin::CreateResult::Kept);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(prompts.shown[0].defaultButton, PromptAnswer::No);
    EXPECT_EQ(readFile(skin("blue") + "/0/100_close.bmp"), "my own picture");
    EXPECT_EQ(snapshot(skin("blue")).size(), 1);
    prompts.answerNext(PromptAnswer::Yes);
    EXPECT_EQ(Skin::createSkin(data, "blue", prompts), Skin::CreateResult::Created);
    EXPECT_EQ(readFile(skin("blue") + "/0/100_close.bmp"), readFile(ResourceTable::pathOf(100)));
}

TEST_F(SkinLibrary, NamesLeadingOutOfTheSkinsFolderAreRefused) {
    ASSERT_TRUE(writeFile(skin("default") + "/0/100_close.bmp", "default picture"));
    ASSERT_TRUE(QFile::link(root.filePath("elsewhere"), skin("linked")));
    const QMap<QString, QByteArray> before = snapshot(root.path());
    for (const QString name : {"", ".", "..", "../x", "a/b", "a\\b", "..\\..\\x", "a|b", "C:"}) {
        prompts.shown.clear();
        EXPECT_EQ(Skin::createSkin(data, name, prompts), Skin::CreateResult::Refused)
            << name.toStdString();
        EXPECT_FALSE(Skin::deleteSkin(data, name, "skins\\default", prompts)) << name.toStdString();
        EXPECT_FALSE(Skin::applySkin(data, name, Skin::ApplyChoice::PicturesAndWindows));
        ASSERT_EQ(prompts.shown.size(), 2u) << name.toStdString();
        EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
    }
    EXPECT_EQ(Skin::createSkin(data, "linked", prompts), Skin::CreateResult::Refused);
    EXPECT_EQ(snapshot(root.path()), before);
    EXPECT_FALSE(QFileInfo::exists(root.filePath("elsewhere")));
    EXPECT_TRUE(QFileInfo::exists(data + "/skins"));
}

// A deleted skin goes to the home trash whole; where no trash can be made it is erased.
TEST_F(SkinLibrary, DeletingMovesOneSkinToTheTrashButNeverTheSkinInUse) {
    const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
    for (const bool trashUsable : {true, false}) {
        const QString dataHome = root.filePath(trashUsable ? "share" : "no-share");
        ASSERT_TRUE(trashUsable || writeFile(dataHome, "a file where the trash would be"));
        qputenv("XDG_DATA_HOME", dataHome.toUtf8());
        ASSERT_TRUE(writeFile(skin("blue") + "/0/100_close.bmp", "blue"));
        ASSERT_TRUE(writeFile(skin("default") + "/0/100_close.bmp", "default"));
        prompts.shown.clear();
        EXPECT_FALSE(Skin::deleteSkin(data, "blue", "skins\\blue", prompts));
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].text,
                  "The skin \"blue\" is in use and cannot be deleted.\nApply another skin first.");
        EXPECT_TRUE(QFileInfo::exists(skin("blue") + "/0/100_close.bmp"));
        EXPECT_TRUE(Skin::deleteSkin(data, "blue", "skins\\default", prompts));
        EXPECT_FALSE(QFileInfo::exists(skin("blue")));
        EXPECT_EQ(readFile(HomeTrash::folder() + "/files/blue/0/100_close.bmp"),
                  trashUsable ? QByteArray("blue") : QByteArray());
        EXPECT_EQ(readFile(skin("default") + "/0/100_close.bmp"), "default");
        EXPECT_FALSE(Skin::deleteSkin(data, "blue", "skins\\default", prompts));
        EXPECT_EQ(prompts.shown.size(), 1u);
    }
    qputenv("XDG_DATA_HOME", savedDataHome);
}

TEST_F(SkinLibrary, SavingStoresTheLiveFilesOfEveryWindow) {
    ASSERT_TRUE(SkinFolders::writeLiveFiles(data, 3, "live"));
    ASSERT_TRUE(writeFile(data + "/sfw.3", "a window file left from before"));
    ASSERT_TRUE(writeFile(skin("default") + "/sys/sfw.5", "left from an earlier save"));
    ASSERT_TRUE(Skin::saveSkin(data, "skins\\default"));
    const QMap<QString, QByteArray> stored = snapshot(skin("default") + "/sys");
    EXPECT_EQ(stored.keys(), (QStringList{"sfo.0", "sfw.0", "sfw.1", "sfw.2", "sfw.5", "windows"}));
    EXPECT_EQ(stored["windows"], "3\r\n");
    for (const QString name : {"sfo.0", "sfw.0", "sfw.1", "sfw.2"}) {
        EXPECT_EQ(stored[name], readFile(data + "/" + name)) << name.toStdString();
    }
    EXPECT_FALSE(Skin::saveSkin(data, "skins\\..\\.."));
}

// Yes takes the pictures only, No the stored windows too (the skin commands follow each answer).
TEST_F(SkinLibrary, TheApplyQuestionOffersPicturesOnlyWithNoAsDefault) {
    EXPECT_EQ(Skin::askApplyChoice(prompts), std::nullopt) << "cancelled";
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "When apllying the skin, use bitmaps only ?");
    EXPECT_EQ(prompts.shown[0].caption, "Veskplayer -use skin");
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Question);
    EXPECT_EQ(prompts.shown[0].defaultButton, PromptAnswer::No);
}

TEST_F(SkinLibrary, PicturesOnlyTakesTheStoredColoursAndKeepsTheWindows) {
    ASSERT_TRUE(SkinFolders::writeLiveFiles(data, 2, "live"));
    ASSERT_TRUE(SkinFolders::writeLiveFiles(skin("blue") + "/sys", 1, "blue"));
    const QMap<QString, QByteArray> before = snapshot(data);
    const auto applied = Skin::applySkin(data, "blue", Skin::ApplyChoice::PicturesOnly);
    ASSERT_TRUE(applied);
    EXPECT_EQ(applied->skinPath, "skins\\blue");
    EXPECT_TRUE(applied->coloursReplaced);
    EXPECT_FALSE(applied->windowsReplaced);
    QMap<QString, QByteArray> after = snapshot(data);
    EXPECT_EQ(after.take("sfo.0"), readFile(skin("blue") + "/sys/sfo.0"));
    QMap<QString, QByteArray> expected = before;
    expected.remove("sfo.0");
    for (const QString& key : after.keys()) {
        if (key.startsWith("skins/")) {
            after.remove(key);
            expected.remove(key);
        }
    }
    EXPECT_EQ(after, expected);
}

TEST_F(SkinLibrary, WindowsMissingFromTheStoreKeepTheirLiveFiles) {
    ASSERT_TRUE(SkinFolders::writeLiveFiles(data, 2, "live"));
    ASSERT_TRUE(writeFile(skin("blue") + "/sys/windows", "2\r\n"));
    ASSERT_TRUE(writeFile(skin("blue") + "/sys/sfw.0", "blue window 0"));
    const QByteArray liveColours = readFile(data + "/sfo.0");
    const QByteArray liveWindow1 = readFile(data + "/sfw.1");
    const auto applied = Skin::applySkin(data, "blue", Skin::ApplyChoice::PicturesAndWindows);
    ASSERT_TRUE(applied);
    EXPECT_FALSE(applied->coloursReplaced);
    EXPECT_TRUE(applied->windowsReplaced);
    EXPECT_EQ(readFile(data + "/sfo.0"), liveColours);
    EXPECT_EQ(readFile(data + "/windows"), "2\r\n");
    EXPECT_EQ(readFile(data + "/sfw.0"), "blue window 0");
    EXPECT_EQ(readFile(data + "/sfw.1"), liveWindow1);
}

TEST_F(SkinLibrary, AnUnreadableLiveCountTakesOneStoredWindow) {
    ASSERT_TRUE(writeFile(skin("blue") + "/sys/sfw.0", "blue window 0"));
    ASSERT_TRUE(writeFile(skin("blue") + "/sys/sfw.1", "blue window 1"));
    const auto applied = Skin::applySkin(data, "blue", Skin::ApplyChoice::PicturesAndWindows);
    ASSERT_TRUE(applied);
    EXPECT_EQ(readFile(data + "/sfw.0"), "blue window 0");
    EXPECT_FALSE(QFileInfo::exists(data + "/sfw.1"));
    // A skin without a "sys" folder changes only the pictures, whatever the answer.
    const auto bare = Skin::applySkin(data, "plain", Skin::ApplyChoice::PicturesAndWindows);
    ASSERT_TRUE(bare);
    EXPECT_FALSE(bare->coloursReplaced || bare->windowsReplaced);
}

// The new skin holds the 66 built-in pictures.
TEST_F(SkinLibrary, TheNewSkinDialogMakesTheSkinNamedInItsBox) {
    int owner = 0;
    prompts.textAnswers = {QString("name"), std::nullopt};
    EXPECT_EQ(Skin::newSkinDialog(data, prompts, &owner), Skin::CreateResult::Created);
    EXPECT_EQ(Skin::newSkinDialog(data, prompts), std::nullopt) << "cancelled";
    EXPECT_EQ(Skin::listSkins(data), (QStringList{".", "..", "default", "name"}));
    ASSERT_EQ(prompts.textEntries.size(), 2u);
    EXPECT_EQ(prompts.textEntries[0].caption, "VeskPlayer - New skin");
    EXPECT_EQ(prompts.textEntries[0].initialText, "name");
    EXPECT_EQ(prompts.textEntries[0].owner, &owner);
    EXPECT_TRUE(prompts.shown.empty());
    const QMap<QString, QByteArray> files = snapshot(skin("name"));
    EXPECT_EQ(files.size(), 66);
    for (int sizeClass = 0; sizeClass <= 2; ++sizeClass) {
        for (const QString& picture : ResourceTable::pictureNames()) {
            const QString name = QString::number(sizeClass) + "/" + picture;
            const QByteArray builtIn =
                readFile(ResourceTable::pathOf(sizeClass * 1000 + picture.left(3).toInt()));
            EXPECT_FALSE(builtIn.isEmpty()) << name.toStdString();
            EXPECT_EQ(files.value(name), builtIn) << name.toStdString();
        }
    }
}

// "default" brings back the stock look whatever the live files and its own stored copy hold.
TEST_F(SkinLibrary, DefaultAlwaysRestoresTheBuiltInColoursAndWindow) {
    const QByteArray builtInColours = SettingsFiles::serializeColours(SettingsFiles::Colours{});
    const QByteArray builtInWindow =
        readFile(ResourceTable::pathOf(ResourceTable::defaultWindowFileId));
    ASSERT_FALSE(builtInWindow.isEmpty());
    for (const bool storedCopy : {false, true}) {
        for (const auto choice :
             {Skin::ApplyChoice::PicturesOnly, Skin::ApplyChoice::PicturesAndWindows}) {
            ASSERT_TRUE(SkinFolders::writeLiveFiles(data, 2, "edited"));
            if (storedCopy) {
                ASSERT_TRUE(SkinFolders::writeLiveFiles(skin("default") + "/sys", 2, "saved"));
            }
            const bool windowsToo = choice == Skin::ApplyChoice::PicturesAndWindows;
            const QByteArray liveWindow = readFile(data + "/sfw.0");
            const auto applied = Skin::applySkin(data, "default", choice);
            ASSERT_TRUE(applied);
            EXPECT_EQ(applied->skinPath, "skins\\default");
            EXPECT_TRUE(applied->coloursReplaced);
            EXPECT_EQ(applied->windowsReplaced, windowsToo);
            EXPECT_EQ(readFile(data + "/sfo.0"), builtInColours) << storedCopy;
            EXPECT_EQ(readFile(data + "/windows"), windowsToo ? "1\r\n" : "2\r\n");
            EXPECT_EQ(readFile(data + "/sfw.0"), windowsToo ? builtInWindow : liveWindow);
        }
    }
}

TEST(SkinFiles, CopiesExtractsAndTellsFilesFromFolders) {
    QTemporaryDir dir;
    const QString source = dir.filePath("source");
    const QByteArray bytes("a\0b\r\n|\xff", 7);
    ASSERT_TRUE(writeFile(source, bytes));
    ASSERT_TRUE(writeFile(dir.filePath("target"), "older and longer contents"));
    EXPECT_TRUE(SkinFiles::copyFile(source, dir.filePath("target")));
    EXPECT_EQ(readFile(dir.filePath("target")), bytes);
    EXPECT_FALSE(SkinFiles::copyFile(dir.filePath("missing"), dir.filePath("untouched")));
    EXPECT_FALSE(QFile::exists(dir.filePath("untouched")));
    EXPECT_TRUE(SkinFiles::extractResource(dir.filePath("stop.bmp"), 1104));
    EXPECT_EQ(readFile(dir.filePath("stop.bmp")), readFile(ResourceTable::pathOf(1104)));
    EXPECT_FALSE(readFile(dir.filePath("stop.bmp")).isEmpty());
    EXPECT_TRUE(SkinFiles::extractResource(dir.filePath("unknown"), 9999));
    EXPECT_TRUE(SkinFiles::fileExists(dir.filePath("unknown")));
    EXPECT_EQ(QFileInfo(dir.filePath("unknown")).size(), 0);
    EXPECT_TRUE(SkinFiles::fileExists(source));
    EXPECT_FALSE(SkinFiles::fileExists(dir.path()));
    EXPECT_FALSE(SkinFiles::fileExists(dir.filePath("missing")));
}

TEST(SkinFiles, DeletingAFolderNeverReachesThroughALink) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("outside"));
    ASSERT_TRUE(writeFile(dir.filePath("outside/keep"), "keep"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("skin/0"));
    ASSERT_TRUE(writeFile(dir.filePath("skin/0/100_close.bmp"), "x"));
    ASSERT_TRUE(QFile::link(dir.filePath("outside"), dir.filePath("skin/link")));
    ASSERT_TRUE(QFile::link(dir.filePath("outside"), dir.filePath("linked skin")));
    SkinFiles::deleteFolder(dir.filePath("linked skin"));
    EXPECT_FALSE(QFileInfo(dir.filePath("linked skin")).isSymLink());
    SkinFiles::deleteFolder(dir.filePath("skin"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("skin")));
    EXPECT_EQ(readFile(dir.filePath("outside/keep")), "keep");
}
