#include "skin_ui/MainWindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>

#include "common/DebugLog.h"
#include "common/SkinContext.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/SkinWindowHost.h"
#include "skin_ui/WindowGeometry.h"
#include "skin_ui/drawing/Engine.h"

MainWindow::MainWindow(SkinWindowHost& host, const SkinContext& context)
    : host_(host), context_(context) {
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    if (context.onFront) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    setWindowFlags(flags);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle("Vesk Player");
    setMouseTracking(true);
    setAcceptDrops(true);
    updateSizeHints();
    resize(width_, height_);
    connect(&context, &SkinContext::changed, this, [this] {
        applyOnFront();
        update();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::create() {
    centre();
    show();
    update();
}

void MainWindow::centre() {
    const QSize screen = WindowGeometry::primaryScreenSize();
    move((screen.width() - width_) / 2, (screen.height() - height_) / 2);
}

void MainWindow::applyOnFront() {
    const bool onTop = windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (onTop == context_.onFront) {
        return;
    }
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, context_.onFront);
    if (wasVisible) {
        show();
    }
}

bool MainWindow::toggleExpanded() {
    if (expanded) {
        expandedWidth = width_;
        expandedHeight = height_;
        expanded = false;
        applySize(collapsedWidth, collapsedHeight);
        emit expandedChanged(false);
        return false;
    }
    collapsedWidth = width_;
    collapsedHeight = height_;
    expanded = true;
    applySize(expandedWidth, expandedHeight);
    emit expandedChanged(true);
    return true;
}

void MainWindow::setPositionKeepingSize(int left, int top) {
    move(left, top);
}

void MainWindow::setCollapsedSize(int newWidth, int newHeight) {
    collapsedWidth = newWidth;
    collapsedHeight = newHeight;
    applySize(newWidth, newHeight);
}

void MainWindow::setExpandedSize(int newWidth, int newHeight) {
    expandedWidth = newWidth;
    expandedHeight = newHeight;
}

void MainWindow::applySize(int newWidth, int newHeight) {
    width_ = newWidth;
    height_ = newHeight;
    updateSizeHints();
    rememberRequestedSize({newWidth, newHeight});
    resize(newWidth, newHeight);
}

void MainWindow::updateSizeHints() {
    // A window loaded smaller than the least size keeps its size until it is resized.
    const QSize least(std::min(WindowGeometry::minimumWidth, width_),
                      std::min(WindowGeometry::minimumHeight, height_));
    setMinimumSize(least);
    // Steps of 5 counted from the least size (itself a multiple of 5): a manager's resize lands
    // on the same grid as the Alt resize. The native window, once it exists, is told directly,
    // since the widget passes these on only when they change.
    const QSize step(5, 5);
    setBaseSize(least);
    setSizeIncrement(step);
    if (QWindow* handle = windowHandle()) {
        handle->setBaseSize(least);
        handle->setSizeIncrement(step);
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    updateSizeHints();
    QWidget::showEvent(event);
}

void MainWindow::rememberRequestedSize(QSize size) {
    constexpr size_t kept = 16;
    if (requestedSizes.size() == kept) {
        requestedSizes.erase(requestedSizes.begin());
    }
    requestedSizes.push_back(size);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!event->spontaneous()) {
        return;
    }
    const QSize size = event->size();
    const auto requested = std::find(requestedSizes.begin(), requestedSizes.end(), size);
    if (requested != requestedSizes.end()) {
        requestedSizes.erase(requestedSizes.begin(), requested + 1);
        return;
    }
    if (resizing || size == QSize(width_, height_)) {
        return;
    }
    // The window manager resized the window with its own gesture (Alt + right drag, a keyboard
    // resize): the size it chose becomes the current size of the pair shown, as after Alt + drag.
    width_ = size.width();
    height_ = size.height();
    updateSizeHints();
    storeSizeInShownPair();
}

void MainWindow::storeSizeInShownPair() {
    if (expanded) {
        expandedWidth = width_;
        expandedHeight = height_;
    } else {
        collapsedWidth = width_;
        collapsedHeight = height_;
    }
}

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        // Minimise does nothing to a skin window: a manager that iconified it anyway gets it
        // back at once (later, since the state change is still being delivered).
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
        });
    }
}

void MainWindow::leftButtonDown(Qt::KeyboardModifiers modifiers, QPoint screenCursor) {
    if (modifiers & Qt::ControlModifier) {
        dragging = true;
        setCursor(Qt::SizeAllCursor);
        grabMouse();
        startRect = frameGeometry();
        grabPoint = mapFromGlobal(screenCursor);
    } else if (resizeZone != 0) {
        resizing = true;
        grabMouse();
        startRect = frameGeometry();
        grabPoint = screenCursor;
    }
}

void MainWindow::leftButtonUp() {
    if (dragging) {
        dragging = false;
        releaseMouse();
        unsetCursor();
    }
    if (resizing) {
        resizing = false;
        resizeZone = 0;
        releaseMouse();
        unsetCursor();
        // The size pairs still hold the sizes from before the resize.
        SkinWindowFile before = shapeRecord();
        before.x = startRect.x();
        before.y = startRect.y();
        storeSizeInShownPair();
        if (shapeRecord() != before) {
            host_.windowEditFinished(this, before);
        }
    }
}

SkinWindowFile MainWindow::shapeRecord() const {
    SkinWindowFile record;
    record.x = x();
    record.y = y();
    record.collapsedWidth = collapsedWidth;
    record.collapsedHeight = collapsedHeight;
    record.expandedWidth = expandedWidth;
    record.expandedHeight = expandedHeight;
    record.expanded = expanded;
    return record;
}

void MainWindow::mouseMovedTo(QPoint client, QPoint screenCursor, Qt::KeyboardModifiers modifiers) {
    const QPoint cursor = screenCursor;
    if (dragging) {
        const QPoint target = WindowGeometry::snapDrag(cursor - grabPoint, startRect.size(),
                                                       WindowGeometry::workAreaOf(screen()));
        move(target);
        return;
    }
    if (resizing) {
        const QRect next = WindowGeometry::resize(startRect, resizeZone, cursor - grabPoint,
                                                  WindowGeometry::workAreaOf(screen()));
        width_ = next.width();
        height_ = next.height();
        updateSizeHints();
        rememberRequestedSize(next.size());
        setGeometry(next);
        return;
    }
    if (modifiers & Qt::AltModifier) {
        resizeZone = WindowGeometry::resizeZoneAt(client, QSize(width_, height_));
        setZoneCursor(resizeZone);
    } else if (resizeZone != 0) {
        resizeZone = 0;
        setZoneCursor(0);
    }
}

void MainWindow::setZoneCursor(int zone) {
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,     Qt::SizeHorCursor,   Qt::SizeFDiagCursor,
        Qt::SizeVerCursor,   Qt::SizeBDiagCursor, Qt::SizeHorCursor,
        Qt::SizeFDiagCursor, Qt::SizeVerCursor,   Qt::SizeBDiagCursor};
    if (zone == 0) {
        unsetCursor();
    } else {
        setCursor(shapes[zone]);
    }
}

void MainWindow::openSkinMenu() {
    raise();
    menuPoint = QCursor::pos();
    SkinMenu menu(this);
    const int id = menu.run(menuPoint);
    if (id != 0) {
        menu.choose(id, mapFromGlobal(menuPoint));
    }
}

void MainWindow::skinMenuCommand(int id) {
    SkinMenu(this).choose(id, mapFromGlobal(menuPoint));
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Engine::instance().fillBackground(this, context_.colours.backColour, painter);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // Where no element is, a plain drag moves the window as Ctrl + drag does everywhere: the
    // one way to move a window without a title bar that a new user finds by trying.
    const Qt::KeyboardModifiers modifiers = event->modifiers() == Qt::NoModifier && resizeZone == 0
                                                ? Qt::ControlModifier
                                                : event->modifiers();
    leftButtonDown(modifiers, event->globalPosition().toPoint());
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftButtonUp();
    } else if (event->button() == Qt::RightButton && (event->modifiers() & Qt::ControlModifier)) {
        openSkinMenu();
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    mouseMovedTo(event->position().toPoint(), event->globalPosition().toPoint(),
                 event->modifiers());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The system close (Alt+F4, the window manager) ends the whole program with saving;
    // the window itself stays until the application state deletes it.
    event->ignore();
    host_.closeRequested();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    DebugLog::write("droped files\n");
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    host_.pathsDropped(paths);
    event->acceptProposedAction();
}
