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

void drawKnobs(QImage& image, int unit, int sizeClass) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, sizeClass > 0);
    painter.setPen(Qt::NoPen);
    for (int frame = 0; frame < 3; ++frame) {
        if (sizeClass == 0) {
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
QImage groove(int unit, int sizeClass) {
    const int length = unit * 5 / 2;
    const int inset = unit / 5;
    QImage strip(length, unit, QImage::Format_RGB32);
    strip.fill(SkinColours::background);
    const int thickness = unit - 2 * inset;
    if (sizeClass == 0) {
        PixelShapes::fillRounded(strip, QRect(inset, inset, length - 2 * inset, thickness),
                                 thickness / 2, SkinColours::groove);
        return strip;
    }
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    // Gently rounded rather than a pill: the square-ended fill sits inside with an even border.
    const double radius = sizeClass == 1 ? 4.0 : 5.0;
    shape.addRoundedRect(QRectF(inset, inset, length - 2 * inset, thickness), radius, radius);
    painter.fillPath(shape, QColor(SkinColours::grooveShadow));
    // Shadow along the top edge: the groove is sunk into the window.
    painter.fillPath(shape.intersected(shape.translated(0, 1)), QColor(SkinColours::groove));
    return strip;
}

}  // namespace

QImage slider(int sizeClass, QRgb fill) {
    const int unit = 10 * (sizeClass + 1);
    QImage image(4 * unit, unit * 5 / 2, QImage::Format_RGB32);
    image.fill(SkinColours::background);
    drawKnobs(image, unit, sizeClass);
    const QImage horizontal = groove(unit, sizeClass);
    QPainter painter(&image);
    painter.drawImage(0, unit, horizontal);
    painter.drawImage(3 * unit, 0, PixelShapes::transposed(horizontal));
    painter.end();
    image.setPixel(0, image.height() - 1, fill);
    return image;
}

QImage info() {
    QImage image(15, 20, QImage::Format_RGB32);
    image.fill(SkinColours::background);
    const QRect panel(0, 0, 15, 20);
    PixelShapes::fillRounded(image, panel, 5, SkinColours::groove);
    PixelShapes::fillRoundedRow(image, panel, 5, 0, SkinColours::grooveShadow);
    return image;
}

QImage listBox() {
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
