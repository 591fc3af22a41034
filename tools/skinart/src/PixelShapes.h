#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>

#include <string_view>
#include <vector>

// Pixel-exact drawing for the smallest size class, where every pixel is placed by hand or by
// whole-pixel rules rather than by anti-aliasing.
namespace PixelShapes {

// Rows of a small drawing: '#' is painted, anything else is left alone.
using PixelMap = std::vector<std::string_view>;

// True when the pixel lies inside the rectangle with its corners rounded to the radius,
// each corner row cut back to the nearest whole pixel of the circle.
bool insideRounded(const QRect& rect, int radius, QPoint pixel);
void fillRounded(QImage& image, const QRect& rect, int radius, QRgb colour);
// Paints the row of the rounded rectangle that is `row` pixels below its top.
void fillRoundedRow(QImage& image, const QRect& rect, int radius, int row, QRgb colour);
void stamp(QImage& image, QPoint origin, const PixelMap& map, QRgb colour);
// Mirror across the main diagonal: turns a horizontal track into a vertical one.
QImage transposed(const QImage& image);

}  // namespace PixelShapes
