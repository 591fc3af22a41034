#include "IconArt.h"

#include "SkinColours.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTextStream>

namespace IconArt {
namespace {

// Shapes are laid out on a 16-cell grid so that straight edges fall on whole pixels at every
// pixel size (16 is the smallest); the SVG uses 16 units per cell.
constexpr double cells = 16.0;

struct Shape {
    enum Kind { RoundedRect, Ellipse, Polygon } kind;
    QRectF box;  // in cells; unused for polygons
    double radius = 0;
    QPolygonF points;  // in cells
    QRgb colour;
};

const std::vector<Shape>& shapes() {
    using namespace SkinColours;
    static const std::vector<Shape> all = {
        // The skin window: the background with a lighter top edge, like a button face.
        {Shape::RoundedRect, {1, 1, 14, 14}, 3, {}, faceTop},
        {Shape::RoundedRect, {1, 1.5, 14, 13.5}, 3, {}, background},
        // The play button.
        {Shape::RoundedRect, {3, 3, 10, 7}, 1.5, {}, faceTop},
        {Shape::RoundedRect, {3, 3.5, 10, 6.5}, 1.5, {}, face},
        {Shape::Polygon, {}, 0, QPolygonF({{6.5, 4.5}, {10.5, 6.5}, {6.5, 8.5}}), glyph},
        // The progress track: groove, fill and knob.
        {Shape::RoundedRect, {3, 11, 10, 2}, 1, {}, groove},
        {Shape::RoundedRect, {3, 11, 6, 2}, 1, {}, progressFill},
        {Shape::Ellipse, {7.5, 10.5, 3, 3}, 0, {}, knob},
    };
    return all;
}

QPainterPath pathOf(const Shape& shape) {
    QPainterPath path;
    switch (shape.kind) {
        case Shape::RoundedRect:
            path.addRoundedRect(shape.box, shape.radius, shape.radius);
            break;
        case Shape::Ellipse:
            path.addEllipse(shape.box);
            break;
        case Shape::Polygon:
            path.addPolygon(shape.points);
            path.closeSubpath();
            break;
    }
    return path;
}

QString number(double value) {
    return QString::number(value * 16, 'g', 6);
}

QString colourOf(QRgb colour) {
    return QString("#%1%2%3")
        .arg(qRed(colour), 2, 16, QChar('0'))
        .arg(qGreen(colour), 2, 16, QChar('0'))
        .arg(qBlue(colour), 2, 16, QChar('0'));
}

// At 16 pixels anti-aliased edges only blur; every pixel is placed by hand, after the shapes.
QImage smallest() {
    // clang-format off
    static const char* const rows[] = {
        "................",
        "...TTTTTTTTTT...",
        "..BBBBBBBBBBBB..",
        ".BBBTTTTTTTTBBB.",
        ".BBFFFGGFFFFFBB.",
        ".BBFFFGGGFFFFBB.",
        ".BBFFFGGGGFFFBB.",
        ".BBFFFGGGFFFFBB.",
        ".BBFFFGGFFFFFBB.",
        ".BBBFFFFFFFFBBB.",
        ".BBBBBBBKKBBBBB.",
        ".BBPPPPPKKgggBB.",
        ".BBPPPPPKKgggBB.",
        "..BBBBBBKKBBBB..",
        "...BBBBBBBBBB...",
        "................",
    };
    // clang-format on
    using namespace SkinColours;
    const QHash<char, QRgb> colours = {{'T', faceTop}, {'B', background}, {'F', face},
                                       {'G', glyph},   {'g', groove},     {'P', progressFill},
                                       {'K', knob}};
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (colours.contains(rows[y][x])) {
                image.setPixel(x, y, colours.value(rows[y][x]));
            }
        }
    }
    return image;
}

}  // namespace

const std::vector<int>& pixelSizes() {
    static const std::vector<int> sizes = {16, 32, 48, 64, 128, 256};
    return sizes;
}

QImage draw(int size) {
    if (size == 16) {
        return smallest();
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.scale(size / cells, size / cells);
    for (const Shape& shape : shapes()) {
        painter.fillPath(pathOf(shape), QColor(shape.colour));
    }
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString svg() {
    QString text;
    QTextStream out(&text);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 256 256\">\n";
    for (const Shape& shape : shapes()) {
        const QString fill = colourOf(shape.colour);
        const QRectF& box = shape.box;
        switch (shape.kind) {
            case Shape::RoundedRect:
                out << "  <rect x=\"" << number(box.x()) << "\" y=\"" << number(box.y())
                    << "\" width=\"" << number(box.width()) << "\" height=\""
                    << number(box.height()) << "\" rx=\"" << number(shape.radius) << "\" fill=\""
                    << fill << "\"/>\n";
                break;
            case Shape::Ellipse:
                out << "  <ellipse cx=\"" << number(box.center().x()) << "\" cy=\""
                    << number(box.center().y()) << "\" rx=\"" << number(box.width() / 2)
                    << "\" ry=\"" << number(box.height() / 2) << "\" fill=\"" << fill << "\"/>\n";
                break;
            case Shape::Polygon: {
                out << "  <polygon points=\"";
                for (int i = 0; i < shape.points.size(); ++i) {
                    out << (i ? " " : "") << number(shape.points[i].x()) << ","
                        << number(shape.points[i].y());
                }
                out << "\" fill=\"" << fill << "\"/>\n";
                break;
            }
        }
    }
    out << "</svg>\n";
    return text;
}

}  // namespace IconArt
