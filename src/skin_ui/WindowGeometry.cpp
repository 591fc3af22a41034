#include "skin_ui/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace WindowGeometry {

QSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

QRect workAreaOf(const QScreen* screen) {
    if (!screen) {
        return QRect(QPoint(0, 0), primaryScreenSize());
    }
    // Qt reads _NET_WORKAREA where the window manager sets it and gives the whole screen
    // otherwise.
    return screen->availableGeometry();
}

int resizeZoneAt(QPoint client, QSize windowSize) {
    const bool left = client.x() < edgeNear;
    const bool right = client.x() > windowSize.width() - edgeNear;
    const bool top = client.y() < edgeNear;
    const bool bottom = client.y() > windowSize.height() - edgeNear;
    if (top && left)
        return 2;
    if (right) {
        if (top)
            return 4;
        if (bottom)
            return 6;
    }
    if (left)
        return bottom ? 8 : 1;
    if (top)
        return 3;
    if (right)
        return 5;
    if (bottom)
        return 7;
    return 0;
}

QPoint snapDrag(QPoint topLeft, QSize windowSize, const QRect& area) {
    // Edges as left/top/right/bottom where right and bottom are exclusive.
    const int areaRight = area.x() + area.width();
    const int areaBottom = area.y() + area.height();
    int left = topLeft.x();
    int top = topLeft.y();
    if (left < area.x() + snapMargin)
        left = area.x();
    if (left > areaRight - snapMargin - windowSize.width())
        left = areaRight - windowSize.width();
    if (top < area.y() + snapMargin)
        top = area.y();
    if (top > areaBottom - snapMargin - windowSize.height())
        top = areaBottom - windowSize.height();
    return {left, top};
}

QRect resize(const QRect& start, int zone, QPoint delta, const QRect& area) {
    // Edges as left/top/right/bottom where right and bottom are exclusive.
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width();
    int bottom = start.top() + start.height();
    if (zone == 1 || zone == 2 || zone == 8)
        left += delta.x();
    if (zone == 4 || zone == 5 || zone == 6)
        right += delta.x();
    if (zone == 2 || zone == 3 || zone == 4)
        top += delta.y();
    if (zone == 6 || zone == 7 || zone == 8)
        bottom += delta.y();

    int width = right - left;
    int height = bottom - top;
    if (height < minimumHeight)
        height = minimumHeight;
    if (width < minimumWidth)
        width = minimumWidth;
    const int areaRight = area.x() + area.width();
    const int areaBottom = area.y() + area.height();
    if (left < area.x() + snapMargin)
        left = area.x();
    if (left + width > areaRight - snapMargin)
        width = areaRight - left;
    if (top < area.y() + snapMargin)
        top = area.y();
    if (top + height > areaBottom - snapMargin)
        height = areaBottom - top;
    width = width / 5 * 5;
    height = height / 5 * 5;
    return {left, top, width, height};
}

QPoint pullOntoScreen(QPoint topLeft, QSize windowSize, QSize screen) {
    int left = topLeft.x();
    int top = topLeft.y();
    if (left + windowSize.width() > screen.width())
        left = screen.width() - windowSize.width();
    if (top + windowSize.height() > screen.height())
        top = screen.height() - windowSize.height();
    return {left, top};
}

}  // namespace WindowGeometry
