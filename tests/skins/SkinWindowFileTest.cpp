#include <gtest/gtest.h>

#include <QFile>

#include "ResourceTable.h"
#include "skins/SkinWindowFile.h"

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
    EXPECT_EQ(window.x, 0);
    EXPECT_EQ(window.collapsedWidth, 285);
    EXPECT_EQ(window.collapsedHeight, 45);
    EXPECT_EQ(window.expandedWidth, 285);
    EXPECT_EQ(window.expandedHeight, 210);
    EXPECT_TRUE(window.expanded);
    ASSERT_EQ(window.elements.size(), 17u);
    EXPECT_EQ(window.elements[0], button(-1, 0, 0, 0, false));
    EXPECT_EQ(window.elements[15], button(11, 245, 10, 0, true));

    const ElementRecord& volume = window.elements[10];
    EXPECT_EQ(volume.type, ElementType::slider);
    EXPECT_EQ(volume.function, 1);
    EXPECT_EQ(volume.sliderLength, 90);
    EXPECT_FALSE(volume.vertical);
    EXPECT_TRUE(volume.filled);
    EXPECT_EQ(volume.x, 140);
    EXPECT_EQ(volume.y, 10);

    EXPECT_EQ(window.elements[12].type, ElementType::info);
    EXPECT_EQ(window.elements[12].width, 285);
    EXPECT_EQ(window.elements[12].sizeClass, 1u);
    const ElementRecord& list = window.elements[16];
    EXPECT_EQ(list.type, ElementType::listBox);
    EXPECT_EQ(list.width, 275);
    EXPECT_EQ(list.height, 155);
    EXPECT_EQ(list.x, 5);
    EXPECT_EQ(list.y, 50);
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

TEST(SkinWindowFile, ExpandedIsOnlyExactly1) {
    EXPECT_TRUE(SkinWindowFile::parse(head("1", "0")).expanded);
    EXPECT_FALSE(SkinWindowFile::parse(head("2", "0")).expanded);
    EXPECT_FALSE(SkinWindowFile::parse(head("on", "0")).expanded);
}

TEST(SkinWindowFile, AFileCutShortAfterItsFifthRecordStopsAtTheNextType) {
    QByteArray bytes = head("1", "17");
    for (int function = 1; function <= 5; ++function) {
        bytes += buttonRecord(function);
    }
    ASSERT_TRUE(bytes.endsWith("\r\n\r\n"));
    const SkinWindowFile window = SkinWindowFile::parse(bytes);
    ASSERT_EQ(window.elements.size(), 5u);
    EXPECT_EQ(window.elements[4].function, 5);
    EXPECT_TRUE(window.stoppedAtInvalidType);
    EXPECT_TRUE(window.expanded) << "read, but the caller leaves it unapplied";
    EXPECT_EQ(window.x, 10);
}

TEST(SkinWindowFile, AnUnknownTypeStopsTheReadingAndKeepsTheRecordsBefore) {
    QByteArray bytes = head("0", "3") + buttonRecord(4);
    bytes +=
        ">el\r\n-id\r\n5\r\n-func\r\n1\r\n-pos\r\n0\r\n0\r\n-size(pic)\r\n0\r\n-moveable\r\n0"
        "\r\n\r\n";
    bytes += buttonRecord(6);
    const SkinWindowFile window = SkinWindowFile::parse(bytes);
    ASSERT_EQ(window.elements.size(), 1u);
    EXPECT_EQ(window.elements[0].function, 4);
    EXPECT_TRUE(window.stoppedAtInvalidType);

    const SkinWindowFile noCount = SkinWindowFile::parse(head("0", "many") + buttonRecord(4));
    EXPECT_TRUE(noCount.elements.empty()) << "a count that is not a number reads as 0";
    EXPECT_FALSE(noCount.stoppedAtInvalidType);
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

TEST(SkinWindowFile, FileNameIsTheIndexAfterSfw) {
    EXPECT_EQ(SkinWindowFile::fileName(0), QString("sfw.0"));
    EXPECT_EQ(SkinWindowFile::fileName(12), QString("sfw.12"));
}
