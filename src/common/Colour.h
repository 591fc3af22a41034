#pragma once

#include <QColor>
#include <cstdint>

// Colours are stored as 0x00BBGGRR: red in the low byte, then green, then blue.
using ColourRef = uint32_t;

// Matches no pixel: a picture with this transparent colour is drawn opaque.
constexpr ColourRef noTransparentColour = 0xFFFFFFFF;

constexpr ColourRef makeColour(int red, int green, int blue) {
    return static_cast<ColourRef>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int redOf(ColourRef colour) {
    return colour & 0xFF;
}
constexpr int greenOf(ColourRef colour) {
    return (colour >> 8) & 0xFF;
}
constexpr int blueOf(ColourRef colour) {
    return (colour >> 16) & 0xFF;
}

inline QColor toQColor(ColourRef colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}
inline ColourRef fromQRgb(QRgb rgb) {
    return makeColour(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
