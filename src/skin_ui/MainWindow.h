#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <vector>

#include "skins/SkinWindowFile.h"

class SkinContext;
class SkinWindowHost;

// One borderless top-level skin window. It paints only its background; it moves with Ctrl and
// the left button, resizes with Alt at its edges, toggles between a collapsed and an expanded
// size, shows the skin menu on Ctrl + right click and takes dropped files. It draws with the
// values of its context and reports closes, drops and menu commands to its host.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow(SkinWindowHost& host, const SkinContext& context);
    ~MainWindow() override;

    // Shows the window centred on the primary screen at its current size, without taking focus.
    void create();
    // Places the window centred on the primary screen at its current size without showing it,
    // so that a loader can give it its final place, size and elements before it is first mapped.
    void centre();

    SkinWindowHost& host() const { return host_; }
    const SkinContext& context() const { return context_; }

    // Switches between the collapsed and the expanded size; returns the new expanded state.
    bool toggleExpanded();

    // Geometry used by the skin window loader.
    void setPositionKeepingSize(int left, int top);
    void setPositionKeepingSize(QPoint topLeft) {
        setPositionKeepingSize(topLeft.x(), topLeft.y());
    }
    void setCollapsedSize(int newWidth, int newHeight);
    void setExpandedSize(int newWidth, int newHeight);

    // Gestures, also forwarded by elements with the modifiers and the screen position of the
    // cursor of their own mouse events: the state when the event happened, not when it is
    // handled (by then the cursor may be elsewhere and Alt released).
    void leftButtonDown(Qt::KeyboardModifiers modifiers, QPoint screenCursor);
    void leftButtonUp();
    void mouseMovedTo(QPoint client, QPoint screenCursor, Qt::KeyboardModifiers modifiers);
    void openSkinMenu();

    int currentWidth() const { return width_; }
    int currentHeight() const { return height_; }
    int getCollapsedWidth() const { return collapsedWidth; }
    int getCollapsedHeight() const { return collapsedHeight; }
    int getExpandedWidth() const { return expandedWidth; }
    int getExpandedHeight() const { return expandedHeight; }
    bool isExpanded() const { return expanded; }
    int getResizeZone() const { return resizeZone; }
    bool isDragging() const { return dragging; }
    bool isResizing() const { return resizing; }
    // The window's own part of its window file record: place, sizes and expanded flag.
    SkinWindowFile shapeRecord() const;

    // Runs a skin menu command by its item id (1 "Add element", 2 "Add window", ...).
    void skinMenuCommand(int id);

signals:
    // The window switched between its collapsed and its expanded size.
    void expandedChanged(bool expanded);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applySize(int newWidth, int newHeight);
    // Every size the window asks for; the window system's reports of them (which may come late)
    // are then told apart from a resize the window manager made on its own.
    void rememberRequestedSize(QSize size);
    // Size hints for the window manager's own resize: the grid of 5 and the least size.
    void updateSizeHints();
    // The current size becomes the expanded pair while expanded, else the collapsed pair.
    void storeSizeInShownPair();
    void setZoneCursor(int zone);
    // Stays on top of other windows as the context says; a visible window is shown again, since
    // changing the flag unmaps it.
    void applyOnFront();

    SkinWindowHost& host_;
    const SkinContext& context_;

    bool dragging = false;
    QRect startRect;
    QPoint grabPoint;
    QPoint menuPoint;
    int height_ = 30;
    int width_ = 30;
    int collapsedHeight = 30;
    int collapsedWidth = 30;
    int expandedHeight = 60;
    int expandedWidth = 60;
    bool expanded = false;
    int resizeZone = 0;
    bool resizing = false;
    std::vector<QSize> requestedSizes;
};
