#include "playlist/FolderEntries.h"

#include <dirent.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <algorithm>
#include <iterator>
#include <memory>

#include "common/NativePath.h"

namespace {

constexpr unsigned long pseudoFileSystemTypes[] = {
    PROC_SUPER_MAGIC,    SYSFS_MAGIC,    DEVPTS_SUPER_MAGIC, CGROUP_SUPER_MAGIC,
    CGROUP2_SUPER_MAGIC, DEBUGFS_MAGIC,  TRACEFS_MAGIC,      SECURITYFS_MAGIC,
    PSTOREFS_MAGIC,      BPF_FS_MAGIC,   EFIVARFS_MAGIC,     SELINUX_MAGIC,
    NSFS_MAGIC,          BINFMTFS_MAGIC, SMACK_MAGIC,        DEVMEM_MAGIC,
};

// /dev is a file system of device nodes (devtmpfs), which statfs cannot tell from a tmpfs; it is
// known by being the file system mounted on /dev.
bool isDeviceFileSystem(dev_t device) {
    struct stat dev {};
    struct stat root {};
    return ::stat("/dev", &dev) == 0 && ::stat("/", &root) == 0 && dev.st_dev != root.st_dev &&
           dev.st_dev == device;
}

bool isFolder(const QByteArray& folder, const dirent& entry) {
    if (entry.d_type == DT_DIR) {
        return true;
    }
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) {
        return false;
    }
    struct stat status {};
    const QByteArray path = folder + '/' + entry.d_name;
    return ::stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

}  // namespace

bool FolderEntries::isPseudoFileSystem(const QString& folder) {
    const QByteArray native = NativePath::toNative(folder);
    struct statfs fileSystem {};
    struct stat status {};
    if (::statfs(native.constData(), &fileSystem) != 0 ||
        ::stat(native.constData(), &status) != 0) {
        return false;
    }
    const auto type = static_cast<unsigned long>(fileSystem.f_type);
    return std::find(std::begin(pseudoFileSystemTypes), std::end(pseudoFileSystemTypes), type) !=
               std::end(pseudoFileSystemTypes) ||
           isDeviceFileSystem(status.st_dev);
}

std::vector<FolderEntries::Entry> FolderEntries::list(const QString& folder,
                                                      const std::atomic<bool>& stop) {
    if (isPseudoFileSystem(folder)) {
        return {};
    }
    const QByteArray native = NativePath::toNative(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(native.constData()), ::closedir);
    if (!directory) {
        return {};
    }
    std::vector<Entry> entries;
    while (const dirent* entry = ::readdir(directory.get())) {
        if (stop) {
            return {};
        }
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..") {
            continue;
        }
        entries.push_back({NativePath::fromNative(name), isFolder(native, *entry)});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}
