#include <QImage>

#include "skin_ui/InputRouter.h"
#include "skin_ui/Tooltip.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
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

}  // namespace
