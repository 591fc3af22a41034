#include "desktop/InstanceFolder.h"

#include <QtGlobal>

#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

bool isPrivateFolder(const QByteArray& path) {
    struct stat status {};
    // lstat: a link planted by someone else must not lead the socket elsewhere.
    return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

}  // namespace

std::optional<InstanceFolder> InstanceFolder::forCurrentUser() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/')) {
        return below(runtime, "veskplayer");
    }
    QByteArray temporary = qgetenv("TMPDIR");
    if (!temporary.startsWith('/')) {
        temporary = "/tmp";
    }
    return below(temporary, "veskplayer-" + QByteArray::number(::getuid()));
}

std::optional<InstanceFolder> InstanceFolder::below(const QByteArray& base,
                                                    const QByteArray& name) {
    QByteArray path = base;
    while (path.size() > 1 && path.endsWith('/')) {
        path.chop(1);
    }
    path += '/' + name;
    InstanceFolder folder(path);
    if (folder.socketPath().size() >= static_cast<qsizetype>(sizeof(sockaddr_un::sun_path))) {
        return std::nullopt;
    }
    ::mkdir(path.constData(), 0700);  // an existing folder is checked below like a new one
    if (!isPrivateFolder(path)) {
        return std::nullopt;
    }
    return folder;
}
