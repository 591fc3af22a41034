#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/controls/Callable.h"
#include "skin_ui/controls/CallerPtr.h"
#include "support/RecordingSkinHost.h"
#include "support/ScriptedPrompts.h"

// Records every report it receives.
class RecordingReceiver : public CallerPtr {
public:
    void callback(Callable* caller) override { callers.push_back(caller); }
    size_t count() const { return callers.size(); }
    std::vector<Callable*> callers;
};

// Mouse events as the windowing system hands them to Qt: sent to the widget Qt would deliver to
// (for a held button, the widget that was pressed), at a screen position, with the live cursor
// moved there as well.
namespace Mouse {

inline void send(QWidget* receiver, QEvent::Type type, QPoint global, Qt::MouseButton button,
                 Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QCursor::setPos(global);
    QMouseEvent event(type, receiver->mapFromGlobal(QPointF(global)),
                      receiver->window()->mapFromGlobal(QPointF(global)), QPointF(global), button,
                      buttons, modifiers);
    QApplication::sendEvent(receiver, &event);
}

inline void press(QWidget* receiver, QPoint global, Qt::KeyboardModifiers modifiers = {},
                  Qt::MouseButton button = Qt::LeftButton) {
    send(receiver, QEvent::MouseButtonPress, global, button, button, modifiers);
}
inline void move(QWidget* receiver, QPoint global, Qt::MouseButtons held = Qt::NoButton,
                 Qt::KeyboardModifiers modifiers = {}) {
    send(receiver, QEvent::MouseMove, global, Qt::NoButton, held, modifiers);
}
inline void release(QWidget* receiver, QPoint global, Qt::KeyboardModifiers modifiers = {},
                    Qt::MouseButton button = Qt::LeftButton) {
    send(receiver, QEvent::MouseButtonRelease, global, button, Qt::NoButton, modifiers);
}

// A screen point inside a widget, from its client coordinates.
inline QPoint at(const QWidget* widget, int x, int y) {
    return widget->mapToGlobal(QPoint(x, y));
}

}  // namespace Mouse

// A shown skin window of 300 x 200 at (100, 100) on a player without a sound card, with the
// pictures of a fresh data folder and the prompts scripted.
class SkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!soundReady) {
            Sound::createInstance(std::make_unique<NullOutput>());
            soundReady = true;
        }
        host.setDataFolder(dataFolder.path());
        window = std::make_unique<MainWindow>(host, host.context);
        window->setCollapsedSize(300, 200);
        window->move(100, 100);
        window->show();
        QApplication::processEvents();
    }

    // The window goes last, with the fixture: elements held by a test are deleted before it.
    void TearDown() override { QApplication::processEvents(); }

    // Lets the queued work run (posted deletions, queued calls).
    static void settle() { QApplication::processEvents(); }

    // The skin's values, as the application would give them; a test that changes one puts it
    // back with the fixture.
    SkinContext& context() { return host.context; }
    QString skinFolder() const { return host.context.skinFolder; }

    ScriptedPrompts prompts;
    QTemporaryDir dataFolder;
    RecordingSkinHost host;
    std::unique_ptr<MainWindow> window;
    RecordingReceiver receiver;

private:
    static inline bool soundReady = false;
};
