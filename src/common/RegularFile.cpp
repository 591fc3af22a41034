#include "common/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>

#include "common/NativePath.h"

int RegularFile::open(const QString& path) {
    const QByteArray name = NativePath::toNative(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return -1;
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return -1;
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    // Reads of a regular file do not block either way; the decoders expect ordinary reads.
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return descriptor;
}

int RegularFile::openOnce(const QString& path, struct stat& status) {
    const int descriptor =
        ::open(NativePath::toNative(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return -1;
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

std::FILE* RegularFile::openStream(const QString& path) {
    const int descriptor = open(path);
    std::FILE* stream = descriptor < 0 ? nullptr : fdopen(descriptor, "rb");
    if (stream == nullptr && descriptor >= 0) {
        ::close(descriptor);
    }
    return stream;
}
