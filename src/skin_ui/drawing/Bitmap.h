#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include "common/Colour.h"

class QPainter;

// One picture loaded from a file, drawn with one colour keyed out as transparent.
// Positions and sizes are in skin pixels; a picture drawn for high-density screens holds
// `pixelScale` x `pixelScale` of its own pixels in each skin pixel.
class Bitmap {
public:
    // The longest side a picture file may claim.
    static constexpr int maxSide = 8192;

    // Loads the picture (BMP only); a picture that cannot be loaded is reported and draws
    // nothing.
    explicit Bitmap(const QString& path);
    // The same, with the picture known by the name rather than by the file's name, and drawn
    // with `scale` x `scale` picture pixels to the skin pixel (a picture whose sides the scale
    // does not divide is refused like a broken one).
    Bitmap(const QString& path, const QString& pictureName, int scale = 1);
    virtual ~Bitmap() = default;

    void draw(QPainter& painter, int x) const;
    void drawPart(QPainter& painter, int x, int y, const QRect& source) const;

    void setTransparentColour(ColourRef colour);
    ColourRef getTransparentColour() const { return transparentColour; }

    QString getName() const { return name; }
    bool isLoaded() const { return loaded; }
    int width() const { return image.width() / pixelScale; }
    int height() const { return image.height() / pixelScale; }
    int getPixelScale() const { return pixelScale; }
    // The colour of one skin pixel (0 outside the picture).
    ColourRef pixel(int x, int y) const;

    // The file name without folders: behind the last "/", else behind the last "\".
    static QString nameOf(const QString& path);

private:
    void setDrawable(const QImage& picture);

    QImage image;
    QPixmap drawable;  // the picture with the transparent colour keyed out
    ColourRef transparentColour = noTransparentColour;
    bool loaded = false;
    QString name;
    int pixelScale;
};
