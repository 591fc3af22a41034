#include "options/Options.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <utility>

#include "options/ColorEle.h"
#include "options/OptionsHost.h"
#include "skin_ui/DialogPlacement.h"
#include "skin_ui/controls/WinButton.h"
#include "skin_ui/controls/WinCheckButton.h"
#include "skin_ui/controls/WinCombobox.h"
#include "skin_ui/controls/WinUpDown.h"
#include "skin_ui/drawing/Engine.h"
#include "skins/Skin.h"

namespace {

constexpr int spinnerColumns[] = {20, 100, 180};
constexpr int backRow = 190, textRow = 240, opacityRow = 290;
// A 32-pixel face is taller than its em with the underline below the baseline; 30 pixels
// would cut the underline off. 40 still ends above the controls under each heading.
constexpr int headingHeight = 40;

const QString aboutText = QStringLiteral(
    "VeskPlayer is made by the VeskPlayer developers; please visit the program's web site.\n"
    "(https://github.com/veskplayer/VeskPlayer)");

ColourRef colourOf(const std::array<WinUpDown*, 3>& spinners) {
    return makeColour(spinners[0]->getPosition() & 0xFF, spinners[1]->getPosition() & 0xFF,
                      spinners[2]->getPosition() & 0xFF);
}

void setSpinners(const std::array<WinUpDown*, 3>& spinners, ColourRef colour) {
    spinners[0]->setPosition(redOf(colour));
    spinners[1]->setPosition(greenOf(colour));
    spinners[2]->setPosition(blueOf(colour));
}

bool isSpinnerOf(const std::array<WinUpDown*, 3>& spinners, const Callable* caller) {
    for (const WinUpDown* spinner : spinners) {
        if (static_cast<const Callable*>(spinner) == caller) {
            return true;
        }
    }
    return false;
}

void place(QWidget* control, int x, int y, int width, int height) {
    control->setGeometry(x, y, width, height);
    control->show();
    control->update();
}

}  // namespace

Options::Options(OptionsHost& host, QWidget* above) : QWidget(nullptr), host(host) {
    setWindowTitle(QStringLiteral("Vesk Player Options"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(clientWidth, clientHeight);

    parts.back = makeSpinners(backRow);
    parts.text = makeSpinners(textRow);
    parts.opacity = makeSpinners(opacityRow);
    parts.backSwatch = makeSwatch(backRow);
    parts.textSwatch = makeSwatch(textRow);
    parts.opacitySwatch = makeSwatch(opacityRow);
    loadSpinners();

    const EditableSettings settings = host.settings();
    parts.onFrontBox = makeBox("Always on front.(restart needed)", 50, settings.onFront);
    parts.openLastBox = makeBox("Open last playlist on startup.", 80, settings.openLastPlaylist);
    parts.useTagsBox = makeBox("Use MP3 tags. (slower loading)", 110, settings.useTags);
    parts.useOpacityBox = makeBox("Use opacity on bitmaps.", 140, settings.colours.useOpacity);
    enableOpacitySpinners(settings.colours.useOpacity);

    parts.importButton = makeButton("Import", 210, 80, 80);
    parts.exportButton = makeButton("Export", 210, 100, 80);
    parts.newButton = makeButton("New", 210, 50, 80);
    parts.deleteButton = makeButton("Delete", 140, 100, 60);
    parts.saveButton = makeButton("Save", 75, 100, 60);
    parts.useButton = makeButton("Use", 10, 100, 60);
    parts.useButton->setEnabled(false);
    parts.skinList = new WinCombobox(this);
    parts.skinList->setReceiver(this);
    // A drop-down list shows its closed height whatever its list's height is.
    place(parts.skinList, 10, 70, 190, 20);
    parts.skinList->setMaxVisibleItems(8);
    refreshSkinList();
    parts.applyButton = makeButton("Apply", 530, 290, 60);
    parts.applyButton->setEnabled(false);
    // The controls' own bold face is for the skin's dialogs; this window reads as the desktop's
    // other windows do, its headings aside.
    for (QWidget* control : findChildren<QWidget*>()) {
        control->setFont(QApplication::font());
    }

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.x() + (screen.width() - clientWidth) / 2,
         screen.y() + (screen.height() - clientHeight) / 2);
    DialogPlacement::placeAbove(this, above);
    show();
    update();
}

Options::~Options() {
    // The spinners own their text boxes, which are the window's children as well.
    for (auto* row : {&parts.back, &parts.text, &parts.opacity}) {
        for (WinUpDown*& spinner : *row) {
            delete spinner;
            spinner = nullptr;
        }
    }
}

std::array<WinUpDown*, 3> Options::makeSpinners(int y) {
    std::array<WinUpDown*, 3> spinners{};
    for (size_t i = 0; i < spinners.size(); ++i) {
        auto* spinner = new WinUpDown(this);
        spinner->setReceiver(this);
        spinner->setRange(0, 255);
        // Every digit typed reaches the swatch at once.
        spinner->getTextBox()->setNumbersOnly(true);
        place(spinner->getTextBox(), spinnerColumns[i], y, 60, 20);
        place(spinner, spinnerColumns[i] + 60, y, 20, 20);
        spinners[i] = spinner;
    }
    return spinners;
}

ColorEle* Options::makeSwatch(int y) {
    auto* swatch = new ColorEle(this);
    place(swatch, 270, y, 20, 20);
    return swatch;
}

WinCheckButton* Options::makeBox(const QString& caption, int y, bool checked) {
    auto* box = new WinCheckButton(this, caption);
    box->setReceiver(this);
    box->setChecked(checked);
    place(box, 310, y, 280, 20);
    return box;
}

WinButton* Options::makeButton(const QString& caption, int x, int y, int width) {
    auto* button = new WinButton(this, caption);
    button->setReceiver(this);
    place(button, x, y, width, 20);
    return button;
}

void Options::refreshSkinList() {
    parts.skinList->clear();
    for (const QString& name : Skin::listSkins(host.dataFolder())) {
        if (name != "." && name != "..") {
            parts.skinList->addItem(name);
        }
    }
    // The list opens on the skin in use; "Use" waits for the user's own pick.
    parts.skinList->setCurrentIndex(parts.skinList->findText(host.currentSkinName()));
    parts.useButton->setEnabled(false);
    parts.deleteButton->setEnabled(parts.skinList->currentIndex() >= 0);
}

void Options::loadSpinners() {
    const SettingsFiles::Colours colours = host.settings().colours;
    setSpinners(parts.back, colours.backColour);
    setSpinners(parts.text, colours.textColour);
    setSpinners(parts.opacity, colours.opacityColour);
    composeSwatches();
}

void Options::composeSwatches() {
    parts.backSwatch->setColour(colourOf(parts.back));
    parts.textSwatch->setColour(colourOf(parts.text));
    parts.opacitySwatch->setColour(colourOf(parts.opacity));
}

void Options::enableOpacitySpinners(bool enabled) {
    for (WinUpDown* spinner : parts.opacity) {
        spinner->enable(enabled);
    }
}

void Options::callback(Callable* caller) {
    ++commandsRunning;
    runCommandOf(caller);
    if (--commandsRunning == 0 && std::exchange(deletionHeldBack, false)) {
        deleteLater();  // now at the level of the loop that handles this event, after it
    }
}

bool Options::event(QEvent* event) {
    if (event->type() == QEvent::DeferredDelete && commandsRunning > 0) {
        deletionHeldBack = true;
        return true;
    }
    return QWidget::event(event);
}

void Options::runCommandOf(Callable* caller) {
    const auto is = [caller](const Callable* control) { return caller == control; };
    if (is(parts.importButton)) {
        host.importSkin(this);
        refreshSkinList();
    } else if (is(parts.exportButton)) {
        host.exportSkin(this);
    } else if (is(parts.saveButton)) {
        host.saveSkin();
    } else if (is(parts.newButton)) {
        host.newSkin(this);
        refreshSkinList();
    } else if (is(parts.deleteButton)) {
        parts.useButton->setEnabled(false);
        // Without a selection there is nothing to delete.
        if (const QString name = parts.skinList->currentText(); !name.isEmpty()) {
            host.deleteSkin(name);
        }
        refreshSkinList();
    } else if (is(parts.useButton)) {
        parts.useButton->setEnabled(false);
        host.useSkin(parts.skinList->currentText());
        loadSpinners();
        Engine::instance().invalidate(this);
    } else if (is(parts.skinList)) {
        parts.useButton->setEnabled(parts.skinList->currentIndex() >= 0);
        parts.deleteButton->setEnabled(parts.skinList->currentIndex() >= 0);
    } else if (is(parts.applyButton) || is(parts.onFrontBox) || is(parts.openLastBox) ||
               is(parts.useTagsBox) || is(parts.useOpacityBox) || isSpinnerOf(parts.back, caller) ||
               isSpinnerOf(parts.text, caller) || isSpinnerOf(parts.opacity, caller)) {
        parts.applyButton->setEnabled(true);
        composeSwatches();
        if (is(parts.applyButton)) {
            apply();
        }
        if (is(parts.useOpacityBox)) {
            // The box reports before it changes: checked now means it is being turned off.
            enableOpacitySpinners(!parts.useOpacityBox->isChecked());
        }
    }
}

void Options::apply() {
    EditableSettings edited;
    edited.onFront = parts.onFrontBox->isChecked();
    edited.openLastPlaylist = parts.openLastBox->isChecked();
    edited.useTags = parts.useTagsBox->isChecked();
    edited.colours.useOpacity = parts.useOpacityBox->isChecked();
    edited.colours.textColour = parts.textSwatch->getColour();
    edited.colours.backColour = parts.backSwatch->getColour();
    edited.colours.opacityColour = parts.opacitySwatch->getColour();
    host.applySettings(edited);
    parts.applyButton->setEnabled(false);
}

void Options::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Engine& engine = Engine::instance();
    engine.textColour = fromQRgb(palette().color(QPalette::WindowText).rgb());
    {
        Engine::FontScope heading(engine, headingFace);
        engine.drawText(painter, "OPTIONS", 310, 10, 280, headingHeight);
        engine.drawText(painter, "COLORS", 10, 130, 280, headingHeight);
        engine.drawText(painter, "SKINS", 10, 10, 280, headingHeight);
        engine.drawText(painter, "ABOUT", 310, 170, 280, headingHeight);
    }
    engine.drawText(painter, "Background", 10, 170, 115, 30);
    engine.drawText(painter, "Text", 10, 220, 160, 30);
    engine.drawText(painter, "Opacity", 10, 270, 160, 30);
    engine.drawText(painter, "Current: " + host.currentSkinName(), 10, 50, 280, 30);
    engine.drawText(painter, aboutText, 310, 210, 280, 80);
    engine.drawText(painter, QStringLiteral("VeskPlayer Version: ") + versionText, 310, 290, 200,
                    30);
}

void Options::closeEvent(QCloseEvent* event) {
    event->accept();
    host.optionsClosed();
}
