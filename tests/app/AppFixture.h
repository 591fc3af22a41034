#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "support/DebugCapture.h"
#include "support/ScriptedPrompts.h"

class ButtonFunction;
class Element;
class SliderFunction;
class Variables;

// A fresh application state on a temporary data folder, with scripted prompts, captured debug
// lines and a player that plays into a null output.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Variables& app();
    // Ends the application state and starts a new one on the same data folder, as a restart.
    void restartApp();
    QString dataPath(const QString& name) const { return data.path() + "/" + name; }
    QByteArray readData(const QString& name) const;
    void writeData(const QString& name, const QByteArray& contents) const;

    // The elements of window i of the given button function / slider function.
    std::vector<ButtonFunction*> buttons(size_t window, int function);
    std::vector<ButtonFunction*> allButtons(int function);
    std::vector<SliderFunction*> sliders(int function);
    // The picture names shown by the buttons of the function in every window.
    QStringList pictures(int function);
    // Presses and releases the left button over the element, as a user does.
    void click(Element* element);
    // Runs the event loop until every queued skin package import and export has ended.
    bool finishPackageWork();

    QTemporaryDir data;
    ScriptedPrompts prompts;
    DebugCapture debug;
};
