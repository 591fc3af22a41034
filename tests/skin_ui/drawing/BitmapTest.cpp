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

TEST(Bitmap, AMissingPictureIsReportedAndMeasuresNothing) {
    ScriptedPrompts prompts;
    Bitmap bitmap("/nonexistent/105_prev.bmp");
    EXPECT_FALSE(bitmap.isLoaded());
    EXPECT_EQ(bitmap.width(), 0);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Bitmap");
    EXPECT_TRUE(prompts.shown[0].text.startsWith("Failed to load in bitmap.\n/nonexistent/"));
}
