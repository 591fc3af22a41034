#pragma once

#include <thread>

// The first frame draws text, and before Qt can lay out a line the font configuration is read:
// its XML files parsed and the font caches of every font folder mapped. That takes a good part of
// the start on its own, so it is begun on a second thread while the window system connection and
// the skin windows are made; Qt then finds the configuration loaded. Fontconfig loads its
// configuration once, atomically, whichever thread asks first.
class FontWarmUp {
public:
    FontWarmUp();
    // Waits for the reading, so the process never ends in the middle of it.
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread reading;
};
