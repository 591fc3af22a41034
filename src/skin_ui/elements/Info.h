#pragma once

#include <QString>
#include <QTimer>

#include "audio/NowPlayingDisplay.h"
#include "skin_ui/elements/Element.h"
#include "skin_ui/elements/Marquee.h"

// The now-playing text on a strip drawn from a small picture. A text wider than the element
// scrolls back and forth (one pixel per 100 ms, half a second's pause at each end). Shift-dragging
// an end of the strip changes its width.
class Info : public Element, public NowPlayingDisplay {
    Q_OBJECT

public:
    static constexpr int stripHeight = 20;
    static constexpr int minimumWidth = 30;

    explicit Info(MainWindow* owner, int sizeClass = startSizeClass);
    // The strip a window file record describes.
    Info(MainWindow* owner, const Record& record);
    // The record of a strip new to its window.
    static Record newRecord();
    ~Info() override;

    // Shows a new text from its start.
    void setText(const QString& newText);
    QString getText() const { return text; }
    // The player's now-playing text.
    void setNowPlaying(const QString& nowPlaying) override { setText(nowPlaying); }

    void paint(QPainter& painter) override;
    bool onLeftButtonDown(Qt::KeyboardModifiers modifiers) override;
    bool onLeftButtonUp() override;
    bool onMouseMove(Qt::KeyboardModifiers modifiers, QPoint client) override;

    // One tick of the marquee; returns the time until the next tick.
    int scrollStep();
    // The text is measured and narrower than the strip, so it stands still.
    bool textFits() const;
    bool isScrolling() const { return scrollTimer.isActive(); }

    int getScrollX() const { return marquee.getScrollX(); }
    int getTextWidth() const { return textWidth; }
    bool isScrollingLeft() const { return marquee.isScrollingLeft(); }
    int getWidthEdge() const { return widthEdge; }
    bool isWidthChanging() const { return widthChanging; }

protected:
    void writeOwnSettings(Record& record) const override;
    void applyOwnSettings(const Record& record) override;

private:
    void changeWidth(QPoint ownerCursor);

    QTimer scrollTimer;
    Marquee marquee;
    int textWidth = 0;  // 0: the next paint measures the text
    int widthEdge = 0;
    bool widthChanging = false;
    int widthStartX = 0;
    int widthStartWidth = 0;
    QString text = "Nothing playing";
};
