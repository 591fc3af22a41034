#pragma once

class QWidget;

// Dialogs belong to a skin window: transient for it, so the window manager keeps them above it
// and with it, and on top when it stays on top (a dialog under an always-on-top skin window would
// be out of reach while it blocks the window). Called before the dialog is shown; an owner of
// none leaves the dialog as it is.
namespace DialogPlacement {

void placeAbove(QWidget* dialog, QWidget* owner);

}  // namespace DialogPlacement
