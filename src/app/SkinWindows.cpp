#include "app/SkinWindows.h"

#include <algorithm>

#include "app/Variables.h"
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

SkinWindows::SkinWindows(Variables& app, const SkinContext& context, CallerPtr& receiver)
    : app(app), context(context), receiver(receiver) {
    followPlayerState();
}

void SkinWindows::followPlayerState() {
    QObject::connect(&PlayList::instance().events(), &PlayerEvents::stateChanged, &eventsReceiver,
                     [this](PlayState state) {
                         // A pause comes from the play/pause command, which shows it, or from
                         // a slider being dragged, which must not.
                         if (state != PlayState::Playing && state != PlayState::Stopped) {
                             return;
                         }
                         const int id = idOf(ButtonCommand::playPause);
                         setButtonBitmaps(
                             ButtonFunction::pictureOf(id, state == PlayState::Playing), id);
                     });
}

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
            const bool nowExpanded = window->toggleExpanded();
            setButtonBitmapsIn(index,
                               ButtonFunction::pictureOf(idOf(ButtonCommand::expand), nowExpanded),
                               idOf(ButtonCommand::expand));
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
        record.elements.push_back(ElementFactory::recordOf(*element));
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
    if (wasExpanded != shape.expanded) {
        const int expand = idOf(ButtonCommand::expand);
        setButtonBitmapsIn(index, ButtonFunction::pictureOf(expand, shape.expanded), expand);
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

void SkinWindows::addElement(MainWindow* window, int x, int y) {
    const int index = indexOf(window);
    if (index >= 0) {
        const size_t at = static_cast<size_t>(index);
        insertElement(at, elementLists[at].size(),
                      ElementFactory::newRecord(Element::buttonType, x, y, true));
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

void SkinWindows::changeElementType(Element* element, int newType) {
    size_t windowIndex = 0;
    size_t position = 0;
    if (newType < Element::buttonType || newType > Element::listBoxType ||
        !find(element, windowIndex, position)) {
        return;
    }
    const SkinWindowFile::ElementRecord record =
        ElementFactory::newRecord(newType, element->getX(), element->getY(), element->isMoveable());
    Element* replacement = ElementFactory::create(windows[windowIndex], record, &receiver);
    replacement->stackUnder(element);
    elementLists[windowIndex][position] = replacement;
    // The old element may be the one whose menu asked for the change.
    element->hide();
    element->deleteLater();
}

void SkinWindows::setButtonBitmaps(const QString& pictureName, int function) {
    for (size_t i = 0; i < windows.size(); ++i) {
        setButtonBitmapsIn(i, pictureName, function);
    }
}

void SkinWindows::setButtonBitmapsIn(size_t windowIndex, const QString& pictureName, int function) {
    for (Element* element : elementLists.at(windowIndex)) {
        auto* button = qobject_cast<ButtonFunction*>(element);
        if (button && button->getFunction() == function) {
            button->setPicture(pictureName);
            button->update();
        }
    }
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

void SkinWindows::repaintAll() {
    for (MainWindow* window : windows) {
        window->update();
    }
}

void SkinWindows::closeRequested() {
    app.saveAllAndQuit();
}

void SkinWindows::pathsDropped(const QStringList& paths) {
    app.addDroppedPaths(paths);
}

void SkinWindows::skinMenuCommand(MainWindow* window, int id, QPoint clientPoint) {
    switch (id) {
        case SkinMenu::addElementId:
            addElementRecorded(window, clientPoint);
            break;
        case SkinMenu::addWindowId:
            addWindowRecorded();
            break;
        case SkinMenu::deleteWindowId:
            removeWindowRecorded(window);
            break;
        case SkinMenu::undoId:
            edits.undo();
            break;
        case SkinMenu::redoId:
            edits.redo();
            break;
        case SkinMenu::optionsId:
            app.showOptions();
            break;
        default:
            app.skinLibraryCommand(window, id);
            break;
    }
}

void SkinWindows::addElementRecorded(MainWindow* window, QPoint clientPoint) {
    const int index = indexOf(window);
    if (index < 0) {
        return;
    }
    const auto& list = elementLists[static_cast<size_t>(index)];
    const size_t count = list.size();
    addElement(window, clientPoint.x(), clientPoint.y());
    if (list.size() > count) {
        edits.elementEdited(static_cast<size_t>(index), count, std::nullopt,
                            ElementSnapshot::of(*list.back()));
    }
}

void SkinWindows::addWindowRecorded() {
    const size_t index = windows.size();
    app.addWindow();
    if (windows.size() > index) {
        edits.windowEdited(index, std::nullopt, recordOf(index));
    }
}

void SkinWindows::removeWindowRecorded(MainWindow* window) {
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

void SkinWindows::elementCommand(Element* element, int id) {
    size_t windowIndex = 0;
    size_t position = 0;
    if (!find(element, windowIndex, position)) {
        return;
    }
    const ElementSnapshot before = ElementSnapshot::of(*element);
    if (id >= Element::buttonType && id <= Element::listBoxType) {
        changeElementType(element, id);
        Element* replacement = elementLists[windowIndex][position];
        if (replacement != element) {
            edits.elementEdited(windowIndex, position, before, ElementSnapshot::of(*replacement));
        }
    } else {
        removeElement(element);
        edits.elementEdited(windowIndex, position, before, std::nullopt);
    }
}

void SkinWindows::editFinished(Element* element, const SkinWindowFile::ElementRecord& before) {
    size_t windowIndex = 0;
    size_t position = 0;
    if (find(element, windowIndex, position)) {
        edits.elementEdited(windowIndex, position, ElementSnapshot{before, QString()},
                            ElementSnapshot::of(*element));
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
    return app.skinListing();
}

QString SkinWindows::currentSkinName() const {
    return app.currentSkinName();
}
