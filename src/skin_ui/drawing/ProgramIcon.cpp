#include "skin_ui/drawing/ProgramIcon.h"

#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <vector>

namespace {

constexpr int drawnSizes[] = {16, 32, 48, 64, 128, 256};

// Decodes a size when the window system or the tray asks for it, and keeps nothing. Each window
// hands the icon to the window system once, so keeping every size decoded for the program's
// whole life would cost more memory (about 0.35 MiB) than decoding again when a window is made.
// The format is named and not guessed, so no image plugin is loaded to be asked about it.
class BuiltInIconEngine : public QIconEngine {
public:
    explicit BuiltInIconEngine(std::vector<int> sizes) : sizes(std::move(sizes)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        QImageReader reader(QStringLiteral(":/icons/veskplayer-%1.png").arg(sideFor(size)), "PNG");
        reader.setAutoDetectImageFormat(false);
        QImage image = reader.read();
        if (image.width() > size.width() || image.height() > size.height()) {
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return QPixmap::fromImage(std::move(image));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device()->devicePixelRatioF();
        QPixmap drawn = pixmap(rect.size() * scale, mode, state);
        drawn.setDevicePixelRatio(scale);
        painter->drawPixmap(rect.topLeft(), drawn);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = sideFor(size);
        return QSize(side, side).scaled(size.boundedTo(QSize(side, side)), Qt::KeepAspectRatio);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> available;
        for (int side : sizes) {
            available.append(QSize(side, side));
        }
        return available;
    }

    QIconEngine* clone() const override { return new BuiltInIconEngine(sizes); }
    QString key() const override { return QStringLiteral("VeskPlayerIcon"); }

private:
    // The smallest drawn size that covers the request, so a size between two is scaled down
    // rather than blown up; the largest for anything bigger.
    int sideFor(const QSize& size) const {
        const int wanted = std::max(size.width(), size.height());
        const auto covering =
            std::find_if(sizes.begin(), sizes.end(), [wanted](int side) { return side >= wanted; });
        return covering == sizes.end() ? sizes.back() : *covering;
    }

    std::vector<int> sizes;
};

}  // namespace

QIcon ProgramIcon::icon() {
    return QIcon(new BuiltInIconEngine({std::begin(drawnSizes), std::end(drawnSizes)}));
}

QIcon ProgramIcon::smallest() {
    return QIcon(new BuiltInIconEngine({drawnSizes[0]}));
}
