#pragma once

#include <QObject>
#include <QString>

#include "mpris/MediaControls.h"

class MprisPlayerAdaptor;

// The player on the session bus as an MPRIS2 media player, so that media keys, desktop panels
// and tools like playerctl control it. Its properties follow the player's events. Without a
// session bus it does nothing.
class MprisService : public QObject {
    Q_OBJECT

public:
    explicit MprisService(MediaControls controls, QObject* parent = nullptr);
    ~MprisService() override;

    // The bus name taken ("org.mpris.MediaPlayer2.veskplayer", or with ".instance<pid>" when
    // another player has it); empty without a bus.
    QString busName() const { return name; }

private:
    void announce(const QStringList& properties);

    MediaControls controls;
    QObject* object = nullptr;
    MprisPlayerAdaptor* player = nullptr;
    QString name;
};
