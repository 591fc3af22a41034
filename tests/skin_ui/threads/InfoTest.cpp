#include <QFontMetrics>
#include <QTest>

#include "skin_ui/elements/Info.h"
#include "skin_ui/elements/Marquee.h"
#include "support/SkinTestSupport.h"

namespace {

// 300 pixels of text in a 285-pixel strip bounce with a pause at each end; a text that fits
// stays at the left and is not redrawn.
TEST(Marquee, ATextWiderThanItsStripBouncesWithAPauseAtEachEnd) {
    Marquee marquee;
    bool moved = false;
    for (const bool leftwards : {true, false}) {
        int steps = 0, delay = 0;
        do {
            delay = marquee.step(285, 300, moved);
            ++steps;
            ASSERT_TRUE(moved);
            if (!leftwards && !marquee.isScrollingLeft()) {
                EXPECT_EQ(delay, 100);
            }
        } while (marquee.isScrollingLeft() == leftwards && steps < 1000);
        EXPECT_EQ(marquee.getScrollX(), leftwards ? -21 : 6) << "past 285 - 300 - 5, or 5";
        EXPECT_EQ(steps, leftwards ? 26 : 27);
        EXPECT_EQ(delay, 600) << "half a second's pause after the step";
    }
    marquee.step(285, 300, moved);
    EXPECT_EQ(marquee.getScrollX(), 5);
    marquee.step(285, 300, moved);
    ASSERT_LT(marquee.getScrollX(), 5);
    marquee.step(400, 300, moved);  // the strip widened past the text: back home
    EXPECT_EQ(marquee.getScrollX(), 5);
    EXPECT_FALSE(moved);
    EXPECT_EQ(marquee.step(285, 279, moved), 100);
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

// "Nothing playing" fits and rests the scroll timer (an idle player wakes nobody ten times a
// second); a new text starts at the left and is measured again by the paint.
TEST_F(InfoTest, ATextThatFitsStaysAndANewTextStartsAtTheLeft) {
    auto info = make(285);
    EXPECT_EQ(info->getText(), "Nothing playing");
    EXPECT_EQ(info->getTooltipText(), "info");
    EXPECT_EQ(info->height(), 20);
    info->grab();
    EXPECT_GT(info->getTextWidth(), 0) << "measured by the paint";
    QTRY_VERIFY_WITH_TIMEOUT(!info->isScrolling(), 5000);
    EXPECT_EQ(info->getScrollX(), 5);
    info->setSize(60, 20);
    info->setText("A rather long title - Somebody with a long name");
    info->grab();
    EXPECT_TRUE(info->isScrolling());
    EXPECT_GT(info->getTextWidth(), 60);
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
