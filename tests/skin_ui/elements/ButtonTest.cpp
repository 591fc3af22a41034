// Buttons: their looks and clicks, and the router that gives a held button's moves and release
// to the widget under the cursor, as the skin expects (Qt hands them to the widget pressed). A
// release off every window and a knob drag leaving its slider are tested with real X input.
#include "skin_ui/InputRouter.h"
#include "skin_ui/Tooltip.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "support/SkinTestSupport.h"

namespace {

class ButtonTest : public SkinTest {
protected:
    std::unique_ptr<ButtonFunction> make(int function, int x = 50, int y = 50) {
        auto button = std::make_unique<ButtonFunction>(window.get(), function);
        button->setReceiver(&receiver);
        button->setPosition(x, y);
        button->show();
        return button;
    }
};

TEST_F(ButtonTest, LooksFollowTheMouseAndAReleaseFiresOnce) {
    auto button = make(4);
    const QPoint inside = Mouse::at(button.get(), 5, 5);
    EXPECT_EQ(button->getState(), Button::normalState);
    Mouse::move(button.get(), inside);
    EXPECT_EQ(button->getState(), Button::hoverState);
    Mouse::press(button.get(), inside);
    EXPECT_EQ(button->getState(), Button::pressedState);
    Mouse::move(button.get(), inside + QPoint(3, 3), Qt::LeftButton);
    EXPECT_EQ(button->getState(), Button::pressedState) << "moving while pressed keeps the look";
    Mouse::release(button.get(), inside + QPoint(3, 3));
    EXPECT_EQ(button->getState(), Button::hoverState);
    ASSERT_EQ(receiver.count(), 1u);
    EXPECT_EQ(dynamic_cast<ButtonFunction*>(receiver.callers[0]), button.get());
}

TEST_F(ButtonTest, LeavingWhilePressedReturnsToNormalWithoutFiring) {
    auto button = make(4);
    const QPoint inside = Mouse::at(button.get(), 5, 5);
    const QPoint outside = Mouse::at(window.get(), 200, 150);
    Mouse::move(button.get(), inside);
    Mouse::press(button.get(), inside);
    // Qt keeps sending to the pressed widget; the leave must come all the same.
    Mouse::move(button.get(), outside, Qt::LeftButton);
    EXPECT_EQ(button->getState(), Button::normalState);
    Mouse::release(button.get(), outside);
    EXPECT_EQ(receiver.count(), 0u) << "a release outside is no click";
    EXPECT_EQ(button->getState(), Button::normalState);
}

TEST_F(ButtonTest, TwoStateFunctionsStartWithThePictureOfTheCurrentState) {
    PlayList& playlist = PlayList::instance();
    playlist.setShuffle(true);
    playlist.setRepeat(true);
    EXPECT_EQ(make(7)->getBitmap()->getName(), "112_shuffle_1.bmp");
    EXPECT_EQ(make(8)->getBitmap()->getName(), "114_repeat_1.bmp");
    playlist.setShuffle(false);
    playlist.setRepeat(false);
    Sound& sound = Sound::instance();
    ASSERT_TRUE(sound.toggleMute());
    EXPECT_EQ(make(5)->getBitmap()->getName(), "108_mute_1.bmp");
    sound.toggleMute();
    EXPECT_EQ(make(5)->getBitmap()->getName(), "107_mute_0.bmp");
    EXPECT_EQ(make(6)->getBitmap()->getName(), "109_expand_0.bmp") << "always collapsed at first";
}

TEST_F(ButtonTest, PaintShowsTheFrameOfTheLook) {
    context().colours.useOpacity = false;
    auto button = make(2);
    const QImage picture(skinFolder() + "/1/104_stop.bmp");
    ASSERT_EQ(picture.size(), QSize(60, 20));
    for (int state = 0; state < 3; ++state) {
        if (state == Button::pressedState) {
            Mouse::press(button.get(), Mouse::at(button.get(), 1, 1));
        } else if (state == Button::hoverState) {
            Mouse::move(button.get(), Mouse::at(button.get(), 1, 1));
        }
        ASSERT_EQ(button->getState(), state);
        const QImage shown = button->grab().toImage();
        EXPECT_EQ(shown.pixel(10, 10), picture.pixel(20 * state + 10, 10)) << state;
        EXPECT_EQ(shown.pixel(3, 17), picture.pixel(20 * state + 3, 17)) << state;
    }
    Mouse::release(button.get(), Mouse::at(button.get(), 1, 1));
}

TEST_F(ButtonTest, PressOnOneButtonReleaseOnAnotherFiresTheSecondOnly) {
    auto first = make(3, 20, 20), second = make(4, 100, 20);
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
    QEvent leave(QEvent::Leave);  // Qt's late leave of the pressed button changes nothing
    QApplication::sendEvent(first.get(), &leave);
    EXPECT_EQ(second->getState(), Button::hoverState);
    EXPECT_EQ(InputRouter::instance().hoveredElement(), second.get());
}

TEST_F(ButtonTest, AnElementMoveKeepsTheMouseOverOtherElements) {
    auto first = make(3, 20, 20), second = make(4, 100, 20);
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

TEST_F(ButtonTest, MovingOffAnElementCancelsItsHover) {
    auto first = make(3, 20, 20);
    InputRouter& router = InputRouter::instance();
    Mouse::move(first.get(), Mouse::at(first.get(), 5, 5));
    ASSERT_TRUE(router.isHoverArmed());
    Mouse::move(first.get(), Mouse::at(window.get(), 250, 150));
    EXPECT_FALSE(router.isHoverArmed());
    EXPECT_EQ(router.hoveredElement(), nullptr);
    EXPECT_FALSE(first->getTooltip()->isVisible());
}

}  // namespace
