#include "app/WindowFiles.h"

#include <QFile>

#include "ResourceTable.h"
#include "app/SkinWindows.h"
#include "common/DebugLog.h"
#include "common/Prompts.h"
#include "common/SaveReport.h"
#include "common/StoredText.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/WindowGeometry.h"
#include "skins/SkinFiles.h"
#include "skins/WindowCountFile.h"

namespace {

constexpr int newWindowSide = 30;

SkinWindowFile builtInWindow() {
    QFile file(ResourceTable::pathOf(ResourceTable::defaultWindowFileId));
    return file.open(QIODevice::ReadOnly) ? SkinWindowFile::parse(file.readAll())
                                          : SkinWindowFile();
}

// True when some window has an area to show.
bool anyWindowShowable(const SkinWindows& layout) {
    for (const MainWindow* window : layout.windowList()) {
        if (window->currentWidth() > 0 && window->currentHeight() > 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString WindowFiles::pathOf(const QString& fileName) const {
    return dataFolder + "/" + fileName;
}

void WindowFiles::loadWindows(SkinWindows& layout) {
    int count = WindowCountFile::countWhenMissing;
    QFile countFile(pathOf(WindowCountFile::fileName));
    if (countFile.open(QIODevice::ReadOnly)) {
        count = WindowCountFile::parse(countFile.readAll());
    }
    for (int i = 0; i < count; ++i) {
        loadNextWindow(layout);
    }
    if (anyWindowShowable(layout)) {
        return;
    }
    // Without a window nothing can close the player, and the run's changes would be lost. The
    // built-in window takes index 0; the files stay as they are until the next save.
    DebugLog::write(count == 0 ? "no skin window in the window files: showing the default window\n"
                               : "no skin window with an area: showing the default window\n");
    if (layout.count() > 0) {
        layout.removeWindowAt(0, SkinWindows::Deletion::now);
    }
    layout.insertWindow(0, builtInWindow());
}

std::optional<SkinWindowFile> WindowFiles::readWindowFile(int index) {
    const QString path = pathOf(SkinWindowFile::fileName(index));
    if (!SkinFiles::fileExists(path)) {
        SkinFiles::extractResource(path, ResourceTable::defaultWindowFileId);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::current().error("An error has occured while trying to initialze a window.",
                                 "ERROR");
        return std::nullopt;
    }
    return SkinWindowFile::parse(file.readAll());
}

void WindowFiles::loadNextWindow(SkinWindows& layout) {
    const int index = static_cast<int>(layout.count());
    const std::optional<SkinWindowFile> record = readWindowFile(index);
    if (!record) {
        // The window still takes its index: empty, centred, at the size a new window has.
        const QSize screen = WindowGeometry::primaryScreenSize();
        SkinWindowFile empty;
        empty.collapsedWidth = empty.collapsedHeight = newWindowSide;
        empty.expandedWidth = empty.expandedHeight = 2 * newWindowSide;
        empty.x = (screen.width() - newWindowSide) / 2;
        empty.y = (screen.height() - newWindowSide) / 2;
        layout.insertWindow(static_cast<size_t>(index), empty);
        return;
    }
    layout.insertWindow(static_cast<size_t>(index), *record);
    if (record->stoppedAtInvalidType) {
        Prompts::current().error(SkinWindowFile::invalidTypeMessage, "ERROR");
    }
}

void WindowFiles::saveWindows(const SkinWindows& layout) {
    const QString countPath = pathOf(WindowCountFile::fileName);
    if (!StoredText::writeFile(countPath,
                               WindowCountFile::serialize(static_cast<int>(layout.count())))) {
        SaveReport::failed(countPath, "windows");
    }
    for (size_t i = 0; i < layout.count(); ++i) {
        saveWindowFile(layout, i);
    }
}

bool WindowFiles::saveWindowFile(const SkinWindows& layout, size_t index) {
    const QString path = pathOf(SkinWindowFile::fileName(static_cast<int>(index)));
    if (StoredText::writeFile(path, layout.recordOf(index).serialize())) {
        return true;
    }
    SaveReport::failed(path, "sfw");
    return false;
}
