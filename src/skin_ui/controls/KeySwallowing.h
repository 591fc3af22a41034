#pragma once

#include <QKeyEvent>

// Tab and Enter never reach the wrapped controls as characters.
namespace KeySwallowing {

inline bool isTabOrEnter(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            return false;
    }
}

}  // namespace KeySwallowing
