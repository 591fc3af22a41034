#pragma once

#include <QPoint>

class XServer;

// The default skin's playlist view as the screen shows it: how tests see that the file worker
// has added songs, which it does in the background after the window is up.
namespace PlaylistView {

// The lines of text the view shows in the window standing at the origin.
int shownLines(XServer& x, QPoint windowOrigin = {});
// Waits until the view shows at least the number of lines; false on timeout.
bool waitForLines(XServer& x, int lines, QPoint windowOrigin = {});

}  // namespace PlaylistView
