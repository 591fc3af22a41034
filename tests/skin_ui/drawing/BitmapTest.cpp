#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "skin_ui/drawing/Bitmap.h"
#include "support/ScriptedPrompts.h"

namespace {

// A 4 x 1 picture: red, magenta, green, magenta.
QString writeStrip(const QTemporaryDir& dir) {
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(255, 0, 255));
    image.setPixel(2, 0, qRgb(0, 255, 0));
    image.setPixel(3, 0, qRgb(255, 0, 255));
    const QString path = dir.filePath("strip.bmp");
    image.save(path);
    return path;
}

QImage drawOnBlue(const Bitmap& bitmap) {
    QImage canvas(4, 1, QImage::Format_RGB32);
    canvas.fill(qRgb(0, 0, 255));
    QPainter painter(&canvas);
    bitmap.draw(painter, 0);
    return canvas;
}

}  // namespace

TEST(Bitmap, NameIsTheLastPathComponentSlashFirst) {
    EXPECT_EQ(Bitmap::nameOf("a/b\\c.bmp"), "b\\c.bmp");
    EXPECT_EQ(Bitmap::nameOf("a\\b\\c.bmp"), "c.bmp");
    EXPECT_EQ(Bitmap::nameOf("c.bmp"), "c.bmp");
}

TEST(Bitmap, DrawsOpaqueUntilAColourIsKeyedOut) {
    QTemporaryDir dir;
    Bitmap bitmap(writeStrip(dir));
    ASSERT_TRUE(bitmap.isLoaded());
    EXPECT_EQ(drawOnBlue(bitmap).pixel(1, 0), qRgb(255, 0, 255));

    bitmap.setTransparentColour(makeColour(255, 0, 255));
    const QImage keyed = drawOnBlue(bitmap);
    EXPECT_EQ(keyed.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(keyed.pixel(1, 0), qRgb(0, 0, 255)) << "magenta shows the background";
    EXPECT_EQ(keyed.pixel(3, 0), qRgb(0, 0, 255));
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

    QImage screen(8, 4, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2);
    screen.fill(qRgb(0, 0, 255));
    {
        QPainter painter(&screen);
        bitmap.draw(painter, 0);
    }
    screen.setDevicePixelRatio(1);
    EXPECT_EQ(screen, sharp) << "every picture pixel on its own device pixel";

    bitmap.setTransparentColour(makeColour(255, 0, 255));
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

TEST(Bitmap, AMissingOrForeignPictureIsReportedAndMeasuresNothing) {
    QTemporaryDir dir;
    QImage png(4, 4, QImage::Format_RGB32);
    png.fill(Qt::red);
    ASSERT_TRUE(png.save(dir.filePath("png.bmp"), "PNG"));
    {
        ScriptedPrompts prompts;
        EXPECT_FALSE(Bitmap(dir.filePath("png.bmp")).isLoaded()) << "BMP files only";
        EXPECT_EQ(prompts.shown.size(), 1u);
    }
    {
        // A damaged header may claim millions of rows; any side beyond the limit is refused
        // before pixel memory is taken (a whole, valid picture shows the rule).
        QImage tall(1, Bitmap::maxSide + 1, QImage::Format_RGB32);
        tall.fill(Qt::red);
        ASSERT_TRUE(tall.save(dir.filePath("tall.bmp"), "BMP"));
        ScriptedPrompts prompts;
        EXPECT_FALSE(Bitmap(dir.filePath("tall.bmp")).isLoaded());
        EXPECT_EQ(prompts.shown.size(), 1u);
    }
    ScriptedPrompts prompts;
    Bitmap bitmap("/nonexistent/105_prev.bmp");
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.width(), 0);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Bitmap");
    EXPECT_TRUE(prompts.shown[0].text.startsWith("Failed to load in bitmap.\n/nonexistent/"));
}
