// The program the desktop starts ("veskplayer"). It loads no Qt at all, nothing but the C and C++
// runtimes, so a start while a player runs hands its files and commands over in a few
// milliseconds and ends; otherwise it runs the player program in its own place, passing on the
// socket it now listens on.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "common/StartPhases.h"
#include "desktop/AbsolutePath.h"
#include "desktop/HandOverMessage.h"
#include "desktop/RunningCopy.h"
#include "desktop/StartOptions.h"

#include <unistd.h>

namespace {

// Made absolute here, against the folder this start was made in, because the running player may
// stand in another.
HandOverMessage handOverOf(const StartOptions& options) {
    HandOverMessage message;
    for (const std::string& name : options.names) {
        if (!name.empty()) {
            message.files.push_back(AbsolutePath::of(name));
        }
    }
    message.actions = options.actions;
    return message;
}

// The folder the launcher's file is in, links resolved: "/" for the root, empty when unknown.
std::string launcherFolder() {
    const std::unique_ptr<char, decltype(&::free)> launcher(::realpath("/proc/self/exe", nullptr),
                                                            &::free);
    if (!launcher) {
        return {};
    }
    const std::string path = launcher.get();
    const size_t slash = path.rfind('/');  // an absolute path has one
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Beside the launcher in the build folder; in the libexec folder once installed.
std::string playerProgram() {
    const std::string folder = launcherFolder();
    const std::string beside = folder + "/veskplayer-ui";
    if (::access(beside.c_str(), X_OK) == 0) {
        return beside;
    }
    return folder + "/" VESK_PLAYER_FROM_BIN;
}

}  // namespace

int main(int argc, char** argv) {
    StartPhases::mark("launcher");
    const StartOptions options = StartOptions::parse(argc, argv);
    if (options.help) {
        std::fputs(StartOptions::usage(), stdout);
        return 0;
    }
    if (!options.unknownOption.empty()) {
        std::fprintf(stderr, "Unknown option: %s\n%s", options.unknownOption.c_str(),
                     StartOptions::usage());
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
    const std::string player = playerProgram();
    const std::string adoption = runningCopy.passOn();
    std::vector<char*> playerArguments{argv[0]};
    if (!adoption.empty()) {
        playerArguments.push_back(const_cast<char*>(adoption.c_str()));
    }
    playerArguments.insert(playerArguments.end(), argv + 1, argv + argc);
    playerArguments.push_back(nullptr);
    StartPhases::mark("exec");
    ::execv(player.c_str(), playerArguments.data());
    std::fprintf(stderr, "Cannot run %s\n", player.c_str());
    return 127;
}
