#pragma once

#include "skin_ui/controls/Callable.h"
#include "skin_ui/elements/Element.h"

// A clickable picture with three looks side by side in its picture: normal, hover, pressed.
// A click (left button released over it) is reported to the receiver.
class Button : public Element, public Callable {
    Q_OBJECT

public:
    static constexpr int normalState = 0;
    static constexpr int hoverState = 1;
    static constexpr int pressedState = 2;

    explicit Button(MainWindow* owner, int sizeClass = startSizeClass);

    void paint(QPainter& painter) override;
    bool onLeftButtonDown(Qt::KeyboardModifiers modifiers) override;
    bool onLeftButtonUp() override;
    bool onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client) override;
    void onMouseLeave() override;

    int getState() const { return state; }

protected:
    QSize sizeForPicture(int pictureWidth, int pictureHeight) const override;

private:
    void setState(int newState);

    int state = normalState;
};
