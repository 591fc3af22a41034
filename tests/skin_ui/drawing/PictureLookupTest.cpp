#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QTemporaryDir>

#include "ResourceTable.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/PictureLookup.h"
#include "skin_ui/drawing/ProgramIcon.h"
#include "support/Files.h"
#include "support/ScriptedPrompts.h"

namespace {

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

QImage solid(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// What the picture puts on the device pixels of a screen at the ratio.
QImage drawnAt(const Bitmap& bitmap, int ratio) {
    QImage screen(bitmap.width() * ratio, bitmap.height() * ratio, QImage::Format_RGB32);
    screen.fill(Qt::black);
    screen.setDevicePixelRatio(ratio);
    {
        QPainter painter(&screen);
        bitmap.draw(painter, 0);
    }
    screen.setDevicePixelRatio(1);
    return screen;
}

QImage blocks(const QImage& picture, int ratio) {
    return picture.convertToFormat(QImage::Format_RGB32)
        .scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

TEST(PictureLookup, EveryBuiltInPictureExistsAtItsSizeAndAtTwiceItsResolution) {
    for (int sizeClass = 0; sizeClass <= 2; ++sizeClass) {
        for (const QString& name : ResourceTable::pictureNames()) {
            const int id = PictureLookup::resourceIdOf(name, sizeClass);
            const QString resource = ResourceTable::pathOf(id);
            SCOPED_TRACE(name.toStdString() + " class " + std::to_string(sizeClass));
            ASSERT_FALSE(resource.isEmpty());
            const QImage image(resource);
            const QImage sharp(ResourceTable::doubleSizePathOf(id));
            EXPECT_EQ(image.size(), expectedSize(name, sizeClass));
            EXPECT_EQ(sharp.size(), expectedSize(name, sizeClass) * 2);
            EXPECT_TRUE(image.depth() <= 8 && sharp.depth() <= 8) << "4- or 8-bit pictures";
            EXPECT_NE(blocks(image, 2), sharp.convertToFormat(QImage::Format_RGB32))
                << "drawn at twice the resolution, not enlarged";
        }
    }
    const QIcon icon = ProgramIcon::icon();
    for (int side : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << "icon " << side;
        EXPECT_EQ(icon.pixmap(side).size(), QSize(side, side)) << "icon " << side;
    }
    EXPECT_EQ(readFile(ResourceTable::pathOf(ResourceTable::defaultWindowFileId)).size(), 1350);
}

TEST(PictureLookup, RestoresAMissingPictureByteForByteAndKeepsAReplacedOne) {
    QTemporaryDir skin;
    const QString path = PictureLookup::ensurePicture(skin.path(), 2, "105_prev.bmp");
    EXPECT_EQ(path, skin.path() + "/2/105_prev.bmp");
    EXPECT_EQ(readFile(path), readFile(ResourceTable::pathOf(2105)));
    EXPECT_EQ(QImage(path).size(), QSize(90, 30));
    QFile::remove(path);
    PictureLookup::ensurePicture(skin.path(), 2, "105_prev.bmp");
    EXPECT_EQ(readFile(path), readFile(ResourceTable::pathOf(2105)));
    ASSERT_TRUE(solid(QSize(20, 20), qRgb(255, 255, 0)).save(path));
    const QByteArray replaced = readFile(path);
    auto bitmap = PictureLookup::load(skin.path(), 2, "105_prev.bmp");
    EXPECT_EQ(readFile(path), replaced);
    EXPECT_EQ(bitmap->width(), 20);
    // A picture without a built-in copy becomes an empty file and fails to load.
    ScriptedPrompts prompts;
    EXPECT_FALSE(PictureLookup::load(skin.path(), 0, "repeat1_0.bmp")->isLoaded());
    EXPECT_TRUE(QFile::exists(skin.path() + "/0/repeat1_0.bmp"));
    EXPECT_EQ(prompts.shown.size(), 1u);
}

// A file in the skin that is not a loadable BMP: other formats under a ".bmp" name and a
// damaged BMP are refused, reported once, and the built-in picture is drawn instead.
TEST(PictureLookup, AnUnloadablePictureFallsBackToTheBuiltInOne) {
    QImage yellow(30, 10, QImage::Format_RGB32);
    yellow.fill(Qt::yellow);
    QByteArray png, xpm;
    {
        QBuffer pngBuffer(&png), xpmBuffer(&xpm);
        ASSERT_TRUE(yellow.save(&pngBuffer, "PNG"));
        ASSERT_TRUE(yellow.save(&xpmBuffer, "XPM"));
    }
    const QByteArray builtInBytes = readFile(ResourceTable::pathOf(100));
    const struct {
        const char* what;
        QByteArray contents;
    } cases[] = {{"PNG", png}, {"XPM", xpm}, {"truncated BMP", builtInBytes.left(60)}};
    const QImage builtIn = QImage(ResourceTable::pathOf(100)).convertToFormat(QImage::Format_RGB32);
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        QTemporaryDir skin;
        const QString path = skin.path() + "/0/100_close.bmp";
        ASSERT_TRUE(writeFile(path, c.contents));
        auto bitmap = PictureLookup::load(skin.path(), 0, "100_close.bmp");
        ASSERT_TRUE(bitmap->isLoaded()) << c.what;
        EXPECT_EQ(bitmap->getName(), "100_close.bmp") << c.what;
        QImage drawn(30, 10, QImage::Format_RGB32);
        QPainter painter(&drawn);
        bitmap->draw(painter, 0);
        painter.end();
        EXPECT_EQ(drawn, builtIn) << c.what << " is replaced by the built-in picture";
        EXPECT_EQ(prompts.shown.size(), 1u) << c.what << " is reported";
        EXPECT_EQ(readFile(path), c.contents) << c.what << " stays in the skin untouched";
    }
}

// A picture's resource is its size class digit then its number; twice the resolution is used
// on screens of an even whole ratio.
TEST(PictureLookup, ResourceIdsAndTheScaleOfEachScreen) {
    EXPECT_EQ(PictureLookup::resourceIdOf("105_prev.bmp", 2), 2105);
    EXPECT_EQ(PictureLookup::resourceIdOf("104_stop.bmp", 0), 104);
    EXPECT_EQ(PictureLookup::resourceIdOf("repeat1_0.bmp", 0), 0);
    EXPECT_EQ(PictureLookup::resourceIdOf("repeat1_0.bmp", 1), 1);
    const struct {
        double ratio;
        int scale;
    } ratios[] = {{1, 1}, {1.25, 1}, {1.5, 2}, {2, 2}, {3, 1}, {4, 2}};
    for (const auto& r : ratios) {
        EXPECT_EQ(PictureLookup::pictureScaleFor(r.ratio), r.scale) << r.ratio;
    }
    EXPECT_EQ(PictureLookup::doubleSizeNameOf("104_stop.bmp"), "104_stop@2x.bmp");
    EXPECT_EQ(PictureLookup::doubleSizeNameOf("stop"), "stop@2x");
}

// Which picture a 2x screen gets: the built-in twin with the built-in picture, the skin's own
// twin beside its picture, and otherwise the picture itself in 2 x 2 blocks.
TEST(PictureLookup, ADoubleSizeTwinIsDrawnOnlyBesideItsOwnPicture) {
    const QImage builtIn(ResourceTable::pathOf(1104));
    const QImage builtInSharp(ResourceTable::doubleSizePathOf(1104));
    const QImage mine = solid({60, 20}, qRgb(255, 255, 0));
    const QImage mineSharp = solid({120, 40}, qRgb(0, 255, 255));
    const struct {
        const char* what;
        QImage picture;  // null: restored from the program
        QImage twin;     // null: none beside it
        int screenScale;
        QImage expected;
    } cases[] = {
        {"built-in picture at 2x", {}, {}, 2, builtInSharp},
        {"built-in picture at 1x", {}, {}, 1, blocks(builtIn, 2)},
        {"the skin's picture without a twin", mine, {}, 2, blocks(mine, 2)},
        {"the skin's picture and twin", mine, mineSharp, 2, mineSharp},
        {"a twin of the wrong size", {}, solid({60, 20}, qRgb(0, 255, 255)), 2, blocks(builtIn, 2)},
    };
    for (const auto& c : cases) {
        QTemporaryDir skin;
        ASSERT_TRUE(QDir().mkpath(skin.path() + "/1"));
        if (!c.picture.isNull()) {
            ASSERT_TRUE(c.picture.save(skin.path() + "/1/104_stop.bmp"));
        }
        if (!c.twin.isNull()) {
            ASSERT_TRUE(c.twin.save(skin.path() + "/1/104_stop@2x.bmp"));
        }
        auto bitmap = PictureLookup::load(skin.path(), 1, "104_stop.bmp", c.screenScale);
        ASSERT_TRUE(bitmap->isLoaded()) << c.what;
        EXPECT_EQ(bitmap->getName(), "104_stop.bmp") << c.what;
        EXPECT_EQ(QSize(bitmap->width(), bitmap->height()), QSize(60, 20)) << c.what;
        EXPECT_EQ(drawnAt(*bitmap, 2), c.expected.convertToFormat(QImage::Format_RGB32)) << c.what;
        EXPECT_FALSE(QFile::exists(skin.path() + "/1/104_stop@2x.bmp") && c.twin.isNull())
            << c.what << ": nothing is written for the twin";
    }
}
