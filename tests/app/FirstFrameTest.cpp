#include <chrono>

#include "AppFixture.h"
#include "app/FirstFrame.h"

namespace {

using namespace std::chrono_literals;

// A window that counts its paints, so a test can tell whether the work came after the first.
class CountingWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

enum class Window { shown, neverShown, none, deletedUnpainted };

struct FirstFrameCase {
    const char* name;
    Window window;
    // When nothing else comes: only the never shown window may wait for it.
    std::chrono::milliseconds latest;
    // Whether the window had been painted when the work ran (-1: no window to ask).
    int paintsBefore;
};

class FirstFrameTest : public ::testing::TestWithParam<FirstFrameCase> {};

TEST_P(FirstFrameTest, RunsTheWorkOnceAfterTheFirstPaintOrWithoutOne) {
    const FirstFrameCase& given = GetParam();
    auto window = std::make_unique<CountingWindow>();
    window->resize(40, 30);
    int runs = 0, paintsWhenRun = -1;
    CountingWindow* watched = given.window == Window::none ? nullptr : window.get();
    const FirstFrame frame(
        watched,
        [&] {
            ++runs;
            paintsWhenRun =
                watched && given.window != Window::deletedUnpainted ? watched->paints : -1;
        },
        given.latest);
    EXPECT_EQ(runs, 0) << "the work waits for the event loop";
    if (given.window == Window::shown) {
        window->show();
    } else if (given.window == Window::deletedUnpainted) {
        window.reset();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return runs > 0; }, 5000));
    EXPECT_EQ(std::min(paintsWhenRun, 1), given.paintsBefore) << paintsWhenRun;
    if (window) {
        window->update();
    }
    QTest::qWait(200);  // another paint, past a short fallback
    EXPECT_EQ(runs, 1);
}

const FirstFrameCase cases[] = {
    {"AfterTheFirstPaint", Window::shown, 60s, 1},
    {"AfterTheFallbackWhenNeverPainted", Window::neverShown, 100ms, 0},
    {"AtOnceWithoutAWindow", Window::none, 60s, -1},
    {"WhenTheWindowGoesUnpainted", Window::deletedUnpainted, 60s, -1},
};

INSTANTIATE_TEST_SUITE_P(Start, FirstFrameTest, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
