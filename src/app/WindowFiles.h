#pragma once

#include <QString>
#include <optional>

#include "skins/SkinWindowFile.h"

class SkinWindows;

// Reads the data folder's window files ("windows" and "sfw." + index) into the skin layout and
// writes the layout back.
class WindowFiles {
public:
    // The folder is read at each load and save (a test may move the data folder).
    WindowFiles(const QString& dataFolder, SkinWindows& layout)
        : dataFolder(dataFolder), layout(layout) {}

    // Builds the windows the count file names (one when it is missing). When none of them can
    // be shown (no window, or only windows without an area), the built-in default window is
    // shown instead and the reason written on standard output.
    void loadWindows();
    // Reads window file i (written first from the built-in default when missing) and puts its
    // window at index i, which is the next free index.
    void loadWindowFile(int index);
    void saveWindows();

private:
    QString pathOf(const QString& fileName) const;
    // The record of window file i, or nothing (with the error box) when it cannot be read.
    std::optional<SkinWindowFile> readWindowFile(int index);
    bool saveWindowFile(size_t index);
    // True when some window has an area to show.
    bool anyWindowShowable() const;

    const QString& dataFolder;
    SkinWindows& layout;
};
