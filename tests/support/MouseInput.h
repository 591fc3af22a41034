#pragma once
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

// Mouse events as the windowing system hands them to Qt: sent to the widget Qt would deliver to
// (for a held button, the widget that was pressed), at a screen position, with the live cursor
// moved there as well.
namespace Mouse {
inline void send(QWidget* receiver, QEvent::Type type, QPoint global, Qt::MouseButton button,
                 Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QCursor::setPos(global);
    QMouseEvent event(type, receiver->mapFromGlobal(QPointF(global)),
                      receiver->window()->mapFromGlobal(QPointF(global)), QPointF(global), button,
                      buttons, modifiers);
    QApplication::sendEvent(receiver, &event);
}
inline void press(QWidget* receiver, QPoint global, Qt::KeyboardModifiers modifiers = {},
                  Qt::MouseButton button = Qt::LeftButton) {
    send(receiver, QEvent::MouseButtonPress, global, button, button, modifiers);
}
inline void move(QWidget* receiver, QPoint global, Qt::MouseButtons held = Qt::NoButton,
                 Qt::KeyboardModifiers modifiers = {}) {
    send(receiver, QEvent::MouseMove, global, Qt::NoButton, held, modifiers);
}
inline void release(QWidget* receiver, QPoint global, Qt::KeyboardModifiers modifiers = {},
                    Qt::MouseButton button = Qt::LeftButton) {
    send(receiver, QEvent::MouseButtonRelease, global, button, Qt::NoButton, modifiers);
}
// A screen point inside a widget, from its client coordinates.
inline QPoint at(const QWidget* widget, int x, int y) {
    return widget->mapToGlobal(QPoint(x, y));
}
}  // namespace Mouse
