#include <gtest/gtest.h>

#include <QTest>

#include "options/ColorEle.h"

// A 20 x 20 swatch: the colour inside a frame of pen width 3 on (0, 0) to (19, 19), and no
// reaction to clicks.
TEST(ColorEle, ShowsItsColourInsideAThreePixelFrameAndIgnoresClicks) {
    QWidget parent;
    parent.resize(40, 40);
    ColorEle swatch(&parent);
    swatch.setGeometry(0, 0, 20, 20);
    swatch.setColour(0x000000FF);
    parent.show();

    const QImage picture = swatch.grab().toImage();
    ASSERT_EQ(picture.size(), QSize(20, 20));
    const QRgb frame = swatch.palette().color(QPalette::WindowText).rgb();
    struct Case {
        QPoint pixel;
        QRgb expected;
    } cases[] = {
        {{0, 0}, frame},
        {{1, 1}, frame},
        {{19, 10}, frame},
        {{10, 19}, frame},
        {{10, 0}, frame},
        {{0, 10}, frame},
        {{18, 18}, frame},
        {{3, 3}, qRgb(255, 0, 0)},
        {{10, 10}, qRgb(255, 0, 0)},
        {{16, 16}, qRgb(255, 0, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(picture.pixel(c.pixel) & 0xFFFFFF, c.expected & 0xFFFFFF)
            << c.pixel.x() << "," << c.pixel.y();
    }

    QTest::mouseClick(&swatch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(swatch.getColour(), 0x000000FFu);
    EXPECT_EQ(swatch.grab().toImage(), picture);
}
