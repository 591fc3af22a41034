#pragma once

// Everything the application tests reach for, included once here.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "app/Dispatcher.h"
#include "app/SkinLibrary.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/Sound.h"
#include "common/ButtonCommand.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/Element.h"
#include "skin_ui/elements/ElementMenu.h"
#include "skin_ui/elements/SliderFunction.h"
#include "skins/Skin.h"
#include "support/DebugCapture.h"
#include "support/Files.h"
#include "support/ScriptedPrompts.h"
#include "support/WavFile.h"

// A fresh application state on a temporary data folder, with scripted prompts, captured debug
// lines and a player that plays into a null output.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override { restartApp(); }
    void TearDown() override { Variables::destroyInstance(); }
    // Ends the application state and starts a new one on the same data folder, as a restart.
    void restartApp();
    Variables& app() { return Variables::instance(); }
    SkinWindows& layout() { return app().skinWindows(); }
    QString dataPath(const QString& name) const { return data.path() + "/" + name; }
    QByteArray readData(const QString& name) const { return readFile(dataPath(name)); }
    void writeData(const QString& name, const QByteArray& bytes) const {
        ASSERT_TRUE(writeFile(dataPath(name), bytes));
    }
    // The buttons of the command in window i / in every window; the sliders of the function.
    std::vector<ButtonFunction*> buttons(size_t window, ButtonCommand command);
    std::vector<ButtonFunction*> allButtons(ButtonCommand command);
    std::vector<SliderFunction*> sliders(int function);
    // The picture names shown by the buttons of the command in every window.
    QStringList pictures(ButtonCommand command);
    // Presses and releases the left button over the middle of the widget, as a user does.
    void click(QWidget* widget);
    // Runs the event loop until every queued skin package import and export has ended.
    bool finishPackageWork() {
        return QTest::qWaitFor([this] { return app().skinLibrary().packagesIdle(); }, 20000);
    }
    // Adds songs of the given length to the playlist, written as "song<i>.wav" in the data folder.
    void addSongs(int count, double seconds = 1.0);
    // Elements and windows taken out are deleted after the event that asked; let that happen.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir data;
    ScriptedPrompts prompts;
    DebugCapture debug;
};

// The application as it starts with no files named.
class StartedApp : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().init({});
    }
};
