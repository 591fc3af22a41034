#include "skin_ui/elements/Marquee.h"

int Marquee::step(int width, int textWidth, bool& moved) {
    if (textWidth < width - capWidth) {
        scrollX = textStart;
        moved = false;
        return stepMs;
    }
    int pause = 0;
    if (scrollingLeft) {
        --scrollX;
        if (scrollX < width - textWidth - capWidth) {
            scrollingLeft = false;
            pause = endPauseMs;
        }
    } else {
        ++scrollX;
        if (scrollX > textStart) {
            scrollingLeft = true;
            pause = endPauseMs;
        }
    }
    moved = true;
    return stepMs + pause;
}

void Marquee::reset() {
    scrollX = textStart;
    scrollingLeft = true;
}
