// The program the desktop starts ("veskplayer"). It loads nothing but Qt's core, so a start while
// a player runs hands its files and commands over in a few milliseconds and ends; otherwise it
// runs the player program in its own place, passing on the socket it now listens on.
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <vector>

#include "common/StartPhases.h"
#include "desktop/HandOverMessage.h"
#include "desktop/RunningCopy.h"
#include "desktop/StartOptions.h"

#include <unistd.h>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// Made absolute here, against the folder this start was made in, because the running player may
// stand in another.
HandOverMessage handOverOf(const StartOptions& options) {
    HandOverMessage message;
    for (const QString& name : options.names) {
        if (!name.isEmpty()) {
            message.files.append(QFileInfo(name).absoluteFilePath());
        }
    }
    message.actions = options.actions;
    return message;
}

// Beside the launcher in the build folder; in the libexec folder once installed.
QByteArray playerProgram() {
    const QString folder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
    const QString beside = folder + QStringLiteral("/veskplayer-ui");
    if (QFileInfo(beside).isExecutable()) {
        return QFile::encodeName(beside);
    }
    return QFile::encodeName(folder + QStringLiteral("/" VESK_PLAYER_FROM_BIN));
}

}  // namespace

int main(int argc, char** argv) {
    StartPhases::mark("launcher");
    const StartOptions options = StartOptions::parse(argumentsOf(argc, argv));
    if (options.help) {
        std::fputs(qPrintable(StartOptions::usage()), stdout);
        return 0;
    }
    if (!options.unknownOption.isEmpty()) {
        std::fprintf(stderr, "Unknown option: %s\n%s", qPrintable(options.unknownOption),
                     qPrintable(StartOptions::usage()));
        return 2;
    }
    std::optional<InstanceFolder> folder;
    if (!options.newInstance) {
        folder = InstanceFolder::forCurrentUser();
        if (!folder) {
            // Someone else's folder, a link or a too long path: no socket is made there, so
            // this start cannot find a running copy nor be found; the user is told.
            std::fputs(
                "The folder for finding a running VeskPlayer is not private to this user; "
                "it is left alone, and another copy can start.\n",
                stdout);
            std::fflush(stdout);  // before the player takes over this process
        }
    }
    RunningCopy runningCopy(folder);
    switch (runningCopy.handOverOrClaim(handOverOf(options).encode())) {
        case RunningCopy::Outcome::handedOver:
            return 0;
        case RunningCopy::Outcome::unanswered:
            std::fputs("VeskPlayer is running but did not answer.\n", stderr);
            return 1;
        case RunningCopy::Outcome::claimed:
        case RunningCopy::Outcome::unavailable:
            break;
    }
    const QByteArray player = playerProgram();
    const QByteArray adoption = runningCopy.passOn();
    std::vector<char*> arguments{argv[0]};
    if (!adoption.isEmpty()) {
        arguments.push_back(const_cast<char*>(adoption.constData()));
    }
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    arguments.push_back(nullptr);
    StartPhases::mark("exec");
    ::execv(player.constData(), arguments.data());
    std::fprintf(stderr, "Cannot run %s\n", player.constData());
    return 127;
}
