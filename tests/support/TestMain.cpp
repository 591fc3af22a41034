// The main of every test binary: a QApplication on the offscreen platform (unless a test run
// chose another), a fresh temporary HOME so nothing touches the real data folder, then GoogleTest.
// A run where some test skipped and none failed ends with the code ctest reports as skipped, so
// a skip is never hidden inside a passing suite.
#include <gtest/gtest.h>
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

constexpr int skippedExitCode = 77;  // the code the test build gives ctest as SKIP_RETURN_CODE

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("XDG_DOCUMENTS_DIR", (home.path() + "/Documents").toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    const bool skipped = ::testing::UnitTest::GetInstance()->skipped_test_count() > 0;
    return failed == 0 && skipped ? skippedExitCode : failed;
}
