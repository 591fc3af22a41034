#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include <cstdint>
#include <string>
#include <vector>

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The probe's own connection to the X server named by DISPLAY: finds the player's window and
// reads what the screen shows, the way a camera pointed at the monitor would.
class ScreenWatch {
public:
    ScreenWatch();
    ~ScreenWatch();
    ScreenWatch(const ScreenWatch&) = delete;
    ScreenWatch& operator=(const ScreenWatch&) = delete;

    bool isOpen() const { return display != nullptr; }
    // The first mapped top-level window with this title, or 0.
    Window mappedWindowTitled(const std::string& title);
    bool screenRectOf(Window window, ScreenRect& rect);
    // The screen's pixels in the rectangle as 0xRRGGBB; empty on failure.
    std::vector<uint32_t> grab(const ScreenRect& rect);
    // What a window manager sends when the user closes a window.
    void sendDeleteWindow(Window window);

private:
    XImage* sharedImageOf(int width, int height);
    void releaseSharedImage();

    Display* display = nullptr;
    // How the server packs red, green and blue into a pixel.
    unsigned long redMask = 0, greenMask = 0, blueMask = 0;
    // Polling every millisecond through the socket would cost the X server and the probe most
    // of a core; with MIT-SHM the server copies the pixels into memory shared with the probe.
    bool shmAvailable = false;
    XShmSegmentInfo segment{};
    XImage* sharedImage = nullptr;
};
