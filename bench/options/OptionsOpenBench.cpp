// The time from the click on the default skin's options button to the options window shown
// and painted (goal: 100 ms), on the offscreen platform with the default skin and three skins
// in the skins folder. Closing the window is not timed.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTest>

#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "common/ButtonCommand.h"
#include "options/Options.h"
#include "skin_ui/elements/ButtonFunction.h"

namespace {

ButtonFunction* optionsButton(Variables& variables) {
    for (Element* element : variables.skinWindows().elementsOf(0)) {
        auto* button = qobject_cast<ButtonFunction*>(element);
        if (button && button->getFunction() == idOf(ButtonCommand::options)) {
            return button;
        }
    }
    return nullptr;
}

void ClickToOptionsShown(benchmark::State& state) {
    Variables& variables = Variables::instance();
    Sound::createInstance(std::make_unique<NullOutput>());
    variables.init({});
    for (const char* skin : {"blue", "night", "plain"}) {
        QDir(variables.dataFolder).mkpath(QString("skins/") + skin);
    }
    ButtonFunction* button = optionsButton(variables);
    if (!button) {
        state.SkipWithError("the default skin has no options button");
        return;
    }
    const QPoint centre(button->width() / 2, button->height() / 2);
    for (auto _ : state) {
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, centre);
        Options* window = variables.optionsWindow();
        // The first paint of the window and all of its controls.
        window->repaint();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(ClickToOptionsShown)->Unit(benchmark::kMillisecond);

}  // namespace
