#include "skin_ui/elements/Button.h"

#include <QPainter>

#include "skin_ui/drawing/Bitmap.h"

Button::Button(MainWindow* owner, int sizeClass) : Element(owner, ElementType::button, sizeClass) {}

QSize Button::sizeForPicture(int pictureWidth, int pictureHeight) const {
    return QSize(pictureWidth / 3, pictureHeight);
}

void Button::paint(QPainter& painter) {
    if (const Bitmap* picture = getBitmap()) {
        // The frames are square: frame `state` starts state x height pixels in.
        picture->draw(painter, -(state * picture->height()));
    }
}

void Button::setState(int newState) {
    if (state != newState) {
        state = newState;
        update();
    }
}

bool Button::onLeftButtonDown(Qt::KeyboardModifiers modifiers) {
    if (Element::onLeftButtonDown(modifiers)) {
        return true;
    }
    setState(pressedState);
    return true;
}

bool Button::onLeftButtonUp() {
    if (endMove()) {
        return true;
    }
    setState(hoverState);
    // An Alt release ends the skin window's edit gesture; it is never a click.
    if (!altHeldNow()) {
        report();
    }
    return true;
}

bool Button::onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client) {
    if (Element::onMouseMove(modifiers, client)) {
        return true;
    }
    if (state == pressedState) {
        return false;
    }
    setState(hoverState);
    return true;
}

void Button::onMouseLeave() {
    Element::onMouseLeave();
    setState(normalState);
}
