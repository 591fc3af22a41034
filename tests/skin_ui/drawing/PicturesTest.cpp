// The pictures of a skin: found in the skin or restored from the program, as drawn; and the
// text engine's fonts; the program's icon.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "ResourceTable.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/drawing/PictureLookup.h"
#include "skin_ui/drawing/ProgramIcon.h"
#include "support/Files.h"
#include "support/ScriptedPrompts.h"

namespace {

// What the picture (or the part of it) puts on the device pixels of a screen at the ratio.
QImage drawnAt(const Bitmap& bitmap, int ratio, QRgb background = qRgb(0, 0, 0), QRect part = {}) {
    if (part.isNull()) {
        part = QRect(0, 0, bitmap.width(), bitmap.height());
    }
    QImage screen(part.width() * ratio, part.height() * ratio, QImage::Format_RGB32);
    screen.fill(background);
    screen.setDevicePixelRatio(ratio);
    {
        QPainter painter(&screen);
        bitmap.drawPart(painter, 0, 0, part);
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
    // At twice the resolution a part is taken from twice its place in the picture.
    ASSERT_TRUE(strip.scaled(8, 2).save(dir.filePath("strip@2x.bmp")));
    const Bitmap sharp(dir.filePath("strip@2x.bmp"), "strip.bmp", 2);
    EXPECT_EQ(drawnAt(sharp, 2, qRgb(0, 0, 255), QRect(2, 0, 1, 1)).pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(Bitmap::nameOf("a/b\\c.bmp"), "b\\c.bmp");  // the slash first
    EXPECT_EQ(Bitmap::nameOf("a\\b\\c.bmp"), "c.bmp");
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
QImage blocks(const QImage& picture, int ratio) {
    return picture.convertToFormat(QImage::Format_RGB32)
        .scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

TEST(PictureLookup, EveryBuiltInPictureExistsAlsoAtTwiceItsResolution) {
    for (int sizeClass = 0; sizeClass <= 2; ++sizeClass) {
        for (const QString& name : ResourceTable::pictureNames()) {
            const int id = PictureLookup::resourceIdOf(name, sizeClass);
            const QString resource = ResourceTable::pathOf(id);
            SCOPED_TRACE(name.toStdString() + " class " + std::to_string(sizeClass));
            ASSERT_FALSE(resource.isEmpty());
            const QImage image(resource);
            const QImage sharp(ResourceTable::doubleSizePathOf(id));
            EXPECT_EQ(sharp.size(), image.size() * 2);
            EXPECT_TRUE(image.depth() <= 8 && sharp.depth() <= 8) << "4- or 8-bit pictures";
            EXPECT_NE(blocks(image, 2), sharp.convertToFormat(QImage::Format_RGB32))
                << "drawn at twice the resolution, not enlarged";
        }
    }
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
    QImage replacement(20, 20, QImage::Format_RGB32);
    replacement.fill(Qt::yellow);
    ASSERT_TRUE(replacement.save(path));
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

}  // namespace

TEST(ProgramIcon, GivesEveryDrawnSizeAndScalesOthersDownFromTheNextLarger) {
    EXPECT_EQ(ProgramIcon::smallest().availableSizes(), QList<QSize>{QSize(16, 16)});
    const QIcon icon = ProgramIcon::icon();
    EXPECT_EQ(icon.availableSizes().size(), 6);
    // requested side, side of the pixmap given
    const std::pair<int, int> cases[] = {{16, 16}, {22, 22}, {48, 48}, {256, 256}, {300, 256}};
    for (const auto& [asked, given] : cases) {
        const QImage image = icon.pixmap(QSize(asked, asked)).toImage();
        EXPECT_EQ(image.size(), QSize(given, given)) << asked;
        // Opaque in the middle: a picture was decoded, not an empty pixmap of the right size.
        EXPECT_EQ(qAlpha(image.pixel(given / 2, given / 2)), 255) << asked;
    }
}

TEST(PictureLookup, HeldRestoresDrawFromTheProgramAndWriteOnRelease) {
    QTemporaryDir skin;
    const QString path = skin.path() + "/0/105_prev.bmp";
    PictureLookup::holdRestores();
    const auto held = PictureLookup::load(skin.path(), 0, "105_prev.bmp", 1);
    EXPECT_TRUE(held->isLoaded());
    EXPECT_FALSE(QFile::exists(path)) << "written only on release";
    PictureLookup::releaseRestores();
    EXPECT_EQ(readFile(path), readFile(ResourceTable::pathOf(105)));
    QFile::remove(path);
    PictureLookup::load(skin.path(), 0, "105_prev.bmp", 1);
    EXPECT_TRUE(QFile::exists(path)) << "restored at once when not held";
}
