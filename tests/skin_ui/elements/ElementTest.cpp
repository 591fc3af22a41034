// The skin elements: moving, clicking with modifiers, their pictures, their records and menus,
// and the list box's edges and rows.
#include <QImage>

#include "skin_ui/InputRouter.h"
#include "skin_ui/Tooltip.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/ElementFactory.h"
#include "skin_ui/elements/ElementMenu.h"
#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/ListBox.h"
#include "skin_ui/elements/SliderFunction.h"
#include "support/SkinTestSupport.h"

namespace {

class ElementTest : public SkinTest {
protected:
    // A shown "stop" button at (50, 50), 20 x 20 at size class 1.
    ButtonFunction* makeButton() {
        button = std::make_unique<ButtonFunction>(window.get(), 2);
        button->setReceiver(&receiver);
        button->setPosition(50, 50);
        button->show();
        return button.get();
    }
    // Shift-drags the element by (dx, dy) from its centre, releasing at the end.
    void shiftDrag(Element* element, int dx, int dy) {
        const QPoint start = Mouse::at(element, 10, 10);
        Mouse::press(element, start, Qt::ShiftModifier);
        Mouse::move(element, start + QPoint(dx, dy), Qt::LeftButton, Qt::ShiftModifier);
        Mouse::release(element, start + QPoint(dx, dy), Qt::ShiftModifier);
    }
    std::unique_ptr<ButtonFunction> button;
};

// Shift-drags of the 20 x 20 button at (50, 50) in the 300 x 200 window, one after the other.
TEST_F(ElementTest, ShiftDragMovesOnTheFivePixelGridInsideTheWindow) {
    Element* element = makeButton();
    const struct {
        QPoint by;
        QPoint at;
    } drags[] = {
        {{7, 0}, {55, 50}},    // 7 pixels move 5
        {{4, 4}, {55, 50}},    // 4 pixels leave it in place
        {{-13, 9}, {40, 55}},  // 42 snaps to 40
        {{1000, 1000}, {280, 180}}, {{-1000, -1000}, {0, 0}},
    };
    for (const auto& drag : drags) {
        shiftDrag(element, drag.by.x(), drag.by.y());
        EXPECT_EQ(element->pos(), drag.at) << drag.by.x() << "," << drag.by.y();
    }
    EXPECT_FALSE(element->isMoving());
    EXPECT_EQ(receiver.count(), 0u) << "a move is not a click";
    Info info(window.get());
    info.setSize(320, 20);
    info.setPosition(0, 0);
    info.show();
    shiftDrag(&info, 10, 0);
    EXPECT_EQ(info.getX(), 300 - 320) << "the upper bound is applied last and wins";
}

// What a click with a modifier does on the button: Shift moves a moveable element (holding
// the mouse), Ctrl drags the whole window, Alt does nothing over an element.
TEST_F(ElementTest, AClickWithAModifierFiresOnlyWhenItMeansNothingElse) {
    const struct {
        Qt::KeyboardModifiers modifiers;
        bool locked;
        bool moving;
        bool windowDragging;
        size_t fired;
    } cases[] = {
        {Qt::NoModifier, false, false, false, 1},   {Qt::ShiftModifier, true, false, false, 1},
        {Qt::ShiftModifier, false, true, false, 0}, {Qt::ControlModifier, false, false, true, 0},
        {Qt::AltModifier, false, false, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.modifiers.toInt() + c.locked);
        receiver.callers.clear();
        Element* element = makeButton();
        element->setMoveable(!c.locked);
        const QPoint point = Mouse::at(element, 10, 10);
        Mouse::press(element, point, c.modifiers);
        EXPECT_EQ(element->isMoving(), c.moving);
        EXPECT_EQ(window->isDragging(), c.windowDragging);
        EXPECT_FALSE(window->isResizing()) << "Alt over an element arms no window resize";
        QWidget* grabber = QWidget::mouseGrabber();
        QWidget* holder = c.moving ? static_cast<QWidget*>(element) : nullptr;
        EXPECT_EQ(grabber, c.windowDragging ? window.get() : holder);
        // Whoever holds the mouse gets the release.
        Mouse::release(grabber ? grabber : element, point, c.modifiers);
        EXPECT_FALSE(element->isMoving() || window->isDragging());
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(receiver.count(), c.fired);
        EXPECT_EQ(element->pos(), QPoint(50, 50));
    }
}

TEST_F(ElementTest, PictureSizesButtonsAndSlidersButNotInfoOrListBox) {
    ButtonFunction play(window.get(), 1);
    EXPECT_EQ(play.size(), QSize(20, 20)) << "a third of the 60 x 20 picture";
    SliderFunction volume(window.get(), 1);
    volume.setSize(90, 3);
    volume.setSizeClass(0);
    EXPECT_EQ(volume.size(), QSize(90, 10)) << "length kept, height (25 / 5) x 2";
    volume.setVertical(true);
    volume.setSizeClass(2);
    EXPECT_EQ(volume.size(), QSize(30, 90)) << "width 120 / 4, length kept";
    volume.setSize(7, 90);
    EXPECT_EQ(volume.size(), QSize(30, 90)) << "the thickness follows the picture";
    Info info(window.get());
    info.setSize(120, 20);
    info.setSizeClass(2);
    EXPECT_EQ(info.size(), QSize(120, 20));
    ListBox list(window.get());
    list.setSize(275, 155);
    list.setSizeClass(0);
    EXPECT_EQ(list.size(), QSize(275, 155));
}

// The size class picks the picture folder (reloading only on a change), the opacity colour
// is keyed out, and a missing picture leaves a working zero-sized element.
TEST_F(ElementTest, PicturesComeFromTheSizeClassFolderOfTheSkin) {
    context().colours.useOpacity = false;
    ButtonFunction prev(window.get(), 3);
    prev.setPosition(40, 40);
    const Bitmap* first = prev.getBitmap();
    prev.setSizeClass(1);
    EXPECT_EQ(prev.getBitmap(), first) << "the same size class does not reload";
    prev.setSizeClass(2);
    EXPECT_NE(prev.getBitmap(), first);
    EXPECT_EQ(prev.geometry(), QRect(40, 40, 30, 30));
    EXPECT_TRUE(QFileInfo::exists(skinFolder() + "/2/105_prev.bmp"));
    EXPECT_EQ(prev.getBitmap()->getName(), "105_prev.bmp");
    EXPECT_EQ(prev.getBitmap()->getTransparentColour(), noTransparentColour);
    context().colours.useOpacity = true;
    context().colours.opacityColour = makeColour(1, 2, 3);
    EXPECT_EQ(ButtonFunction(window.get(), 2).getBitmap()->getTransparentColour(),
              makeColour(1, 2, 3));
    ButtonFunction repeatOne(window.get(), 9);
    EXPECT_EQ(repeatOne.size(), QSize(0, 0));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Bitmap");
    EXPECT_EQ(repeatOne.getTooltipText(), "repeat1");
}

TEST_F(ElementTest, HoverShowsTheTooltipAndAPressHidesIt) {
    Element* element = makeButton();
    const QPoint point = Mouse::at(element, 10, 10);
    Mouse::move(element, point);
    InputRouter& router = InputRouter::instance();
    EXPECT_TRUE(router.isHoverArmed());
    EXPECT_FALSE(element->getTooltip()->isVisible()) << "not before the hover time";
    router.fireHover();
    EXPECT_TRUE(element->getTooltip()->isVisible());
    EXPECT_EQ(element->getTooltip()->getText(), "stop");
    Mouse::press(element, point);
    EXPECT_FALSE(element->getTooltip()->isVisible());
    Mouse::release(element, point);
}

using ElementMenuTest = SkinTest;

QStringList titlesOf(const std::vector<ElementMenu::Item>& items) {
    QStringList titles;
    for (const auto& item : items) {
        titles << item.title;
    }
    return titles;
}

const ElementMenu::Item* find(const std::vector<ElementMenu::Item>& items, int id) {
    for (const auto& item : items) {
        if (item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

TEST_F(ElementMenuTest, AButtonMenuOffersFunctionsWithRepeatOneGreyed) {
    ButtonFunction button(window.get(), 4);
    const auto items = ElementMenu(&button).items();
    const QStringList titles = titlesOf(items);
    EXPECT_EQ(titles.first(), "Element");
    EXPECT_TRUE(titles.contains("  play"));
    EXPECT_TRUE(find(items, 1)->checked) << "its own type";
    EXPECT_TRUE(find(items, 1004)->checked);
    EXPECT_FALSE(find(items, 1009)->enabled) << "repeat1";
    EXPECT_TRUE(find(items, 201)->checked) << "size class 1";
    EXPECT_EQ(titles.last(), "Delete");
    EXPECT_EQ(find(items, ElementMenu::verticalId), nullptr);
}

TEST_F(ElementMenuTest, InfoShowsOnlyTypeLockAndDelete) {
    Info info(window.get());
    info.setMoveable(false);
    const auto items = ElementMenu(&info).items();
    EXPECT_EQ(titlesOf(items), (QStringList{"Element", "  Button", "  Slider", "  Info",
                                            "  Listbox", "", "Locked", "", "Delete"}));
    EXPECT_TRUE(find(items, ElementMenu::lockedId)->checked);
}

TEST_F(ElementMenuTest, CommandsChangeTheSliderInPlace) {
    SliderFunction slider(window.get(), 1);
    slider.setSize(90, 10);
    ElementMenu::runCommand(&slider, ElementMenu::verticalId);
    EXPECT_EQ(slider.size(), QSize(20, 90)) << "medium: 20 thick";
    ElementMenu::runCommand(&slider, ElementMenu::filledId);
    EXPECT_FALSE(slider.isFilled());
    ElementMenu::runCommand(&slider, 1502);
    EXPECT_EQ(slider.getFunction(), 2);
    ElementMenu::runCommand(&slider, 200);
    EXPECT_EQ(slider.getSizeClass(), 0);
    ElementMenu::runCommand(&slider, ElementMenu::lockedId);
    EXPECT_FALSE(slider.isMoveable());
    ElementMenu::runCommand(&slider, ElementMenu::typeId(ElementType::slider));
    EXPECT_EQ(slider.getType(), ElementType::slider) << "the same type changes nothing";
    ElementMenu::runCommand(&slider, 1004);
    EXPECT_EQ(slider.getFunction(), 2) << "a button function means nothing to a slider";
}

TEST_F(ElementMenuTest, AButtonCommandSetsItsFunction) {
    ButtonFunction button(window.get(), 4);
    ElementMenu::runCommand(&button, 999);
    EXPECT_EQ(button.getFunction(), -1);
    EXPECT_EQ(button.getTooltipText(), "close");
}

using Record = Element::Record;

// For each type, a record unlike the one "Add element" makes, and another one to take back in
// place.
TEST_F(ElementMenuTest, AnElementGivesBackItsRecordAndTakesAnotherOfItsTypeInPlace) {
    using enum ElementType;
    const struct {
        Record built;
        Record changed;
    } cases[] = {
        // clang-format off
        {{.type = button, .function = 5, .x = 20, .y = 30, .sizeClass = 2},
         {.type = button, .function = 8, .x = 40, .y = 10, .moveable = true}},
        {{.type = slider, .function = 2, .sliderLength = 120, .vertical = true, .filled = true,
          .x = 15, .y = 5, .sizeClass = 1, .moveable = true},
         {.type = slider, .function = 1, .sliderLength = 90, .y = 50, .sizeClass = 2}},
        {{.type = info, .width = 140, .x = 10, .y = 60, .sizeClass = 1},
         {.type = info, .width = 60, .x = 25, .y = 65, .moveable = true}},
        {{.type = listBox, .width = 150, .height = 90, .x = 5, .sizeClass = 1},
         {.type = listBox, .width = 100, .height = 120, .x = 50, .sizeClass = 2}},
        // clang-format on
    };
    auto build = [&](const Record& record) {
        return std::unique_ptr<Element>(ElementFactory::create(window.get(), record, &receiver));
    };
    for (const auto& one : cases) {
        SCOPED_TRACE(numberOf(one.built.type));
        const std::unique_ptr<Element> element = build(one.built);
        ASSERT_NE(element, nullptr);
        EXPECT_EQ(element->getType(), one.built.type);
        EXPECT_EQ(element->record(), one.built);
        EXPECT_TRUE(element->applyRecord(one.changed));
        EXPECT_EQ(element->record(), one.changed);
        EXPECT_FALSE(element->applyRecord(
            one.built.type == button ? cases[1].built : cases[0].built));  // another type
        EXPECT_EQ(element->record(), one.changed);
        const Record added = ElementFactory::newRecord(one.built.type, 10, 20, false);
        EXPECT_EQ(build(added)->record(), added) << "a new element is what its record says";
    }
}

class ListBoxTest : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        list = std::make_unique<ListBox>(window.get());
        list->setSize(200, 100);
        list->setPosition(50, 50);
        list->show();
    }
    void TearDown() override {
        list.reset();
        while (PlayList::instance().songCount() > 0) {
            PlayList::instance().removeSong(0);
        }
        SkinTest::TearDown();
    }
    // Shift-drags from a client point of the list to a client point of the window.
    void shiftDrag(QPoint from, QPoint to) {
        const QPoint start = Mouse::at(list.get(), from.x(), from.y());
        Mouse::move(list.get(), start, Qt::NoButton, Qt::ShiftModifier);
        Mouse::press(list.get(), start, Qt::ShiftModifier);
        const QPoint end = Mouse::at(window.get(), to.x(), to.y());
        Mouse::move(list.get(), end, Qt::LeftButton, Qt::ShiftModifier);
        Mouse::release(list.get(), end, Qt::ShiftModifier);
    }
    std::unique_ptr<ListBox> list;
};

// Shift-dragged edges snap to the grid of 5, keep the least size and stay inside the window.
TEST_F(ListBoxTest, ResizingKeepsTheMinimumAndStaysInsideTheWindow) {
    shiftDrag(QPoint(0, 50), QPoint(50 + 23, 100));
    EXPECT_EQ(list->geometry(), QRect(70, 50, 180, 100)) << "the right edge stays";
    EXPECT_FALSE(list->isResizing());
    EXPECT_EQ(list->getResizeZone(), 0);
    list->setGeometry(50, 50, 200, 100);
    shiftDrag(QPoint(198, 50), QPoint(60, 100));
    EXPECT_EQ(list->width(), 40);
    shiftDrag(QPoint(38, 50), QPoint(420, 100));
    EXPECT_EQ(list->width(), 250) << "up to the window's right edge";
    shiftDrag(QPoint(100, 98), QPoint(100, 900));
    EXPECT_EQ(list->height(), 150) << "down to the window's bottom";
    shiftDrag(QPoint(100, 2), QPoint(100, -60));
    EXPECT_EQ(list->geometry().top(), 0);
    EXPECT_EQ(list->height(), 200 - 0) << "the top stops at the window, the bottom stays";
    shiftDrag(QPoint(100, 2), QPoint(100, 190));
    EXPECT_EQ(list->height(), 40);
    EXPECT_EQ(list->geometry().top() % 5, 0);
}

// Zones are tested left, right, top, bottom; without Shift or when locked the edges do nothing.
TEST_F(ListBoxTest, ResizeZonesNeedShiftAndAMoveableList) {
    auto zoneAt = [&](int x, int y) {
        Mouse::move(list.get(), Mouse::at(list.get(), x, y), Qt::NoButton, Qt::ShiftModifier);
        return list->getResizeZone();
    };
    EXPECT_EQ(zoneAt(2, 2), 1) << "a corner counts as the left edge";
    EXPECT_EQ(zoneAt(197, 98), 2);
    EXPECT_EQ(zoneAt(100, 3), 3);
    EXPECT_EQ(zoneAt(100, 95), 0) << "height - 5 is still inside";
    EXPECT_EQ(zoneAt(100, 96), 4);
    const QRect before = list->geometry();
    const QPoint edge = Mouse::at(list.get(), 2, 50);
    Mouse::move(list.get(), edge);
    EXPECT_EQ(list->getResizeZone(), 0);
    Mouse::press(list.get(), edge);
    Mouse::move(list.get(), edge + QPoint(30, 0), Qt::LeftButton);
    Mouse::release(list.get(), edge + QPoint(30, 0));
    EXPECT_EQ(list->geometry(), before);
    list->setMoveable(false);
    Mouse::move(list.get(), edge, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(list->getResizeZone(), 0);
}

TEST_F(ListBoxTest, RowsStayInsideTheFrame) {
    context().colours.useOpacity = false;
    const int heights[] = {100, 95, 90, 85};  // the rows cut by the bottom edge differ
    std::vector<QImage> frames;
    for (const int height : heights) {
        list->setSize(200, height);
        frames.push_back(list->grab().toImage());
    }
    PlayList::instance().addSongs(std::vector<SongInfo>(50, {"/m/x", "WWWWWWWW", "WWWWWWWWWWWWW"}));
    for (size_t i = 0; i < frames.size(); ++i) {
        list->setSize(200, heights[i]);
        const QImage withRows = list->grab().toImage();
        for (int y = 0; y < heights[i]; ++y) {
            for (int x = 0; x < 200; ++x) {
                if (x < 5 || y < 5 || x >= 195 || y >= heights[i] - 5) {
                    ASSERT_EQ(withRows.pixel(x, y), frames[i].pixel(x, y)) << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
