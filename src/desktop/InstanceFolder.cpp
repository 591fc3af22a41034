#include "desktop/InstanceFolder.h"

#include <cstdlib>

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool isPrivateFolder(const std::string& path) {
    struct stat status {};
    // lstat: a link planted by someone else must not lead the socket elsewhere.
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

// An absolute folder from the environment, or none.
std::optional<std::string> absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<InstanceFolder> InstanceFolder::forCurrentUser() {
    if (const auto runtime = absoluteVariable("XDG_RUNTIME_DIR")) {
        return below(*runtime, "veskplayer");
    }
    return below(absoluteVariable("TMPDIR").value_or("/tmp"),
                 "veskplayer-" + std::to_string(::getuid()));
}

std::optional<InstanceFolder> InstanceFolder::below(const std::string& base,
                                                    const std::string& name) {
    std::string path = base;
    while (path.size() > 1 && path.ends_with('/')) {
        path.pop_back();
    }
    path += '/' + name;
    InstanceFolder folder(path);
    if (folder.socketPath().size() >= sizeof(sockaddr_un::sun_path)) {
        return std::nullopt;
    }
    ::mkdir(path.c_str(), 0700);  // an existing folder is checked below like a new one
    if (!isPrivateFolder(path)) {
        return std::nullopt;
    }
    return folder;
}
