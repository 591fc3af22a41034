#pragma once
#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <vector>
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/controls/Callable.h"
#include "skin_ui/controls/CallerPtr.h"
#include "support/MouseInput.h"
#include "support/RecordingSkinHost.h"
#include "support/ScriptedPrompts.h"

// Records every report it receives.
class RecordingReceiver : public CallerPtr {
public:
    void callback(Callable* caller) override { callers.push_back(caller); }
    size_t count() const { return callers.size(); }
    std::vector<Callable*> callers;
};

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
