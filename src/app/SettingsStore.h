#pragma once

#include <QString>

#include "common/PlayerFiles.h"
#include "common/SettingsFiles.h"

class Dispatcher;

// Reads and writes the three settings files of the data folder for the application state:
// "sfo.0" colours, "sfo.1" player state, "sfo.2" options; and beside them the player's choices
// ("player") and where to resume ("resume").
class SettingsStore {
public:
    // The folder is read at each load and save (a test may move the data folder).
    SettingsStore(const QString& dataFolder, SettingsFiles::Colours& colours,
                  SettingsFiles::Options& options, PlayerFiles::PlayerChoices& playerChoices,
                  Dispatcher& dispatcher)
        : dataFolder(dataFolder),
          colours(colours),
          options(options),
          playerChoices(playerChoices),
          dispatcher(dispatcher) {}

    void loadColours();
    void loadOptions();
    // Restores mute, repeat and shuffle by replaying their commands, so the buttons on screen
    // change with them.
    void loadPlayerState();

    // Each reports its own failure through SaveReport::failed (one box naming the file, or a
    // line in the report of a whole save).
    bool saveColours();
    bool savePlayerState();
    bool saveOptions();

    // The "player" file: the Player submenu's choices, applied to the player.
    void loadPlayerChoices();
    void applyPlayerChoices(const PlayerFiles::PlayerChoices& choices);
    bool savePlayerChoices();
    // The "resume" file: with resuming on, the player's first Play starts where the last run
    // left off; a damaged or missing file means from the start.
    void loadResumePoint();
    bool saveResumePoint();

private:
    QString pathOf(const char* fileName) const;
    bool save(const char* fileName, const QByteArray& contents);
    // The player's own files are written without a message: the save failure the user is told
    // of names the specified files only, and a file not saved here only means the defaults or
    // playing from the start next time.
    bool saveQuietly(const char* fileName, const QByteArray& contents);

    const QString& dataFolder;
    SettingsFiles::Colours& colours;
    SettingsFiles::Options& options;
    PlayerFiles::PlayerChoices& playerChoices;
    Dispatcher& dispatcher;
};
