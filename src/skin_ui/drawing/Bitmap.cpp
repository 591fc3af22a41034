#include "skin_ui/drawing/Bitmap.h"

#include <QPainter>

#include "common/DebugLog.h"
#include "common/Prompts.h"

Bitmap::Bitmap(const QString& path) : name(nameOf(path)) {
    // The format is named so Qt does not load every image plugin to guess it; a picture that
    // is not a BMP is still tried by its contents.
    if (!image.load(path, "BMP")) {
        image.load(path);
    }
    loaded = !image.isNull();
    if (!loaded) {
        image = QImage();
        DebugLog::write("ERROR: Failed to load in bitmap (" + path.toStdString() + ").\n");
        Prompts::current().error("Failed to load in bitmap.\n" + path +
                                     "\n\nPlease check if the file exists or if the bitmap is "
                                     "not corrupted.\n",
                                 "Bitmap");
        return;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    drawable = QPixmap::fromImage(image);
}

QString Bitmap::nameOf(const QString& path) {
    qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        slash = path.lastIndexOf('\\');
    }
    return slash < 0 ? path : path.mid(slash + 1);
}

void Bitmap::setTransparentColour(ColourRef colour) {
    transparentColour = colour;
    if (!loaded) {
        return;
    }
    if (colour == noTransparentColour) {
        drawable = QPixmap::fromImage(image);
        return;
    }
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(redOf(colour), greenOf(colour), blueOf(colour));
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF)) {
                line[x] = 0;
            }
        }
    }
    drawable = QPixmap::fromImage(keyed);
}

void Bitmap::draw(QPainter& painter, int x) const {
    if (loaded) {
        painter.drawPixmap(x, 0, drawable);
    }
}

void Bitmap::drawPart(QPainter& painter, int x, int y, const QRect& source) const {
    if (loaded) {
        painter.drawPixmap(QPoint(x, y), drawable, source);
    }
}

ColourRef Bitmap::pixel(int x, int y) const {
    if (!loaded || !image.valid(x, y)) {
        return 0;
    }
    return fromQRgb(image.pixel(x, y));
}
