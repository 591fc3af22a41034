#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <memory>

#include "skins/SkinWindowFile.h"

class Bitmap;
class MainWindow;
class QPainter;
class Tooltip;

// The base of every skin element: a borderless child widget of a skin window that draws itself
// from a picture and reacts to the mouse. It implements the editing gestures every element
// shares: Shift-drag to move on a 5-pixel grid, the element menu on Shift + right click, and
// handing Ctrl and Alt gestures to the skin window.
//
// The element's position and size are its widget geometry inside the owner's client area.
// Mouse events reach the handlers below through the input router, which gives them the
// routing of the skin (see InputRouter).
class Element : public QWidget {
    Q_OBJECT

public:
    using Record = SkinWindowFile::ElementRecord;

    static constexpr int startSizeClass = 1;

    // The element starts hidden at (0, 0) in the size class (its picture is then loaded once, in
    // that class); the creator shows it.
    Element(MainWindow* owner, ElementType type, int sizeClass = startSizeClass);
    ~Element() override;

    virtual void paint(QPainter& painter) = 0;
    // Each returns whether the event was taken (a move started, or a gesture was forwarded).
    virtual bool onLeftButtonDown(Qt::KeyboardModifiers modifiers);
    virtual bool onLeftButtonUp();
    virtual void onRightButtonUp(Qt::KeyboardModifiers modifiers);
    // Element menu commands by item id.
    virtual void onCommand(int id);
    virtual bool onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client);
    virtual void onMouseLeave();
    // The arrow over the element unless a move is under way; called before every mouse move.
    virtual void onSetCursor();
    // The cursor rested on the element for the hover time: the tooltip shows at the cursor.
    void onMouseHover();

    ElementType getType() const { return type; }
    MainWindow* getOwner() const { return owner; }

    // The element's record in its window file: the place, size class and lock every element
    // has, and its type's own settings.
    Record record() const;
    // Gives the element a record of its type in place (an edit taken back or done again that
    // kept the element). False, changing nothing, for a record of another type.
    bool applyRecord(const Record& record);

    void setPosition(int newX, int newY);
    int getX() const { return x(); }
    int getY() const { return y(); }
    // Sets the size without moving (used by the loader for sliders, info and list boxes).
    virtual void setSize(int newWidth, int newHeight);
    int getWidth() const { return width(); }
    int getHeight() const { return height(); }

    // Loads the picture by file name from the current skin at the element's size class
    // (restoring a missing one from the built-in set) and sizes buttons and sliders from it.
    void setPicture(const QString& pictureName);
    Bitmap* getBitmap() const { return bitmap.get(); }

    void setSizeClass(int newSizeClass);
    int getSizeClass() const { return sizeClass; }

    void setMoveable(bool value) { moveable = value; }
    bool isMoveable() const { return moveable; }
    bool isMoving() const { return moving; }

    void setTooltipText(const QString& text);
    QString getTooltipText() const;
    Tooltip* getTooltip() const { return tooltip.get(); }

protected:
    // The type's own part of its record: function, orientation, fill, lengths.
    virtual void writeOwnSettings(Record& record) const = 0;
    // Takes the type's own part of a record of its type, and the size class at the point the
    // type needs it: after the picture, which it resizes, and before the lengths.
    virtual void applyOwnSettings(const Record& record) = 0;
    // The place, size class and lock of a record, for an element being built from it.
    void applyCommonSettings(const Record& record);

    // The screen position of the cursor for the mouse event being handled (the live cursor
    // outside an event).
    QPoint screenCursor() const;
    // Whether Alt is held for the event being handled, or now.
    bool altHeldNow() const;
    void captureMouse();
    void releaseCapture();
    // Ends a move if one is under way; true when it did.
    bool endMove();
    // Ends an edge drag (a length, width or size change) if one is under way: the edge is let go
    // (0), the mouse released and the change reported. True when it did.
    bool endEdgeDrag(bool& dragging, int& edge);
    // An editing gesture (a move, a length, width or size change) starts: the element's record
    // is kept so that the gesture's end can report what it changed.
    void beginEdit();
    // The gesture ended: tells the host, with the kept record, when it changed the element.
    void finishEdit();
    // The size the element takes for a new picture: buttons and sliders follow their picture,
    // the other types keep their size.
    virtual QSize sizeForPicture(int pictureWidth, int pictureHeight) const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

    QPoint menuPoint;

private:
    void openElementMenu();
    void beginEvent(const QMouseEvent* event);

    ElementType type;
    bool moving = false;
    bool moveable = true;
    QPoint moveStartCursor;
    QPoint moveStartPos;
    Record recordBeforeEdit;
    int sizeClass;
    std::unique_ptr<Bitmap> bitmap;
    MainWindow* owner;
    std::unique_ptr<Tooltip> tooltip;
    QPoint eventCursor;
    Qt::KeyboardModifiers eventModifiers;
    bool inEvent = false;
};
