// The mouse routing with real X input (XTEST through xdotool): Qt's own grab of the pressed
// widget is at work here, which synthetic events do not reproduce.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include "XServer.h"

namespace {

class RealInputRouting : public ::testing::Test {
protected:
    void SetUp() override {
        // A machine without Xvfb must not report green: skipping is asked for explicitly.
        if (!server.isRunning() && qEnvironmentVariableIsSet("VESK_SKIP_X_TESTS")) {
            GTEST_SKIP() << "no Xvfb, and VESK_SKIP_X_TESTS is set";
        }
        ASSERT_TRUE(server.isRunning()) << "Xvfb did not start (set VESK_SKIP_X_TESTS to skip)";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", server.displayName());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        probe.setProcessEnvironment(environment);
        probe.start(ROUTER_PROBE_BINARY, {});
        ASSERT_TRUE(waitFor("ready"));
    }

    void TearDown() override {
        probe.kill();
        probe.waitForFinished(3000);
    }

    // Waits until the probe has printed the line; everything read is kept in `output`.
    bool waitFor(const QString& line, int timeoutMs = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            probe.waitForReadyRead(50);
            output += QString::fromLocal8Bit(probe.readAllStandardOutput());
            if (output.split('\n').contains(line)) {
                return true;
            }
        }
        return false;
    }

    // Lets the probe take in the last input and report.
    void settle() { waitFor("<never>", 300); }

    bool run(const QStringList& arguments) { return server.xdotool(arguments); }

    XServer server;
    QProcess probe;
    QString output;
};

// Window at (100, 100); buttons 20 x 20 at (20, 20) and (100, 20); slider 90 x 10 at (20, 100).
TEST_F(RealInputRouting, ReleaseOverTheSecondButtonFiresItAfterAPressOnTheFirst) {
    ASSERT_TRUE(run({"mousemove", "130", "130"}));
    ASSERT_TRUE(waitFor("states 1 0 0"));
    ASSERT_TRUE(run({"mousedown", "1"}));
    ASSERT_TRUE(waitFor("states 2 0 0"));
    ASSERT_TRUE(run({"mousemove", "205", "130"}));
    EXPECT_TRUE(waitFor("states 0 1 0")) << "the first left, the second hovered\n"
                                         << output.toStdString();
    ASSERT_TRUE(run({"mouseup", "1"}));
    EXPECT_TRUE(waitFor("fired 4")) << output.toStdString();
    EXPECT_FALSE(output.contains("fired 3"));
}

TEST_F(RealInputRouting, ReleaseOffTheWindowFiresNothing) {
    ASSERT_TRUE(run({"mousemove", "130", "130"}));
    ASSERT_TRUE(run({"mousedown", "1"}));
    ASSERT_TRUE(waitFor("states 2 0 0"));
    ASSERT_TRUE(run({"mousemove", "700", "600"}));
    EXPECT_TRUE(waitFor("states 0 0 0"));
    ASSERT_TRUE(run({"mouseup", "1"}));
    settle();
    EXPECT_FALSE(output.contains("fired")) << output.toStdString();
}

// Pressed on another button (a press on the background would move the window).
TEST_F(RealInputRouting, PressElsewhereReleaseOverAButtonFiresIt) {
    ASSERT_TRUE(run({"mousemove", "205", "125"}));
    ASSERT_TRUE(run({"mousedown", "1"}));
    settle();
    ASSERT_TRUE(run({"mousemove", "130", "130"}));
    ASSERT_TRUE(run({"mouseup", "1"}));
    EXPECT_TRUE(waitFor("fired 3")) << output.toStdString();
}

TEST_F(RealInputRouting, AKnobDragEndsWhenTheCursorLeavesTheSlider) {
    ASSERT_TRUE(run({"mousemove", "150", "205"}));
    ASSERT_TRUE(run({"mousedown", "1"}));
    ASSERT_TRUE(waitFor("states 0 0 2"));
    ASSERT_TRUE(run({"mousemove", "150", "260"}));
    EXPECT_TRUE(waitFor("states 0 0 0")) << output.toStdString();
    settle();
    const qsizetype reports = output.count("value");
    ASSERT_TRUE(run({"mousemove", "170", "205"}));
    settle();
    EXPECT_EQ(output.count("value"), reports) << "back over the slider, nothing is dragged";
    ASSERT_TRUE(run({"mouseup", "1"}));
}

}  // namespace
