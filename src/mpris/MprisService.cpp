#include "mpris/MprisService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QMetaProperty>

#include "mpris/MprisPlayerAdaptor.h"
#include "mpris/MprisRootAdaptor.h"
#include "playlist/PlayList.h"

namespace {

const QString objectPath = "/org/mpris/MediaPlayer2";
const QString playerInterface = "org.mpris.MediaPlayer2.Player";
const QString baseName = "org.mpris.MediaPlayer2.veskplayer";

}  // namespace

MprisService::MprisService(MediaControls mediaControls, QObject* parent)
    : QObject(parent), controls(std::move(mediaControls)), object(new QObject(this)) {
    new MprisRootAdaptor(object, controls);
    player = new MprisPlayerAdaptor(object, controls);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(objectPath, object)) {
        return;
    }
    name = baseName;
    if (!bus.registerService(name)) {
        name = baseName + ".instance" + QString::number(QCoreApplication::applicationPid());
        if (!bus.registerService(name)) {
            name.clear();
            return;
        }
    }
    PlayerEvents& events = PlayList::instance().events();
    connect(&events, &PlayerEvents::stateChanged, this, [this] {
        announce({"PlaybackStatus", "CanPlay", "CanPause", "CanGoNext", "CanGoPrevious"});
    });
    connect(&events, &PlayerEvents::songChanged, this, [this](const SongInfo& song) {
        player->setSong(song);
        announce({"Metadata", "CanSeek"});
    });
    connect(&events, &PlayerEvents::volumeChanged, this, [this] { announce({"Volume"}); });
    connect(&events, &PlayerEvents::muteChanged, this, [this] { announce({"Volume"}); });
    connect(&events, &PlayerEvents::modesChanged, this, [this] {
        announce({"Shuffle", "LoopStatus"});
    });
    connect(&events, &PlayerEvents::positionJumped, this,
            [this](uint32_t ms) { emit player->Seeked(qlonglong(ms) * 1000); });
}

MprisService::~MprisService() {
    if (!name.isEmpty()) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterService(name);
        bus.unregisterObject(objectPath);
    }
}

void MprisService::announce(const QStringList& properties) {
    QVariantMap changed;
    const QMetaObject* meta = player->metaObject();
    for (const QString& property : properties) {
        changed.insert(property,
                       meta->property(meta->indexOfProperty(property.toLatin1())).read(player));
    }
    QDBusMessage signal = QDBusMessage::createSignal(objectPath, "org.freedesktop.DBus.Properties",
                                                     "PropertiesChanged");
    signal << playerInterface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}
