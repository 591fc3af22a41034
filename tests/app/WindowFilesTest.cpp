#include <QFile>

#include "AppFixture.h"
#include "ResourceTable.h"
#include "app/SkinWindows.h"
#include "app/Variables.h"
#include "skin_ui/MainWindow.h"
#include "skin_ui/WindowGeometry.h"
#include "skin_ui/elements/ButtonFunction.h"
#include "skin_ui/elements/SliderFunction.h"
#include "skins/SkinWindowFile.h"

namespace {

QByteArray builtInDefaultWindowFile() {
    QFile file(ResourceTable::pathOf(ResourceTable::defaultWindowFileId));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The default window file with its element count and records cut after `keep` records.
QByteArray defaultCutAfter(int keep) {
    QByteArray bytes = builtInDefaultWindowFile();
    qsizetype at = 0;
    for (int record = 0; record <= keep; ++record) {
        at = bytes.indexOf(">el", at + 1);
    }
    return bytes.left(at);
}

}  // namespace

using SkinWindowFiles = AppFixture;

TEST_F(SkinWindowFiles, AMissingWindowFileIsWrittenFromTheDefaultAndLoaded) {
    app().loadWindows();
    ASSERT_EQ(app().skinWindows().windowList().size(), 1u);
    ASSERT_EQ(app().skinWindows().count(), 1u);
    EXPECT_EQ(readData("sfw.0"), builtInDefaultWindowFile());
    EXPECT_EQ(app().skinWindows().elementsOf(0).size(), 17u);

    MainWindow* window = app().skinWindows().windowList()[0];
    EXPECT_TRUE(window->isExpanded());
    EXPECT_EQ(window->size(), QSize(285, 210));
    EXPECT_EQ(pictures(6), QStringList({"110_expand_1.bmp"}));
    EXPECT_FALSE(QFile::exists(dataPath("windows"))) << "the count is first written on save";
}

TEST_F(SkinWindowFiles, TheDefaultWindowSavesBackByteForByte) {
    app().loadWindows();
    app().saveWindows();
    EXPECT_EQ(readData("sfw.0"), builtInDefaultWindowFile());
    EXPECT_EQ(readData("windows"), QByteArray("1\r\n"));
}

TEST_F(SkinWindowFiles, AWindowKeepsEverythingThroughASaveAndALoad) {
    app().loadWindows();
    MainWindow* window = app().skinWindows().windowList()[0];
    window->toggleExpanded();  // collapsed now
    window->setPositionKeepingSize(40, 60);
    auto* info = app().skinWindows().elementsOf(0)[12];
    info->setSize(150, 33);
    SliderFunction* volume = sliders(1).front();
    volume->setVertical(true);
    volume->setFilled(false);
    ButtonFunction* close = buttons(0, -1).front();
    close->setPosition(5, 5);
    close->setSizeClass(2);
    close->setMoveable(true);
    app().saveWindows();
    const QByteArray saved = readData("sfw.0");

    restartApp();
    app().loadWindows();
    ASSERT_EQ(app().skinWindows().elementsOf(0).size(), 17u);
    window = app().skinWindows().windowList()[0];
    EXPECT_FALSE(window->isExpanded());
    EXPECT_EQ(window->pos(), QPoint(40, 60));
    EXPECT_EQ(window->size(), QSize(285, 45));
    EXPECT_EQ(app().skinWindows().elementsOf(0)[12]->size(), QSize(150, 20))
        << "an info strip is 20 high";
    volume = sliders(1).front();
    EXPECT_TRUE(volume->isVertical());
    EXPECT_FALSE(volume->isFilled());
    EXPECT_EQ(volume->getHeight(), 90);
    close = buttons(0, -1).front();
    EXPECT_EQ(close->pos(), QPoint(5, 5));
    EXPECT_EQ(close->getSizeClass(), 2);
    EXPECT_TRUE(close->isMoveable());
    EXPECT_EQ(pictures(6), QStringList({"109_expand_0.bmp"}));

    app().saveWindows();
    EXPECT_EQ(readData("sfw.0"), saved);
}

TEST_F(SkinWindowFiles, ACountOfThreeWithOneFileBuildsTheOthersFromTheDefault) {
    writeData("windows", "3\r\n");
    app().loadWindows();
    ASSERT_EQ(app().skinWindows().windowList().size(), 3u);
    ASSERT_EQ(app().skinWindows().count(), 3u);
    EXPECT_EQ(readData("sfw.2"), builtInDefaultWindowFile());
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(app().skinWindows().elementsOf(i).size(), 17u);
    }
}

TEST_F(SkinWindowFiles, WhenNoWindowCanBeShownTheBuiltInWindowIs) {
    // Without a window (and without a tray) nothing could close the player.
    for (const char* count : {"0\r\n", "-3\r\n", "three\r\n", ""}) {
        writeData("windows", count);
        app().loadWindows();
        ASSERT_EQ(app().skinWindows().count(), 1u) << count;
        EXPECT_EQ(app().skinWindows().elementsOf(0).size(), 17u) << count;
        EXPECT_NE(debug.lines().find("showing the default window"), std::string::npos);
        app().skinWindows().removeAll(SkinWindows::Deletion::now);
    }
    SkinWindowFile empty = SkinWindowFile::parse(builtInDefaultWindowFile());
    empty.collapsedWidth = empty.collapsedHeight = empty.expandedWidth = empty.expandedHeight = 0;
    writeData("windows", "2\r\n");
    writeData("sfw.0", empty.serialize());
    writeData("sfw.1", empty.serialize());
    app().loadWindows();
    ASSERT_EQ(app().skinWindows().count(), 2u);
    EXPECT_EQ(app().skinWindows().window(0)->size(), QSize(285, 210));
}

TEST_F(SkinWindowFiles, NoWindowIsLargerThanTheScreen) {
    SkinWindowFile huge = SkinWindowFile::parse(builtInDefaultWindowFile());
    huge.collapsedWidth = huge.collapsedHeight = huge.expandedWidth = huge.expandedHeight = 100000;
    writeData("sfw.0", huge.serialize());
    app().loadWindows();
    EXPECT_EQ(app().skinWindows().window(0)->size(), WindowGeometry::primaryScreenSize());
    EXPECT_EQ(app().skinWindows().window(0)->pos(), QPoint(0, 0));
}

TEST_F(SkinWindowFiles, ADamagedCountNeverCreatesWindowsWithoutEnd) {
    writeData("windows", "4294967295");
    app().loadWindows();
    EXPECT_LE(app().skinWindows().windowList().size(), 64u);
    EXPECT_EQ(app().skinWindows().windowList().size(), app().skinWindows().count());
}

TEST_F(SkinWindowFiles, AFileCutShortStopsWithInvalidIdAndStaysCollapsed) {
    writeData("sfw.0", defaultCutAfter(5));
    app().loadWindows();
    ASSERT_EQ(app().skinWindows().count(), 1u);
    EXPECT_EQ(app().skinWindows().elementsOf(0).size(), 5u);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Invallid ID.");
    EXPECT_EQ(prompts.shown[0].caption, "ERROR");
    EXPECT_FALSE(app().skinWindows().windowList()[0]->isExpanded());
}

TEST_F(SkinWindowFiles, AnExpandedFlagOfTwoLoadsCollapsed) {
    QByteArray bytes = builtInDefaultWindowFile();
    bytes.replace("-expanded\r\n1\r\n", "-expanded\r\n2\r\n");
    writeData("sfw.0", bytes);
    app().loadWindows();
    EXPECT_FALSE(app().skinWindows().windowList()[0]->isExpanded());
    EXPECT_EQ(app().skinWindows().windowList()[0]->size(), QSize(285, 45));
}

TEST_F(SkinWindowFiles, AnUnknownElementTypeStopsTheFile) {
    QByteArray bytes = builtInDefaultWindowFile();
    const QByteArray head = ">el\r\n-id\r\n";
    qsizetype third = -1;
    for (int record = 0; record < 3; ++record) {
        third = bytes.indexOf(head, third + 1);
    }
    bytes[third + head.size()] = '5';
    writeData("sfw.0", bytes);
    app().loadWindows();
    EXPECT_EQ(app().skinWindows().elementsOf(0).size(), 2u);
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.back().text, "Invallid ID.");
}

TEST_F(SkinWindowFiles, AWindowHangingOverTheRightEdgeIsPulledBack) {
    QByteArray bytes = builtInDefaultWindowFile();
    bytes.replace("-pos\r\n0\r\n0\r\n-dimC", "-pos\r\n700\r\n-30\r\n-dimC");
    writeData("sfw.0", bytes);
    app().loadWindows();
    EXPECT_EQ(app().skinWindows().windowList()[0]->pos(), QPoint(800 - 285, -30));
}

TEST_F(SkinWindowFiles, AnUnwritableSaveNamesTheFileAndGoesOn) {
    app().loadWindows();
    app().dataFolder = data.path() + "/missing";
    app().saveWindows();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].caption, "ERROR - Failed to save (windows)");
    EXPECT_EQ(prompts.shown[0].text, data.path() + "/missing/windows");
    EXPECT_EQ(prompts.shown[1].caption, "ERROR - Failed to save (sfw)");
}
