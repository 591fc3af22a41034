#include "skin_ui/elements/ListBox.h"
#include "support/SkinTestSupport.h"

namespace {

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
