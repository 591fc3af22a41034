#include "TrackArt.h"

#include "PixelShapes.h"
#include "SkinColours.h"

#include <QPainter>
#include <QPainterPath>

namespace TrackArt {
namespace {

QRgb knobColour(int frame) {
    switch (frame) {
        case 1:
            return SkinColours::knobHover;
        case 2:
            return SkinColours::knobPressed;
        default:
            return SkinColours::knob;
    }
}

// `pixelExact` is the smallest class at 1x, drawn pixel by pixel; everything larger is
// anti-aliased.
void drawKnobs(QImage& image, int unit, bool pixelExact) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, !pixelExact);
    painter.setPen(Qt::NoPen);
    for (int frame = 0; frame < 3; ++frame) {
        if (pixelExact) {
            PixelShapes::fillRounded(image, QRect(frame * unit + 1, 1, 8, 8), 4, knobColour(frame));
            continue;
        }
        const double diameter = unit * 0.8;
        const QPointF centre(frame * unit + unit / 2.0, unit / 2.0);
        painter.setBrush(QColor(knobColour(frame)));
        painter.drawEllipse(centre, diameter / 2, diameter / 2);
    }
}

// A horizontal groove 2.5u long and u thick; its ends become the caps and its straight middle
// the tile, so the pieces join seamlessly however many tiles the track needs.
QImage groove(int unit, int sizeClass, int scale) {
    const int length = unit * 5 / 2;
    const int inset = unit / 5;
    QImage strip(length, unit, QImage::Format_RGB32);
    strip.fill(SkinColours::background);
    const int thickness = unit - 2 * inset;
    if (sizeClass == 0 && scale == 1) {
        PixelShapes::fillRounded(strip, QRect(inset, inset, length - 2 * inset, thickness),
                                 thickness / 2, SkinColours::groove);
        return strip;
    }
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    // Gently rounded rather than a pill: the square-ended fill sits inside with an even border.
    // The smallest class keeps its pill.
    const double radius = (sizeClass == 0 ? 3.0 : sizeClass == 1 ? 4.0 : 5.0) * scale;
    shape.addRoundedRect(QRectF(inset, inset, length - 2 * inset, thickness), radius, radius);
    painter.fillPath(shape, QColor(SkinColours::grooveShadow));
    // Shadow along the top edge: the groove is sunk into the window.
    painter.fillPath(shape.intersected(shape.translated(0, 1)), QColor(SkinColours::groove));
    return strip;
}

QImage smoothInfo(int scale) {
    QImage image(15 * scale, 20 * scale, QImage::Format_RGB32);
    image.fill(SkinColours::background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath panel;
    const double radius = 5.0 * scale;
    panel.addRoundedRect(QRectF(image.rect()), radius, radius);
    painter.fillPath(panel, QColor(SkinColours::grooveShadow));
    painter.fillPath(panel.intersected(panel.translated(0, scale)), QColor(SkinColours::groove));
    return image;
}

// The frame line one skin pixel wide and one skin pixel inside the edge, its corners bent
// with a radius of 3 skin pixels, drawn round a square of three tiles; the tiles are cut
// from its corners and the middles of its sides.
QImage smoothListBox(int scale) {
    const int tile = 5 * scale;
    QImage frame(3 * tile, 3 * tile, QImage::Format_RGB32);
    frame.fill(SkinColours::background);
    {
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(SkinColours::frameLine), scale));
        const double middle = 1.5 * scale;
        painter.drawRoundedRect(
            QRectF(middle, middle, 3 * tile - 2 * middle, 3 * tile - 2 * middle), 2.5 * scale,
            2.5 * scale);
    }
    QImage image(40 * scale, 25 * scale, QImage::Format_RGB32);
    image.fill(SkinColours::background);
    QPainter painter(&image);
    auto piece = [&](int toX, int toY, int fromColumn, int fromRow) {
        painter.drawImage(toX * scale, toY * scale, frame, fromColumn * tile, fromRow * tile, tile,
                          tile);
    };
    piece(0, 20, 0, 0);   // top-left corner
    piece(5, 20, 2, 0);   // top-right corner
    piece(10, 20, 0, 2);  // bottom-left corner
    piece(15, 20, 2, 2);  // bottom-right corner
    piece(25, 15, 1, 0);  // top edge
    piece(25, 10, 1, 2);  // bottom edge
    piece(25, 20, 0, 1);  // left edge
    piece(20, 20, 2, 1);  // right edge
    return image;
}

}  // namespace

QImage slider(int sizeClass, int scale, QRgb fill) {
    const int unit = 10 * (sizeClass + 1) * scale;
    QImage image(4 * unit, unit * 5 / 2, QImage::Format_RGB32);
    image.fill(SkinColours::background);
    drawKnobs(image, unit, sizeClass == 0 && scale == 1);
    const QImage horizontal = groove(unit, sizeClass, scale);
    QPainter painter(&image);
    painter.drawImage(0, unit, horizontal);
    painter.drawImage(3 * unit, 0, PixelShapes::transposed(horizontal));
    painter.end();
    // The player reads the fill colour from the one pixel (0, 2.5u - 1) in skin pixels, which is
    // the whole block of device pixels there.
    for (int y = image.height() - scale; y < image.height(); ++y) {
        for (int x = 0; x < scale; ++x) {
            image.setPixel(x, y, fill);
        }
    }
    return image;
}

QImage info(int scale) {
    if (scale > 1) {
        return smoothInfo(scale);
    }
    QImage image(15, 20, QImage::Format_RGB32);
    image.fill(SkinColours::background);
    const QRect panel(0, 0, 15, 20);
    PixelShapes::fillRounded(image, panel, 5, SkinColours::groove);
    PixelShapes::fillRoundedRow(image, panel, 5, 0, SkinColours::grooveShadow);
    return image;
}

QImage listBox(int scale) {
    if (scale > 1) {
        return smoothListBox(scale);
    }
    QImage image(40, 25, QImage::Format_RGB32);
    image.fill(SkinColours::background);
    // The line runs one pixel inside the element's edge; corners bend with a radius of 3.
    const PixelShapes::PixelMap topLeft = {".....", "...##", "..#..", ".#...", ".#..."};
    const PixelShapes::PixelMap topRight = {".....", "##...", "..#..", "...#.", "...#."};
    const PixelShapes::PixelMap bottomLeft = {".#...", ".#...", "..#..", "...##", "....."};
    const PixelShapes::PixelMap bottomRight = {"...#.", "...#.", "..#..", "##...", "....."};
    const PixelShapes::PixelMap topEdge = {".....", "#####", ".....", ".....", "....."};
    const PixelShapes::PixelMap bottomEdge = {".....", ".....", ".....", "#####", "....."};
    const PixelShapes::PixelMap leftEdge = {".#...", ".#...", ".#...", ".#...", ".#..."};
    const PixelShapes::PixelMap rightEdge = {"...#.", "...#.", "...#.", "...#.", "...#."};
    const QRgb line = SkinColours::frameLine;
    PixelShapes::stamp(image, {0, 20}, topLeft, line);
    PixelShapes::stamp(image, {5, 20}, topRight, line);
    PixelShapes::stamp(image, {10, 20}, bottomLeft, line);
    PixelShapes::stamp(image, {15, 20}, bottomRight, line);
    PixelShapes::stamp(image, {25, 15}, topEdge, line);
    PixelShapes::stamp(image, {25, 10}, bottomEdge, line);
    PixelShapes::stamp(image, {25, 20}, leftEdge, line);
    PixelShapes::stamp(image, {20, 20}, rightEdge, line);
    return image;
}

}  // namespace TrackArt
