#include "support/FullDisk.h"
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <utility>

FullDisk::FullDisk(const QString& folder, int kibibytes) : mountPoint(QFile::encodeName(folder)) {
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k";
    // Mounts made after the second step stay in this namespace.
    const char* failed =
        ::unshare(CLONE_NEWNS) != 0 ? "unshare(CLONE_NEWNS)"
        : ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            ? "making the mounts private"
        : ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, options.constData()) != 0
            ? "mounting a tmpfs"
            : nullptr;
    if (failed) {
        whyNot = QString("%1 failed: %2").arg(failed, std::strerror(errno));
    }
}

FullDisk::~FullDisk() {
    if (mounted()) {
        ::umount2(mountPoint.constData(), MNT_DETACH);
    }
}

bool FullDisk::fill() {
    const int fd = ::open((mountPoint + "/filler").constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    // Whole pages until none fits, then single bytes: the last page may still take a few.
    const QByteArray block(4096, 'f');
    size_t size = block.size();
    while (::write(fd, block.constData(), size) > 0 ||
           (errno == ENOSPC && std::exchange(size, 1) > 1)) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}
