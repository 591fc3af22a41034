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

TEST_F(ElementTest, ShiftDragMovesOnTheFivePixelGrid) {
    Element* element = makeButton();
    shiftDrag(element, 7, 0);
    EXPECT_EQ(element->getX(), 55) << "7 pixels move 5";
    EXPECT_EQ(element->getY(), 50);
    shiftDrag(element, 4, 4);
    EXPECT_EQ(element->pos(), QPoint(55, 50)) << "4 pixels leave it in place";
    shiftDrag(element, -13, 9);
    EXPECT_EQ(element->pos(), QPoint(40, 55)) << "42 snaps to 40";
    EXPECT_FALSE(element->isMoving());
    EXPECT_EQ(receiver.count(), 0u) << "a move is not a click";
}

TEST_F(ElementTest, ShiftDragStaysInsideTheWindow) {
    Element* element = makeButton();
    shiftDrag(element, 1000, 1000);
    EXPECT_EQ(element->pos(), QPoint(300 - 20, 200 - 20));
    shiftDrag(element, -1000, -1000);
    EXPECT_EQ(element->pos(), QPoint(0, 0));
}

TEST_F(ElementTest, AnElementWiderThanItsWindowEndsAtANegativePosition) {
    Info info(window.get());
    info.setSize(320, 20);
    info.setPosition(0, 0);
    info.show();
    shiftDrag(&info, 10, 0);
    EXPECT_EQ(info.getX(), 300 - 320) << "the upper bound is applied last and wins";
}

TEST_F(ElementTest, ShiftClickOnALockedButtonIsAClick) {
    Element* element = makeButton();
    element->setMoveable(false);
    const QPoint point = Mouse::at(element, 10, 10);
    Mouse::press(element, point, Qt::ShiftModifier);
    EXPECT_FALSE(element->isMoving());
    Mouse::release(element, point, Qt::ShiftModifier);
    EXPECT_EQ(receiver.count(), 1u);
    EXPECT_EQ(element->pos(), QPoint(50, 50));
}

TEST_F(ElementTest, ShiftClickOnAMoveableButtonMovesAndDoesNotFire) {
    Element* element = makeButton();
    const QPoint point = Mouse::at(element, 10, 10);
    Mouse::press(element, point, Qt::ShiftModifier);
    EXPECT_TRUE(element->isMoving());
    EXPECT_EQ(QWidget::mouseGrabber(), element) << "a move keeps the mouse";
    Mouse::release(element, point, Qt::ShiftModifier);
    EXPECT_FALSE(element->isMoving());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(receiver.count(), 0u);
}

TEST_F(ElementTest, CtrlPressDragsTheWholeWindow) {
    Element* element = makeButton();
    const QPoint point = Mouse::at(element, 10, 10);
    Mouse::press(element, point, Qt::ControlModifier);
    EXPECT_TRUE(window->isDragging());
    EXPECT_FALSE(element->isMoving());
    // The window holds the mouse now: the release reaches it, not the button.
    Mouse::release(QWidget::mouseGrabber(), point, Qt::ControlModifier);
    EXPECT_FALSE(window->isDragging());
    EXPECT_EQ(receiver.count(), 0u);
}

TEST_F(ElementTest, AltClickNeverFires) {
    Element* element = makeButton();
    const QPoint point = Mouse::at(element, 10, 10);
    Mouse::press(element, point, Qt::AltModifier);
    Mouse::release(element, point, Qt::AltModifier);
    EXPECT_EQ(receiver.count(), 0u);
    EXPECT_FALSE(window->isResizing()) << "Alt over an element arms no window resize";
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

    Info info(window.get());
    info.setSize(120, 20);
    info.setSizeClass(2);
    EXPECT_EQ(info.size(), QSize(120, 20));

    ListBox list(window.get());
    list.setSize(275, 155);
    list.setSizeClass(0);
    EXPECT_EQ(list.size(), QSize(275, 155));
}

TEST_F(ElementTest, SizeClassPicksThePictureFolderAndOnlyReloadsOnChange) {
    ButtonFunction prev(window.get(), 3);
    prev.setPosition(40, 40);
    const Bitmap* first = prev.getBitmap();
    prev.setSizeClass(1);
    EXPECT_EQ(prev.getBitmap(), first) << "the same size class does not reload";

    prev.setSizeClass(2);
    EXPECT_NE(prev.getBitmap(), first);
    EXPECT_EQ(prev.size(), QSize(30, 30));
    EXPECT_EQ(prev.pos(), QPoint(40, 40));
    EXPECT_TRUE(QFileInfo::exists(skinFolder() + "/2/105_prev.bmp"));
    EXPECT_EQ(prev.getBitmap()->getName(), "105_prev.bmp");
}

TEST_F(ElementTest, OpacityColourBecomesThePicturesTransparentColour) {
    context().colours.useOpacity = true;
    context().colours.opacityColour = makeColour(1, 2, 3);
    ButtonFunction withOpacity(window.get(), 2);
    EXPECT_EQ(withOpacity.getBitmap()->getTransparentColour(), makeColour(1, 2, 3));

    context().colours.useOpacity = false;
    ButtonFunction opaque(window.get(), 2);
    EXPECT_EQ(opaque.getBitmap()->getTransparentColour(), noTransparentColour);
}

TEST_F(ElementTest, AMissingPictureLeavesAWorkingZeroSizedElement) {
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
