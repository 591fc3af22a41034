#pragma once

#include "Glyph.h"

#include <QImage>
#include <QString>

#include <vector>

// Button pictures: three square frames side by side (normal, hover, pressed).
namespace ButtonArt {

struct Picture {
    QString fileName;
    Glyph glyph;
    bool on;  // a state that is on shows its glyph in the accent colour
};

const std::vector<Picture>& pictures();
// Size class 0, 1 or 2: frames of 10, 20 or 30 pixels, times the scale (1, or 2 for the
// pictures of high-density screens, drawn at that resolution rather than enlarged).
QImage draw(int sizeClass, int scale, Glyph glyph, bool on);

}  // namespace ButtonArt
