#pragma once

#include <QString>
#include <optional>

#include "skins/SkinWindowFile.h"

class SkinWindows;

// Reads the data folder's window files ("windows" and "sfw." + index) into a skin layout and
// writes a layout back.
class WindowFiles {
public:
    // The folder is read at each load and save (a test may move the data folder).
    explicit WindowFiles(const QString& dataFolder) : dataFolder(dataFolder) {}

    // Builds the windows the count file names (one when it is missing). When none of them can
    // be shown (no window, or only windows without an area), the built-in default window is
    // shown instead and the reason written on standard output.
    void loadWindows(SkinWindows& layout);
    // Reads the layout's next window file (written first from the built-in default when
    // missing) and puts its window at the next free index.
    void loadNextWindow(SkinWindows& layout);
    void saveWindows(const SkinWindows& layout);

private:
    QString pathOf(const QString& fileName) const;
    // The record of window file i, or nothing (with the error box) when it cannot be read.
    std::optional<SkinWindowFile> readWindowFile(int index);
    bool saveWindowFile(const SkinWindows& layout, size_t index);

    const QString& dataFolder;
};
