#include "UsePreview.h"

#include "SkinColours.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

namespace UsePreview {
namespace {

// Copies a part of a picture, leaving out its transparent (background) pixels.
void drawPart(QImage& target, int x, int y, const QImage& picture, const QRect& source) {
    for (int sy = source.top(); sy <= source.bottom(); ++sy) {
        for (int sx = source.left(); sx <= source.right(); ++sx) {
            const QRgb colour = picture.pixel(sx, sy);
            const QPoint at(x + sx - source.left(), y + sy - source.top());
            if (qRgb(qRed(colour), qGreen(colour), qBlue(colour)) != SkinColours::background &&
                target.rect().contains(at)) {
                target.setPixel(at, colour);
            }
        }
    }
}

QImage horizontalSlider(const QImage& picture, int sizeClass, int width, int percent, int frame) {
    const int unit = picture.width() / 4;
    const int half = unit / 2;
    QImage element(width, unit, QImage::Format_RGB32);
    element.fill(SkinColours::background);
    const int knob = std::clamp(width * percent / 100, half, width - half);
    drawPart(element, 0, 0, picture, QRect(0, unit, unit, unit));
    for (int i = 1; i <= width / half - 2; ++i) {
        drawPart(element, half * i, 0, picture, QRect(unit, unit, half, unit));
    }
    drawPart(element, width - unit, 0, picture, QRect(unit * 3 / 2, unit, unit, unit));
    const int inset = 3 * (sizeClass + 1);
    QPainter(&element).fillRect(
        QRect(QPoint(inset, inset), QPoint(knob - inset, unit - inset)).adjusted(0, 0, -1, -1),
        QColor(picture.pixel(0, picture.height() - 1)));
    drawPart(element, knob - half, 0, picture, QRect(frame * unit, 0, unit, unit));
    return element;
}

QImage verticalSlider(const QImage& picture, int sizeClass, int height, int percent, int frame) {
    const int unit = picture.width() / 4;
    const int half = unit / 2;
    QImage element(unit, height, QImage::Format_RGB32);
    element.fill(SkinColours::background);
    const int knob = std::clamp(height - height * percent / 100, half, height - half);
    drawPart(element, 0, 0, picture, QRect(3 * unit, 0, unit, unit));
    for (int i = 1; i <= height / half - 2; ++i) {
        drawPart(element, 0, half * i, picture, QRect(3 * unit, unit, unit, half));
    }
    drawPart(element, 0, height - unit, picture, QRect(3 * unit, unit * 3 / 2, unit, unit));
    const int inset = 3 * (sizeClass + 1);
    QPainter(&element).fillRect(
        QRect(QPoint(inset, knob), QPoint(unit - inset, height - inset)).adjusted(0, 0, -1, -1),
        QColor(picture.pixel(0, picture.height() - 1)));
    drawPart(element, 0, knob - half, picture, QRect(frame * unit, 0, unit, unit));
    return element;
}

QFont textFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    return font;
}

QImage infoStrip(const QImage& picture, int width, const QString& text) {
    QImage element(width, 20, QImage::Format_RGB32);
    element.fill(SkinColours::background);
    for (int i = 0; i < width / 5 - 2; ++i) {
        drawPart(element, 5 + 5 * i, 0, picture, QRect(5, 0, 5, 20));
    }
    {
        QPainter painter(&element);
        painter.setFont(textFont());
        painter.setPen(Qt::white);
        const int textWidth = painter.fontMetrics().horizontalAdvance(text);
        painter.drawText(QRect(5, 2, textWidth + 10, 20), Qt::TextWordWrap, text);
    }
    drawPart(element, 0, 0, picture, QRect(0, 0, 5, 20));
    drawPart(element, width - 5, 0, picture, QRect(10, 0, 5, 20));
    return element;
}

QImage listBox(const QImage& picture, int width, int height, const QStringList& rows) {
    QImage element(width, height, QImage::Format_RGB32);
    element.fill(SkinColours::background);
    {
        QPainter painter(&element);
        painter.setFont(textFont());
        painter.setPen(Qt::white);
        const int rowHeight = painter.fontMetrics().height();
        for (int i = 0; i < rows.size(); ++i) {
            painter.drawText(QRect(5, 5 + i * rowHeight, width, rowHeight), Qt::TextWordWrap,
                             rows[i]);
        }
    }
    drawPart(element, 0, 0, picture, QRect(0, 20, 5, 5));
    drawPart(element, width - 5, 0, picture, QRect(5, 20, 5, 5));
    drawPart(element, 0, height - 5, picture, QRect(10, 20, 5, 5));
    drawPart(element, width - 5, height - 5, picture, QRect(15, 20, 5, 5));
    for (int k = 0; k <= width / 5 - 3; ++k) {
        drawPart(element, 5 + 5 * k, 0, picture, QRect(25, 15, 5, 5));
        drawPart(element, 5 + 5 * k, height - 5, picture, QRect(25, 10, 5, 5));
    }
    for (int k = 0; k <= height / 5 - 3; ++k) {
        drawPart(element, 0, 5 + 5 * k, picture, QRect(25, 20, 5, 5));
        drawPart(element, width - 5, 5 + 5 * k, picture, QRect(20, 20, 5, 5));
    }
    return element;
}

}  // namespace

QImage draw(const Pictures& pictures) {
    const int gap = 12;
    QImage preview(3 * (200 + 3 * 30 + 3 * gap) + gap, 220, QImage::Format_RGB32);
    preview.fill(SkinColours::background);
    QPainter painter(&preview);
    for (int sizeClass = 0; sizeClass < 3; ++sizeClass) {
        const int left = gap + sizeClass * (200 + 3 * 30 + 3 * gap);
        int y = 0;
        for (int frame = 0; frame < 3; ++frame) {
            painter.drawImage(left, y,
                              horizontalSlider(pictures.progress[sizeClass], sizeClass, 200,
                                               30 + 25 * frame, frame));
            y += 10 * (sizeClass + 1) + 6;
        }
        for (int frame = 0; frame < 3; ++frame) {
            painter.drawImage(
                left + 200 + gap + frame * (10 * (sizeClass + 1) + gap), 0,
                verticalSlider(pictures.volume[sizeClass], sizeClass, 120, 30 + 25 * frame, frame));
        }
    }
    painter.drawImage(gap, 130, infoStrip(pictures.info, 200, "Nothing playing"));
    painter.drawImage(gap, 160, infoStrip(pictures.info, 120, "A long title - its artist"));
    painter.drawImage(gap + 200 + 3 * 30 + 3 * gap, 130,
                      listBox(pictures.listBox, 275, 80,
                              {"First song - Its artist", "Second song - Another artist",
                               "Third song - Someone"}));
    return preview;
}

}  // namespace UsePreview
