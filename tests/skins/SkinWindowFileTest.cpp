#include <gtest/gtest.h>

#include <QFile>
#include <QRect>

#include "ResourceTable.h"
#include "skins/SkinWindowFile.h"
#include "skins/WindowCountFile.h"

namespace {

using ElementRecord = SkinWindowFile::ElementRecord;

QByteArray defaultWindowFile() {
    QFile file(ResourceTable::pathOf(ResourceTable::defaultWindowFileId));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

ElementRecord button(int function, int x, int y, unsigned sizeClass, bool moveable) {
    ElementRecord element;
    element.type = ElementType::button;
    element.function = function;
    element.x = x;
    element.y = y;
    element.sizeClass = sizeClass;
    element.moveable = moveable;
    return element;
}

// The head of a window file up to the blank line before the first record.
QByteArray head(const char* expanded, const char* count) {
    return QByteArray(
               "#VP-V1.0.0\r\n\r\n#main\r\n-pos\r\n10\r\n20\r\n-dimC\r\n100\r\n40\r\n"
               "-dimE\r\n100\r\n200\r\n-expanded\r\n") +
           expanded + "\r\n\r\n#elements\r\n" + count + "\r\n\r\n";
}

QByteArray buttonRecord(int function) {
    ElementRecord element = button(function, function, 0, 0, true);
    SkinWindowFile one;
    one.elements.push_back(element);
    const QByteArray bytes = one.serialize();
    return bytes.mid(bytes.indexOf(">el"));
}

}  // namespace

TEST(SkinWindowFile, TheDefaultWindowFileRoundTripsByteForByte) {
    const QByteArray bytes = defaultWindowFile();
    ASSERT_EQ(bytes.size(), 1350);
    const SkinWindowFile window = SkinWindowFile::parse(bytes);
    EXPECT_EQ(window.serialize(), bytes);
    EXPECT_FALSE(window.stoppedAtInvalidType);
    EXPECT_EQ(QRect(window.x, window.y, window.collapsedWidth, window.collapsedHeight),
              QRect(0, 0, 285, 45));
    EXPECT_EQ(QSize(window.expandedWidth, window.expandedHeight), QSize(285, 210));
    ASSERT_EQ(window.elements.size(), 17u);
    EXPECT_EQ(window.elements[0], button(-1, 0, 0, 0, false));
    EXPECT_EQ(window.elements[15], button(11, 245, 10, 0, true));
    const ElementRecord& volume = window.elements[10];
    EXPECT_EQ(QRect(volume.x, volume.y, volume.sliderLength, volume.function),
              QRect(140, 10, 90, 1));
    EXPECT_TRUE(volume.type == ElementType::slider && !volume.vertical && volume.filled);
    const ElementRecord& list = window.elements[16];
    EXPECT_EQ(list.type, ElementType::listBox);
    EXPECT_EQ(QRect(list.x, list.y, list.width, list.height), QRect(5, 50, 275, 155));
}

TEST(SkinWindowFile, AWindowWrittenAndReadBackKeepsEverything) {
    SkinWindowFile window;
    window.x = -40;
    window.y = 700;
    window.collapsedWidth = 300;
    window.collapsedHeight = 55;
    window.expandedWidth = 310;
    window.expandedHeight = 400;
    window.expanded = false;
    window.elements.push_back(button(12, 3, -4, 2, false));
    ElementRecord slider;
    slider.type = ElementType::slider;
    slider.function = 2;
    slider.sliderLength = 120;
    slider.vertical = true;
    slider.filled = false;
    slider.x = 7;
    slider.y = 8;
    slider.sizeClass = 1;
    slider.moveable = true;
    window.elements.push_back(slider);
    ElementRecord info;
    info.type = ElementType::info;
    info.width = 150;
    info.x = 1;
    window.elements.push_back(info);
    ElementRecord list;
    list.type = ElementType::listBox;
    list.width = 90;
    list.height = 80;
    list.y = 30;
    window.elements.push_back(list);

    const QByteArray bytes = window.serialize();
    EXPECT_TRUE(bytes.contains("\r\n>el\r\n-id\r\n3\r\n%an - %sn\r\nsize\r\n150\r\n-pos\r\n"));
    EXPECT_TRUE(bytes.endsWith("-moveable\r\n0\r\n\r\n"));
    EXPECT_EQ(SkinWindowFile::parse(bytes), window);
}

TEST(SkinWindowFile, ACountThatIsNoNumberReadsAsNoElement) {
    const SkinWindowFile window = SkinWindowFile::parse(head("0", "many") + buttonRecord(4));
    EXPECT_TRUE(window.elements.empty());
    EXPECT_FALSE(window.stoppedAtInvalidType);
}

TEST(SkinWindowFile, AnUnendedLastLineIsReadAgainForTheRestOfItsRecord) {
    // Ends in the middle of a record: y, the size class and the flag all read "5" again.
    const QByteArray bytes = head("0", "1") + ">el\r\n-id\r\n1\r\n-func\r\n3\r\n-pos\r\n2\r\n5";
    const SkinWindowFile window = SkinWindowFile::parse(bytes);
    ASSERT_EQ(window.elements.size(), 1u);
    EXPECT_EQ(window.elements[0].x, 2);
    EXPECT_EQ(window.elements[0].y, 5);
    EXPECT_EQ(window.elements[0].sizeClass, 5u);
    EXPECT_FALSE(window.elements[0].moveable);
    EXPECT_FALSE(window.stoppedAtInvalidType);

    QByteArray withoutLastLineEnds = defaultWindowFile();
    withoutLastLineEnds.chop(4);
    ASSERT_TRUE(withoutLastLineEnds.endsWith("-moveable\r\n1"));
    EXPECT_EQ(SkinWindowFile::parse(withoutLastLineEnds).elements.size(), 17u);
}

TEST(SkinWindowFile, AnAbsurdCountOverAnUnendedLastLineStopsAtTheEndOfTheData) {
    QByteArray bytes = head("1", "4294967295") + buttonRecord(2);
    bytes.chop(4);  // the record now ends with its moveable flag "1" and no line end
    const SkinWindowFile window = SkinWindowFile::parse(bytes);
    ASSERT_EQ(window.elements.size(), 1u);
    EXPECT_EQ(window.elements[0].function, 2);
    EXPECT_FALSE(window.stoppedAtInvalidType);

    // When the re-read line is no element type the reading stops at it as at any other.
    QByteArray noType = head("1", "4294967295") + buttonRecord(2);
    noType.chop(5);
    noType += "7";
    const SkinWindowFile stopped = SkinWindowFile::parse(noType);
    EXPECT_EQ(stopped.elements.size(), 1u);
    EXPECT_TRUE(stopped.stoppedAtInvalidType);

    QByteArray ended = head("1", "4294967295") + buttonRecord(2) + buttonRecord(3);
    const SkinWindowFile endedWindow = SkinWindowFile::parse(ended);
    EXPECT_EQ(endedWindow.elements.size(), 2u);
    EXPECT_TRUE(endedWindow.stoppedAtInvalidType);
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
    EXPECT_EQ(window.x, SkinWindowFile::maxPosition);
    EXPECT_EQ(window.y, SkinWindowFile::minPosition);
    EXPECT_EQ(window.collapsedWidth, 0);
    EXPECT_EQ(window.collapsedHeight, SkinWindowFile::maxSize);
    EXPECT_EQ(window.expandedWidth, 0) << "a zero size stays zero";
    EXPECT_EQ(window.expandedHeight, SkinWindowFile::maxSize);
    ASSERT_EQ(window.elements.size(), 2u);
    EXPECT_EQ(window.elements[0].sliderLength, SkinWindowFile::maxSize);
    EXPECT_EQ(window.elements[0].x, SkinWindowFile::maxPosition);
    EXPECT_EQ(window.elements[0].y, SkinWindowFile::minPosition);
    EXPECT_EQ(window.elements[1].width, 0);
    EXPECT_EQ(window.elements[1].height, SkinWindowFile::maxSize);
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
