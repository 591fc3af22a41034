#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include "common/Colour.h"

class QPainter;

// One picture loaded from a file, drawn with one colour keyed out as transparent.
class Bitmap {
public:
    // Loads the picture; a picture that cannot be loaded is reported and draws nothing.
    explicit Bitmap(const QString& path);
    virtual ~Bitmap() = default;

    void draw(QPainter& painter, int x) const;
    void drawPart(QPainter& painter, int x, int y, const QRect& source) const;

    void setTransparentColour(ColourRef colour);
    ColourRef getTransparentColour() const { return transparentColour; }

    QString getName() const { return name; }
    bool isLoaded() const { return loaded; }
    int width() const { return image.width(); }
    int height() const { return image.height(); }
    // The colour of one pixel (0 outside the picture).
    ColourRef pixel(int x, int y) const;

    // The file name without folders: behind the last "/", else behind the last "\".
    static QString nameOf(const QString& path);

private:
    QImage image;
    QPixmap drawable;  // the picture with the transparent colour keyed out
    ColourRef transparentColour = noTransparentColour;
    bool loaded = false;
    QString name;
};
