#pragma once

#include <cstdio>

struct stat;

class QString;

// Opening a song must never wait: open() on a named pipe waits for a writer that may never come,
// and a device can block or act on being opened. So only regular files are opened, checked
// before the open, and opened without blocking in case the name was swapped meanwhile.
class RegularFile {
public:
    // A read-only descriptor of the file, which the caller closes; -1 when the path is no
    // regular file (missing, a folder, a named pipe, a device, a socket) or cannot be opened.
    static int open(const QString& path);
    // The same with one system call less on the way and the file's status from that descriptor:
    // a single non-blocking open, then the type checked on what was opened (for readers that
    // read with pread, which a non-blocking regular file serves as any other).
    static int openOnce(const QString& path, struct stat& status);
    // The same as a C stream for reading (closed with fclose); null where open gives -1.
    static std::FILE* openStream(const QString& path);
};
