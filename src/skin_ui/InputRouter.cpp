#include "skin_ui/InputRouter.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "skin_ui/MainWindow.h"
#include "skin_ui/elements/Element.h"

namespace {

bool insideSkinWindow(const QWidget* widget) {
    return widget && qobject_cast<const MainWindow*>(widget->window()) != nullptr;
}

}  // namespace

InputRouter& InputRouter::instance() {
    // Lives as long as the application object; the filter goes with it.
    static InputRouter* router = nullptr;
    if (!router) {
        router = new InputRouter();
    }
    return *router;
}

InputRouter::InputRouter() : QObject(QCoreApplication::instance()) {
    hoverTimer.setSingleShot(true);
    hoverTimer.setInterval(hoverDelayMs);
    connect(&hoverTimer, &QTimer::timeout, this, &InputRouter::fireHover);
    QCoreApplication::instance()->installEventFilter(this);
}

void InputRouter::armHover(Element* element) {
    hoverTarget = element;
    hoverTimer.start();
}

void InputRouter::fireHover() {
    hoverTimer.stop();
    if (hoverTarget) {
        hoverTarget->onMouseHover();
    }
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    if (redirecting || !watched->isWidgetType()) {
        return false;
    }
    auto* receiver = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return insideSkinWindow(receiver) &&
                   routeMouse(receiver, static_cast<QMouseEvent*>(event));
        case QEvent::Leave:
            return routeLeave(receiver);
        default:
            return false;
    }
}

bool InputRouter::routeMouse(QWidget* receiver, QMouseEvent* event) {
    if (QWidget::mouseGrabber()) {
        // A capture keeps the mouse: Qt already sends everything to the grabber.
        return false;
    }
    const QPoint global = event->globalPosition().toPoint();
    QWidget* underCursor = QApplication::widgetAt(global);
    setHovered(underCursor);
    if (underCursor == receiver) {
        return false;
    }
    if (!insideSkinWindow(underCursor)) {
        // Over the desktop or another program's window: none of the skin sees it.
        return true;
    }
    QMouseEvent redirected(event->type(), underCursor->mapFromGlobal(event->globalPosition()),
                           event->scenePosition(), event->globalPosition(), event->button(),
                           event->buttons(), event->modifiers(), event->pointingDevice());
    redirecting = true;
    QCoreApplication::sendEvent(underCursor, &redirected);
    redirecting = false;
    return true;
}

void InputRouter::setHovered(QWidget* underCursor) {
    Element* element = qobject_cast<Element*>(underCursor);
    if (hovered == element) {
        return;
    }
    Element* left = hovered;
    hovered = element;
    if (left) {
        if (hoverTarget == left) {
            hoverTimer.stop();
        }
        left->onMouseLeave();
    }
}

bool InputRouter::routeLeave(QWidget* receiver) {
    Element* element = qobject_cast<Element*>(receiver);
    if (!element) {
        return false;
    }
    // Qt sends the leave of a pressed widget only after the release, and sends one when a
    // capture starts; the router already told the element when the cursor really left.
    if (element == hovered && !QWidget::mouseGrabber()) {
        hovered = nullptr;
        if (hoverTarget == element) {
            hoverTimer.stop();
        }
        element->onMouseLeave();
    }
    return true;
}
