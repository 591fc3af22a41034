#include <gtest/gtest.h>

#include <QRect>

#include "ResourceTable.h"
#include "skins/SkinWindowFile.h"
#include "skins/WindowCountFile.h"
#include "support/Files.h"

namespace {

using ElementRecord = SkinWindowFile::ElementRecord;

QByteArray defaultWindowFile() {
    return readFile(ResourceTable::pathOf(ResourceTable::defaultWindowFileId));
}

ElementRecord button(int function, int x, int y, unsigned sizeClass, bool moveable) {
    return {.function = function, .x = x, .y = y, .sizeClass = sizeClass, .moveable = moveable};
}

TEST(SkinWindowFile, TheDefaultFileAndAnyWindowRoundTripByteForByte) {
    const QByteArray bytes = defaultWindowFile();
    ASSERT_EQ(bytes.size(), 1350);
    const SkinWindowFile window = SkinWindowFile::parse(bytes);
    EXPECT_EQ(window.serialize(), bytes);
    EXPECT_FALSE(window.stoppedAtInvalidType);
    // An absurd count ends with the data, even when the last line has no line end.
    QByteArray absurd = QByteArray(bytes).replace("\r\n17\r\n", "\r\n4294967295\r\n");
    EXPECT_EQ(SkinWindowFile::parse(absurd.chopped(4)).elements.size(), 17u);
    EXPECT_EQ(QRect(window.x, window.y, window.collapsedWidth, window.collapsedHeight),
              QRect(0, 0, 285, 45));
    EXPECT_EQ(QSize(window.expandedWidth, window.expandedHeight), QSize(285, 210));
    ASSERT_EQ(window.elements.size(), 17u);
    EXPECT_EQ(window.elements[0], button(-1, 0, 0, 0, false));
    EXPECT_EQ(window.elements[15], button(11, 245, 10, 0, true));
    // clang-format off
    EXPECT_EQ(window.elements[10], (ElementRecord{.type = ElementType::slider, .function = 1,
        .sliderLength = 90, .filled = true, .x = 140, .y = 10, .moveable = true}));
    EXPECT_EQ(window.elements[16], (ElementRecord{.type = ElementType::listBox, .width = 275,
        .height = 155, .x = 5, .y = 50, .sizeClass = 1, .moveable = true}));
    SkinWindowFile other;
    other.x = -40;
    other.y = 700;
    other.collapsedWidth = 300;
    other.collapsedHeight = 55;
    other.expandedWidth = 310;
    other.expandedHeight = 400;
    other.elements = {button(12, 3, -4, 2, false),
        {.type = ElementType::slider, .function = 2, .sliderLength = 120, .vertical = true,
         .x = 7, .y = 8, .sizeClass = 1, .moveable = true},
        {.type = ElementType::info, .width = 150, .x = 1},
        {.type = ElementType::listBox, .width = 90, .height = 80, .y = 30}};
    // clang-format on
    const QByteArray written = other.serialize();
    EXPECT_TRUE(written.contains("\r\n>el\r\n-id\r\n3\r\n%an - %sn\r\nsize\r\n150\r\n-pos\r\n"));
    EXPECT_TRUE(written.endsWith("-moveable\r\n0\r\n\r\n"));
    EXPECT_EQ(SkinWindowFile::parse(written), other);
}

TEST(SkinWindowFile, SizesAndPositionsAreKeptToWhatAScreenCanShow) {
    const QByteArray bytes =
        "#VP-V1.0.0\r\n\r\n#main\r\n-pos\r\n2000000000\r\n-2000000000\r\n-dimC\r\n-5\r\n"
        "2000000000\r\n-dimE\r\n0\r\n16385\r\n-expanded\r\n0\r\n\r\n#elements\r\n2\r\n\r\n"
        ">el\r\n-id\r\n2\r\n-func\r\n1\r\nsize\r\n999999999\r\n-vert\r\n1\r\n-filled\r\n1\r\n"
        "-pos\r\n40000\r\n-40000\r\n-size(pic)\r\n0\r\n-moveable\r\n1\r\n\r\n"
        ">el\r\n-id\r\n4\r\n%an - %sn\r\nsize\r\n-1\r\n70000\r\n"
        "-pos\r\n0\r\n0\r\n-size(pic)\r\n1\r\n-moveable\r\n1\r\n\r\n";
    const SkinWindowFile window = SkinWindowFile::parse(bytes);
    const int max = SkinWindowFile::maxSize, maxAt = SkinWindowFile::maxPosition,
              minAt = SkinWindowFile::minPosition;
    EXPECT_EQ(QRect(window.x, window.y, window.collapsedWidth, window.collapsedHeight),
              QRect(maxAt, minAt, 0, max));
    EXPECT_EQ(QSize(window.expandedWidth, window.expandedHeight), QSize(0, max))
        << "a zero size stays zero";
    ASSERT_EQ(window.elements.size(), 2u);
    EXPECT_EQ(QRect(window.elements[0].x, window.elements[0].y, window.elements[0].sliderLength, 0),
              QRect(maxAt, minAt, max, 0));
    EXPECT_EQ(QSize(window.elements[1].width, window.elements[1].height), QSize(0, max));
}

TEST(WindowCountFile, ReadsACountOfZeroToTheLimit) {
    const std::pair<QByteArray, int> cases[] = {{WindowCountFile::serialize(3), 3},
                                                {"2", 2},
                                                {"0\r\n", 0},
                                                {"three\r\n", 0},
                                                {"", 0},
                                                {"-1\r\n", 0},
                                                {"64\r\n", 64},
                                                {"65\r\n", 64},
                                                {"4294967295\r\n", 64}};
    for (const auto& [bytes, count] : cases) {
        EXPECT_EQ(WindowCountFile::parse(bytes), count) << bytes.constData();
    }
    EXPECT_EQ(WindowCountFile::serialize(3), QByteArray("3\r\n"));
}

}  // namespace
