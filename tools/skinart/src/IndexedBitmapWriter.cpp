#include "IndexedBitmapWriter.h"

#include <limits>
#include <utility>

IndexedBitmapWriter::IndexedBitmapWriter(QList<QRgb> palette) : palette_(std::move(palette)) {}

int IndexedBitmapWriter::nearestIndex(QRgb colour) const {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette_.size(); ++i) {
        const int dr = qRed(colour) - qRed(palette_[i]);
        const int dg = qGreen(colour) - qGreen(palette_[i]);
        const int db = qBlue(colour) - qBlue(palette_[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QImage IndexedBitmapWriter::toIndexed(const QImage& picture) const {
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette_);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) {
            out[x] = static_cast<uchar>(nearestIndex(in[x]));
        }
    }
    return indexed;
}

bool IndexedBitmapWriter::write(const QImage& picture, const QString& path) const {
    return toIndexed(picture).save(path, "BMP");
}
