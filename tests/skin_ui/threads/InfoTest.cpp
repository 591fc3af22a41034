#include <QFontMetrics>
#include <QTest>

#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/Marquee.h"
#include "support/SkinTestSupport.h"

namespace {

TEST(Marquee, ATextWiderThanItsStripBouncesWithAPauseAtEachEnd) {
    // 300 pixels of text in a 285-pixel strip.
    Marquee marquee;
    bool moved = false;
    int steps = 0;
    int delay = 0;
    do {
        delay = marquee.step(285, 300, moved);
        ++steps;
        ASSERT_TRUE(moved);
    } while (marquee.isScrollingLeft() && steps < 1000);
    EXPECT_EQ(marquee.getScrollX(), -21) << "below 285 - 300 - 5";
    EXPECT_EQ(steps, 26);
    EXPECT_EQ(delay, 600) << "half a second's pause after the step";
    steps = 0;
    do {
        delay = marquee.step(285, 300, moved);
        ++steps;
        if (!marquee.isScrollingLeft()) {
            EXPECT_EQ(delay, 100);
        }
    } while (!marquee.isScrollingLeft() && steps < 1000);
    EXPECT_EQ(marquee.getScrollX(), 6) << "past the left edge's 5";
    EXPECT_EQ(steps, 27);
    EXPECT_EQ(delay, 600);
    marquee.step(285, 300, moved);
    EXPECT_EQ(marquee.getScrollX(), 5);
}

TEST(Marquee, ATextThatFitsStaysAtTheLeftAndIsNotRedrawn) {
    Marquee marquee;
    bool moved = true;
    EXPECT_EQ(marquee.step(285, 279, moved), 100);
    EXPECT_FALSE(moved);
    EXPECT_EQ(marquee.getScrollX(), 5);
    // Scrolled away, then the strip is widened past the text: back home at the next step.
    for (int i = 0; i < 10; ++i) {
        marquee.step(285, 300, moved);
    }
    ASSERT_EQ(marquee.getScrollX(), -5);
    marquee.step(400, 300, moved);
    EXPECT_EQ(marquee.getScrollX(), 5);
    EXPECT_FALSE(moved);
}

class InfoTest : public SkinTest {
protected:
    std::unique_ptr<Info> make(int width) {
        auto info = std::make_unique<Info>(window.get());
        info->setSize(width, 20);
        info->setPosition(10, 10);
        info->show();
        return info;
    }
};

TEST_F(InfoTest, StartsWithNothingPlayingWhichFits) {
    auto info = make(285);
    EXPECT_EQ(info->getText(), "Nothing playing");
    EXPECT_EQ(info->getTooltipText(), "info");
    EXPECT_EQ(info->height(), 20);
    info->grab();
    EXPECT_GT(info->getTextWidth(), 0) << "measured by the paint";
    for (int i = 0; i < 5; ++i) {
        info->scrollStep();
    }
    EXPECT_EQ(info->getScrollX(), 5);
}

TEST_F(InfoTest, ANewTextStartsAtTheLeftAndIsMeasuredAgain) {
    auto info = make(60);
    info->setText("A rather long title - Somebody with a long name");
    info->grab();
    const int measured = info->getTextWidth();
    EXPECT_GT(measured, 60);
    for (int i = 0; i < 8; ++i) {
        info->scrollStep();
    }
    ASSERT_LT(info->getScrollX(), 5);
    info->setText("Short");
    EXPECT_EQ(info->getScrollX(), 5);
    EXPECT_TRUE(info->isScrollingLeft());
    EXPECT_EQ(info->getTextWidth(), 0);
    EXPECT_EQ(info->getTooltipText(), "Short");
}

TEST_F(InfoTest, TheScrollTimerRestsWhileTheTextFits) {
    auto info = make(285);
    info->grab();
    QTest::qWait(Marquee::stepMs * 2);
    EXPECT_FALSE(info->isScrolling()) << "an idle player wakes nobody ten times a second";
    info->setText(QString(80, 'W'));
    info->grab();
    EXPECT_TRUE(info->isScrolling());
}

TEST_F(InfoTest, TheWidthChangesByShiftDraggingAnEnd) {
    auto info = make(100);
    info->setMoveable(false);  // the width can change on a locked element too
    auto drag = [&](int fromX, int toX) {
        const QPoint start = Mouse::at(info.get(), fromX, 10);
        Mouse::move(info.get(), start, Qt::NoButton, Qt::ShiftModifier);
        Mouse::press(info.get(), start, Qt::ShiftModifier);
        ASSERT_TRUE(info->isWidthChanging());
        const QPoint end = Mouse::at(window.get(), toX, 20);
        Mouse::move(info.get(), end, Qt::LeftButton, Qt::ShiftModifier);
        Mouse::release(info.get(), end, Qt::ShiftModifier);
        EXPECT_FALSE(info->isWidthChanging());
    };
    drag(98, 10 + 157);
    EXPECT_EQ(info->geometry(), QRect(10, 10, 155, 20));
    drag(153, 12);
    EXPECT_EQ(info->width(), 30) << "never narrower than 30";
    drag(28, 900);
    EXPECT_EQ(info->width(), 290) << "never past the window's right edge";
    drag(2, 63);
    EXPECT_EQ(info->geometry(), QRect(60, 10, 240, 20));
}

}  // namespace
