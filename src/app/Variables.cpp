#include "app/Variables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "common/DataFolder.h"
#include "common/StoredPath.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/elements/Element.h"

namespace {
Variables* singleton = nullptr;
constexpr int quitExitCode = 18;
}  // namespace

Variables& Variables::instance() {
    if (!singleton) {
        singleton = new Variables();
    }
    return *singleton;
}

void Variables::destroyInstance() {
    delete singleton;
    singleton = nullptr;
}

Variables::Variables() : dataFolder(DataFolder::defaultPath()) {}

Variables::~Variables() {
    while (!windows.empty()) {
        destroyWindowAt(0);
    }
    // Nothing is written here: everything the next start reads was saved before the quit.
}

void Variables::init(const QStringList& commandLineFiles) {
    Engine::instance();
    if (!QFileInfo::exists(dataFolder)) {
        // Parents are created too: a fresh account often has no documents folder yet.
        DataFolder::ensureExists(dataFolder);
        const QString skinRoot = skinPath.section('\\', 0, 0);
        QDir(dataFolder).mkpath(skinRoot);
    }
    loadWindows();
    pendingPaths += commandLineFiles;
}

void Variables::saveAll() { saveWindows(); }

void Variables::saveAllAndQuit() {
    saveAll();
    QCoreApplication::exit(quitExitCode);
}

void Variables::callback(Callable*) {}

void Variables::showOptions() {}

void Variables::repaintAll() {
    for (MainWindow* window : windows) {
        window->update();
    }
}

void Variables::addWindow() {
    auto* window = new MainWindow();
    window->create();
    windows.push_back(window);
    loadWindowFile(static_cast<int>(windows.size()) - 1);
}

void Variables::removeWindow(MainWindow* window) {
    const int index = indexOf(window);
    if (index >= 0) {
        destroyWindowAt(static_cast<size_t>(index));
    }
}

void Variables::addElement(MainWindow*, int, int) {}

void Variables::removeElement(Element* element) {
    for (auto& list : elementLists) {
        for (auto it = list.begin(); it != list.end();) {
            if (*it == element) {
                delete *it;
                it = list.erase(it);
            } else {
                ++it;
            }
        }
    }
}

void Variables::changeElementType(Element*, int) {}

void Variables::reloadWindows() {
    while (!windows.empty()) {
        destroyWindowAt(0);
    }
    loadWindows();
}

void Variables::addDroppedPath(const QString& path) { pendingPaths.append(path); }

int Variables::indexOf(const MainWindow* window) const {
    for (size_t i = 0; i < windows.size(); ++i) {
        if (windows[i] == window) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

MainWindow* Variables::ownerOf(const Element* element) const {
    for (size_t i = 0; i < elementLists.size(); ++i) {
        for (const Element* candidate : elementLists[i]) {
            if (candidate == element) {
                return windows[i];
            }
        }
    }
    return nullptr;
}

QString Variables::skinFolder() const {
    return QDir(dataFolder).filePath(StoredPath::toNative(skinPath));
}

void Variables::loadWindows() {
    loadWindowFile(0);
}

void Variables::loadWindowFile(int index) {
    if (index >= static_cast<int>(windows.size())) {
        auto* window = new MainWindow();
        window->create();
        windows.push_back(window);
    }
    elementLists.emplace_back();
}

void Variables::saveWindows() {}

void Variables::destroyWindowAt(size_t index) {
    for (Element* element : elementLists[index]) {
        delete element;
    }
    delete windows[index];
    elementLists.erase(elementLists.begin() + static_cast<std::ptrdiff_t>(index));
    windows.erase(windows.begin() + static_cast<std::ptrdiff_t>(index));
}
