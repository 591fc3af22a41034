#include "skin_ui/InputRouter.h"
#include "skin_ui/Tooltip.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "support/SkinTestSupport.h"

namespace {

// Qt hands a held button's moves and release to the widget that was pressed; the router gives
// them to the widget under the cursor, as the skin expects. (A release off every window and a
// knob drag leaving its slider are tested with real X input, tests/e2e/realinput.)
class InputRouterTest : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        first = std::make_unique<ButtonFunction>(window.get(), 3);
        second = std::make_unique<ButtonFunction>(window.get(), 4);
        for (ButtonFunction* button : {first.get(), second.get()}) {
            button->setReceiver(&receiver);
            button->show();
        }
        first->setPosition(20, 20);
        second->setPosition(100, 20);
    }
    std::unique_ptr<ButtonFunction> first;
    std::unique_ptr<ButtonFunction> second;
};

TEST_F(InputRouterTest, PressOnOneButtonReleaseOnAnotherFiresTheSecond) {
    const QPoint onFirst = Mouse::at(first.get(), 5, 5);
    const QPoint onSecond = Mouse::at(second.get(), 5, 5);
    Mouse::move(first.get(), onFirst);
    Mouse::press(first.get(), onFirst);
    Mouse::move(first.get(), onSecond, Qt::LeftButton);
    EXPECT_EQ(first->getState(), Button::normalState) << "left while the button was held";
    EXPECT_EQ(second->getState(), Button::hoverState);
    EXPECT_EQ(InputRouter::instance().hoveredElement(), second.get());
    Mouse::release(first.get(), onSecond);
    ASSERT_EQ(receiver.count(), 1u);
    EXPECT_EQ(dynamic_cast<ButtonFunction*>(receiver.callers[0]), second.get());
}

TEST_F(InputRouterTest, QtsLateLeaveOfThePressedButtonChangesNothing) {
    const QPoint onFirst = Mouse::at(first.get(), 5, 5);
    const QPoint onSecond = Mouse::at(second.get(), 5, 5);
    Mouse::move(first.get(), onFirst);
    Mouse::press(first.get(), onFirst);
    Mouse::move(first.get(), onSecond, Qt::LeftButton);
    Mouse::release(first.get(), onSecond);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(first.get(), &leave);
    EXPECT_EQ(second->getState(), Button::hoverState);
    EXPECT_EQ(InputRouter::instance().hoveredElement(), second.get());
}

TEST_F(InputRouterTest, AnElementMoveKeepsTheMouseOverOtherElements) {
    const QPoint onFirst = Mouse::at(first.get(), 5, 5);
    Mouse::press(first.get(), onFirst, Qt::ShiftModifier);
    ASSERT_TRUE(first->isMoving());
    // Dragged across the second button: the first keeps every event and moves along.
    const QPoint onSecond = Mouse::at(second.get(), 5, 5);
    Mouse::move(first.get(), onSecond, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(second->getState(), Button::normalState);
    EXPECT_EQ(first->getX(), 100);
    Mouse::release(first.get(), onSecond, Qt::ShiftModifier);
    EXPECT_FALSE(first->isMoving());
    EXPECT_EQ(receiver.count(), 0u);
}

TEST_F(InputRouterTest, MovingOffAnElementCancelsItsHover) {
    InputRouter& router = InputRouter::instance();
    Mouse::move(first.get(), Mouse::at(first.get(), 5, 5));
    ASSERT_TRUE(router.isHoverArmed());
    Mouse::move(first.get(), Mouse::at(window.get(), 250, 150));
    EXPECT_FALSE(router.isHoverArmed());
    EXPECT_EQ(router.hoveredElement(), nullptr);
    EXPECT_FALSE(first->getTooltip()->isVisible());
}

}  // namespace
