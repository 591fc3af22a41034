#include <QImage>

#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/elements/SliderFunction.h"
#include "support/SkinTestSupport.h"

namespace {

class SliderTest : public SkinTest {
protected:
    // A horizontal volume slider, 90 x 10 at (20, 100) and size class 0.
    std::unique_ptr<SliderFunction> make(int function = SliderFunction::volumeFunction) {
        auto slider = std::make_unique<SliderFunction>(window.get(), function);
        slider->setReceiver(&receiver);
        slider->setSizeClass(0);
        slider->setSize(90, 10);
        slider->setPosition(20, 100);
        slider->show();
        return slider;
    }
    void click(Slider* slider, int x, int y) {
        Mouse::press(slider, Mouse::at(slider, x, y));
        Mouse::release(slider, Mouse::at(slider, x, y));
    }
};

// The 90 x 10 slider's track is 80 pixels (the length less the knob); values grow to the
// right and upward, and the far end of the track goes past the maximum.
TEST_F(SliderTest, AClickReportsTheValueUnderTheCursor) {
    const struct {
        bool vertical;
        int length;
        int maximum;
        QPoint at;
        int value;
    } cases[] = {
        {false, 90, 100, {40, 5}, 50}, {false, 90, 100, {88, 5}, 110}, {true, 90, 100, {5, 0}, 100},
        {true, 90, 100, {5, 40}, 50},  {true, 90, 100, {5, 88}, -10},  // below the track's start
        {false, 10, 100, {7, 5}, 0},                                   // no travel
        {false, 90, 0, {60, 5}, 0},                                    // no maximum
    };
    for (const auto& c : cases) {
        auto slider = make();
        slider->setMaximum(c.maximum);
        slider->setSize(c.length, 10);
        slider->setVertical(c.vertical);
        click(slider.get(), c.at.x(), c.at.y());
        EXPECT_EQ(slider->getValue(), c.value) << c.vertical << " " << c.at.x() << "," << c.at.y();
        EXPECT_EQ(slider->getKnobFrame(), 1) << "the knob is hovered after the release";
        EXPECT_EQ(receiver.count(), 1u) << "the click is reported";
        receiver.callers.clear();
    }
}

TEST_F(SliderTest, SetValuePlacesTheKnobAndPaintClampsIt) {
    auto slider = make();
    slider->setVertical(true);  // the size swaps at the same corner, once
    slider->setVertical(true);
    EXPECT_EQ(slider->geometry(), QRect(20, 100, 10, 90));
    slider->setVertical(false);
    EXPECT_EQ(slider->geometry(), QRect(20, 100, 90, 10));
    slider->setValue(50);
    EXPECT_EQ(slider->getKnobPos(), 40);
    EXPECT_EQ(receiver.count(), 0u) << "a program change is not reported";
    slider->setValue(50, true);
    EXPECT_EQ(receiver.count(), 1u);
    slider->setValue(0);
    EXPECT_EQ(slider->getKnobPos(), 0);
    slider->grab();
    EXPECT_EQ(slider->getKnobPos(), 5) << "half the thickness";
    slider->setValue(100);
    slider->grab();
    EXPECT_EQ(slider->getKnobPos(), 80) << "length - half the thickness";
    // Without travel or without a maximum the knob stays at the track's start.
    slider->setSize(10, 10);
    slider->setValue(60);
    EXPECT_EQ(slider->getValue(), 0);
    slider->setSize(90, 10);
    slider->setMaximum(0);
    slider->setValue(500);
    EXPECT_EQ(slider->getKnobPos(), 0);
    slider->setVertical(true);
    slider->setValue(7);
    EXPECT_EQ(slider->getKnobPos(), 80) << "the start of a vertical track is its bottom";
}

TEST_F(SliderTest, KnobDragReportsEveryMove) {
    auto slider = make();
    Mouse::press(slider.get(), Mouse::at(slider.get(), 20, 5));
    Mouse::move(slider.get(), Mouse::at(slider.get(), 60, 5), Qt::LeftButton);
    EXPECT_EQ(receiver.count(), 2u);
    EXPECT_EQ(slider->getValue(), 75);
    Mouse::release(slider.get(), Mouse::at(slider.get(), 60, 5));
    Mouse::move(slider.get(), Mouse::at(slider.get(), 30, 5));
    EXPECT_EQ(receiver.count(), 2u) << "hovering after the release moves nothing";
}

class SliderLengthTest : public SliderTest {
protected:
    // Shift-drags the end under `from` (client position) to `to` (client position of the window).
    void dragEnd(Slider* slider, QPoint from, QPoint to) {
        const QPoint start = Mouse::at(slider, from.x(), from.y());
        Mouse::move(slider, start, Qt::NoButton, Qt::ShiftModifier);
        Mouse::press(slider, start, Qt::ShiftModifier);
        ASSERT_TRUE(slider->isLengthChanging());
        Mouse::move(slider, Mouse::at(window.get(), to.x(), to.y()), Qt::LeftButton,
                    Qt::ShiftModifier);
        Mouse::release(slider, Mouse::at(window.get(), to.x(), to.y()), Qt::ShiftModifier);
        EXPECT_FALSE(slider->isLengthChanging());
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
};

// Shift near an end of a moveable slider arms it; the length snaps to the grid of 5 and stays
// within its limits.
TEST_F(SliderLengthTest, TheLengthChangesByShiftDraggingAnEnd) {
    auto slider = make();
    const std::pair<int, int> edges[] = {{2, 1}, {87, 2}, {45, 0}};
    for (const auto& [x, edge] : edges) {
        Mouse::move(slider.get(), Mouse::at(slider.get(), x, 5), Qt::NoButton, Qt::ShiftModifier);
        EXPECT_EQ(slider->getLengthEdge(), edge) << x;
    }
    Mouse::move(slider.get(), Mouse::at(slider.get(), 87, 5));
    EXPECT_EQ(slider->getLengthEdge(), 0) << "Shift released";
    dragEnd(slider.get(), QPoint(88, 5), QPoint(20 + 123, 105));
    EXPECT_EQ(slider->geometry(), QRect(20, 100, 120, 10)) << "123 snaps to 120";
    dragEnd(slider.get(), QPoint(118, 5), QPoint(25, 105));
    EXPECT_EQ(slider->width(), 30) << "never shorter than 30";
    dragEnd(slider.get(), QPoint(28, 5), QPoint(350, 105));
    EXPECT_EQ(slider->width(), 280) << "the room left in the 300-pixel window";
    dragEnd(slider.get(), QPoint(1, 5), QPoint(-40, 105));
    EXPECT_EQ(slider->geometry(), QRect(0, 100, 300, 10)) << "the left end stops at the window";
    dragEnd(slider.get(), QPoint(1, 5), QPoint(47, 105));
    EXPECT_EQ(slider->geometry(), QRect(45, 100, 255, 10)) << "the right end stays";
    slider->setGeometry(20, 100, 90, 10);
    slider->setVertical(true);
    dragEnd(slider.get(), QPoint(5, 88), QPoint(25, 100 + 62));
    EXPECT_EQ(slider->geometry(), QRect(20, 100, 10, 60));
    dragEnd(slider.get(), QPoint(5, 58), QPoint(25, 500));
    EXPECT_EQ(slider->height(), 100) << "down to the window's bottom";
    slider->setMoveable(false);
    Mouse::move(slider.get(), Mouse::at(slider.get(), 5, 58), Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(slider->getLengthEdge(), 0) << "a locked slider";
}

TEST_F(SliderLengthTest, TheKnobKeepsItsValueAndPlaybackIsPausedMeanwhile) {
    auto slider = make();
    slider->setValue(40);
    const QPoint start = Mouse::at(slider.get(), 88, 5);
    Mouse::move(slider.get(), start, Qt::NoButton, Qt::ShiftModifier);
    Mouse::press(slider.get(), start, Qt::ShiftModifier);
    EXPECT_TRUE(Sound::instance().isPaused());
    Mouse::move(slider.get(), Mouse::at(window.get(), 20 + 170, 105), Qt::LeftButton,
                Qt::ShiftModifier);
    EXPECT_EQ(slider->width(), 170);
    EXPECT_EQ(slider->getValue(), 40);
    EXPECT_EQ(receiver.count(), 1u) << "the kept value is reported";
    Mouse::release(slider.get(), Mouse::at(window.get(), 20 + 170, 105), Qt::ShiftModifier);
    EXPECT_FALSE(Sound::instance().isPaused()) << "the pause from before is restored";
}

TEST_F(SliderTest, ProgressSlidersFollowThePlayerUntilTheyBecomeVolume) {
    auto slider = make(SliderFunction::progressFunction);
    EXPECT_EQ(slider->getBitmap()->getName(), "200_progress.bmp");
    EXPECT_EQ(slider->getTooltipText(), "progress");
    slider->setLength(8000);
    Sound::instance().updateProgress(4000);
    EXPECT_EQ(slider->getMaximum(), 8000);
    EXPECT_EQ(slider->getKnobPos(), 40);
    EXPECT_EQ(receiver.count(), 0u) << "play positions are not reported back";
    slider->setFunction(SliderFunction::volumeFunction);
    EXPECT_EQ(slider->getBitmap()->getName(), "201_volume.bmp");
    EXPECT_EQ(slider->getTooltipText(), "Volume");
    Sound::instance().updateProgress(8000);
    EXPECT_EQ(slider->getKnobPos(), 40);
}

TEST_F(SliderTest, PaintFillsTheTrackUpToTheKnobInThePicturesColour) {
    auto slider = make();
    slider->setSize(200, 10);
    slider->setValue(50);
    const Bitmap* picture = slider->getBitmap();
    const QColor fill = toQColor(picture->pixel(0, picture->height() - 1));
    QImage shown = slider->grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, 5), fill) << "between the track start and the knob";
    EXPECT_NE(shown.pixelColor(150, 5), fill) << "beyond the knob";
    EXPECT_NE(shown.pixelColor(20, 1), fill) << "inset 3 pixels at size class 0";
    slider->setFilled(false);
    shown = slider->grab().toImage();
    EXPECT_NE(shown.pixelColor(20, 5), fill);
}

}  // namespace
