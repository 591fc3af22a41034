#include "ScreenWatch.h"

#include "support/WindowDelete.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <bit>

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
    shmAvailable = XShmQueryExtension(display);
}

ScreenWatch::~ScreenWatch() {
    if (display) {
        releaseSharedImage();
        XCloseDisplay(display);
    }
}

XImage* ScreenWatch::sharedImageOf(int width, int height) {
    if (sharedImage && sharedImage->width == width && sharedImage->height == height) {
        return sharedImage;
    }
    releaseSharedImage();
    const int screen = DefaultScreen(display);
    XImage* image =
        XShmCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen),
                        ZPixmap, nullptr, &segment, width, height);
    if (!image) {
        return nullptr;
    }
    segment.shmid = shmget(IPC_PRIVATE, image->bytes_per_line * height, IPC_CREAT | 0600);
    if (segment.shmid < 0) {
        XDestroyImage(image);
        return nullptr;
    }
    segment.shmaddr = image->data = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
    segment.readOnly = False;
    // Marked for removal now, so the segment goes away with the probe however it ends.
    shmctl(segment.shmid, IPC_RMID, nullptr);
    if (segment.shmaddr == reinterpret_cast<char*>(-1) || !XShmAttach(display, &segment)) {
        if (segment.shmaddr != reinterpret_cast<char*>(-1)) {
            shmdt(segment.shmaddr);
        }
        image->data = nullptr;
        XDestroyImage(image);
        return nullptr;
    }
    XSync(display, False);
    sharedImage = image;
    return sharedImage;
}

void ScreenWatch::releaseSharedImage() {
    if (!sharedImage) {
        return;
    }
    XShmDetach(display, &segment);
    XSync(display, False);
    shmdt(segment.shmaddr);
    sharedImage->data = nullptr;
    XDestroyImage(sharedImage);
    sharedImage = nullptr;
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
    if (rect.width <= 0 || rect.height <= 0) {
        return pixels;
    }
    // The root window holds what is on screen, whichever window drew it.
    const Window root = DefaultRootWindow(display);
    XImage* shared = shmAvailable ? sharedImageOf(rect.width, rect.height) : nullptr;
    XImage* image =
        shared && XShmGetImage(display, root, shared, rect.x, rect.y, AllPlanes)
            ? shared
            : XGetImage(display, root, rect.x, rect.y, rect.width, rect.height, AllPlanes, ZPixmap);
    if (!image) {
        return pixels;
    }
    pixels.reserve(static_cast<size_t>(rect.width) * rect.height);
    // The common 24-bit server keeps 0xRRGGBB in 32-bit words already: read those directly, as
    // the probe polls every millisecond.
    const bool plainWords = image->bits_per_pixel == 32 && image->byte_order == LSBFirst &&
                            std::endian::native == std::endian::little && redMask == 0xff0000 &&
                            greenMask == 0xff00 && blueMask == 0xff;
    for (int y = 0; y < rect.height; ++y) {
        const auto* row =
            reinterpret_cast<const uint32_t*>(image->data + y * image->bytes_per_line);
        for (int x = 0; x < rect.width; ++x) {
            if (plainWords) {
                pixels.push_back(row[x] & 0xffffff);
                continue;
            }
            const unsigned long pixel = XGetPixel(image, x, y);
            pixels.push_back(channel(pixel, redMask) << 16 | channel(pixel, greenMask) << 8 |
                             channel(pixel, blueMask));
        }
    }
    if (image != shared) {
        XDestroyImage(image);
    }
    return pixels;
}

void ScreenWatch::sendDeleteWindow(Window window) {
    sendWindowDelete(display, window);
}
