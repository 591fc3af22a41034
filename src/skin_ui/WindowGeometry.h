#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

// The geometry rules of skin windows, kept free of widgets so they can be checked directly.
namespace WindowGeometry {

constexpr int snapMargin = 20;
constexpr int edgeNear = 5;
constexpr int minimumWidth = 30;
constexpr int minimumHeight = 20;

// The size of the primary screen, where skin windows live.
QSize primaryScreenSize();
// Where a window on the screen may snap to: the work area the window manager leaves free of
// panels (_NET_WORKAREA), else the whole screen.
QRect workAreaOf(const QScreen* screen);

// Edge zones armed by Alt: 0 none, 1 left, 2 top-left, 3 top, 4 top-right, 5 right,
// 6 bottom-right, 7 bottom, 8 bottom-left.
int resizeZoneAt(QPoint client, QSize windowSize);

// Where a window dragged to topLeft lands, snapping to the area's edges within 20 pixels.
QPoint snapDrag(QPoint topLeft, QSize windowSize, const QRect& area);

// The window rectangle after dragging the edges of zone by delta from start: minimum 30 x 20,
// snapped to the area's edges, sizes rounded down to multiples of 5.
QRect resize(const QRect& start, int zone, QPoint delta, const QRect& area);

// A window moved back onto the screen when it hangs over the right or bottom edge.
QPoint pullOntoScreen(QPoint topLeft, QSize windowSize, QSize screen);

}  // namespace WindowGeometry
