#include "skin_ui/DialogPlacement.h"

#include <QWidget>
#include <QWindow>

void DialogPlacement::placeAbove(QWidget* dialog, QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    QWidget* ownerWindow = owner->window();
    // Changing the flags of a shown window would hide it.
    if (ownerWindow->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
        !dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    // A dialog with a parent widget is made transient for it by Qt; one without (a window that
    // must outlive the skin windows) is told here.
    dialog->winId();
    ownerWindow->winId();
    dialog->windowHandle()->setTransientParent(ownerWindow->windowHandle());
}
