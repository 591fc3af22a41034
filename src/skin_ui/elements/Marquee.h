#pragma once

// The bouncing scroll of a text wider than its strip: one pixel per step, a pause at each end,
// and no movement at all while the text fits.
class Marquee {
public:
    static constexpr int textStart = 5;
    static constexpr int capWidth = 5;
    static constexpr int stepMs = 100;
    static constexpr int endPauseMs = 500;

    // Moves the text one pixel for a strip `width` wide; returns the time until the next step
    // (longer after turning at an end). `moved` tells whether the text has to be redrawn.
    int step(int width, int textWidth, bool& moved);
    void reset();

    int getScrollX() const { return scrollX; }
    bool isScrollingLeft() const { return scrollingLeft; }

private:
    int scrollX = textStart;
    bool scrollingLeft = true;
};
