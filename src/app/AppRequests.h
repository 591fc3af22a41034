#pragma once

#include <QStringList>

class QWidget;

#include "common/PlayerFiles.h"

// What the skin windows and the command door ask of the application around them.
class AppRequests {
public:
    virtual ~AppRequests() = default;

    // Saves everything and ends the program.
    virtual void saveAllAndQuit() = 0;
    // Local paths dropped on a skin window or handed over, to the adding worker in order.
    virtual void addDroppedPaths(const QStringList& paths) = 0;
    // Opens the options window; nothing when it is open already.
    virtual void showOptions() = 0;
    // True while the tray icon is up in a status area: a way back when no window is left.
    virtual bool hasReachableTray() const = 0;
    // The playlist window, owned by the skin window given (the first one when none).
    virtual void showPlaylist(QWidget* owner) = 0;
    // The "Player" submenu's choices (ReplayGain, resuming), applied and kept.
    virtual void choosePlayerOptions(const PlayerFiles::PlayerChoices& choices) = 0;
};
