#pragma once
#include <X11/Xlib.h>

// What a window manager sends when the user closes a window (Alt+F4): WM_DELETE_WINDOW.
// Plain Xlib, for the whole-program tests and the probe of the whole-program benchmark.
inline void sendWindowDelete(Display* display, Window window) {
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
