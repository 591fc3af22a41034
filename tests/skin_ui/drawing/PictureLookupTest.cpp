#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "ResourceTable.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/drawing/PictureLookup.h"
#include "support/ScriptedPrompts.h"

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const char* const pictureNames[] = {
    "100_close.bmp",     "101_options.bmp",  "102_play.bmp",     "103_pause.bmp",
    "104_stop.bmp",      "105_prev.bmp",     "106_next.bmp",     "107_mute_0.bmp",
    "108_mute_1.bmp",    "109_expand_0.bmp", "110_expand_1.bmp", "111_shuffle_0.bmp",
    "112_shuffle_1.bmp", "113_repeat_0.bmp", "114_repeat_1.bmp", "115_return.bmp",
    "116_openfile.bmp",  "117_savefile.bmp", "200_progress.bmp", "201_volume.bmp",
    "300_info.bmp",      "400_listbox.bmp"};

QSize expectedSize(const QString& name, int sizeClass) {
    const int unit = 10 * (sizeClass + 1);
    if (name.startsWith("1"))
        return {3 * unit, unit};
    if (name.startsWith("2"))
        return {4 * unit, unit * 5 / 2};
    if (name.startsWith("3"))
        return {15, 20};
    return {40, 25};
}

}  // namespace

TEST(PictureLookup, ResourceIdIsTheClassDigitThenTheNumber) {
    EXPECT_EQ(PictureLookup::resourceIdOf("105_prev.bmp", 2), 2105);
    EXPECT_EQ(PictureLookup::resourceIdOf("104_stop.bmp", 0), 104);
    EXPECT_EQ(PictureLookup::resourceIdOf("repeat1_0.bmp", 0), 0);
    EXPECT_EQ(PictureLookup::resourceIdOf("repeat1_0.bmp", 1), 1);
}

TEST(PictureLookup, EveryBuiltInPictureExistsAtItsSize) {
    for (int sizeClass = 0; sizeClass <= 2; ++sizeClass) {
        for (const char* name : pictureNames) {
            const QString resource =
                ResourceTable::pathOf(PictureLookup::resourceIdOf(name, sizeClass));
            ASSERT_FALSE(resource.isEmpty()) << name << " class " << sizeClass;
            const QImage image(resource);
            EXPECT_EQ(image.size(), expectedSize(name, sizeClass)) << name << " " << sizeClass;
            EXPECT_LE(image.depth(), 8) << name << " is a 4- or 8-bit picture";
        }
    }
    EXPECT_EQ(readFile(ResourceTable::pathOf(ResourceTable::defaultWindowFileId)).size(), 1350);
}

TEST(PictureLookup, RestoresAMissingPictureByteForByte) {
    QTemporaryDir skin;
    const QString path = PictureLookup::ensurePicture(skin.path(), 2, "105_prev.bmp");
    EXPECT_EQ(path, skin.path() + "/2/105_prev.bmp");
    EXPECT_EQ(readFile(path), readFile(ResourceTable::pathOf(2105)));
    EXPECT_EQ(QImage(path).size(), QSize(90, 30));

    QFile::remove(path);
    PictureLookup::ensurePicture(skin.path(), 2, "105_prev.bmp");
    EXPECT_EQ(readFile(path), readFile(ResourceTable::pathOf(2105)));
}

TEST(PictureLookup, AReplacedPictureIsKept) {
    QTemporaryDir skin;
    const QString path = PictureLookup::ensurePicture(skin.path(), 1, "104_stop.bmp");
    QImage mine(20, 20, QImage::Format_RGB32);
    mine.fill(Qt::yellow);
    ASSERT_TRUE(mine.save(path));
    const QByteArray replaced = readFile(path);
    auto bitmap = PictureLookup::load(skin.path(), 1, "104_stop.bmp");
    EXPECT_EQ(readFile(path), replaced);
    EXPECT_EQ(bitmap->width(), 20);
}

TEST(PictureLookup, APictureWithoutABuiltInCopyBecomesAnEmptyFileAndFailsToLoad) {
    ScriptedPrompts prompts;
    QTemporaryDir skin;
    auto bitmap = PictureLookup::load(skin.path(), 0, "repeat1_0.bmp");
    EXPECT_FALSE(bitmap->isLoaded());
    EXPECT_TRUE(QFile::exists(skin.path() + "/0/repeat1_0.bmp"));
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST(Engine, FileExistsIsFalseForFolders) {
    QTemporaryDir dir;
    EXPECT_FALSE(Engine::fileExists(dir.path()));
    EXPECT_FALSE(Engine::fileExists(dir.filePath("none")));
    ASSERT_TRUE(Engine::extractResource(dir.filePath("sfw.0"), ResourceTable::defaultWindowFileId));
    EXPECT_TRUE(Engine::fileExists(dir.filePath("sfw.0")));
}
