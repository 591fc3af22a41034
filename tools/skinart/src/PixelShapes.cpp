#include "PixelShapes.h"

#include <algorithm>
#include <cmath>

namespace PixelShapes {
namespace {

// How many pixels the circle of the radius cuts from a corner row `row` pixels from the edge.
int cornerCut(int radius, int row) {
    if (row >= radius) {
        return 0;
    }
    const double dy = radius - row - 0.5;
    const int halfWidth = static_cast<int>(std::lround(std::sqrt(radius * radius - dy * dy)));
    return radius - halfWidth;
}

}  // namespace

bool insideRounded(const QRect& rect, int radius, QPoint pixel) {
    if (!rect.contains(pixel)) {
        return false;
    }
    const int fromTop = pixel.y() - rect.top();
    const int fromBottom = rect.bottom() - pixel.y();
    const int cut = cornerCut(radius, std::min(fromTop, fromBottom));
    return pixel.x() >= rect.left() + cut && pixel.x() <= rect.right() - cut;
}

void fillRounded(QImage& image, const QRect& rect, int radius, QRgb colour) {
    for (int row = 0; row < rect.height(); ++row) {
        fillRoundedRow(image, rect, radius, row, colour);
    }
}

void fillRoundedRow(QImage& image, const QRect& rect, int radius, int row, QRgb colour) {
    const int y = rect.top() + row;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        if (insideRounded(rect, radius, {x, y})) {
            image.setPixel(x, y, colour);
        }
    }
}

void stamp(QImage& image, QPoint origin, const PixelMap& map, QRgb colour) {
    for (int row = 0; row < static_cast<int>(map.size()); ++row) {
        for (int column = 0; column < static_cast<int>(map[row].size()); ++column) {
            if (map[row][column] == '#') {
                image.setPixel(origin.x() + column, origin.y() + row, colour);
            }
        }
    }
}

QImage transposed(const QImage& image) {
    QImage result(image.height(), image.width(), image.format());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            result.setPixel(y, x, image.pixel(x, y));
        }
    }
    return result;
}

}  // namespace PixelShapes
