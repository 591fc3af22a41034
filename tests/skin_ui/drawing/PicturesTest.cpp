// The pictures of a skin: found in the skin or restored from the program, at twice the
// resolution where the screen wants it, as drawn; the text engine's fonts; and the whole scale
// factors the pictures are drawn at.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "ResourceTable.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/drawing/PictureLookup.h"
#include "skin_ui/drawing/ProgramIcon.h"
#include "skin_ui/drawing/WholeScaleFactor.h"
#include "support/Files.h"
#include "support/ScriptedPrompts.h"

namespace {

// What the picture puts on the device pixels of a screen at the ratio.
QImage drawnAt(const Bitmap& bitmap, int ratio, QRgb background = qRgb(0, 0, 0)) {
    QImage screen(bitmap.width() * ratio, bitmap.height() * ratio, QImage::Format_RGB32);
    screen.fill(background);
    screen.setDevicePixelRatio(ratio);
    {
        QPainter painter(&screen);
        bitmap.draw(painter, 0);
    }
    screen.setDevicePixelRatio(1);
    return screen;
}

TEST(Bitmap, DrawsOpaqueUntilAColourIsKeyedOutAndIsNamedByItsLastPathComponent) {
    QTemporaryDir dir;
    QImage strip(4, 1, QImage::Format_RGB32);  // red, magenta, green, magenta
    for (int x = 0; x < 4; ++x) {
        strip.setPixel(x, 0, x % 2 ? qRgb(255, 0, 255) : x ? qRgb(0, 255, 0) : qRgb(255, 0, 0));
    }
    ASSERT_TRUE(strip.save(dir.filePath("strip.bmp")));
    Bitmap bitmap(dir.filePath("strip.bmp"));
    ASSERT_TRUE(bitmap.isLoaded());
    EXPECT_EQ(drawnAt(bitmap, 1, qRgb(0, 0, 255)).pixel(1, 0), qRgb(255, 0, 255));
    bitmap.setTransparentColour(makeColour(255, 0, 255));
    const QImage keyed = drawnAt(bitmap, 1, qRgb(0, 0, 255));
    EXPECT_EQ(keyed.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(keyed.pixel(1, 0), qRgb(0, 0, 255)) << "magenta shows the background";
    EXPECT_EQ(keyed.pixel(3, 0), qRgb(0, 0, 255));
    EXPECT_EQ(Bitmap::nameOf("a/b\\c.bmp"), "b\\c.bmp");  // the slash first
    EXPECT_EQ(Bitmap::nameOf("a\\b\\c.bmp"), "c.bmp");
    EXPECT_EQ(Bitmap::nameOf("c.bmp"), "c.bmp");
}

// A picture drawn at twice the resolution measures and reads in skin pixels, keys out its
// colour like any other, and lands on whole device pixels of a 2x screen.
TEST(Bitmap, ADoubleSizePictureIsMeasuredInSkinPixelsAndDrawnSharp) {
    QTemporaryDir dir;
    QImage sharp(8, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            sharp.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 255) : qRgb(10 * x, 20 * y, 0));
    ASSERT_TRUE(sharp.save(dir.filePath("strip@2x.bmp")));
    Bitmap bitmap(dir.filePath("strip@2x.bmp"), "strip.bmp", 2);
    ASSERT_TRUE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.getName(), "strip.bmp");
    EXPECT_EQ(QSize(bitmap.width(), bitmap.height()), QSize(4, 2));
    EXPECT_EQ(bitmap.pixel(3, 1), fromQRgb(sharp.pixel(6, 2))) << "a skin pixel's top-left";
    EXPECT_EQ(bitmap.pixel(4, 0), 0u) << "outside the picture";
    // Drawn whole, every picture pixel lands on its own device pixel (see the picture lookup).
    bitmap.setTransparentColour(makeColour(255, 0, 255));
    QImage screen(8, 4, QImage::Format_RGB32);
    screen.fill(qRgb(0, 0, 255));
    screen.setDevicePixelRatio(2);
    {
        QPainter painter(&screen);
        bitmap.drawPart(painter, 1, 0, QRect(1, 0, 1, 2));
    }
    screen.setDevicePixelRatio(1);
    EXPECT_EQ(screen.pixel(2, 0), sharp.pixel(2, 0));
    EXPECT_EQ(screen.pixel(3, 0), qRgb(0, 0, 255)) << "keyed out";
    EXPECT_EQ(screen.pixel(1, 0), qRgb(0, 0, 255)) << "outside the part";
    ScriptedPrompts prompts;
    QImage odd(7, 4, QImage::Format_RGB32);
    odd.fill(Qt::red);
    ASSERT_TRUE(odd.save(dir.filePath("odd@2x.bmp")));
    EXPECT_FALSE(Bitmap(dir.filePath("odd@2x.bmp"), "odd.bmp", 2).isLoaded())
        << "an odd width cannot be halved into skin pixels";
}

// Another format under a ".bmp" name, a side beyond the limit (a damaged header may claim
// millions of rows: refused before pixel memory is taken) and a missing file.
TEST(Bitmap, AMissingOrForeignPictureIsReportedAndMeasuresNothing) {
    QTemporaryDir dir;
    QImage png(4, 4, QImage::Format_RGB32), tall(1, Bitmap::maxSide + 1, QImage::Format_RGB32);
    png.fill(Qt::red);
    tall.fill(Qt::red);
    ASSERT_TRUE(png.save(dir.filePath("png.bmp"), "PNG"));
    ASSERT_TRUE(tall.save(dir.filePath("tall.bmp"), "BMP"));
    for (const QString& path : {dir.filePath("png.bmp"), dir.filePath("tall.bmp"),
                                QString("/nonexistent/105_prev.bmp")}) {
        ScriptedPrompts prompts;
        Bitmap bitmap(path);
        EXPECT_FALSE(bitmap.isLoaded()) << path.toStdString();
        EXPECT_EQ(bitmap.width(), 0);
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].caption, "Bitmap");
        EXPECT_TRUE(prompts.shown[0].text.startsWith("Failed to load in bitmap.\n" + path));
    }
}

// The number of pixels the text inks on a black image.
int inkOf(const QString& text) {
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    Engine::instance().drawText(painter, text, 0, 0, 200, 60);
    painter.end();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            inked += image.pixel(x, y) != qRgb(0, 0, 0);
        }
    }
    return inked;
}

TEST(Engine, TheHeadingFontLastsOnlyAsLongAsItsScope) {
    Engine& engine = Engine::instance();
    engine.textColour = makeColour(255, 255, 255);
    const int plain = inkOf("Wave");
    {
        Engine::FontScope heading(engine, "DejaVu Sans");
        EXPECT_GT(inkOf("Wave"), 3 * plain) << "32-pixel bold underlined";
        {
            Engine::FontScope none(engine, "");
            EXPECT_EQ(inkOf("Wave"), plain);
        }
        EXPECT_GT(inkOf("Wave"), 3 * plain) << "an inner scope puts the heading back";
    }
    EXPECT_EQ(inkOf("Wave"), plain) << "the shared font is back for every other text";
}
TEST(WholeScaleFactor, FactorsAreRoundedHalfUpAndNeverBelowOne) {
    const struct {
        const char* given;
        const char* rounded;
    } cases[] = {
        {"1.5", "2"},   {"1.25", "1"},       {"2", "2"},
        {"2.75", "3"},  {"0.5", "1"},        {"0", "1"},
        {"abc", "abc"}, {"1.5;1.75", "2;2"}, {"DP-1=1.5;HDMI-1=1.25", "DP-1=2;HDMI-1=1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholeScaleFactor::rounded(c.given), QByteArray(c.rounded)) << c.given;
    }
}

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

QImage blocks(const QImage& picture, int ratio) {
    return picture.convertToFormat(QImage::Format_RGB32)
        .scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

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
        EXPECT_EQ(drawnAt(*bitmap, 1), builtIn) << c.what << " is replaced by the built-in picture";
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
    for (const auto& [ratio, scale] :
         {std::pair{1.0, 1}, {1.25, 1}, {1.5, 2}, {2.0, 2}, {3.0, 1}, {4.0, 2}}) {
        EXPECT_EQ(PictureLookup::pictureScaleFor(ratio), scale) << ratio;
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
        ASSERT_TRUE(c.picture.isNull() || c.picture.save(skin.path() + "/1/104_stop.bmp"));
        ASSERT_TRUE(c.twin.isNull() || c.twin.save(skin.path() + "/1/104_stop@2x.bmp"));
        auto bitmap = PictureLookup::load(skin.path(), 1, "104_stop.bmp", c.screenScale);
        ASSERT_TRUE(bitmap->isLoaded()) << c.what;
        EXPECT_EQ(bitmap->getName(), "104_stop.bmp") << c.what;
        EXPECT_EQ(QSize(bitmap->width(), bitmap->height()), QSize(60, 20)) << c.what;
        EXPECT_EQ(drawnAt(*bitmap, 2), c.expected.convertToFormat(QImage::Format_RGB32)) << c.what;
        EXPECT_FALSE(QFile::exists(skin.path() + "/1/104_stop@2x.bmp") && c.twin.isNull())
            << c.what << ": nothing is written for the twin";
    }
}

}  // namespace
