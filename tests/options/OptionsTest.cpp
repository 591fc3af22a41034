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
        if (duringImport) {
            duringImport();
        }
    }
    void exportSkin(PromptOwner) override { calls << "export"; }
    void saveSkin() override { calls << "save"; }
    void optionsClosed() override {
        calls << "closed";
        if (window) {
            window->deleteLater();  // as the application lets go of a closed window
        }
    }

    EditableSettings current;
    QString currentSkin = "default";
    SettingsFiles::Colours coloursOfUsedSkin;
    QString folder;
    QStringList calls;
    int applied = 0;
    std::function<void()> duringImport;
    QPointer<Options> window;  // deleted when closed, when set
};

}  // namespace

class OptionsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        host.folder = data.path();
        QDir(data.path()).mkpath("skins/default");
        QDir(data.path()).mkpath("skins/night");
        host.current.colours.backColour = makeColour(1, 2, 3);
        host.current.colours.textColour = makeColour(0, 0, 0);
        host.current.colours.opacityColour = makeColour(7, 8, 9);
        host.current.colours.useOpacity = false;
        host.current.openLastPlaylist = false;
    }
    Options& open() {
        window = std::make_unique<Options>(host);
        return *window;
    }
    const Options::Controls& controls() const { return window->controls(); }
    void click(QWidget* control) {
        QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }
    void pick(const QString& skin) {
        WinCombobox* list = controls().skinList;
        list->setCurrentIndex(list->findText(skin));
        emit list->activated(list->currentIndex());
    }
    void type(WinUpDown* spinner, const QString& number) {
        spinner->getTextBox()->selectAll();
        QTest::keyClicks(spinner->getTextBox(), number);
    }
    QStringList skinNames() const {
        QStringList names;
        for (int i = 0; i < controls().skinList->count(); ++i) {
            names << controls().skinList->itemText(i);
        }
        return names;
    }

    QTemporaryDir data;
    RecordingOptionsHost host;
    std::unique_ptr<Options> window;
};

TEST_F(OptionsWindow, OpensWithTheControlsAtTheirPlacesAndTheSettingsShown) {
    Options& options = open();
    EXPECT_EQ(options.size(), QSize(600, 320));
    EXPECT_EQ(options.windowTitle(), "Vesk Player Options");
    EXPECT_TRUE(options.isVisible());
    struct Place {
        QWidget* control;
        QRect rect;
    } places[] = {
        {controls().back[0]->getTextBox(), {20, 190, 60, 20}},
        {controls().back[0], {80, 190, 20, 20}},
        {controls().text[1]->getTextBox(), {100, 240, 60, 20}},
        {controls().opacity[2]->getTextBox(), {180, 290, 60, 20}},
        {controls().opacity[2], {240, 290, 20, 20}},
        {controls().backSwatch, {270, 190, 20, 20}},
        {controls().textSwatch, {270, 240, 20, 20}},
        {controls().opacitySwatch, {270, 290, 20, 20}},
        {controls().onFrontBox, {310, 50, 280, 20}},
        {controls().openLastBox, {310, 80, 280, 20}},
        {controls().useTagsBox, {310, 110, 280, 20}},
        {controls().useOpacityBox, {310, 140, 280, 20}},
        {controls().importButton, {210, 80, 80, 20}},
        {controls().exportButton, {210, 100, 80, 20}},
        {controls().newButton, {210, 50, 80, 20}},
        {controls().deleteButton, {140, 100, 60, 20}},
        {controls().saveButton, {75, 100, 60, 20}},
        {controls().useButton, {10, 100, 60, 20}},
        {controls().applyButton, {530, 290, 60, 20}},
    };
    for (const Place& place : places) {
        EXPECT_EQ(place.control->geometry(), place.rect)
            << place.control->metaObject()->className();
        EXPECT_TRUE(place.control->isVisible());
        // The desktop's regular face, not the controls' own bold one.
        EXPECT_EQ(place.control->font(), QApplication::font());
    }
    const QPalette opacityField = controls().opacity[0]->getTextBox()->palette();
    EXPECT_NE(opacityField.color(QPalette::Disabled, QPalette::Base),
              opacityField.color(QPalette::Active, QPalette::Base))
        << "a disabled field looks disabled";
    EXPECT_EQ(controls().skinList->pos(), QPoint(10, 70));

    EXPECT_EQ(controls().back[1]->getPosition(), 2);
    EXPECT_EQ(controls().opacity[2]->getPosition(), 9);
    EXPECT_EQ(controls().backSwatch->getColour(), makeColour(1, 2, 3));
    EXPECT_TRUE(controls().onFrontBox->isChecked());
    EXPECT_FALSE(controls().openLastBox->isChecked());
    EXPECT_FALSE(controls().useOpacityBox->isChecked());
    EXPECT_FALSE(controls().opacity[0]->isEnabled());
    EXPECT_FALSE(controls().opacity[0]->getTextBox()->isEnabled());
    EXPECT_TRUE(controls().back[0]->isEnabled());
    EXPECT_FALSE(controls().useButton->isEnabled());
    EXPECT_FALSE(controls().applyButton->isEnabled());
    EXPECT_EQ(skinNames(), QStringList({"default", "night"}));
    EXPECT_EQ(controls().skinList->currentText(), "default") << "the skin in use";
    EXPECT_TRUE(controls().deleteButton->isEnabled());
}

TEST_F(OptionsWindow, SpinnersShowTheColourAtOnceAndOnlyApplyHandsItOver) {
    open();
    type(controls().text[1], "128");
    EXPECT_EQ(controls().textSwatch->getColour(), 0x00008000u);
    EXPECT_TRUE(controls().applyButton->isEnabled());
    EXPECT_EQ(host.applied, 0);

    // The arrows step and report too; the low byte of each position makes the colour.
    click(controls().back[2]);
    EXPECT_EQ(controls().backSwatch->getColour(), makeColour(1, 2, 4));
    EXPECT_EQ(host.applied, 0);

    click(controls().applyButton);
    EXPECT_EQ(host.applied, 1);
    EXPECT_EQ(host.current.colours.textColour, 0x00008000u);
    EXPECT_EQ(host.current.colours.backColour, makeColour(1, 2, 4));
    EXPECT_EQ(host.current.colours.opacityColour, makeColour(7, 8, 9));
    EXPECT_FALSE(controls().applyButton->isEnabled());
}

TEST_F(OptionsWindow, TheOpacityBoxEnablesItsSpinnersAndApplyStoresTheBoxes) {
    open();
    click(controls().useOpacityBox);
    EXPECT_TRUE(controls().useOpacityBox->isChecked());
    for (WinUpDown* spinner : controls().opacity) {
        EXPECT_TRUE(spinner->isEnabled());
        EXPECT_TRUE(spinner->getTextBox()->isEnabled());
    }
    click(controls().onFrontBox);
    click(controls().openLastBox);
    click(controls().applyButton);
    EXPECT_TRUE(host.current.colours.useOpacity);
    EXPECT_FALSE(host.current.onFront);
    EXPECT_TRUE(host.current.openLastPlaylist);
    EXPECT_TRUE(host.current.useTags);

    click(controls().useOpacityBox);
    EXPECT_FALSE(controls().opacity[1]->isEnabled());
    EXPECT_EQ(host.applied, 1);
}

TEST_F(OptionsWindow, SkinButtonsActOnTheSelectedSkin) {
    host.currentSkin = "gone";
    open();
    // Nothing selected: Delete deletes nothing.
    EXPECT_FALSE(controls().deleteButton->isEnabled());
    click(controls().deleteButton);
    EXPECT_TRUE(host.calls.isEmpty());

    pick("night");
    EXPECT_TRUE(controls().useButton->isEnabled());
    host.coloursOfUsedSkin.textColour = makeColour(10, 20, 30);
    click(controls().useButton);
    EXPECT_EQ(host.calls, QStringList({"use night"}));
    EXPECT_FALSE(controls().useButton->isEnabled());
    EXPECT_EQ(controls().text[2]->getPosition(), 30);
    EXPECT_EQ(controls().textSwatch->getColour(), makeColour(10, 20, 30));

    pick("night");
    click(controls().newButton);
    EXPECT_EQ(skinNames(), QStringList({"blue", "default", "night"}));
    EXPECT_FALSE(controls().useButton->isEnabled()) << "the list was filled anew";
    pick("blue");
    click(controls().deleteButton);
    EXPECT_EQ(host.calls.last(), "delete blue");
    EXPECT_EQ(skinNames(), QStringList({"default", "night"}));
    EXPECT_FALSE(controls().useButton->isEnabled());
    EXPECT_FALSE(controls().deleteButton->isEnabled());

    click(controls().importButton);
    click(controls().exportButton);
    click(controls().saveButton);
    EXPECT_EQ(host.calls.mid(3), QStringList({"import", "export", "save"}));
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
