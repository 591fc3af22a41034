#pragma once

#include <QRect>
#include <cstdint>

#include "playlist/PlaylistView.h"
#include "skin_ui/controls/Callable.h"
#include "skin_ui/elements/Element.h"

// A view of the whole playlist: one row per song ("title - artist") from the first song down,
// inside a frame drawn from its picture. Only the rows that fit are drawn. Shift-dragging an
// edge resizes it.
class ListBox : public Element, public Callable, public PlaylistView {
    Q_OBJECT

public:
    static constexpr int minimumSize = 40;

    explicit ListBox(MainWindow* owner, int sizeClass = startSizeClass);
    // The list a window file record describes.
    ListBox(MainWindow* owner, const Record& record);
    // The record of a list new to its window.
    static Record newRecord();
    ~ListBox() override;

    void paint(QPainter& painter) override;
    bool onLeftButtonDown(Qt::KeyboardModifiers modifiers) override;
    bool onLeftButtonUp() override;
    bool onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client) override;

    void playlistChanged() override;

    int getRowHeight() const { return rowHeight; }
    int getResizeZone() const { return resizeZone; }
    bool isResizing() const { return resizing; }

protected:
    void writeOwnSettings(Record& record) const override;
    void applyOwnSettings(const Record& record) override;

private:
    void paintRows(QPainter& painter);
    // The song got its tags: its row is drawn again when it is in view.
    void repaintSong(uint32_t index);
    // The rows that start inside the element (once the row height is known).
    int visibleRows() const;
    void paintFrame(QPainter& painter) const;
    void armResizeZone(QPoint client);
    void resizeTo(QPoint ownerCursor);

    int rowHeight = 0;
    uint32_t firstRow = 0;
    int resizeZone = 0;
    bool resizing = false;
    QRect resizeStart;
};
