// Clients that connect to the running copy and say nothing cannot lock later starts out.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstring>
#include <thread>

#include "desktop/HandOverMessage.h"
#include "desktop/InstanceFolder.h"
#include "desktop/InstanceServer.h"
#include "desktop/RunningCopy.h"

namespace {

int connectTo(const QByteArray& path) {
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), path.size());
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(socket);
        return -1;
    }
    return socket;
}

void serveFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

}  // namespace

TEST(BusyHandOver, SixteenIdleClientsAndAStartStillHandsOver) {
    QTemporaryDir runtime;
    const auto folder = InstanceFolder::below(QFile::encodeName(runtime.path()), "veskplayer");
    ASSERT_TRUE(folder);
    RunningCopy first(folder);
    ASSERT_EQ(first.handOverOrClaim({}), RunningCopy::Outcome::claimed);
    QStringList files;
    InstanceServer server(first.listener(),
                          {[&](const QString& path) { files << path; }, [](DesktopAction) {}});

    std::vector<int> idle;
    for (int i = 0; i < 16; ++i) {
        idle.push_back(connectTo(folder->socketPath()));
        ASSERT_GE(idle.back(), 0);
        serveFor(5);
    }
    HandOverMessage message;
    message.files = QStringList{"/a.mp3"};
    std::atomic<bool> done = false;
    RunningCopy::Outcome outcome{};
    std::thread later([&] {
        outcome = RunningCopy(folder, 500).handOverOrClaim(message.encode());
        done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!done && timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    later.join();
    EXPECT_EQ(outcome, RunningCopy::Outcome::handedOver);
    EXPECT_EQ(files, QStringList{"/a.mp3"});
    for (int socket : idle) {
        ::close(socket);
    }
}
