#pragma once

#include <QObject>
#include <QString>

#include "common/PlayerFiles.h"
#include "common/SettingsFiles.h"

// The values every skin window and element draws with: the colours (with the opacity key and
// its switch), the folder of the current skin and whether the windows stay on top. The
// application owns one and hands it to each skin window; whoever changes a value calls
// `notifyChanged` once, and everything that shows it follows.
class SkinContext : public QObject {
    Q_OBJECT

public:
    SettingsFiles::Colours colours;
    // The current skin's folder as a native absolute path.
    QString skinFolder;
    bool onFront = true;
    // What the skin menu's "Player" submenu shows as chosen.
    PlayerFiles::PlayerChoices playerChoices;

    void notifyChanged() { emit changed(); }

signals:
    void changed();
};
