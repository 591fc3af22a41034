#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "skin_ui/drawing/Engine.h"

namespace {

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

}  // namespace

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
