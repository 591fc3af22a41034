#pragma once

#include <QWidget>

#include "common/Colour.h"

// A passive colour swatch: the colour filled in, inside a 3-pixel frame in the window-text
// colour. It takes no input; its owner sets the colour whenever the colour's spinners change.
class ColorEle : public QWidget {
    Q_OBJECT

public:
    explicit ColorEle(QWidget* parent);

    void setColour(ColourRef newColour);
    ColourRef getColour() const { return colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourRef colour = 0;
};
