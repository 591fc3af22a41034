#include "app/SkinWindows.h"

#include <algorithm>

#include "app/AppRequests.h"
#include "app/SkinLibrary.h"
#include "app/WindowFiles.h"
#include "common/ButtonCommand.h"
#include "common/Prompts.h"
#include "common/SkinContext.h"
#include "playlist/PlayList.h"
#include "playlist/PlayerEvents.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/SkinMenu.h"
#include "skin_ui/WindowGeometry.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/ElementFactory.h"
#include "skin_ui/elements/SliderFunction.h"

namespace {

const QString lastWindowKept = QStringLiteral(
    "This is the only window, and the desktop has no status area for the tray icon that "
    "would bring a window back. The window is kept.");

// No window is larger than the screen it is pulled onto: a damaged file must not put the close
// button out of reach or make the window cost hundreds of megabytes.
QSize fitOnScreen(int width, int height) {
    const QSize screen = WindowGeometry::primaryScreenSize();
    return QSize(std::min(width, screen.width()), std::min(height, screen.height()));
}

}  // namespace

SkinWindows::SkinWindows(AppRequests& app, SkinLibrary& library, WindowFiles& files,
                         const SkinContext& context, CallerPtr& receiver)
    : app(app), library(library), files(files), context(context), receiver(receiver) {}

SkinWindows::~SkinWindows() {
    removeAll(Deletion::now);
}

int SkinWindows::indexOf(const MainWindow* window) const {
    const auto found = std::find(windows.begin(), windows.end(), window);
    return found == windows.end() ? -1 : static_cast<int>(found - windows.begin());
}

MainWindow* SkinWindows::ownerOf(const Element* element) const {
    size_t windowIndex = 0;
    size_t position = 0;
    return find(element, windowIndex, position) ? windows[windowIndex] : nullptr;
}

bool SkinWindows::find(const Element* element, size_t& windowIndex, size_t& position) const {
    for (size_t i = 0; i < elementLists.size(); ++i) {
        const auto& list = elementLists[i];
        const auto found = std::find(list.begin(), list.end(), element);
        if (found != list.end()) {
            windowIndex = i;
            position = static_cast<size_t>(found - list.begin());
            return true;
        }
    }
    return false;
}

void SkinWindows::insertWindow(size_t index, const SkinWindowFile& record) {
    index = std::min(index, windows.size());
    auto* window = new MainWindow(*this, context);
    window->centre();
    windows.insert(windows.begin() + static_cast<std::ptrdiff_t>(index), window);
    elementLists.insert(elementLists.begin() + static_cast<std::ptrdiff_t>(index),
                        std::vector<Element*>());

    const QSize collapsed = fitOnScreen(record.collapsedWidth, record.collapsedHeight);
    const QSize expanded = fitOnScreen(record.expandedWidth, record.expandedHeight);
    window->setPositionKeepingSize(record.x, record.y);
    window->setCollapsedSize(collapsed.width(), collapsed.height());
    window->setExpandedSize(expanded.width(), expanded.height());
    auto& elements = elementLists[index];
    for (const SkinWindowFile::ElementRecord& elementRecord : record.elements) {
        elements.push_back(ElementFactory::create(window, elementRecord, &receiver));
    }
    // A file cut short by an unknown element type keeps the elements before it and the window
    // as it was placed, unexpanded.
    if (!record.stoppedAtInvalidType) {
        if (record.expanded) {
            window->toggleExpanded();
        }
        window->setPositionKeepingSize(WindowGeometry::pullOntoScreen(
            window->pos(), window->size(), WindowGeometry::primaryScreenSize()));
    }
    // Mapped once, at its final place and size, with its elements already in it.
    window->show();
    window->update();
}

SkinWindowFile SkinWindows::recordOf(size_t index) const {
    SkinWindowFile record = windows.at(index)->shapeRecord();
    for (const Element* element : elementLists[index]) {
        record.elements.push_back(element->record());
    }
    return record;
}

void SkinWindows::reshapeWindow(size_t index, const SkinWindowFile& shape, bool move) {
    MainWindow* window = windows.at(index);
    const bool wasExpanded = window->isExpanded();
    // The sizes are set while collapsed, as the loader sets them, then the window expands to
    // the expanded pair.
    if (wasExpanded) {
        window->toggleExpanded();
    }
    window->setCollapsedSize(shape.collapsedWidth, shape.collapsedHeight);
    window->setExpandedSize(shape.expandedWidth, shape.expandedHeight);
    if (shape.expanded) {
        window->toggleExpanded();
    }
    if (move) {
        window->setPositionKeepingSize(shape.x, shape.y);
    }
}

void SkinWindows::removeWindowAt(size_t index, Deletion deletion) {
    std::vector<Element*> elements = std::move(elementLists.at(index));
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

void SkinWindows::removeAll(Deletion deletion) {
    while (!windows.empty()) {
        removeWindowAt(0, deletion);
    }
}

void SkinWindows::toggleExpanded(MainWindow* window) {
    if (indexOf(window) < 0) {
        return;
    }
    const SkinWindowFile before = window->shapeRecord();
    window->toggleExpanded();
    windowEditFinished(window, before);
}

void SkinWindows::removeWindow(MainWindow* window) {
    const int index = indexOf(window);
    if (index >= 0 && windows.size() == 1 && !app.hasReachableTray()) {
        // Without a window or a tray icon the player could only be ended by a signal, losing
        // the playlist and settings of this run.
        Prompts::current().message(lastWindowKept, "VeskPlayer", PromptIcon::Warning,
                                   PromptButtons::Ok);
        return;
    }
    if (index >= 0) {
        removeWindowAt(static_cast<size_t>(index), Deletion::later);
    }
}

Element* SkinWindows::insertElement(size_t windowIndex, size_t position,
                                    const SkinWindowFile::ElementRecord& record) {
    auto& list = elementLists.at(windowIndex);
    Element* element = ElementFactory::create(windows[windowIndex], record, &receiver);
    if (!element) {
        return nullptr;
    }
    position = std::min(position, list.size());
    // The stacking follows the list: the new element goes below the one that follows it.
    if (position < list.size()) {
        element->stackUnder(list[position]);
    }
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), element);
    return element;
}

void SkinWindows::removeElement(Element* element) {
    size_t windowIndex = 0;
    size_t position = 0;
    if (find(element, windowIndex, position)) {
        removeElementAt(windowIndex, position);
    }
}

void SkinWindows::removeElementAt(size_t windowIndex, size_t position) {
    auto& list = elementLists.at(windowIndex);
    Element* element = list.at(position);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
    // The element's own menu asked for this: delete it once that event is done.
    element->hide();
    element->deleteLater();
}

void SkinWindows::changeElementType(Element* element, ElementType newType) {
    size_t windowIndex = 0;
    size_t position = 0;
    if (!find(element, windowIndex, position)) {
        return;
    }
    const SkinWindowFile::ElementRecord record =
        ElementFactory::newRecord(newType, element->getX(), element->getY(), element->isMoveable());
    Element* replacement = ElementFactory::create(windows[windowIndex], record, &receiver);
    if (!replacement) {
        return;
    }
    replacement->stackUnder(element);
    elementLists[windowIndex][position] = replacement;
    // The old element may be the one whose menu asked for the change.
    element->hide();
    element->deleteLater();
}

void SkinWindows::setVolumeSliders(int value) {
    for (const auto& list : elementLists) {
        for (Element* element : list) {
            auto* slider = qobject_cast<SliderFunction*>(element);
            if (slider && slider->getFunction() == SliderFunction::volumeFunction) {
                slider->setValue(value);
            }
        }
    }
}

void SkinWindows::closeRequested() {
    app.saveAllAndQuit();
}

void SkinWindows::pathsDropped(const QStringList& paths) {
    app.addDroppedPaths(paths);
}

void SkinWindows::choosePlayerOptions(const PlayerFiles::PlayerChoices& choices) {
    app.choosePlayerOptions(choices);
}

void SkinWindows::showPlaylist(MainWindow* window) {
    app.showPlaylist(window);
}

void SkinWindows::addElement(MainWindow* window, QPoint clientPoint) {
    const int index = indexOf(window);
    if (index < 0) {
        return;
    }
    const size_t at = static_cast<size_t>(index);
    const size_t position = elementLists[at].size();
    // A play/pause button at the point.
    if (Element* added =
            insertElement(at, position,
                          ElementFactory::newRecord(ElementType::button, clientPoint.x(),
                                                    clientPoint.y(), true))) {
        edits.elementEdited(at, position, std::nullopt, added->record());
    }
}

void SkinWindows::addWindow() {
    const size_t index = windows.size();
    files.loadNextWindow(*this);
    if (windows.size() > index) {
        edits.windowEdited(index, std::nullopt, recordOf(index));
    }
}

void SkinWindows::deleteWindow(MainWindow* window) {
    const int index = indexOf(window);
    if (index < 0) {
        return;
    }
    SkinWindowFile record = recordOf(static_cast<size_t>(index));
    const size_t countBefore = windows.size();
    removeWindow(window);
    if (windows.size() == countBefore) {
        return;  // the last window was kept
    }
    edits.windowEdited(static_cast<size_t>(index), std::move(record), std::nullopt);
}

void SkinWindows::importSkin(MainWindow* window) {
    // A QWidget* is what the prompts take as owner.
    library.importSkinDialog(static_cast<QWidget*>(window));
}

void SkinWindows::exportSkin(MainWindow* window) {
    library.exportSkinDialog(static_cast<QWidget*>(window));
}

void SkinWindows::newSkin(MainWindow* window) {
    library.newSkin(static_cast<QWidget*>(window));
}

void SkinWindows::saveSkin() {
    library.saveSkin();
}

void SkinWindows::useSkin(const QString& name) {
    library.useSkin(name);
}

void SkinWindows::showOptions() {
    app.showOptions();
}

void SkinWindows::changeType(Element* element, ElementType type) {
    size_t windowIndex = 0;
    size_t position = 0;
    if (!find(element, windowIndex, position)) {
        return;
    }
    const SkinWindowFile::ElementRecord before = element->record();
    changeElementType(element, type);
    Element* replacement = elementLists[windowIndex][position];
    if (replacement != element) {
        edits.elementEdited(windowIndex, position, before, replacement->record());
    }
}

void SkinWindows::deleteElement(Element* element) {
    size_t windowIndex = 0;
    size_t position = 0;
    if (!find(element, windowIndex, position)) {
        return;
    }
    const SkinWindowFile::ElementRecord before = element->record();
    removeElementAt(windowIndex, position);
    edits.elementEdited(windowIndex, position, before, std::nullopt);
}

void SkinWindows::editFinished(Element* element, const SkinWindowFile::ElementRecord& before) {
    size_t windowIndex = 0;
    size_t position = 0;
    if (find(element, windowIndex, position)) {
        edits.elementEdited(windowIndex, position, before, element->record());
    }
}

void SkinWindows::windowEditFinished(MainWindow* window, const SkinWindowFile& before) {
    const int index = indexOf(window);
    if (index < 0) {
        return;
    }
    SkinWindowFile after = recordOf(static_cast<size_t>(index));
    // These edits keep the elements: the record before holds the same ones.
    SkinWindowFile whole = before;
    whole.elements = after.elements;
    if (whole != after) {
        edits.windowEdited(static_cast<size_t>(index), std::move(whole), std::move(after));
    }
}

QStringList SkinWindows::skinListing() const {
    return library.listing();
}

QString SkinWindows::currentSkinName() const {
    return library.currentSkinName();
}
