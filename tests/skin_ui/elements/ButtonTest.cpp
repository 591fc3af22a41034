#include "skin_ui/Tooltip.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "support/SkinTestSupport.h"

namespace {

class ButtonTest : public SkinTest {
protected:
    std::unique_ptr<ButtonFunction> make(int function) {
        auto button = std::make_unique<ButtonFunction>(window.get(), function);
        button->setReceiver(&receiver);
        button->setPosition(50, 50);
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

TEST_F(ButtonTest, AnUnknownFunctionIsStoredButKeepsThePicture) {
    auto button = make(3);
    const Bitmap* picture = button->getBitmap();
    button->setFunction(42);
    EXPECT_EQ(button->getFunction(), 42);
    EXPECT_EQ(button->getBitmap(), picture);
    EXPECT_EQ(button->getTooltipText(), "prev");
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

}  // namespace
