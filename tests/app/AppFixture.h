#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "common/ButtonCommand.h"
#include "support/DebugCapture.h"
#include "support/Files.h"
#include "support/ScriptedPrompts.h"

class ButtonFunction;
class QWidget;
class SkinWindows;
class SliderFunction;
class Variables;

// A fresh application state on a temporary data folder, with scripted prompts, captured debug
// lines and a player that plays into a null output.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Variables& app();
    SkinWindows& layout();
    // Ends the application state and starts a new one on the same data folder, as a restart.
    void restartApp();
    QString dataPath(const QString& name) const { return data.path() + "/" + name; }
    QByteArray readData(const QString& name) const;
    void writeData(const QString& name, const QByteArray& contents) const;

    // The buttons of the command in window i / in every window; the sliders of the function.
    std::vector<ButtonFunction*> buttons(size_t window, ButtonCommand command);
    std::vector<ButtonFunction*> allButtons(ButtonCommand command);
    std::vector<SliderFunction*> sliders(int function);
    // The picture names shown by the buttons of the command in every window.
    QStringList pictures(ButtonCommand command);
    // Presses and releases the left button over the middle of the widget, as a user does.
    void click(QWidget* widget);
    // Runs the event loop until every queued skin package import and export has ended.
    bool finishPackageWork();
    // Adds songs of the given length to the playlist, written as "song<i>.wav" in the data folder.
    void addSongs(int count, double seconds = 1.0);
    // Elements and windows taken out are deleted after the event that asked; let that happen.
    static void settle();

    QTemporaryDir data;
    ScriptedPrompts prompts;
    DebugCapture debug;
};

// The application as it starts with no files named.
class StartedApp : public AppFixture {
protected:
    void SetUp() override;
};
