#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "skin_ui/controls/CallerPtr.h"

class ColorEle;
class OptionsHost;
class WinButton;
class WinCheckButton;
class WinCombobox;
class WinUpDown;

// The options window: program settings and colours, kept and saved on Apply; the skin library's
// buttons, which act at once; and the about text. Every control reports to it.
class Options : public QWidget, public CallerPtr {
    Q_OBJECT

public:
    static constexpr int clientWidth = 600;
    static constexpr int clientHeight = 320;
    static constexpr const char* headingFace = "Stencil Std";
    static constexpr const char* versionText = "0.0.8";

    // Builds the window from the host's settings, centred on the screen, and shows it above the
    // skin window it belongs to (none: on its own).
    explicit Options(OptionsHost& host, QWidget* above = nullptr);
    ~Options() override;

    void callback(Callable* caller) override;

    // The skins of the skins folder, nothing selected.
    void refreshSkinList();
    // The spinners and swatches from the host's colours.
    void loadSpinners();

    // The controls, in the window's order of fields.
    struct Controls {
        // Red, green and blue of the back, text and opacity colours.
        std::array<WinUpDown*, 3> back, text, opacity;
        ColorEle *backSwatch, *textSwatch, *opacitySwatch;
        WinCheckButton *onFrontBox, *openLastBox, *useTagsBox, *useOpacityBox;
        WinButton *importButton, *exportButton, *saveButton, *newButton, *deleteButton, *useButton;
        WinCombobox* skinList;
        WinButton* applyButton;
    };
    const Controls& controls() const { return parts; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Holds back the owner's deferred deletion while a control's command runs: a dialog or
    // question it opens runs a nested event loop, which would otherwise delete the window (closed
    // meanwhile) under the command that is to return into it.
    bool event(QEvent* event) override;

private:
    std::array<WinUpDown*, 3> makeSpinners(int y);
    ColorEle* makeSwatch(int y);
    WinCheckButton* makeBox(const QString& caption, int y, bool checked);
    WinButton* makeButton(const QString& caption, int x, int y, int width);
    void composeSwatches();
    void apply();
    void enableOpacitySpinners(bool enabled);
    void runCommandOf(Callable* caller);

    OptionsHost& host;
    Controls parts{};
    int commandsRunning = 0;
    bool deletionHeldBack = false;
};
