#include "app/Variables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/Dispatcher.h"
#include "app/SettingsStore.h"
#include "app/WindowFiles.h"
#include "audio/Sound.h"
#include "common/DataFolder.h"
#include "common/SaveReport.h"
#include "common/StoredPath.h"
#include "playlist/OpenFiles.h"
#include "playlist/PlayList.h"
#include "playlist/StartFiles.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/ListBox.h"
#include "skin_ui/elements/SliderFunction.h"

namespace {

Variables* singleton = nullptr;
constexpr int quitExitCode = 18;
constexpr int playPauseFunction = 1;
constexpr int volumeFunction = 1;

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

Variables::Variables()
    : dataFolder(DataFolder::defaultPath()),
      commandDispatcher(std::make_unique<Dispatcher>(*this)),
      settings(std::make_unique<SettingsStore>(*this, *commandDispatcher)),
      windowFiles(std::make_unique<WindowFiles>(*this)) {}

Variables::~Variables() {
    while (!windows.empty()) {
        destroyWindowAt(0, Deletion::now);
    }
    Sound::deleteInstance();
    // The worker adds to the playlist, so it ends (cutting a running add short) before the
    // playlist does.
    OpenFiles::deleteInstance();
    PlayList::deleteInstance();
    // Nothing is written here: everything the next start reads was saved before the quit.
}

void Variables::init(const QStringList& commandLineFiles) {
    Engine::instance();
    if (!QFileInfo::exists(dataFolder)) {
        // Parents are created too: a fresh account often has no documents folder yet.
        DataFolder::ensureExists(dataFolder);
        QDir(dataFolder).mkpath(skinPath.section('\\', 0, 0));
    }
    loadColours();
    loadOptions();
    loadWindows();
    loadPlayerState();
    readCommandLine(commandLineFiles);
}

void Variables::readCommandLine(const QStringList& files) {
    OpenFiles& worker = OpenFiles::instance();
    worker.setUseTags(useTags);
    StartFiles::queue(files, openLastPlaylist, dataFolder, PlayList::instance(), worker);
}

void Variables::saveAll() {
    // Every file is still tried after one fails; the user hears once of all that were not saved.
    SaveReport report;
    saveWindows();
    saveColours();
    savePlayerState();
    saveOptions();
    const QString playlistPath = dataFolder + "/playlist.vpl";
    if (openLastPlaylist && !PlayList::instance().save(playlistPath)) {
        report.add(playlistPath, "playlist.vpl");
    }
    report.tell();
}

void Variables::saveAllAndQuit() {
    saveAll();
    QCoreApplication::exit(quitExitCode);
}

void Variables::callback(Callable* caller) {
    auto* element = dynamic_cast<Element*>(caller);
    if (!element) {
        return;
    }
    if (element->getType() == Element::buttonType) {
        commandDispatcher->dispatchButton(static_cast<ButtonFunction&>(*element));
    } else if (element->getType() == Element::sliderType) {
        commandDispatcher->dispatchSlider(static_cast<SliderFunction&>(*element));
    }
}

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
        destroyWindowAt(static_cast<size_t>(index), Deletion::later);
    }
}

void Variables::addElement(MainWindow* window, int x, int y) {
    const int index = indexOf(window);
    if (index < 0) {
        return;
    }
    auto* button = new ButtonFunction(window, playPauseFunction);
    button->setReceiver(this);
    button->setPosition(x, y);
    button->show();
    elementLists[static_cast<size_t>(index)].push_back(button);
}

void Variables::removeElement(Element* element) {
    for (auto& list : elementLists) {
        for (auto it = list.begin(); it != list.end();) {
            if (*it == element) {
                // The element's own menu asked for this: delete it once that event is done.
                (*it)->hide();
                (*it)->deleteLater();
                it = list.erase(it);
            } else {
                ++it;
            }
        }
    }
}

void Variables::changeElementType(Element* element, int newType) {
    for (size_t i = 0; i < elementLists.size(); ++i) {
        for (Element*& slot : elementLists[i]) {
            if (slot != element) {
                continue;
            }
            MainWindow* window = windows[i];
            Element* replacement = nullptr;
            switch (newType) {
                case Element::buttonType: {
                    auto* button = new ButtonFunction(window, playPauseFunction);
                    button->setReceiver(this);
                    replacement = button;
                    break;
                }
                case Element::sliderType: {
                    auto* slider = new SliderFunction(window, volumeFunction);
                    slider->setReceiver(this);
                    slider->setValue(Sound::instance().volumePercent());
                    slider->setSizeClass(0);
                    slider->setSize(80, 10);
                    replacement = slider;
                    break;
                }
                case Element::infoType:
                    replacement = new Info(window);
                    replacement->setSize(80, 20);
                    break;
                case Element::listBoxType:
                    replacement = new ListBox(window);
                    replacement->setSize(80, 80);
                    break;
                default:
                    return;
            }
            replacement->setPosition(element->getX(), element->getY());
            replacement->setMoveable(element->isMoveable());
            // The old element may be the one whose menu asked for the change.
            element->deleteLater();
            slot = replacement;
            replacement->show();
            replacement->update();
        }
    }
}

void Variables::reloadWindows() {
    // The live player state goes to "sfo.1" first, so rereading it below keeps what is playing,
    // the volume and the mute state as they are.
    savePlayerState();
    const int32_t volume = Sound::instance().volumePercent();
    while (!windows.empty()) {
        destroyWindowAt(0, Deletion::later);
    }
    loadColours();
    loadPlayerState();
    loadPlayerState();
    // A muted player's state file holds volume 0; the level it unmutes to stays the user's.
    Sound::instance().setVolume(volume);
    loadWindows();
}

void Variables::setButtonBitmaps(const QString& pictureName, int function) {
    for (size_t i = 0; i < windows.size(); ++i) {
        setButtonBitmapsIn(i, pictureName, function);
    }
}

void Variables::setButtonBitmapsIn(size_t windowIndex, const QString& pictureName, int function) {
    for (Element* element : elementLists[windowIndex]) {
        if (element->getType() != Element::buttonType) {
            continue;
        }
        auto* button = static_cast<ButtonFunction*>(element);
        if (button->getFunction() == function) {
            button->setPicture(pictureName);
            button->update();
        }
    }
}

void Variables::setVolumeSliders(int value) {
    for (const auto& list : elementLists) {
        for (Element* element : list) {
            if (element->getType() != Element::sliderType) {
                continue;
            }
            auto* slider = static_cast<SliderFunction*>(element);
            if (slider->getFunction() == volumeFunction) {
                slider->setValue(value);
            }
        }
    }
}

void Variables::addDroppedPath(const QString& path) {
    OpenFiles::instance().addPath(path);
}

void Variables::loadColours() {
    settings->loadColours();
}
void Variables::loadOptions() {
    settings->loadOptions();
}
void Variables::loadPlayerState() {
    settings->loadPlayerState();
}
void Variables::saveColours() {
    settings->saveColours();
}
void Variables::savePlayerState() {
    settings->savePlayerState();
}
void Variables::saveOptions() {
    settings->saveOptions();
}
void Variables::loadWindows() {
    windowFiles->loadWindows();
}
void Variables::loadWindowFile(int index) {
    windowFiles->loadWindowFile(index);
}
void Variables::saveWindows() {
    windowFiles->saveWindows();
}

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

void Variables::destroyWindowAt(size_t index, Deletion deletion) {
    std::vector<Element*> elements = std::move(elementLists[index]);
    MainWindow* window = windows[index];
    elementLists.erase(elementLists.begin() + static_cast<std::ptrdiff_t>(index));
    windows.erase(windows.begin() + static_cast<std::ptrdiff_t>(index));
    if (deletion == Deletion::now) {
        for (Element* element : elements) {
            delete element;
        }
        delete window;
        return;
    }
    // A menu of the window or of one of its elements may be what asked: let that event finish.
    window->hide();
    for (Element* element : elements) {
        element->deleteLater();
    }
    window->deleteLater();
}
