#include "AppFixture.h"
#include "ResourceTable.h"
#include "skin_ui/WindowGeometry.h"
#include "skins/SkinWindowFile.h"
#include "skins/WindowCountFile.h"

namespace {

QByteArray builtInDefaultWindowFile() {
    return readFile(ResourceTable::pathOf(ResourceTable::defaultWindowFileId));
}

const auto overRightEdge = [] {
    return builtInDefaultWindowFile().replace("-pos\r\n0\r\n0\r\n", "-pos\r\n700\r\n-30\r\n");
};
const auto expandedTwo = [] {
    return builtInDefaultWindowFile().replace("-expanded\r\n1\r\n", "-expanded\r\n2\r\n");
};

// The default window file cut before its record number `index` (from 0), or with that record's
// type unknown.
QByteArray cutAt(int index, bool unknownTypeInstead = false) {
    QByteArray bytes = builtInDefaultWindowFile();
    qsizetype at = -1;
    for (int record = 0; record <= index; ++record) {
        at = bytes.indexOf(">el\r\n-id\r\n", at + 1);
    }
    return unknownTypeInstead ? bytes.replace(at + 10, 1, "5") : bytes.left(at);
}

// ... with all four sizes of the window the given side.
QByteArray sized(int side) {
    SkinWindowFile window = SkinWindowFile::parse(builtInDefaultWindowFile());
    window.collapsedWidth = window.collapsedHeight = window.expandedWidth = window.expandedHeight =
        side;
    return window.serialize();
}

// Window files as a user's data folder may hold them, and what loading them shows.
struct LoadCase {
    const char* what;
    QByteArray count;         // the "windows" file; null: none
    QList<QByteArray> files;  // "sfw.0", "sfw.1", ...
    size_t windows;           // shown
    size_t elements;          // in the first window
    QRect geometry;           // of the first window; empty: the size of the screen at 0, 0
    const char* said = "";    // in a debug line
    const char* prompt = "";  // the text of the one message shown
};

class WindowFileLoad : public AppFixture, public ::testing::WithParamInterface<LoadCase> {};

const QRect expanded(0, 0, 285, 210);
const QRect collapsed(0, 0, 285, 45);
const char* const invalid = SkinWindowFile::invalidTypeMessage;

}  // namespace

TEST_P(WindowFileLoad, ShowsWhatTheFilesAllow) {
    const LoadCase& c = GetParam();
    if (!c.count.isNull()) {
        writeData("windows", c.count);
    }
    for (int i = 0; i < c.files.size(); ++i) {
        writeData(SkinWindowFile::fileName(i), c.files[i]);
    }
    app().loadWindows();
    ASSERT_EQ(layout().count(), c.windows);
    ASSERT_EQ(layout().windowList().size(), c.windows);
    for (size_t i = 0; i < c.windows; ++i) {
        EXPECT_EQ(layout().elementsOf(i).size(), i == 0 ? c.elements : 17u) << i;
        if (!*c.said && static_cast<qsizetype>(i) >= c.files.size()) {  // built from the default
            EXPECT_EQ(readData(SkinWindowFile::fileName(int(i))), builtInDefaultWindowFile());
        }
    }
    const MainWindow* first = layout().window(0);
    const QRect geometry = c.geometry.isEmpty()
                               ? QRect(QPoint(0, 0), WindowGeometry::primaryScreenSize())
                               : c.geometry;
    EXPECT_EQ(QRect(first->pos(), first->size()), geometry);
    EXPECT_EQ(first->isExpanded(), geometry.height() != 45);
    EXPECT_NE(debug.lines().find(c.said), std::string::npos) << c.said;
    ASSERT_EQ(prompts.shown.size(), *c.prompt ? 1u : 0u);
    if (*c.prompt) {
        EXPECT_EQ(prompts.shown[0].text, c.prompt);
        EXPECT_EQ(prompts.shown[0].caption, "ERROR");
    }
}

// Without a window (and without a tray) nothing could close the player: the default one shows.
// A window stopped at a bad record is read, but stays collapsed.
INSTANTIATE_TEST_SUITE_P(
    Files, WindowFileLoad,
    ::testing::Values(
        LoadCase{"None", {}, {}, 1, 17, expanded},
        LoadCase{"ACountOfThreeWithoutFiles", "3\r\n", {}, 3, 17, expanded},
        LoadCase{"ACountOfZero", "0\r\n", {}, 1, 17, expanded, "showing the default window"},
        LoadCase{"WindowsWithoutArea", "2\r\n", {sized(0), sized(0)}, 2, 17, expanded, "an area"},
        LoadCase{"ACountBeyondTheLimit", "4294967295", {}, WindowCountFile::maxCount, 17, expanded},
        LoadCase{"AWindowLargerThanTheScreen", {}, {sized(100000)}, 1, 17, {}},
        LoadCase{"AWindowOverTheRightEdge", {}, {overRightEdge()}, 1, 17, {515, -30, 285, 210}},
        LoadCase{"AnExpandedFlagOfTwo", {}, {expandedTwo()}, 1, 17, collapsed},
        LoadCase{"AFileCutShort", {}, {cutAt(5)}, 1, 5, collapsed, "", invalid},
        LoadCase{"AnUnknownElementType", {}, {cutAt(2, true)}, 1, 2, collapsed, "", invalid}),
    [](const auto& info) { return std::string(info.param.what); });

using SkinWindowFiles = AppFixture;

// A window keeps its shape and place through a save and a load (its elements' records are the
// element tests').
TEST_F(SkinWindowFiles, AWindowKeepsItsShapeAndPlaceThroughASaveAndALoad) {
    app().loadWindows();
    layout().window(0)->toggleExpanded();
    layout().window(0)->setPositionKeepingSize(40, 60);
    sliders(SliderFunction::volumeFunction).front()->setVertical(true);
    app().saveWindows();
    const QByteArray saved = readData("sfw.0");
    restartApp();
    app().loadWindows();
    ASSERT_EQ(layout().elementsOf(0).size(), 17u);
    const MainWindow* window = layout().window(0);
    EXPECT_EQ(QRect(window->pos(), window->size()), QRect(40, 60, 285, 45));
    EXPECT_TRUE(sliders(SliderFunction::volumeFunction).front()->isVertical());
    EXPECT_EQ(pictures(ButtonCommand::expand), QStringList({"109_expand_0.bmp"}));
    app().saveWindows();
    EXPECT_EQ(readData("sfw.0"), saved);
}
