// Packages an attacker or an unlucky disk would produce: none may hang the import.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "skins/SkinPackage.h"
#include "support/DebugCapture.h"
#include "support/ScriptedPrompts.h"

namespace {

class HostilePackageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(root.filePath("skins"))); }

    QTemporaryDir root;
    ScriptedPrompts prompts;
    DebugCapture debug;
};

}  // namespace

TEST_F(HostilePackageTest, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
    const QString pipe = root.filePath("pipe.vps");
    const QByteArray pipeName = QFile::encodeName(pipe);
    ASSERT_EQ(mkfifo(pipeName.constData(), 0600), 0);
    auto import = std::async(std::launch::async,
                             [&] { return SkinPackage::importSkin(pipe, root.path(), prompts); });
    const bool answered = import.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
    if (!answered) {
        // Let the waiting open go so the test can end.
        ::close(::open(pipeName.constData(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_TRUE(answered) << "the import waited for a writer of the named pipe";
    EXPECT_FALSE(import.get().imported);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "The skin package could not be opened:\n" + pipe);
    EXPECT_TRUE(QDir(root.filePath("skins")).isEmpty());
}
