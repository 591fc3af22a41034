#include "skin_ui/elements/ListBox.h"

#include <QFontMetrics>
#include <QPainter>

#include "common/SkinContext.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/elements/EdgeDrag.h"

namespace {

constexpr int tile = 5;
constexpr int newSide = 80;
constexpr int textInset = 5;
constexpr int edgeZone = 5;

enum ResizeZone { noZone = 0, leftZone = 1, rightZone = 2, topZone = 3, bottomZone = 4 };

}  // namespace

ListBox::ListBox(MainWindow* owner, int sizeClass)
    : Element(owner, ElementType::listBox, sizeClass) {
    setTooltipText("listbox");
    setPicture("400_listbox.bmp");
    PlayList::instance().addListView(this);
    connect(&PlayList::instance().events(), &PlayerEvents::songTagged, this, &ListBox::repaintSong);
}

ListBox::ListBox(MainWindow* owner, const Record& record)
    : ListBox(owner, static_cast<int>(record.sizeClass)) {
    setSize(record.width, record.height);
    applyCommonSettings(record);
}

Element::Record ListBox::newRecord() {
    return {.type = ElementType::listBox,
            .width = newSide,
            .height = newSide,
            .sizeClass = startSizeClass};
}

void ListBox::writeOwnSettings(Record& record) const {
    record.width = getWidth();
    record.height = getHeight();
}

void ListBox::applyOwnSettings(const Record& record) {
    setSizeClass(static_cast<int>(record.sizeClass));
    setSize(record.width, record.height);
}

ListBox::~ListBox() {
    PlayList::instance().removeListView(this);
}

void ListBox::playlistChanged() {
    update();
}

void ListBox::repaintSong(uint32_t index) {
    if (rowHeight > 0 && index >= firstRow && index - firstRow < uint32_t(visibleRows())) {
        const int top = textInset + static_cast<int>(index - firstRow) * rowHeight;
        update(0, top, width(), rowHeight);
    }
}

int ListBox::visibleRows() const {
    return (height() - textInset + rowHeight - 1) / rowHeight;
}

void ListBox::paint(QPainter& painter) {
    Engine::instance().fillBackground(this, getOwner()->context().colours.backColour, painter);
    paintRows(painter);
    paintFrame(painter);
}

void ListBox::paintRows(QPainter& painter) {
    PlayList& playlist = PlayList::instance();
    if (rowHeight == 0) {
        if (playlist.songCount() == 0) {
            return;
        }
        // The height of a line of text in the painter's font, whatever the title holds.
        rowHeight = QFontMetrics(painter.font()).height();
    }
    // Only the rows that start inside the element are fetched and drawn, so the paint costs
    // the same for ten songs and for a hundred thousand.
    const int rows = visibleRows();
    if (rows <= 0) {
        return;
    }
    // Their tags are read first.
    playlist.showingSongs(this, firstRow, static_cast<uint32_t>(rows));
    Engine& engine = Engine::instance();
    engine.textColour = getOwner()->context().colours.textColour;
    const std::vector<SongInfo> songs = playlist.songs(firstRow, static_cast<uint32_t>(rows));
    // A row cut by the bottom edge is drawn only inside the frame, never across it.
    painter.save();
    painter.setClipRect(QRect(tile, tile, width() - 2 * tile, height() - 2 * tile));
    for (size_t i = 0; i < songs.size(); ++i) {
        const int top = textInset + static_cast<int>(i) * rowHeight;
        engine.drawText(painter, songs[i].title + " - " + songs[i].artist, textInset, top, width(),
                        rowHeight);
    }
    painter.restore();
}

void ListBox::paintFrame(QPainter& painter) const {
    const Bitmap* picture = getBitmap();
    const int w = width();
    const int h = height();
    auto piece = [&](int sourceX, int sourceY, int x, int y) {
        picture->drawPart(painter, x, y, QRect(sourceX, sourceY, tile, tile));
    };
    piece(0, 20, 0, 0);
    piece(5, 20, w - tile, 0);
    piece(10, 20, 0, h - tile);
    piece(15, 20, w - tile, h - tile);
    for (int k = 0; k <= w / tile - 3; ++k) {
        piece(25, 15, tile + tile * k, 0);
        piece(25, 10, tile + tile * k, h - tile);
    }
    for (int k = 0; k <= h / tile - 3; ++k) {
        piece(25, 20, 0, tile + tile * k);
        piece(20, 20, w - tile, tile + tile * k);
    }
}

bool ListBox::onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client) {
    const QPoint cursor = screenCursor();
    if (Element::onMouseMove(modifiers, client)) {
        return true;
    }
    if (!resizing) {
        if ((modifiers & Qt::ShiftModifier) && isMoveable()) {
            armResizeZone(client);
        } else {
            resizeZone = noZone;
        }
        return false;
    }
    if (resizeZone != noZone) {
        resizeTo(getOwner()->mapFromGlobal(cursor));
    }
    return false;
}

void ListBox::armResizeZone(QPoint client) {
    if (client.x() < edgeZone) {
        resizeZone = leftZone;
    } else if (client.x() > width() - edgeZone) {
        resizeZone = rightZone;
    } else if (client.y() < edgeZone) {
        resizeZone = topZone;
    } else if (client.y() <= height() - edgeZone) {
        resizeZone = noZone;
    } else {
        resizeZone = bottomZone;
    }
    switch (resizeZone) {
        case leftZone:
        case rightZone:
            setCursor(Qt::SizeHorCursor);
            break;
        case topZone:
        case bottomZone:
            setCursor(Qt::SizeVerCursor);
            break;
        default:
            setCursor(Qt::ArrowCursor);
            break;
    }
}

void ListBox::resizeTo(QPoint ownerCursor) {
    const EdgeDrag::Span across{resizeStart.x(), resizeStart.width()};
    const EdgeDrag::Span down{resizeStart.y(), resizeStart.height()};
    const int roomWidth = getOwner()->width();
    const int roomHeight = getOwner()->height();
    EdgeDrag::Span horizontal = across;
    EdgeDrag::Span vertical = down;
    switch (resizeZone) {
        case leftZone:
            horizontal = EdgeDrag::moveStart(across, ownerCursor.x(), minimumSize, roomWidth);
            break;
        case rightZone:
            horizontal = EdgeDrag::moveEnd(across, ownerCursor.x(), minimumSize, roomWidth);
            break;
        case topZone:
            vertical = EdgeDrag::moveStart(down, ownerCursor.y(), minimumSize, roomHeight);
            break;
        case bottomZone:
            vertical = EdgeDrag::moveEnd(down, ownerCursor.y(), minimumSize, roomHeight);
            break;
        default:
            return;
    }
    setGeometry(horizontal.start, vertical.start, horizontal.length, vertical.length);
}

bool ListBox::onLeftButtonDown(Qt::KeyboardModifiers modifiers) {
    if (resizeZone == noZone) {
        return Element::onLeftButtonDown(modifiers);
    }
    resizing = true;
    captureMouse();
    resizeStart = geometry();
    beginEdit();
    return true;
}

bool ListBox::onLeftButtonUp() {
    return endMove() || endEdgeDrag(resizing, resizeZone);
}
