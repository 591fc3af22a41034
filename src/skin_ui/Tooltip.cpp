#include "skin_ui/Tooltip.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "common/Colour.h"
#include "skin_ui/drawing/Engine.h"

namespace {

constexpr int padding = 4;  // two pixels of frame on each side
constexpr int cursorGap = 10;

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

}  // namespace

Tooltip::Tooltip(const QString& text)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput),
      text(text) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    resize(0, 0);
}

Tooltip::~Tooltip() = default;

QRect Tooltip::placement(QPoint cursor, QSize textExtent, QSize screen) {
    const int w = textExtent.width();
    const int h = textExtent.height();
    int x = cursor.x() + cursorGap;
    int y = cursor.y();
    if (cursor.y() + h + padding > screen.height()) {
        y = screen.height() - h - padding;
    }
    if (cursor.x() + cursorGap + w + padding > screen.width()) {
        x = screen.width() - w - padding;
        y = cursor.y() - h - 6;
    }
    if (y < 0) {
        y = cursor.y() + h + padding;
    }
    return QRect(x, y, w + padding, h + padding);
}

void Tooltip::layout() {
    const QFontMetrics metrics(font());
    const QSize extent(metrics.horizontalAdvance(text), metrics.height());
    setGeometry(placement(QCursor::pos(), extent, screenSize()));
}

void Tooltip::show() {
    layout();
    QWidget::show();
    update();
}

void Tooltip::hide() {
    QWidget::hide();
}

void Tooltip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Engine& engine = Engine::instance();
    engine.fillBackground(this, makeColour(255, 255, 255), painter);
    engine.textColour = makeColour(0, 0, 0);
    engine.drawText(painter, text, 2, 2, width(), height());
    engine.drawFrame(painter, 2, rect());
}
