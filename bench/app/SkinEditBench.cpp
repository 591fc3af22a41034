// The cost of one undo of a type change in the default skin window (17 elements): a button that
// became a slider is built again as the button it was, in its place in the list and stacking.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>

#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "audio/NullOutput.h"
#include "audio/Sound.h"
#include "skin_ui/elements/Element.h"

namespace {

void UndoTypeChange(benchmark::State& state) {
    Variables& variables = Variables::instance();
    Sound::createInstance(std::make_unique<NullOutput>());
    variables.loadWindows();
    SkinWindows& layout = variables.skinWindows();
    constexpr size_t stopButton = 3;
    for (auto _ : state) {
        state.PauseTiming();
        layout.changeType(layout.elementsOf(0)[stopButton], ElementType::slider);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();

        layout.history().undo();

        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["elements"] = static_cast<double>(layout.elementsOf(0).size());
}
BENCHMARK(UndoTypeChange)->Unit(benchmark::kMicrosecond);

}  // namespace
