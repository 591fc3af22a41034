#include "skin_ui/GestureHelp.h"

#include <QToolTip>
#include <QWidget>

namespace {

// Long enough to be read, short enough not to stand in the way.
constexpr int hintMilliseconds = 15000;

const char* const gestures[][2] = {
    {"Ctrl + left drag", "moves a skin window (it snaps to the edges of the desktop)"},
    {"Left drag where no element is", "moves the skin window the same way"},
    {"Alt + left drag at a window edge", "resizes the window"},
    {"Shift + left drag on an element", "moves the element on a 5-pixel grid"},
    {"Ctrl + right click", "the skin menu: add element, add or delete a window, skins, options"},
    {"Shift + right click on an element", "the element menu: type, function, size, lock, delete"},
    {"Drop files on a window", "adds them to the playlist"},
};

}  // namespace

QString GestureHelp::firstStartHint() {
    return QStringLiteral(
        "Ctrl + drag moves this window.\nCtrl + right click opens the skin menu.");
}

void GestureHelp::showFirstStartHint(QWidget* window) {
    // Under the window's lower edge: the skin itself stays in sight while the hint is read.
    const QPoint underneath = window->mapToGlobal(QPoint(0, window->height()));
    QToolTip::showText(underneath, firstStartHint(), window, QRect(), hintMilliseconds);
}

PromptMessage GestureHelp::helpBox(PromptOwner owner) {
    QStringList lines;
    for (const auto& gesture : gestures) {
        lines << QString::fromUtf8(gesture[0]) + ": " + QString::fromUtf8(gesture[1]);
    }
    PromptMessage box;
    box.text = lines.join('\n');
    box.caption = QStringLiteral("VeskPlayer - Skin editing help");
    box.icon = PromptIcon::Information;
    box.owner = owner;
    return box;
}
