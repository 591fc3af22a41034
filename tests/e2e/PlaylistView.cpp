#include "PlaylistView.h"

#include <QImage>

#include "XServer.h"
#include "support/Waiting.h"

namespace {
// The view's place in the default window, inside the frame the skin draws around it.
const QRect inside(5 + 6, 50 + 6, 275 - 12, 155 - 12);
}  // namespace

int PlaylistView::shownLines(XServer& x, QPoint windowOrigin) {
    const QImage shot = x.grab(inside.translated(windowOrigin));
    if (shot.isNull()) {
        return 0;
    }
    // The bottom right corner is background while the list is short.
    const QRgb background = shot.pixel(shot.width() - 1, shot.height() - 1);
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < shot.height(); ++y) {
        bool text = false;
        for (int column = 0; column < shot.width() && !text; ++column) {
            text = shot.pixel(column, y) != background;
        }
        lines += text && !inLine ? 1 : 0;
        inLine = text;
    }
    return lines;
}

bool PlaylistView::waitForLines(XServer& x, int lines, QPoint windowOrigin) {
    return waitFor([&] { return shownLines(x, windowOrigin) >= lines; }, 20000);
}
