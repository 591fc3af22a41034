// The pictures of a skin as drawn, the text engine's fonts, and the whole scale factors the
// pictures are drawn at.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/drawing/WholeScaleFactor.h"
#include "support/ScriptedPrompts.h"

namespace {

QImage drawOnBlue(const Bitmap& bitmap) {
    QImage canvas(4, 1, QImage::Format_RGB32);
    canvas.fill(qRgb(0, 0, 255));
    QPainter painter(&canvas);
    bitmap.draw(painter, 0);
    return canvas;
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
    EXPECT_EQ(drawOnBlue(bitmap).pixel(1, 0), qRgb(255, 0, 255));
    bitmap.setTransparentColour(makeColour(255, 0, 255));
    const QImage keyed = drawOnBlue(bitmap);
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

}  // namespace
