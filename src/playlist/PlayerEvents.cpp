#include "playlist/PlayerEvents.h"

PlayerEvents::PlayerEvents(QObject* parent) : QObject(parent) {
    // Listeners on other threads receive these through queued connections.
    qRegisterMetaType<PlayState>();
    qRegisterMetaType<SongInfo>();
    qRegisterMetaType<uint32_t>("uint32_t");
}
