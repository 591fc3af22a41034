#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class Element;
class QMouseEvent;
class QWidget;

// Gives the skin windows the mouse routing their elements are written for, in one place:
// every mouse event goes to the widget under the cursor (a release over a button fires it even
// when the press began elsewhere), leaving an element sends it mouse-leave at once even while a
// button is held, and only an explicit capture (grabMouse: window drag and resize, element move,
// slider length change, info width change, list resize) keeps the mouse. Qt's own implicit grab
// of the pressed widget is undone here. It also keeps the hover timer of the elements.
//
// Installed on the application by the first element; widgets outside skin windows are left alone.
class InputRouter : public QObject {
    Q_OBJECT

public:
    static InputRouter& instance();

    // The time the cursor must rest on an element before its tooltip shows.
    static constexpr int hoverDelayMs = 400;

    // Restarts the hover time for the element (called on every mouse move over it).
    void armHover(Element* element);
    // Runs the hover of the armed element now, as when the hover time ran out.
    void fireHover();
    bool isHoverArmed() const { return hoverTimer.isActive(); }

    // The element under the cursor as the router last saw it, or null.
    Element* hoveredElement() const { return hovered; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputRouter();

    bool routeMouse(QWidget* receiver, QMouseEvent* event);
    bool routeLeave(QWidget* receiver);
    // Sends mouse-leave to the element the cursor left.
    void setHovered(QWidget* underCursor);

    QPointer<Element> hovered;
    QPointer<Element> hoverTarget;
    QTimer hoverTimer;
    bool redirecting = false;
};
