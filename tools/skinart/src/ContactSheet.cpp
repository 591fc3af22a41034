#include "ContactSheet.h"

#include "SkinColours.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

constexpr int gap = 12;
constexpr int labelWidth = 150;
constexpr int headerHeight = 30;

int cellWidth(const QImage& picture, int zoom) {
    return picture.width() * (zoom + 1) + 3 * gap;
}

}  // namespace

ContactSheet::ContactSheet(QString caption, int zoom) : caption_(std::move(caption)), zoom_(zoom) {}

void ContactSheet::add(int sizeClass, const QString& name, const QImage& picture) {
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& e) { return e.name == name; });
    if (entry == entries_.end()) {
        entries_.push_back({name, {}});
        entry = entries_.end() - 1;
    }
    entry->pictures[sizeClass] = picture;
}

void ContactSheet::setInUse(const QImage& preview) {
    inUse_ = preview;
}

QImage ContactSheet::render() const {
    int columnWidths[3] = {0, 0, 0};
    int height = headerHeight;
    for (const Entry& entry : entries_) {
        int rowHeight = 0;
        for (int sizeClass = 0; sizeClass < 3; ++sizeClass) {
            columnWidths[sizeClass] =
                std::max(columnWidths[sizeClass], cellWidth(entry.pictures[sizeClass], zoom_));
            rowHeight = std::max(rowHeight, entry.pictures[sizeClass].height() * zoom_);
        }
        height += rowHeight + gap;
    }
    const int tableHeight = height;
    if (!inUse_.isNull()) {
        height += headerHeight + inUse_.height();
    }
    const int width = std::max(labelWidth + columnWidths[0] + columnWidths[1] + columnWidths[2],
                               labelWidth + inUse_.width());

    QImage sheet(width, height + gap, QImage::Format_RGB32);
    sheet.fill(SkinColours::background);
    QPainter painter(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(SkinColours::glyph));

    int x = labelWidth;
    for (int sizeClass = 0; sizeClass < 3; ++sizeClass) {
        painter.drawText(QRect(x + gap, 0, columnWidths[sizeClass], headerHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QString("class %1: %2").arg(sizeClass).arg(caption_));
        x += columnWidths[sizeClass];
    }

    int y = headerHeight;
    for (const Entry& entry : entries_) {
        int rowHeight = 0;
        x = labelWidth;
        painter.drawText(QRect(gap, y, labelWidth - gap, 20), Qt::AlignLeft | Qt::AlignTop,
                         entry.name);
        for (int sizeClass = 0; sizeClass < 3; ++sizeClass) {
            const QImage& picture = entry.pictures[sizeClass];
            painter.drawImage(x + gap, y, picture);
            const QImage zoomed = picture.scaled(picture.size() * zoom_, Qt::IgnoreAspectRatio,
                                                 Qt::FastTransformation);
            painter.drawImage(x + 2 * gap + picture.width(), y, zoomed);
            rowHeight = std::max(rowHeight, zoomed.height());
            x += columnWidths[sizeClass];
        }
        y += rowHeight + gap;
    }
    if (!inUse_.isNull()) {
        painter.drawText(QRect(gap, tableHeight, width, headerHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         "in use at 1x: sliders of class 0, 1, 2 (knob normal, hover, pressed); "
                         "info strip; list box");
        painter.drawImage(labelWidth, tableHeight + headerHeight, inUse_);
    }
    return sheet;
}
