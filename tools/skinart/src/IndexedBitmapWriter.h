#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Turns a drawn picture into an 8-bit palette picture by nearest colour, without dithering, so
// that every pixel drawn in a palette colour (above all the transparent background) keeps it.
class IndexedBitmapWriter {
public:
    explicit IndexedBitmapWriter(QList<QRgb> palette);

    QImage toIndexed(const QImage& picture) const;
    // Writes the picture as an 8-bit BMP; false when the file cannot be written.
    bool write(const QImage& picture, const QString& path) const;

private:
    int nearestIndex(QRgb colour) const;

    QList<QRgb> palette_;
};
