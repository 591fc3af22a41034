#include <gtest/gtest.h>

#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "desktop/HandOverMessage.h"
#include "desktop/InstanceFolder.h"
#include "desktop/InstanceServer.h"
#include "desktop/RunningCopy.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray header = QByteArrayLiteral("VeskPlayer hand-over 1\0");

// Sends the bytes and returns everything the running copy answers before it closes ("still open"
// when it neither answers nor closes within five seconds).
QByteArray exchange(const std::string& path, const QByteArray& bytes) {
    QLocalSocket socket;
    socket.connectToServer(QFile::decodeName(path.c_str()));
    if (!socket.waitForConnected(5000)) {
        return "no connection";
    }
    socket.write(bytes);
    socket.waitForBytesWritten(5000);
    const bool closed =
        socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(5000);
    return closed ? socket.readAll() : "still open";
}

// Runs the blocking client on its own thread while this one serves, as two processes would.
void whileServing(const std::function<void()>& client) {
    std::atomic<bool> done = false;
    std::thread thread([&] {
        client();
        done = true;
    });
    static_cast<void>(QTest::qWaitFor([&] { return done.load(); }, 10000));
    thread.join();
}

class HandOver : public ::testing::Test {
protected:
    HandOver()
        : folder(InstanceFolder::below(QFile::encodeName(runtime.path()).toStdString(),
                                       "veskplayer")) {}
    void SetUp() override { ASSERT_TRUE(folder); }

    QTemporaryDir runtime;
    std::optional<InstanceFolder> folder;
    QStringList files;
    std::vector<DesktopAction> actions;
    InstanceServer::Receivers receivers{
        [this](const QString& path) { files.append(path); },
        [this](DesktopAction action) { actions.push_back(action); }};
};

}  // namespace

// Clients that connect and say nothing cannot lock later starts out: the second start hands
// its files and actions over in order.
TEST_F(HandOver, ASecondStartsFilesAndActionsReachTheRunningCopyInOrder) {
    RunningCopy first(folder);
    ASSERT_EQ(first.handOverOrClaim({}), RunningCopy::Outcome::claimed);
    InstanceServer server(first.listener(), receivers);
    struct stat status {};
    ASSERT_EQ(::stat(folder->socketPath().c_str(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode));
    EXPECT_EQ(status.st_mode & 077, 0u) << "the socket is the user's alone";
    ASSERT_EQ(::stat(folder->path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    std::vector<std::unique_ptr<QLocalSocket>> idle(16);
    for (auto& client : idle) {
        client = std::make_unique<QLocalSocket>();
        client->connectToServer(QFile::decodeName(folder->socketPath().c_str()));
        ASSERT_TRUE(client->waitForConnected(5000));
        QTest::qWait(5);
    }
    HandOverMessage message;
    message.files = {"/music/2.mp3", "/music/Björk/日本.flac", "/odd/new\nline.ogg", "/1 a.mp3"};
    message.actions = {DesktopAction::next, DesktopAction::previous, DesktopAction::playPause,
                       DesktopAction::stop};
    RunningCopy::Outcome outcome{};
    whileServing([&] { outcome = RunningCopy(folder, 500).handOverOrClaim(message.encode()); });
    EXPECT_EQ(outcome, RunningCopy::Outcome::handedOver);
    EXPECT_EQ(files, (QStringList{"/music/2.mp3", "/music/Björk/日本.flac", "/odd/new\nline.ogg",
                                  "/1 a.mp3"}));
    EXPECT_EQ(actions, message.actions);
}

// Bytes that are no hand-over: the running copy closes without an answer and changes nothing.
TEST_F(HandOver, ClientsSendingNoHandOverChangeNothing) {
    RunningCopy first(folder);
    ASSERT_EQ(first.handOverOrClaim({}), RunningCopy::Outcome::claimed);
    InstanceServer server(first.listener(), receivers, 200);
    const std::pair<const char*, QByteArray> refused[] = {
        {"empty", {}},
        {"another header", QByteArrayLiteral("VeskPlayer hand-over 2\0E\0")},
        {"no end", header + QByteArrayLiteral("F/a.mp3\0")},
        {"unknown kind", header + QByteArrayLiteral("X/a.mp3\0E\0")},
        {"unknown action", header + QByteArrayLiteral("Alouder\0E\0")},
        {"unknown action after a file", header + QByteArrayLiteral("F/a.mp3\0Alouder\0E\0")},
        {"relative path", header + QByteArrayLiteral("Fa.mp3\0E\0")},
        {"bytes after the end", header + QByteArrayLiteral("E\0F/a.mp3\0")},
        {"an end with payload", header + QByteArrayLiteral("Ex\0")},
        {"an empty record", header + QByteArrayLiteral("\0E\0")},
        {"too large", header + "F/" + QByteArray(HandOverMessage::maximumSize, 'a') +
                          QByteArrayLiteral("\0E\0")},
    };
    for (const auto& [what, bytes] : refused) {
        EXPECT_FALSE(HandOverMessage::decode(bytes.toStdString())) << what;
        const QByteArray sent = bytes;  // a lambda may not capture a structured binding
        QByteArray answer;
        whileServing([&] { answer = exchange(folder->socketPath(), sent); });
        EXPECT_EQ(answer, QByteArray()) << what;
    }
    EXPECT_TRUE(files.isEmpty() && actions.empty());
    QByteArray answer;
    const QByteArray good = header + QByteArrayLiteral("F/b.mp3\0E\0");
    whileServing([&] { answer = exchange(folder->socketPath(), good); });
    EXPECT_EQ(answer, "ok\n");
    EXPECT_EQ(files, QStringList{"/b.mp3"});
}

TEST_F(HandOver, AHeldLockWithoutListenerIsNoRunningCopy) {
    // A copy that holds the lock but never listens (hung in its first moments) is waited for,
    // then reported, instead of being pushed aside.
    const int lock = ::open(folder->lockPath().c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    EXPECT_EQ(RunningCopy(folder, 50).handOverOrClaim({}), RunningCopy::Outcome::unanswered);
    ::close(lock);
}

TEST_F(HandOver, AStartWhileThePlayerEndsTakesItsPlace) {
    RunningCopy ending(folder);
    ASSERT_EQ(ending.handOverOrClaim({}), RunningCopy::Outcome::claimed);
    RunningCopy::Outcome outcome{};
    std::thread later([&] { outcome = RunningCopy(folder).handOverOrClaim({}); });
    // The ending player takes the connection but no longer answers, then lets go.
    int accepted = -1;
    for (int i = 0; i < 1000 && accepted < 0; ++i) {
        accepted = ::accept(ending.listener(), nullptr, nullptr);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_GE(accepted, 0);
    ::close(accepted);
    ending.close();
    later.join();
    EXPECT_EQ(outcome, RunningCopy::Outcome::claimed);
}

TEST(InstanceFolder, RefusesFoldersOthersCouldReach) {
    QTemporaryDir base;
    const std::string basePath = QFile::encodeName(base.path()).toStdString();
    ASSERT_TRUE(InstanceFolder::below(basePath, "mine"));
    ASSERT_EQ(::mkdir((basePath + "/open").c_str(), 0755), 0);
    ASSERT_EQ(::chmod((basePath + "/open").c_str(), 0755), 0);
    EXPECT_FALSE(InstanceFolder::below(basePath, "open"));
    ASSERT_EQ(::symlink((basePath + "/mine").c_str(), (basePath + "/link").c_str()), 0);
    EXPECT_FALSE(InstanceFolder::below(basePath, "link"));
    EXPECT_FALSE(InstanceFolder::below(basePath + "/" + std::string(120, 'x'), "long"));
}
