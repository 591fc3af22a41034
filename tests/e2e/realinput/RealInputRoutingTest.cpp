// Mouse routing under real X input (xdotool): Qt's own grab of the pressed widget is at work.
#include <gtest/gtest.h>

#include <QProcess>

#include "XServer.h"
#include "support/Waiting.h"

// The probe: window at (100, 100); buttons 3, 4 at (20, 20), (100, 20); a slider at (20, 100).
TEST(RealInputRouting, ClicksAndKnobDragsGoWhereThePointerIsReleased) {
    XServer server;
    ASSERT_TRUE(server.isRunning()) << "Xvfb did not start";
    QProcess& probe = server.startProgram(ROUTER_PROBE_BINARY, {});
    QString output;
    // Waits until the probe has printed the line; everything read is kept in `output`.
    const auto printed = [&](const QString& line, int timeoutMs = 5000) {
        return waitFor(
            [&] {
                probe.waitForReadyRead(50);
                output += QString::fromLocal8Bit(probe.readAllStandardOutput());
                return output.split('\n').contains(line);
            },
            timeoutMs);
    };
    // The input, then the line it makes the probe print; "settle" lets the probe take in the
    // input and report.
    const auto step = [&](const QString& input, const QString& line = {}) {
        const bool sent = server.xdotool(input.split(' '));
        return sent &&
               (line.isEmpty() || printed(line, line == "settle" ? 300 : 5000) || line == "settle");
    };
    ASSERT_TRUE(printed("ready"));
    // Pressed on the first button, released over the second: the second fires.
    output.clear();
    ASSERT_TRUE(step("mousemove 130 130", "states 1 0 0"));
    ASSERT_TRUE(step("mousedown 1", "states 2 0 0"));
    EXPECT_TRUE(step("mousemove 205 130", "states 0 1 0")) << "the first left, the second hovered";
    EXPECT_TRUE(step("mouseup 1", "fired 4")) << output.toStdString();
    EXPECT_FALSE(output.contains("fired 3"));
    // Released off the window: nothing fires.
    output.clear();
    ASSERT_TRUE(step("mousemove 130 130"));
    ASSERT_TRUE(step("mousedown 1", "states 2 0 0"));
    EXPECT_TRUE(step("mousemove 700 600", "states 0 0 0"));
    ASSERT_TRUE(step("mouseup 1", "settle"));
    EXPECT_FALSE(output.contains("fired")) << output.toStdString();
    // Pressed elsewhere (on the other button: a press on the background would move the window)
    // and released over a button: that one fires.
    output.clear();
    ASSERT_TRUE(step("mousemove 205 125"));
    ASSERT_TRUE(step("mousedown 1", "settle"));
    ASSERT_TRUE(step("mousemove 130 130"));
    EXPECT_TRUE(step("mouseup 1", "fired 3")) << output.toStdString();
    // A knob drag ends when the pointer leaves the slider: back over it, nothing is dragged.
    output.clear();
    ASSERT_TRUE(step("mousemove 150 205"));
    ASSERT_TRUE(step("mousedown 1", "states 0 0 2"));
    EXPECT_TRUE(step("mousemove 150 260", "states 0 0 0")) << output.toStdString();
    ASSERT_TRUE(step("mousemove 150 260", "settle"));
    const qsizetype reports = output.count("value");
    ASSERT_TRUE(step("mousemove 170 205", "settle"));
    EXPECT_EQ(output.count("value"), reports) << output.toStdString();
    ASSERT_TRUE(step("mouseup 1"));
}
