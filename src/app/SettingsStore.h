#pragma once

#include <QString>

#include "common/SettingsFiles.h"

class Dispatcher;

// Reads and writes the three settings files of the data folder for the application state:
// "sfo.0" colours, "sfo.1" player state, "sfo.2" options.
class SettingsStore {
public:
    // The folder is read at each load and save (a test may move the data folder).
    SettingsStore(const QString& dataFolder, SettingsFiles::Colours& colours,
                  SettingsFiles::Options& options, Dispatcher& dispatcher)
        : dataFolder(dataFolder), colours(colours), options(options), dispatcher(dispatcher) {}

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

private:
    QString pathOf(const char* fileName) const;
    bool save(const char* fileName, const QByteArray& contents);

    const QString& dataFolder;
    SettingsFiles::Colours& colours;
    SettingsFiles::Options& options;
    Dispatcher& dispatcher;
};
