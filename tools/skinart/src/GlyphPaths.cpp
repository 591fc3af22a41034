#include "GlyphPaths.h"

#include <QPainterPathStroker>
#include <QPolygonF>

#include <initializer_list>

namespace GlyphPaths {
namespace {

constexpr double stroke = 2.0;
constexpr double thinStroke = 1.5;

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath result;
    result.addPolygon(QPolygonF(QList<QPointF>(points)));
    result.closeSubpath();
    return result;
}

QPainterPath stroked(const QPainterPath& line, double width, Qt::PenCapStyle cap = Qt::FlatCap) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::MiterJoin);
    return stroker.createStroke(line);
}

QPainterPath polyline(std::initializer_list<QPointF> points, double width) {
    QPainterPath line;
    line.addPolygon(QPolygonF(QList<QPointF>(points)));
    return stroked(line, width);
}

QPainterPath roundedBar(double x, double y, double width, double height) {
    QPainterPath result;
    result.addRoundedRect(QRectF(x, y, width, height), 0.6, 0.6);
    return result;
}

QPainterPath unite(std::initializer_list<QPainterPath> parts) {
    QPainterPath result;
    result.setFillRule(Qt::WindingFill);
    for (const QPainterPath& part : parts) {
        result.addPath(part);
    }
    return result.simplified();
}

QPainterPath speakerBody() {
    return polygon({{0.5, 4}, {3, 4}, {6.5, 0.8}, {6.5, 11.2}, {3, 8}, {0.5, 8}});
}

QPainterPath cross(QPointF centre, double half, double width) {
    QPainterPath first;
    first.moveTo(centre + QPointF(-half, -half));
    first.lineTo(centre + QPointF(half, half));
    QPainterPath second;
    second.moveTo(centre + QPointF(half, -half));
    second.lineTo(centre + QPointF(-half, half));
    return unite({stroked(first, width, Qt::RoundCap), stroked(second, width, Qt::RoundCap)});
}

QPainterPath speakerWaves() {
    QPainterPath waves;
    for (double radius : {2.8, 5.3}) {
        const QRectF circle(6.3 - radius, 6 - radius, 2 * radius, 2 * radius);
        QPainterPath arc;
        arc.arcMoveTo(circle, 50);
        arc.arcTo(circle, 50, -100);
        waves.addPath(stroked(arc, thinStroke, Qt::RoundCap));
    }
    return waves;
}

QPainterPath shuffle() {
    return unite({
        polyline({{0, 2.5}, {2.8, 2.5}, {7.2, 9.5}, {9.2, 9.5}}, thinStroke),
        polygon({{9, 6.8}, {12, 9.5}, {9, 12.2}}),
        polyline({{0, 9.5}, {2.8, 9.5}, {7.2, 2.5}, {9.2, 2.5}}, thinStroke),
        polygon({{9, -0.2}, {12, 2.5}, {9, 5.2}}),
    });
}

QPainterPath repeat() {
    const QRectF circle(1.5, 1.5, 9, 9);
    QPainterPath arc;
    arc.arcMoveTo(circle, 80);
    arc.arcTo(circle, 80, 280);
    const QPointF start = arc.pointAtPercent(0);
    return unite({
        stroked(arc, stroke),
        polygon({start + QPointF(-0.5, -3), start + QPointF(3, 0), start + QPointF(-0.5, 3)}),
    });
}

QPainterPath returnArrow() {
    QPainterPath line;
    line.moveTo(3.5, 3.5);
    line.lineTo(7.5, 3.5);
    line.arcTo(QRectF(4, 3.5, 7, 7), 90, -180);
    line.lineTo(2, 10.5);
    return unite({stroked(line, stroke), polygon({{0, 3.5}, {4, 0.2}, {4, 6.8}})});
}

}  // namespace

QPainterPath path(Glyph glyph) {
    // Straight edges sit on odd grid lines where they can, so they stay sharp at both sizes.
    switch (glyph) {
        case Glyph::Close:
            return cross({6, 6}, 4.2, stroke);
        case Glyph::Options:
            return unite(
                {roundedBar(1, 1, 10, 2), roundedBar(1, 5, 10, 2), roundedBar(1, 9, 10, 2)});
        case Glyph::Play:
            return polygon({{3, 0.5}, {11.8, 6}, {3, 11.5}});
        case Glyph::Pause:
            return unite({roundedBar(2, 1, 3, 10), roundedBar(7, 1, 3, 10)});
        case Glyph::Stop:
            return roundedBar(1, 1, 10, 10);
        case Glyph::Prev:
            return unite({roundedBar(1, 1, 2, 10), polygon({{7, 1}, {7, 11}, {3.6, 6}}),
                          polygon({{11, 1}, {11, 11}, {7, 6}})});
        case Glyph::Next:
            return unite({roundedBar(9, 1, 2, 10), polygon({{5, 1}, {5, 11}, {8.4, 6}}),
                          polygon({{1, 1}, {1, 11}, {5, 6}})});
        case Glyph::Speaker:
            return unite({speakerBody(), speakerWaves()});
        case Glyph::SpeakerMuted:
            return unite({speakerBody(), cross({9.6, 6}, 1.8, thinStroke)});
        case Glyph::ExpandDown:
            return polygon({{1, 3}, {11, 3}, {6, 8}});
        case Glyph::ExpandUp:
            return polygon({{1, 9}, {11, 9}, {6, 4}});
        case Glyph::Shuffle:
            return shuffle();
        case Glyph::Repeat:
            return repeat();
        case Glyph::Return:
            return returnArrow();
        case Glyph::Open:
            return unite({polygon({{6, 0.6}, {11.4, 7}, {0.6, 7}}), roundedBar(1, 9, 10, 2)});
        case Glyph::Save:
            return unite({polyline({{6, 0}, {6, 4.5}}, stroke),
                          polygon({{2.8, 4}, {9.2, 4}, {6, 7.6}}),
                          polyline({{2, 7.5}, {2, 10}, {10, 10}, {10, 7.5}}, stroke)});
    }
    return {};
}

}  // namespace GlyphPaths
