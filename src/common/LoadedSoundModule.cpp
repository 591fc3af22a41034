#include <dlfcn.h>

#include <QFile>
#include <QFileInfo>
#include <QString>

#include "common/DebugLog.h"
#include "common/SoundModule.h"

// The player program's SoundModule: the module file beside the program (in the build) or where
// it is installed, relative to the installed program, loaded once and never unloaded.

namespace {

QString modulePath() {
    const QString folder =
        QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath()).path();
    const QString beside = folder + QStringLiteral("/" VESK_SOUND_MODULE_FILE);
    if (QFileInfo::exists(beside)) {
        return beside;
    }
    return folder + QStringLiteral("/" VESK_SOUND_MODULE_FROM_PLAYER);
}

SoundModule* load() {
    const QByteArray path = QFile::encodeName(modulePath());
    void* library = dlopen(path.constData(), RTLD_LAZY | RTLD_LOCAL);
    using Entry = SoundModule* (*)();
    const auto entry =
        library ? reinterpret_cast<Entry>(dlsym(library, "veskplayer_sound_module")) : nullptr;
    if (entry == nullptr) {
        const char* error = dlerror();
        DebugLog::write("ERROR: Failed to load the sound module (" +
                        std::string(error ? error : path.constData()) + ")\n");
        return nullptr;
    }
    return entry();
}

}  // namespace

SoundModule* SoundModule::get() {
    static SoundModule* const module = load();
    return module;
}
