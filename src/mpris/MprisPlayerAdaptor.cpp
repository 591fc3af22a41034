#include "mpris/MprisPlayerAdaptor.h"

#include <QUrl>
#include <algorithm>
#include <cmath>
#include <limits>

#include "audio/Sound.h"
#include "playlist/PlayList.h"
#include "playlist/SongFile.h"

namespace {

constexpr qlonglong usPerMs = 1000;

}  // namespace

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject* parent, const MediaControls& controls)
    : QDBusAbstractAdaptor(parent), controls(controls) {}

QString MprisPlayerAdaptor::playbackStatus() const {
    switch (Sound::instance().state()) {
        case PlayState::Playing:
            return "Playing";
        case PlayState::Paused:
            return "Paused";
        case PlayState::Stopped:
            break;
    }
    return "Stopped";
}

QString MprisPlayerAdaptor::loopStatus() const {
    return PlayList::instance().repeat() ? "Playlist" : "None";
}

void MprisPlayerAdaptor::setLoopStatus(const QString& status) {
    // Repeating one track is not a mode of this player: "Track" changes nothing.
    if ((status == "Playlist" || status == "None") &&
        (status == "Playlist") != PlayList::instance().repeat()) {
        controls.run(ButtonCommand::repeat);
    }
}

bool MprisPlayerAdaptor::shuffle() const {
    return PlayList::instance().shuffle();
}

void MprisPlayerAdaptor::setShuffle(bool on) {
    if (on != PlayList::instance().shuffle()) {
        controls.run(ButtonCommand::shuffle);
    }
}

void MprisPlayerAdaptor::setSong(const SongInfo& newSong) {
    song = newSong;
    songIndex = PlayList::instance().currentIndex();
}

QDBusObjectPath MprisPlayerAdaptor::trackId() const {
    if (song.path.isEmpty()) {
        return QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack");
    }
    return QDBusObjectPath("/io/github/veskplayer/VeskPlayer/track/" + QString::number(songIndex));
}

QVariantMap MprisPlayerAdaptor::metadata() const {
    QVariantMap data{{"mpris:trackid", QVariant::fromValue(trackId())}};
    if (song.path.isEmpty()) {
        return data;
    }
    data.insert("xesam:title", song.title);
    // "N/A" stands for a song added without its tag: no artist known.
    if (song.artist != "N/A") {
        data.insert("xesam:artist", QStringList{song.artist});
    }
    data.insert("mpris:length", qlonglong(Sound::instance().lengthMs()) * usPerMs);
    data.insert("xesam:url", QUrl::fromLocalFile(song.path).toString());
    return data;
}

double MprisPlayerAdaptor::volume() const {
    const Sound& sound = Sound::instance();
    return sound.isMuted() ? 0.0 : sound.volumePercent() / 100.0;
}

void MprisPlayerAdaptor::setVolume(double level) {
    // Not a number and the infinities name no volume: a client sending them is ignored, never
    // taken for silence or for full volume.
    if (!std::isfinite(level)) {
        return;
    }
    controls.setVolume(static_cast<int>(std::lround(std::clamp(level, 0.0, 1.0) * 100)));
}

qlonglong MprisPlayerAdaptor::position() const {
    return qlonglong(Sound::instance().positionMs()) * usPerMs;
}

bool MprisPlayerAdaptor::hasSongs() const {
    return PlayList::instance().songCount() > 0;
}

bool MprisPlayerAdaptor::canSeek() const {
    return !song.path.isEmpty();
}

void MprisPlayerAdaptor::Play() {
    if (Sound::instance().state() != PlayState::Playing) {
        controls.run(ButtonCommand::playPause);
    }
}

void MprisPlayerAdaptor::Pause() {
    if (Sound::instance().state() == PlayState::Playing) {
        controls.run(ButtonCommand::playPause);
    }
}

void MprisPlayerAdaptor::PlayPause() {
    controls.run(ButtonCommand::playPause);
}

void MprisPlayerAdaptor::Stop() {
    controls.run(ButtonCommand::stop);
}

void MprisPlayerAdaptor::Next() {
    controls.run(ButtonCommand::next);
}

void MprisPlayerAdaptor::Previous() {
    controls.run(ButtonCommand::previous);
}

void MprisPlayerAdaptor::Seek(qlonglong offsetUs) {
    if (!canSeek()) {
        return;
    }
    // Any offset a client sends: the sum saturates rather than wrapping round.
    qlonglong target = 0;
    if (__builtin_add_overflow(position(), offsetUs, &target)) {
        target = offsetUs > 0 ? std::numeric_limits<qlonglong>::max() : 0;
    }
    target = std::max<qlonglong>(0, target);
    if (target > qlonglong(Sound::instance().lengthMs()) * usPerMs) {
        controls.run(ButtonCommand::next);
        return;
    }
    controls.seek(static_cast<uint32_t>(target / usPerMs));
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& track, qlonglong positionUs) {
    // A request for a song that no longer plays, or outside it, is stale: ignored.
    if (!canSeek() || track != trackId() || positionUs < 0 ||
        positionUs > qlonglong(Sound::instance().lengthMs()) * usPerMs) {
        return;
    }
    controls.seek(static_cast<uint32_t>(positionUs / usPerMs));
}

void MprisPlayerAdaptor::OpenUri(const QString& uri) {
    // Media only, as the interface defines it: anything else is ignored.
    const QUrl url(uri);
    if (!url.isLocalFile()) {
        return;
    }
    const QString path = url.toLocalFile();
    const PathKind kind = SongFile::kindOf(path);
    if (kind == PathKind::Mp3 || kind == PathKind::Sound) {
        controls.open(path);
    }
}
