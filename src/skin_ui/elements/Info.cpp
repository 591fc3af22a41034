#include "skin_ui/elements/Info.h"

#include <QFontMetrics>
#include <QPainter>

#include "audio/Sound.h"
#include "common/SkinContext.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/elements/EdgeDrag.h"

namespace {

constexpr int capWidth = 5;
constexpr int newWidth = 80;

enum WidthEdge { noEdge = 0, leftEdge = 1, rightEdge = 2 };

}  // namespace

Info::Info(MainWindow* owner, int sizeClass) : Element(owner, ElementType::info, sizeClass) {
    setTooltipText("info");
    setPicture("300_info.bmp");
    setSize(width(), stripHeight);
    scrollTimer.setSingleShot(true);
    connect(&scrollTimer, &QTimer::timeout, this, [this] {
        const int next = scrollStep();
        // A text that fits does not move: the timer rests until a paint finds it too wide.
        if (!textFits()) {
            scrollTimer.start(next);
        }
    });
    scrollTimer.start(Marquee::stepMs);
    Sound::instance().addInfo(this);
}

Info::Info(MainWindow* owner, const Record& record)
    : Info(owner, static_cast<int>(record.sizeClass)) {
    setSize(record.width, stripHeight);
    applyCommonSettings(record);
}

Element::Record Info::newRecord() {
    return {.type = ElementType::info, .width = newWidth, .sizeClass = startSizeClass};
}

void Info::writeOwnSettings(Record& record) const {
    record.width = getWidth();
}

void Info::applyOwnSettings(const Record& record) {
    setSizeClass(static_cast<int>(record.sizeClass));
    setSize(record.width, stripHeight);
}

Info::~Info() {
    Sound::instance().removeInfo(this);
}

void Info::setText(const QString& newText) {
    marquee.reset();
    textWidth = 0;
    text = newText;
    setTooltipText(newText);
    update();
}

bool Info::textFits() const {
    return textWidth != 0 && textWidth < width() - Marquee::capWidth;
}

int Info::scrollStep() {
    bool moved = false;
    const int next = marquee.step(width(), textWidth, moved);
    if (moved) {
        update();
    }
    return next;
}

void Info::paint(QPainter& painter) {
    Engine& engine = Engine::instance();
    engine.fillBackground(this, getOwner()->context().colours.backColour, painter);
    if (textWidth == 0) {
        textWidth = QFontMetrics(painter.font()).horizontalAdvance(text);
    }
    if (!textFits() && !scrollTimer.isActive()) {
        scrollTimer.start(Marquee::stepMs);
    }
    const Bitmap* picture = getBitmap();
    const int stripWidth = width();
    const int tiles = stripWidth / capWidth - 2;
    for (int i = 0; i < tiles; ++i) {
        picture->drawPart(painter, capWidth + capWidth * i, 0,
                          QRect(capWidth, 0, capWidth, stripHeight));
    }
    engine.textColour = getOwner()->context().colours.textColour;
    engine.drawText(painter, text, marquee.getScrollX(), 2, textWidth + 10, stripHeight);
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
    beginEdit();
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
    const EdgeDrag::Span original{widthStartX, widthStartWidth};
    const int room = getOwner()->width();
    const EdgeDrag::Span span =
        widthEdge == leftEdge ? EdgeDrag::moveStart(original, ownerCursor.x(), minimumWidth, room)
                              : EdgeDrag::moveEnd(original, ownerCursor.x(), minimumWidth, room);
    setGeometry(span.start, y(), span.length, height());
}

bool Info::onLeftButtonUp() {
    return endMove() || endEdgeDrag(widthChanging, widthEdge);
}
