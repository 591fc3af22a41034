#include "app/DialogOwner.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "skin_ui/MainWindow.h"

DialogOwner::DialogOwner(std::function<QWidget*()> firstWindow)
    : firstWindow(std::move(firstWindow)) {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
    }
}

DialogOwner::~DialogOwner() = default;

QWidget* DialogOwner::current() const {
    if (lastPressed && lastPressed->isVisible()) {
        return lastPressed;
    }
    return firstWindow();
}

bool DialogOwner::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        if (auto* window = qobject_cast<MainWindow*>(static_cast<QWidget*>(watched)->window())) {
            lastPressed = window;
        }
    }
    return false;
}
