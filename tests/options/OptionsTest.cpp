#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "options/ColorEle.h"
#include "options/Options.h"
#include "options/OptionsHost.h"
#include "skin_ui/controls/WinButton.h"
#include "skin_ui/controls/WinCheckButton.h"
#include "skin_ui/controls/WinCombobox.h"
#include "skin_ui/controls/WinUpDown.h"

namespace {

// Holds the settings and the skins folder, and records what the window asks for.
class RecordingOptionsHost : public OptionsHost {
public:
    EditableSettings settings() const override { return current; }
    void applySettings(const EditableSettings& edited) override {
        current = edited;
        ++applied;
    }
    QString dataFolder() const override { return folder; }
    QString currentSkinName() const override { return currentSkin; }
    void useSkin(const QString& name) override {
        calls << "use " + name;
        current.colours = coloursOfUsedSkin;
    }
    void newSkin(PromptOwner) override {
        calls << "new";
        QDir(folder).mkpath("skins/blue");
    }
    void deleteSkin(const QString& name) override {
        calls << "delete " + name;
        QDir(folder + "/skins/" + name).removeRecursively();
    }
    void importSkin(PromptOwner) override {
        calls << "import";
        duringImport();
    }
    void exportSkin(PromptOwner) override { calls << "export"; }
    void saveSkin() override { calls << "save"; }
    void optionsClosed() override {
        calls << "closed";
        if (window) {
            window->deleteLater();  // as the application lets go of a closed window
        }
    }

    QTemporaryDir data;
    QString folder = data.path();
    EditableSettings current;
    QString currentSkin = "default";
    SettingsFiles::Colours coloursOfUsedSkin;
    QStringList calls;
    int applied = 0;
    std::function<void()> duringImport = [] {};
    QPointer<Options> window;  // deleted when closed, when set
};

}  // namespace

class OptionsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(host.folder).mkpath("skins/default");
        QDir(host.folder).mkpath("skins/night");
        host.current.colours = {makeColour(1, 2, 3), makeColour(0, 0, 0), makeColour(7, 8, 9),
                                false};
        host.current.openLastPlaylist = false;
    }
    const Options::Controls& open() {
        window = std::make_unique<Options>(host);
        return window->controls();
    }
    static void click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }
    void pick(const QString& skin) {
        WinCombobox* list = window->controls().skinList;
        list->setCurrentIndex(list->findText(skin));
        emit list->activated(list->currentIndex());
    }
    QStringList skinNames() const {
        QStringList names;
        for (int i = 0; i < window->controls().skinList->count(); ++i) {
            names << window->controls().skinList->itemText(i);
        }
        return names;
    }

    RecordingOptionsHost host;
    std::unique_ptr<Options> window;
};

TEST_F(OptionsWindow, OpensWithTheSettingsShown) {
    const Options::Controls& c = open();
    EXPECT_EQ(window->size(), QSize(600, 320));
    EXPECT_EQ(window->windowTitle(), "Vesk Player Options");
    EXPECT_EQ(c.back[0]->getTextBox()->geometry(), QRect(20, 190, 60, 20));
    EXPECT_EQ(c.applyButton->geometry(), QRect(530, 290, 60, 20));
    // The desktop's regular face, not the controls' own bold one.
    for (QWidget* control : QWidgetList{c.back[0], c.textSwatch, c.useTagsBox, c.applyButton}) {
        EXPECT_TRUE(control->isVisible() && control->font() == QApplication::font());
    }
    const QPalette opacityField = c.opacity[0]->getTextBox()->palette();
    EXPECT_NE(opacityField.color(QPalette::Disabled, QPalette::Base),
              opacityField.color(QPalette::Active, QPalette::Base))
        << "a disabled field looks disabled";
    EXPECT_FALSE(c.opacity[0]->isEnabled() || c.opacity[0]->getTextBox()->isEnabled());
    EXPECT_FALSE(c.useButton->isEnabled() || c.applyButton->isEnabled());
    EXPECT_EQ(c.skinList->currentText(), "default") << "the skin in use";
}

// Typed numbers and the arrows show the colour at once (the low byte of each position makes it),
// the opacity box enables its spinners; only Apply hands everything over.
TEST_F(OptionsWindow, EditsShowAtOnceAndOnlyApplyHandsThemOver) {
    const Options::Controls& c = open();
    c.text[1]->getTextBox()->selectAll();
    QTest::keyClicks(c.text[1]->getTextBox(), "128");
    EXPECT_EQ(c.textSwatch->getColour(), 0x00008000u);
    EXPECT_TRUE(c.applyButton->isEnabled());
    click(c.back[2]);
    EXPECT_EQ(c.backSwatch->getColour(), makeColour(1, 2, 4));
    click(c.useOpacityBox);
    for (WinUpDown* spinner : c.opacity) {
        EXPECT_TRUE(spinner->isEnabled() && spinner->getTextBox()->isEnabled());
    }
    click(c.onFrontBox);
    click(c.openLastBox);
    EXPECT_EQ(host.applied, 0);
    click(c.applyButton);
    EXPECT_EQ(host.applied, 1);
    EXPECT_EQ(host.current.colours.textColour, 0x00008000u);
    EXPECT_EQ(host.current.colours.backColour, makeColour(1, 2, 4));
    EXPECT_EQ(host.current.colours.opacityColour, makeColour(7, 8, 9));
    EXPECT_TRUE(host.current.colours.useOpacity && host.current.openLastPlaylist &&
                host.current.useTags);
    EXPECT_FALSE(host.current.onFront);
    EXPECT_FALSE(c.applyButton->isEnabled());
    click(c.useOpacityBox);
    EXPECT_FALSE(c.opacity[1]->isEnabled());
    EXPECT_EQ(host.applied, 1);
}

TEST_F(OptionsWindow, SkinButtonsActOnTheSelectedSkin) {
    host.currentSkin = "gone";
    const Options::Controls& c = open();
    // Nothing selected: Delete deletes nothing.
    EXPECT_FALSE(c.deleteButton->isEnabled());
    click(c.deleteButton);
    EXPECT_TRUE(host.calls.isEmpty());
    pick("night");
    host.coloursOfUsedSkin.textColour = makeColour(10, 20, 30);
    click(c.useButton);
    EXPECT_EQ(host.calls, QStringList({"use night"}));
    EXPECT_FALSE(c.useButton->isEnabled());
    EXPECT_EQ(c.text[2]->getPosition(), 30);
    EXPECT_EQ(c.textSwatch->getColour(), makeColour(10, 20, 30));
    pick("night");
    click(c.newButton);
    EXPECT_EQ(skinNames(), QStringList({"blue", "default", "night"}));
    EXPECT_FALSE(c.useButton->isEnabled()) << "the list was filled anew";
    pick("blue");
    click(c.deleteButton);
    EXPECT_EQ(skinNames(), QStringList({"default", "night"}));
    EXPECT_FALSE(c.useButton->isEnabled() || c.deleteButton->isEnabled());
    click(c.importButton);
    click(c.exportButton);
    click(c.saveButton);
    EXPECT_EQ(host.calls.mid(1), QStringList({"new", "delete blue", "import", "export", "save"}));
    EXPECT_EQ(host.applied, 0);
}

// Closed while its import waits in a nested event loop, as a file dialog does: the window lives
// until the import has returned into it, then goes.
TEST_F(OptionsWindow, ClosedDuringAnImportItOutlivesTheImportThenGoes) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        host.window = new Options(host);
        bool aliveAfterDialog = false;
        host.duringImport = [&] {
            QEventLoop dialog;
            QTimer::singleShot(0, host.window, [&] { host.window->close(); });
            QTimer::singleShot(20, &dialog, &QEventLoop::quit);
            dialog.exec();
            aliveAfterDialog = !host.window.isNull();
        };
        click(host.window->controls().importButton);
        EXPECT_TRUE(aliveAfterDialog) << "deleted under its import, attempt " << attempt;
        EXPECT_EQ(host.calls.mid(host.calls.size() - 2), QStringList({"import", "closed"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(host.window.isNull()) << "the closed window was never deleted";
    }
}

// A 20 x 20 swatch: the colour inside a frame of pen width 3 on (0, 0) to (19, 19), and no
// reaction to clicks.
TEST(ColorEle, ShowsItsColourInsideAThreePixelFrameAndIgnoresClicks) {
    QWidget parent;
    parent.resize(40, 40);
    ColorEle swatch(&parent);
    swatch.setGeometry(0, 0, 20, 20);
    swatch.setColour(0x000000FF);
    parent.show();
    const QImage picture = swatch.grab().toImage();
    ASSERT_EQ(picture.size(), QSize(20, 20));
    const QRgb frame = swatch.palette().color(QPalette::WindowText).rgb();
    const QPoint pixels[] = {{0, 0},  {1, 1},   {19, 10}, {10, 19}, {10, 0},
                             {0, 10}, {18, 18}, {3, 3},   {10, 10}, {16, 16}};
    for (const QPoint pixel : pixels) {
        const auto edge = [](int v) { return v < 3 || v > 16; };
        const QRgb expected = edge(pixel.x()) || edge(pixel.y()) ? frame : qRgb(255, 0, 0);
        EXPECT_EQ(picture.pixel(pixel) & 0xFFFFFF, expected & 0xFFFFFF)
            << pixel.x() << "," << pixel.y();
    }
    QTest::mouseClick(&swatch, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(swatch.getColour(), 0x000000FFu);
    EXPECT_EQ(swatch.grab().toImage(), picture);
}
