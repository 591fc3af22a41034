#include "ButtonArt.h"

#include "GlyphPaths.h"
#include "PixelShapes.h"
#include "SkinColours.h"
#include "SmallGlyphs.h"

#include <QPainter>
#include <QTransform>

namespace ButtonArt {
namespace {

struct FrameLook {
    QRgb face;
    QRgb top;
};

FrameLook frameLook(int frame) {
    using namespace SkinColours;
    switch (frame) {
        case 1:
            return {faceHover, faceHoverTop};
        case 2:
            return {facePressed, facePressedTop};
        default:
            return {face, faceTop};
    }
}

void drawSmallFrame(QImage& image, int frame, Glyph glyph, QRgb glyphColour) {
    const FrameLook look = frameLook(frame);
    const QRect square(frame * 10, 0, 10, 10);
    PixelShapes::fillRounded(image, square, 2, look.face);
    PixelShapes::stamp(image, square.topLeft(), SmallGlyphs::map(glyph), glyphColour);
}

// Anti-aliased frames: size classes 1 and 2, and every class drawn at twice the resolution.
// `scale` device pixels make one skin pixel; the look is measured in skin pixels.
void drawLargeFrame(QImage& image, int sizeClass, int scale, int frame, Glyph glyph,
                    QRgb glyphColour) {
    const FrameLook look = frameLook(frame);
    const int side = 10 * (sizeClass + 1) * scale;
    const double radius = (sizeClass == 0 ? 2.0 : sizeClass == 1 ? 4.0 : 6.0) * scale;
    // The lighter top edge is one skin pixel at 1x and a fine device pixel line at 2x.
    const int topEdge = 1;
    const int inset = scale;
    // A pressed glyph sinks by one skin pixel (one device pixel for the smallest class).
    const int glyphDrop = frame == 2 ? (sizeClass > 0 ? scale : scale - 1) : 0;

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    QPainterPath faceShape;
    faceShape.addRoundedRect(
        QRectF(frame * side + inset, inset, side - 2 * inset, side - 2 * inset), radius, radius);
    painter.fillPath(faceShape, QColor(look.top));
    // The face proper starts lower, leaving the top edge in its own colour.
    painter.fillPath(faceShape.intersected(faceShape.translated(0, topEdge)), QColor(look.face));

    // The glyph grid sits so that odd grid lines fall on whole pixels at every size: one grid
    // unit is side / 20 pixels (1, 1.5, 2 or 3).
    const double glyphBox = side * 0.6;
    const double margin = side % 20 == 0 ? side / 5.0 : 5.5 * side / 30.0;
    QTransform toFrame;
    toFrame.translate(frame * side + margin, margin + glyphDrop);
    toFrame.scale(glyphBox / GlyphPaths::gridSize, glyphBox / GlyphPaths::gridSize);
    painter.fillPath(toFrame.map(GlyphPaths::path(glyph)), QColor(glyphColour));
}

}  // namespace

const std::vector<Picture>& pictures() {
    static const std::vector<Picture> all = {
        {"100_close.bmp", Glyph::Close, false},
        {"101_options.bmp", Glyph::Options, false},
        {"102_play.bmp", Glyph::Play, false},
        {"103_pause.bmp", Glyph::Pause, true},
        {"104_stop.bmp", Glyph::Stop, false},
        {"105_prev.bmp", Glyph::Prev, false},
        {"106_next.bmp", Glyph::Next, false},
        {"107_mute_0.bmp", Glyph::Speaker, false},
        {"108_mute_1.bmp", Glyph::SpeakerMuted, true},
        {"109_expand_0.bmp", Glyph::ExpandDown, false},
        {"110_expand_1.bmp", Glyph::ExpandUp, true},
        {"111_shuffle_0.bmp", Glyph::Shuffle, false},
        {"112_shuffle_1.bmp", Glyph::Shuffle, true},
        {"113_repeat_0.bmp", Glyph::Repeat, false},
        {"114_repeat_1.bmp", Glyph::Repeat, true},
        {"115_return.bmp", Glyph::Return, false},
        {"116_openfile.bmp", Glyph::Open, false},
        {"117_savefile.bmp", Glyph::Save, false},
    };
    return all;
}

QImage draw(int sizeClass, int scale, Glyph glyph, bool on) {
    const int side = 10 * (sizeClass + 1) * scale;
    QImage image(3 * side, side, QImage::Format_RGB32);
    image.fill(SkinColours::background);
    const QRgb glyphColour = on ? SkinColours::glyphOn : SkinColours::glyph;
    for (int frame = 0; frame < 3; ++frame) {
        if (sizeClass == 0 && scale == 1) {
            drawSmallFrame(image, frame, glyph, glyphColour);
        } else {
            drawLargeFrame(image, sizeClass, scale, frame, glyph, glyphColour);
        }
    }
    return image;
}

}  // namespace ButtonArt
