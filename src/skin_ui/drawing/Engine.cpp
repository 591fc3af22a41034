#include "skin_ui/drawing/Engine.h"

#include <QPainter>
#include <QWidget>

Engine& Engine::instance() {
    static Engine* engine = new Engine();
    return *engine;
}

void Engine::fillBackground(const QWidget* window, ColourRef colour, QPainter& painter) const {
    painter.fillRect(window->rect(), toQColor(colour));
}

void Engine::drawText(QPainter& painter, const QString& text, int x, int y, int width,
                      int height) const {
    painter.save();
    if (font) {
        painter.setFont(*font);
    }
    painter.setPen(toQColor(textColour));
    painter.drawText(QRect(x, y, width, height), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                     text);
    painter.restore();
}

void Engine::drawFrame(QPainter& painter, int penWidth, const QRect& rect) const {
    painter.save();
    painter.setPen(QPen(toQColor(textColour), penWidth));
    const int left = rect.left(), top = rect.top();
    const int right = rect.left() + rect.width(), bottom = rect.top() + rect.height();
    painter.drawLine(left, top, right, top);
    painter.drawLine(right, top, right, bottom);
    painter.drawLine(left, bottom, right, bottom);
    painter.drawLine(left, top, left, bottom);
    painter.restore();
}

Engine::FontScope::FontScope(Engine& engine, const QString& faceName)
    : engine(engine), previous(engine.font) {
    engine.setFont(faceName);
}

Engine::FontScope::~FontScope() {
    engine.font = previous;
}

void Engine::setFont(const QString& faceName) {
    if (faceName.isEmpty()) {
        font.reset();
        return;
    }
    QFont heading(faceName.left(31));
    heading.setPixelSize(32);
    heading.setBold(true);
    heading.setUnderline(true);
    font = heading;
}

bool Engine::invalidate(QWidget* window) const {
    if (!window) {
        return false;
    }
    window->update();
    return true;
}
