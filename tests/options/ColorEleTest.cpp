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
    const QPoint pixels[] = {{0, 0},  {1, 1},   {19, 10}, {10, 19}, {10, 0},
                             {0, 10}, {18, 18}, {3, 3},   {10, 10}, {16, 16}};
    for (const QPoint pixel : pixels) {
        const auto edge = [](int v) { return v < 3 || v > 16; };
        const QRgb expected = edge(pixel.x()) || edge(pixel.y()) ? frame : qRgb(255, 0, 0);
        EXPECT_EQ(picture.pixel(pixel) & 0xFFFFFF, expected & 0xFFFFFF)
            << pixel.x() << "," << pixel.y();
    }
    QTest::mouseClick(&swatch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(swatch.getColour(), 0x000000FFu);
    EXPECT_EQ(swatch.grab().toImage(), picture);
}
