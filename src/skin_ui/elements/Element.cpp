#include "skin_ui/elements/Element.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>

#include "common/SkinContext.h"
#include "skin_ui/InputRouter.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinWindowHost.h"
#include "skin_ui/Tooltip.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/PictureLookup.h"
#include "skin_ui/elements/ElementMenu.h"

namespace {

constexpr int moveGrid = 5;

bool altHeld(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::AltModifier) ||
           (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier);
}

}  // namespace

Element::Element(MainWindow* owner, ElementType type, int sizeClass)
    : QWidget(owner),
      type(type),
      sizeClass(sizeClass),
      owner(owner),
      tooltip(std::make_unique<Tooltip>("element")) {
    setMouseTracking(true);
    setGeometry(0, 0, 0, 0);
    hide();
    InputRouter::instance();
    // A new skin folder or opacity key reaches the picture at once.
    connect(&owner->context(), &SkinContext::changed, this, [this] {
        if (bitmap) {
            setPicture(bitmap->getName());
        }
    });
}

Element::~Element() {
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
}

Element::Record Element::record() const {
    Record record;
    record.type = type;
    writeOwnSettings(record);
    record.x = getX();
    record.y = getY();
    record.sizeClass = static_cast<uint32_t>(sizeClass);
    record.moveable = moveable;
    return record;
}

bool Element::applyRecord(const Record& record) {
    if (record.type != type) {
        return false;
    }
    applyOwnSettings(record);
    setPosition(record.x, record.y);
    setMoveable(record.moveable);
    update();
    return true;
}

void Element::applyCommonSettings(const Record& record) {
    setPosition(record.x, record.y);
    setSizeClass(static_cast<int>(record.sizeClass));
    setMoveable(record.moveable);
}

void Element::setPosition(int newX, int newY) {
    move(newX, newY);
}

void Element::setSize(int newWidth, int newHeight) {
    resize(newWidth, newHeight);
}

QSize Element::sizeForPicture(int, int) const {
    return size();
}

void Element::setPicture(const QString& pictureName) {
    const SkinContext& context = owner->context();
    bitmap = PictureLookup::load(context.skinFolder, sizeClass, pictureName);
    if (context.colours.useOpacity) {
        bitmap->setTransparentColour(context.colours.opacityColour);
    }
    const QSize newSize = sizeForPicture(bitmap->width(), bitmap->height());
    if (newSize != size()) {
        setGeometry(x(), y(), newSize.width(), newSize.height());
    }
    update();
}

void Element::setSizeClass(int newSizeClass) {
    if (newSizeClass == sizeClass) {
        return;
    }
    sizeClass = newSizeClass;
    if (bitmap) {
        setPicture(bitmap->getName());
    }
}

void Element::setTooltipText(const QString& text) {
    tooltip->setText(text);
}

QString Element::getTooltipText() const {
    return tooltip->getText();
}

QPoint Element::screenCursor() const {
    return inEvent ? eventCursor : QCursor::pos();
}

bool Element::altHeldNow() const {
    return altHeld(inEvent ? eventModifiers : Qt::KeyboardModifiers());
}

void Element::captureMouse() {
    grabMouse();
}

void Element::releaseCapture() {
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
}

bool Element::endMove() {
    if (!moving) {
        return false;
    }
    moving = false;
    releaseCapture();
    finishEdit();
    return true;
}

bool Element::endEdgeDrag(bool& dragging, int& edge) {
    if (!dragging) {
        return false;
    }
    dragging = false;
    edge = 0;
    releaseCapture();
    finishEdit();
    return true;
}

void Element::beginEdit() {
    recordBeforeEdit = record();
}

void Element::finishEdit() {
    if (record() != recordBeforeEdit) {
        owner->host().editFinished(this, recordBeforeEdit);
    }
}

bool Element::onLeftButtonDown(Qt::KeyboardModifiers modifiers) {
    tooltip->hide();
    if (modifiers & Qt::ShiftModifier) {
        if (!moveable) {
            return false;
        }
        moving = true;
        setCursor(Qt::PointingHandCursor);
        captureMouse();
        moveStartCursor = screenCursor();
        moveStartPos = pos();
        beginEdit();
        return true;
    }
    if ((modifiers & Qt::ControlModifier) || altHeld(modifiers)) {
        owner->leftButtonDown(modifiers, screenCursor());
        return true;
    }
    return false;
}

bool Element::onLeftButtonUp() {
    return endMove();
}

bool Element::onMouseMove(Qt::KeyboardModifiers, QPoint) {
    bool moved = false;
    if (moving) {
        const QPoint travel = screenCursor() - moveStartCursor;
        // Snapped on the grid, then kept inside the owner: the lower bound first, so an element
        // wider than its window ends at a negative position.
        int newX = (moveStartPos.x() + travel.x()) / moveGrid * moveGrid;
        int newY = (moveStartPos.y() + travel.y()) / moveGrid * moveGrid;
        newX = std::min(std::max(newX, 0), owner->width() - width());
        newY = std::min(std::max(newY, 0), owner->height() - height());
        move(newX, newY);
        owner->update();
        moved = true;
    }
    InputRouter::instance().armHover(this);
    return moved;
}

void Element::onRightButtonUp(Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier) {
        openElementMenu();
    } else if (modifiers & Qt::ControlModifier) {
        owner->openSkinMenu();
    }
}

void Element::openElementMenu() {
    // The element keeps its place in the stacking the window file describes: no raise here.
    menuPoint = QCursor::pos();
    const int id = ElementMenu(this).run(menuPoint);
    if (id != 0) {
        // The command arrives after the menu has closed and the mouse handler has returned,
        // because "Delete" and a type change delete this element.
        QTimer::singleShot(0, this, [this, id] { onCommand(id); });
    }
}

void Element::onCommand(int id) {
    ElementMenu::runCommand(this, id);
}

void Element::onMouseLeave() {
    tooltip->hide();
}

void Element::onSetCursor() {
    if (!moving) {
        setCursor(Qt::ArrowCursor);
    }
}

void Element::onMouseHover() {
    tooltip->show();
}

void Element::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter);
}

void Element::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPointer<Element> alive(this);
    beginEvent(event);
    onLeftButtonDown(event->modifiers());
    if (alive) {
        inEvent = false;
    }
}

void Element::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::RightButton) {
        onRightButtonUp(event->modifiers());
        return;
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // The receiver of a click may delete the element (a skin change rebuilds every window).
    const QPointer<Element> alive(this);
    beginEvent(event);
    onLeftButtonUp();
    if (alive) {
        inEvent = false;
    }
}

void Element::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click already came as a plain press.
    event->accept();
}

void Element::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPointer<Element> alive(this);
    beginEvent(event);
    onSetCursor();
    onMouseMove(event->modifiers(), event->position().toPoint());
    if (alive) {
        inEvent = false;
    }
}

void Element::beginEvent(const QMouseEvent* event) {
    inEvent = true;
    eventCursor = event->globalPosition().toPoint();
    eventModifiers = event->modifiers();
}
