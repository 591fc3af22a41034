#include "skin_ui/elements/Slider.h"

#include <QPainter>
#include <algorithm>

#include "common/SkinContext.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/elements/EdgeDrag.h"
#include "skin_ui/elements/PlayerState.h"

namespace {

constexpr int edgeZone = 5;

enum LengthEdge { noEdge = 0, leftEdge = 1, rightEdge = 2, topEdge = 3, bottomEdge = 4 };

}  // namespace

Slider::Slider(MainWindow* owner, int sizeClass) : Element(owner, ElementType::slider, sizeClass) {}

QSize Slider::sizeForPicture(int pictureWidth, int pictureHeight) const {
    if (vertical) {
        return QSize(pictureWidth / 4, height());
    }
    return QSize(width(), pictureHeight / 5 * 2);
}

int Slider::travel() const {
    return getTrackLength() - getThickness();
}

int Slider::getValue() const {
    const int room = travel();
    if (room <= 0 || maximum == 0) {
        return 0;
    }
    const int fromStart = vertical ? height() - knobPos - width() : knobPos;
    return static_cast<int>(static_cast<double>(fromStart) / room * maximum);
}

void Slider::setValue(int value, bool notify) {
    const int room = travel();
    const int fromStart = (room <= 0 || maximum == 0)
                              ? 0
                              : static_cast<int>(static_cast<double>(value) / maximum * room);
    knobPos = vertical ? height() - fromStart - width() : fromStart;
    update();
    if (notify) {
        report();
    }
}

void Slider::setVertical(bool value) {
    if (value == vertical) {
        return;
    }
    vertical = value;
    setGeometry(x(), y(), height(), width());
    getOwner()->update();
}

void Slider::setSize(int newWidth, int newHeight) {
    const Bitmap* picture = getBitmap();
    if (picture && picture->isLoaded()) {
        const QSize fromPicture = sizeForPicture(picture->width(), picture->height());
        if (vertical) {
            newWidth = fromPicture.width();
        } else {
            newHeight = fromPicture.height();
        }
    }
    Element::setSize(newWidth, newHeight);
}

void Slider::setKnobFrame(int frame) {
    if (knobFrame != frame) {
        knobFrame = frame;
        update();
    }
}

void Slider::paint(QPainter& painter) {
    Engine::instance().fillBackground(this, getOwner()->context().colours.backColour, painter);
    const int thickness = getThickness();
    knobPos = std::min(std::max(knobPos, thickness / 2), getTrackLength() - thickness / 2);
    const Bitmap* picture = getBitmap();
    if (!picture) {
        return;
    }
    paintTrack(painter);
    if (filled) {
        paintFill(painter);
    }
    const int unit = vertical ? picture->width() / 4 : picture->height() / 5 * 2;
    const QRect knob(knobFrame * unit, 0, unit, unit);
    const int knobStart = knobPos - thickness / 2;
    if (vertical) {
        picture->drawPart(painter, 0, knobStart, knob);
    } else {
        picture->drawPart(painter, knobStart, 0, knob);
    }
}

void Slider::paintTrack(QPainter& painter) const {
    const Bitmap* picture = getBitmap();
    const int thickness = getThickness();
    const int length = getTrackLength();
    const int half = thickness / 2;
    const int tiles = half > 0 ? length / half - 2 : 0;
    if (vertical) {
        const int unit = picture->width() / 4;
        picture->drawPart(painter, 0, 0, QRect(3 * unit, 0, unit, unit));
        for (int i = 1; i <= tiles; ++i) {
            picture->drawPart(painter, 0, half * i, QRect(3 * unit, unit, unit, unit / 2));
        }
        picture->drawPart(painter, 0, length - thickness,
                          QRect(3 * unit, unit + unit / 2, unit, unit));
    } else {
        const int unit = picture->height() / 5 * 2;
        picture->drawPart(painter, 0, 0, QRect(0, unit, unit, unit));
        for (int i = 1; i <= tiles; ++i) {
            picture->drawPart(painter, half * i, 0, QRect(unit, unit, unit / 2, unit));
        }
        picture->drawPart(painter, length - thickness, 0, QRect(unit + unit / 2, unit, unit, unit));
    }
}

void Slider::paintFill(QPainter& painter) const {
    const Bitmap* picture = getBitmap();
    const int inset = 3 * (getSizeClass() + 1);
    Engine& engine = Engine::instance();
    engine.textColour = picture->pixel(0, picture->height() - 1);
    QRect area;
    if (vertical) {
        area = QRect(QPoint(inset, knobPos), QPoint(width() - inset, height() - inset));
    } else {
        area = QRect(QPoint(inset, inset), QPoint(knobPos - inset, height() - inset));
    }
    // The far corner lies just outside the filled area.
    area.adjust(0, 0, -1, -1);
    if (area.isValid()) {
        painter.fillRect(area, toQColor(engine.textColour));
    }
}

bool Slider::onLeftButtonDown(Qt::KeyboardModifiers modifiers) {
    if (lengthEdge != noEdge) {
        lengthChanging = true;
        PlayerState::holdPlayback();
        captureMouse();
        savedValue = getValue();
        lengthStartPos = vertical ? y() : x();
        lengthStartSize = getTrackLength();
        beginEdit();
        return true;
    }
    if (Element::onLeftButtonDown(modifiers)) {
        return true;
    }
    const QPoint client = mapFromGlobal(screenCursor());
    knobPos = vertical ? client.y() : client.x();
    knobFrame = 2;
    update();
    report();
    return false;
}

bool Slider::onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client) {
    if (Element::onMouseMove(modifiers, client)) {
        return true;
    }
    if (lengthChanging && lengthEdge != noEdge) {
        changeLength(getOwner()->mapFromGlobal(screenCursor()));
        return true;
    }
    if ((modifiers & Qt::ShiftModifier) && isMoveable()) {
        armLengthEdge(client);
        return false;
    }
    lengthEdge = noEdge;
    if (knobFrame != 2) {
        setKnobFrame(1);
    } else {
        knobPos = vertical ? client.y() : client.x();
        update();
        report();
    }
    return false;
}

void Slider::armLengthEdge(QPoint client) {
    if (vertical) {
        lengthEdge = client.y() < edgeZone              ? topEdge
                     : client.y() > height() - edgeZone ? bottomEdge
                                                        : noEdge;
    } else {
        lengthEdge = client.x() < edgeZone             ? leftEdge
                     : client.x() > width() - edgeZone ? rightEdge
                                                       : noEdge;
    }
    if (lengthEdge == noEdge) {
        setCursor(Qt::ArrowCursor);
    } else {
        setCursor(vertical ? Qt::SizeVerCursor : Qt::SizeHorCursor);
    }
}

void Slider::changeLength(QPoint ownerCursor) {
    const EdgeDrag::Span original{lengthStartPos, lengthStartSize};
    const int cursor = vertical ? ownerCursor.y() : ownerCursor.x();
    const int room = vertical ? getOwner()->height() : getOwner()->width();
    const EdgeDrag::Span span = (lengthEdge == leftEdge || lengthEdge == topEdge)
                                    ? EdgeDrag::moveStart(original, cursor, minimumLength, room)
                                    : EdgeDrag::moveEnd(original, cursor, minimumLength, room);
    if (vertical) {
        setGeometry(x(), span.start, width(), span.length);
    } else {
        setGeometry(span.start, y(), span.length, height());
    }
    setValue(savedValue, true);
}

bool Slider::onLeftButtonUp() {
    if (endMove()) {
        return true;
    }
    setKnobFrame(1);
    if (lengthChanging) {
        PlayerState::releasePlayback();
    }
    return endEdgeDrag(lengthChanging, lengthEdge);
}

void Slider::onMouseLeave() {
    Element::onMouseLeave();
    setKnobFrame(0);
}
