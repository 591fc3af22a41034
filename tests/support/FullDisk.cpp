#include "support/FullDisk.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace {

QString failure(const char* step) {
    return QString("%1 failed: %2").arg(step, std::strerror(errno));
}

}  // namespace

FullDisk::FullDisk(const QString& folder, int kibibytes) : mountPoint(QFile::encodeName(folder)) {
    if (::unshare(CLONE_NEWNS) != 0) {
        whyNot = failure("unshare(CLONE_NEWNS)");
        return;
    }
    // Mounts made from here on stay in this namespace.
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        whyNot = failure("making the mounts private");
        return;
    }
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, options.constData()) != 0) {
        whyNot = failure("mounting a tmpfs");
    }
}

FullDisk::~FullDisk() {
    if (mounted()) {
        ::umount2(mountPoint.constData(), MNT_DETACH);
    }
}

bool FullDisk::fill() {
    const QByteArray filler = mountPoint + "/filler";
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const QByteArray block(4096, 'f');
    qsizetype size = block.size();
    for (;;) {
        const ssize_t written = ::write(fd, block.constData(), static_cast<size_t>(size));
        if (written > 0) {
            continue;
        }
        if (written < 0 && errno == ENOSPC && size > 1) {
            size = 1;  // the last page may still take a few bytes
            continue;
        }
        break;
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}
