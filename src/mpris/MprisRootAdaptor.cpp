#include "mpris/MprisRootAdaptor.h"

MprisRootAdaptor::MprisRootAdaptor(QObject* parent, const MediaControls& controls)
    : QDBusAbstractAdaptor(parent), controls(controls) {}

QStringList MprisRootAdaptor::supportedMimeTypes() const {
    // The sound formats of the desktop entry; playlists open too but are not media.
    return {"audio/mpeg",  "audio/x-wav", "audio/ogg",   "audio/x-vorbis+ogg", "audio/flac",
            "audio/x-mod", "audio/x-it",  "audio/x-s3m", "audio/x-xm"};
}

void MprisRootAdaptor::Raise() {
    controls.raise();
}

void MprisRootAdaptor::Quit() {
    controls.run(ButtonCommand::close);
}
