#include "skin_ui/drawing/Bitmap.h"

#include <QImageReader>
#include <QPainter>
#include <algorithm>

#include "common/DebugLog.h"
#include "common/Prompts.h"

Bitmap::Bitmap(const QString& path) : Bitmap(path, nameOf(path)) {}

Bitmap::Bitmap(const QString& path, const QString& pictureName, int scale)
    : name(pictureName), pixelScale(std::max(scale, 1)) {
    // Pictures are BMP files only: another format under a ".bmp" name is refused rather than
    // handed to whatever image plugin happens to be installed.
    QImageReader reader(path, "BMP");
    reader.setAutoDetectImageFormat(false);
    // A damaged header can claim millions of rows; no skin picture comes near this side, and the
    // claim is refused before any pixel memory is taken.
    const QSize claimed = reader.size();
    if (claimed.isValid() && claimed.width() <= maxSide && claimed.height() <= maxSide) {
        image = reader.read();
    }
    loaded = !image.isNull() && image.width() % pixelScale == 0 && image.height() % pixelScale == 0;
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
    setDrawable(image);
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
        setDrawable(image);
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
    setDrawable(keyed);
}

void Bitmap::draw(QPainter& painter, int x) const {
    drawPart(painter, x, 0, QRect(0, 0, width(), height()));
}

void Bitmap::drawPart(QPainter& painter, int x, int y, const QRect& source) const {
    if (!loaded) {
        return;
    }
    // The source is in skin pixels, the drawable in picture pixels. The painter maps the
    // picture to the screen's whole device pixel factor; without smoothing every picture pixel
    // stays a sharp block.
    painter.drawPixmap(QPointF(x, y), drawable,
                       QRectF(source.topLeft() * pixelScale, source.size() * pixelScale));
}

void Bitmap::setDrawable(const QImage& picture) {
    drawable = QPixmap::fromImage(picture);
    drawable.setDevicePixelRatio(pixelScale);
}

ColourRef Bitmap::pixel(int x, int y) const {
    if (!loaded || x < 0 || y < 0 || x >= width() || y >= height()) {
        return 0;
    }
    return fromQRgb(image.pixel(x * pixelScale, y * pixelScale));
}
