#include "ScreenWatch.h"

#include <X11/Xutil.h>

namespace {

// A window may vanish between listing it and asking about it; that is no reason to exit.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

uint32_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1) == 0) {
        ++shift;
    }
    const unsigned long maximum = mask >> shift;
    return static_cast<uint32_t>(((pixel & mask) >> shift) * 255 / maximum);
}

}  // namespace

ScreenWatch::ScreenWatch() : display(XOpenDisplay(nullptr)) {
    if (!display) {
        return;
    }
    XSetErrorHandler(ignoreXError);
    const Visual* visual = DefaultVisual(display, DefaultScreen(display));
    redMask = visual->red_mask;
    greenMask = visual->green_mask;
    blueMask = visual->blue_mask;
}

ScreenWatch::~ScreenWatch() {
    if (display) {
        XCloseDisplay(display);
    }
}

Window ScreenWatch::mappedWindowTitled(const std::string& title) {
    Window root = DefaultRootWindow(display), parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count)) {
        return 0;
    }
    Window found = 0;
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            XWindowAttributes attributes;
            if (title == name && XGetWindowAttributes(display, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(name);
        }
    }
    if (children) {
        XFree(children);
    }
    return found;
}

bool ScreenWatch::screenRectOf(Window window, ScreenRect& rect) {
    XWindowAttributes attributes;
    Window child = 0;
    if (!XGetWindowAttributes(display, window, &attributes) ||
        !XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &rect.x, &rect.y,
                               &child)) {
        return false;
    }
    rect.width = attributes.width;
    rect.height = attributes.height;
    return true;
}

std::vector<uint32_t> ScreenWatch::grab(const ScreenRect& rect) {
    std::vector<uint32_t> pixels;
    // The root window holds what is on screen, whichever window drew it.
    XImage* image = XGetImage(display, DefaultRootWindow(display), rect.x, rect.y, rect.width,
                              rect.height, AllPlanes, ZPixmap);
    if (!image) {
        return pixels;
    }
    pixels.reserve(static_cast<size_t>(rect.width) * rect.height);
    for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            pixels.push_back(channel(pixel, redMask) << 16 | channel(pixel, greenMask) << 8 |
                             channel(pixel, blueMask));
        }
    }
    XDestroyImage(image);
    return pixels;
}

void ScreenWatch::sendDeleteWindow(Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}
