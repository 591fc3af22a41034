#include "skin_ui/elements/Info.h"

#include <QFontMetrics>
#include <QPainter>
#include <QThread>
#include <algorithm>

#include "app/Variables.h"
#include "audio/Sound.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"

namespace {

constexpr int capWidth = 5;
constexpr int textStart = 5;
constexpr int widthGrid = 5;

enum WidthEdge { noEdge = 0, leftEdge = 1, rightEdge = 2 };

}  // namespace

Info::Info(MainWindow* owner) : Element(owner, infoType) {
    setTooltipText("info");
    setPicture("300_info.bmp");
    setSize(width(), stripHeight);
    marquee.setSingleShot(true);
    connect(&marquee, &QTimer::timeout, this, [this] { marquee.start(scrollStep()); });
    marquee.start(stepMs);
    Sound::instance().addInfo(this);
}

Info::~Info() {
    Sound::instance().removeInfo(this);
}

void Info::setText(const QString& newText) {
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, newText] { setText(newText); }, Qt::QueuedConnection);
        return;
    }
    scrollX = textStart;
    textWidth = 0;
    scrollingLeft = true;
    text = newText;
    setTooltipText(newText);
    update();
}

int Info::scrollStep() {
    const int available = width();
    if (textWidth < available - capWidth) {
        scrollX = textStart;
        return stepMs;
    }
    int pause = 0;
    if (scrollingLeft) {
        --scrollX;
        if (scrollX < available - textWidth - capWidth) {
            scrollingLeft = false;
            pause = endPauseMs;
        }
    } else {
        ++scrollX;
        if (scrollX > textStart) {
            scrollingLeft = true;
            pause = endPauseMs;
        }
    }
    update();
    return stepMs + pause;
}

void Info::paint(QPainter& painter) {
    const Variables& variables = Variables::instance();
    Engine& engine = Engine::instance();
    engine.fillBackground(this, variables.backColour, painter);
    if (textWidth == 0) {
        textWidth = QFontMetrics(painter.font()).horizontalAdvance(text);
    }
    const Bitmap* picture = getBitmap();
    const int stripWidth = width();
    const int tiles = stripWidth / capWidth - 2;
    for (int i = 0; i < tiles; ++i) {
        picture->drawPart(painter, capWidth + capWidth * i, 0,
                          QRect(capWidth, 0, capWidth, stripHeight));
    }
    engine.textColour = variables.textColour;
    engine.drawText(painter, text, scrollX, 2, textWidth + 10, stripHeight);
    picture->drawPart(painter, 0, 0, QRect(0, 0, capWidth, stripHeight));
    picture->drawPart(painter, stripWidth - capWidth, 0,
                      QRect(2 * capWidth, 0, capWidth, stripHeight));
}

bool Info::onLeftButtonDown(Qt::KeyboardModifiers modifiers) {
    if (widthEdge == noEdge) {
        return Element::onLeftButtonDown(modifiers);
    }
    widthChanging = true;
    captureMouse();
    widthStartX = x();
    widthStartWidth = width();
    return true;
}

bool Info::onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client) {
    const QPoint cursor = screenCursor();
    if (Element::onMouseMove(modifiers, client)) {
        return true;
    }
    if (widthChanging && widthEdge != noEdge) {
        changeWidth(getOwner()->mapFromGlobal(cursor));
        return true;
    }
    if (modifiers & Qt::ShiftModifier) {
        // Works on locked elements too: the lock is about the position.
        widthEdge = client.x() < capWidth             ? leftEdge
                    : client.x() > width() - capWidth ? rightEdge
                                                      : noEdge;
        setCursor(widthEdge == noEdge ? Qt::ArrowCursor : Qt::SizeHorCursor);
    } else {
        widthEdge = noEdge;
    }
    return false;
}

void Info::changeWidth(QPoint ownerCursor) {
    // The cursor is kept inside the window so the far end never leaves it.
    const int cursorX = std::max(ownerCursor.x(), 0);
    int newX = widthStartX;
    int newWidth = 0;
    if (widthEdge == leftEdge) {
        newX = cursorX;
        newWidth = widthStartX + widthStartWidth - cursorX;
    } else {
        newWidth = cursorX - widthStartX;
    }
    newWidth = std::max(newWidth, minimumWidth);
    if (newX + newWidth > getOwner()->width()) {
        newWidth = getOwner()->width() - newX;
    }
    newX = newX / widthGrid * widthGrid;
    newWidth = newWidth / widthGrid * widthGrid;
    setGeometry(newX, y(), newWidth, height());
}

bool Info::onLeftButtonUp() {
    if (endMove()) {
        return true;
    }
    if (widthChanging) {
        widthChanging = false;
        widthEdge = noEdge;
        releaseCapture();
        return true;
    }
    return false;
}
