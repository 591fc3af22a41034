#include "app/WindowFiles.h"

#include <QFile>

#include "ResourceTable.h"
#include "app/Variables.h"
#include "audio/Sound.h"
#include "common/Prompts.h"
#include "common/SaveReport.h"
#include "common/StoredText.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/WindowGeometry.h"
#include "skin_ui/drawing/Engine.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/ListBox.h"
#include "skin_ui/elements/SliderFunction.h"
#include "skins/SkinWindowFile.h"
#include "skins/WindowCountFile.h"

namespace {

constexpr int expandFunction = 6;
constexpr int volumeFunction = 1;
constexpr int infoHeight = 20;
constexpr int sliderThickness = 10;

Element* createElement(MainWindow* window, const SkinWindowFile::ElementRecord& record,
                       Variables& variables) {
    switch (record.type) {
        case SkinWindowFile::button: {
            auto* button = new ButtonFunction(window, record.function);
            button->setReceiver(&variables);
            return button;
        }
        case SkinWindowFile::slider: {
            auto* slider = new SliderFunction(window, record.function);
            slider->setReceiver(&variables);
            slider->setSize(record.sliderLength, sliderThickness);
            slider->setVertical(record.vertical);
            slider->setFilled(record.filled);
            return slider;
        }
        case SkinWindowFile::info: {
            auto* info = new Info(window);
            info->setSize(record.width, infoHeight);
            return info;
        }
        case SkinWindowFile::listBox: {
            auto* list = new ListBox(window);
            list->setSize(record.width, record.height);
            return list;
        }
        default:
            return nullptr;
    }
}

SkinWindowFile::ElementRecord recordOf(const Element& element) {
    SkinWindowFile::ElementRecord record;
    record.type = element.getType();
    switch (element.getType()) {
        case SkinWindowFile::button:
            record.function = static_cast<const ButtonFunction&>(element).getFunction();
            break;
        case SkinWindowFile::slider: {
            const auto& slider = static_cast<const SliderFunction&>(element);
            record.function = slider.getFunction();
            record.vertical = slider.isVertical();
            record.sliderLength = record.vertical ? slider.getHeight() : slider.getWidth();
            record.filled = slider.isFilled();
            break;
        }
        case SkinWindowFile::info:
            record.width = element.getWidth();
            break;
        case SkinWindowFile::listBox:
            record.width = element.getWidth();
            record.height = element.getHeight();
            break;
        default:
            break;
    }
    record.x = element.getX();
    record.y = element.getY();
    record.sizeClass = static_cast<uint32_t>(element.getSizeClass());
    record.moveable = element.isMoveable();
    return record;
}

}  // namespace

QString WindowFiles::pathOf(const QString& fileName) const {
    return variables.dataFolder + "/" + fileName;
}

void WindowFiles::loadWindows() {
    int count = WindowCountFile::countWhenMissing;
    QFile countFile(pathOf(WindowCountFile::fileName));
    if (countFile.open(QIODevice::ReadOnly)) {
        count = WindowCountFile::parse(countFile.readAll());
    }
    for (int i = 0; i < count; ++i) {
        auto* window = new MainWindow();
        window->create();
        variables.windows.push_back(window);
        loadWindowFile(i);
    }
}

void WindowFiles::loadWindowFile(int index) {
    MainWindow* window = variables.windows[static_cast<size_t>(index)];
    variables.elementLists.emplace_back();
    const QString path = pathOf(SkinWindowFile::fileName(index));
    if (!Engine::fileExists(path)) {
        Engine::extractResource(path, ResourceTable::defaultWindowFileId);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::current().error("An error has occured while trying to initialze a window.",
                                 "ERROR");
        return;
    }
    const SkinWindowFile skin = SkinWindowFile::parse(file.readAll());
    window->setPositionKeepingSize(skin.x, skin.y);
    window->setCollapsedSize(skin.collapsedWidth, skin.collapsedHeight);
    window->setExpandedSize(skin.expandedWidth, skin.expandedHeight);

    auto& elements = variables.elementLists.back();
    for (const SkinWindowFile::ElementRecord& record : skin.elements) {
        Element* element = createElement(window, record, variables);
        element->setPosition(record.x, record.y);
        element->setSizeClass(static_cast<int>(record.sizeClass));
        element->setMoveable(record.moveable);
        // A new volume slider shows the volume the player has (a window added or rebuilt
        // while playing; at start-up the settings set it again). Its knob is placed once the
        // slider has its final size.
        if (record.type == SkinWindowFile::slider && record.function == volumeFunction) {
            static_cast<SliderFunction*>(element)->setValue(Sound::instance().volumePercent());
        }
        element->show();
        element->update();
        elements.push_back(element);
    }
    if (skin.stoppedAtInvalidType) {
        Prompts::current().error(SkinWindowFile::invalidTypeMessage, "ERROR");
        return;
    }
    if (skin.expanded) {
        const bool expanded = window->toggleExpanded();
        variables.setButtonBitmapsIn(static_cast<size_t>(index),
                                     expanded ? "110_expand_1.bmp" : "109_expand_0.bmp",
                                     expandFunction);
    }
    window->setPositionKeepingSize(WindowGeometry::pullOntoScreen(
        window->pos(), window->size(), WindowGeometry::primaryScreenSize()));
}

void WindowFiles::saveWindows() {
    const QString countPath = pathOf(WindowCountFile::fileName);
    if (!StoredText::writeFile(
            countPath, WindowCountFile::serialize(static_cast<int>(variables.windows.size())))) {
        SaveReport::failed(countPath, "windows");
    }
    for (size_t i = 0; i < variables.windows.size(); ++i) {
        saveWindowFile(i);
    }
}

bool WindowFiles::saveWindowFile(size_t index) {
    const MainWindow* window = variables.windows[index];
    SkinWindowFile skin;
    skin.x = window->x();
    skin.y = window->y();
    skin.collapsedWidth = window->getCollapsedWidth();
    skin.collapsedHeight = window->getCollapsedHeight();
    skin.expandedWidth = window->getExpandedWidth();
    skin.expandedHeight = window->getExpandedHeight();
    skin.expanded = window->isExpanded();
    for (const Element* element : variables.elementLists[index]) {
        skin.elements.push_back(recordOf(*element));
    }
    const QString path = pathOf(SkinWindowFile::fileName(static_cast<int>(index)));
    if (StoredText::writeFile(path, skin.serialize())) {
        return true;
    }
    SaveReport::failed(path, "sfw");
    return false;
}
