// The playlist reader (".vpl" and extended M3U files) meets any bytes: no crash, no hang, and
// the paths it gives are never empty and never comment lines.
#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "playlist/PlaylistFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray contents(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList paths;
    const bool accepted = PlaylistFile::parse(contents, paths);
    if (!accepted && !paths.isEmpty()) {
        std::abort();
    }
    for (const QString& path : paths) {
        if (path.isEmpty() || path.startsWith(u'#')) {
            std::abort();
        }
    }
    return 0;
}
