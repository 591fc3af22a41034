#include "options/ColorEle.h"

#include <QPainter>

#include "skin_ui/drawing/Engine.h"

ColorEle::ColorEle(QWidget* parent) : QWidget(parent) {
    // Clicks go to the window beneath, which ignores them.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ColorEle::setColour(ColourRef newColour) {
    colour = newColour;
    update();
}

void ColorEle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Engine& engine = Engine::instance();
    engine.fillBackground(this, colour, painter);
    // The engine's text colour is shared with the skin windows, which may have painted since
    // the options window set it.
    engine.textColour = fromQRgb(palette().color(QPalette::WindowText).rgb());
    engine.drawFrame(painter, 3, QRect(0, 0, width() - 1, height() - 1));
}
