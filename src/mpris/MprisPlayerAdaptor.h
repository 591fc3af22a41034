#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

#include "mpris/MediaControls.h"
#include "playlist/SongInfo.h"

// org.mpris.MediaPlayer2.Player: the play controls and what plays, read from the player and the
// playlist; every command goes to the application through its media controls.
class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(QString LoopStatus READ loopStatus WRITE setLoopStatus)
    Q_PROPERTY(double Rate READ rate WRITE setRate)
    Q_PROPERTY(bool Shuffle READ shuffle WRITE setShuffle)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double MinimumRate READ rate)
    Q_PROPERTY(double MaximumRate READ rate)
    Q_PROPERTY(bool CanGoNext READ hasSongs)
    Q_PROPERTY(bool CanGoPrevious READ hasSongs)
    Q_PROPERTY(bool CanPlay READ hasSongs)
    Q_PROPERTY(bool CanPause READ hasSongs)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)

public:
    MprisPlayerAdaptor(QObject* parent, const MediaControls& controls);

    QString playbackStatus() const;
    QString loopStatus() const;
    void setLoopStatus(const QString& status);
    double rate() const { return 1.0; }
    // Only the normal rate is played.
    void setRate(double) {}
    bool shuffle() const;
    void setShuffle(bool on);
    QVariantMap metadata() const;
    double volume() const;
    void setVolume(double level);
    qlonglong position() const;
    bool hasSongs() const;
    bool canSeek() const;
    bool canControl() const { return true; }

    // The song that now plays (an empty record: none), as the player announced it.
    void setSong(const SongInfo& song);

public slots:
    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Seek(qlonglong offsetUs);
    void SetPosition(const QDBusObjectPath& trackId, qlonglong positionUs);
    void OpenUri(const QString& uri);

signals:
    void Seeked(qlonglong positionUs);

private:
    QDBusObjectPath trackId() const;

    const MediaControls& controls;
    SongInfo song;
    uint32_t songIndex = 0;
};
