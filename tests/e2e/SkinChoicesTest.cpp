#include <gtest/gtest.h>

#include <QFile>
#include <QThread>
#include <QUrl>

#include "PlayerProcess.h"
#include "XServer.h"
#include "common/Colour.h"
#include "common/SettingsFiles.h"
#include "support/Waiting.h"

namespace {

// The back colour the skin "blue" stores; nothing built in shows it.
const ColourRef blueBack = makeColour(0x12, 0xab, 0x34);
// Where the skin menu is opened, inside the skin window.
const QPoint inside(150, 120);

QRgb rgbOf(ColourRef colour) {
    return qRgb(redOf(colour), greenOf(colour), blueOf(colour));
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A player whose data folder holds the skin "blue" beside "default", driven as a user does.
class SkinChoices : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
        SettingsFiles::Colours colours;
        colours.backColour = blueBack;
        const QString stored = player.dataFolder() + "/skins/blue/sys";
        ASSERT_TRUE(QDir().mkpath(stored));
        QFile file(stored + "/sfo.0");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(SettingsFiles::serializeColours(colours));
        file.close();
        player.start();
        ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000));
    }

    // The mapped skin window as shown (a skin change rebuilds the windows).
    QImage shown() {
        for (Window window : x.windowsTitled("Vesk Player")) {
            if (x.isMapped(window)) {
                return x.grab(x.geometryOf(window)).convertToFormat(QImage::Format_RGB32);
            }
        }
        return {};
    }
    int pixelsOf(QRgb colour) {
        const QImage shot = shown();
        int count = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int column = 0; column < shot.width(); ++column) {
                count += (shot.pixel(column, y) & 0xffffff) == (colour & 0xffffff) ? 1 : 0;
            }
        }
        return count;
    }

    // Ctrl + right click, then the keys through the skin menu.
    bool skinMenu(const QStringList& keys) {
        if (!x.xdotool({"mousemove", "--sync", QString::number(inside.x()),
                        QString::number(inside.y()), "keydown", "ctrl", "click", "3", "keyup",
                        "ctrl"})) {
            return false;
        }
        QThread::msleep(300);  // the menu opens
        return x.xdotool(QStringList{"key"} + keys);
    }

    // "use bitmaps only ?" answered with Enter: No, the skin's windows too.
    bool answerUseSkin() {
        if (!x.waitForMappedWindows("Veskplayer -use skin", 1, 10000)) {
            return false;
        }
        const Window box = x.windowsTitled("Veskplayer -use skin").front();
        // The pointer leaves the skin window, which then shows no hovered element or tip.
        return x.xdotool({"windowfocus", "--sync", QString::number(box)}) &&
               x.xdotool({"key", "Return"}) && x.xdotool({"mousemove", "700", "700"}) &&
               waitFor([&] { return x.windowsTitled("Veskplayer -use skin").empty(); });
    }

    XServer x;
    PlayerProcess player{x.displayName()};
};

// Down eight times: "Select skin"; its entries are "blue", then "default". Nine: "Options".
const QStringList selectSkin = {"Down", "Down", "Down", "Down", "Down",
                                "Down", "Down", "Down", "Right"};
const QStringList options = {"Down", "Down", "Down", "Down", "Down",
                             "Down", "Down", "Down", "Down", "Return"};

}  // namespace

TEST_F(SkinChoices, DefaultBringsBackTheBuiltInColoursAndDeleteTrashesTheSkin) {
    const QRgb blue = rgbOf(blueBack);
    ASSERT_TRUE(waitFor([&] {
        return pixelsOf(rgbOf(SettingsFiles::Colours{}.backColour)) > 1000;
    })) << "the built-in back colour shows";
    const QImage builtIn = shown();
    ASSERT_EQ(pixelsOf(blue), 0);

    ASSERT_TRUE(skinMenu(selectSkin + QStringList{"Return"}));
    ASSERT_TRUE(answerUseSkin());
    EXPECT_TRUE(waitFor([&] { return pixelsOf(blue) > 1000; }));

    ASSERT_TRUE(skinMenu(selectSkin + QStringList{"Down", "Return"}));
    ASSERT_TRUE(answerUseSkin());
    EXPECT_TRUE(waitFor([&] { return shown() == builtIn; }));
    EXPECT_EQ(readFile(player.dataFolder() + "/sfo.0"),
              SettingsFiles::serializeColours(SettingsFiles::Colours{}));

    // The options window opens on the skin in use; "blue" is the entry above it.
    ASSERT_TRUE(skinMenu(options));
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player Options", 1, 10000));
    const QRect window = x.geometryOf(x.windowsTitled("Vesk Player Options").front());
    ASSERT_TRUE(x.click(window.x() + 100, window.y() + 80));
    QThread::msleep(300);  // the list drops down
    ASSERT_TRUE(x.xdotool({"key", "Up", "Return"}));
    QThread::msleep(300);
    ASSERT_TRUE(x.click(window.x() + 170, window.y() + 110));  // "Delete"

    const QString trash = player.home() + "/.local/share/Trash";
    EXPECT_TRUE(waitFor([&] { return !QFile::exists(player.dataFolder() + "/skins/blue"); }));
    EXPECT_EQ(readFile(trash + "/files/blue/sys/sfo.0").isEmpty(), false);
    EXPECT_TRUE(readFile(trash + "/info/blue.trashinfo")
                    .contains("Path=" + QUrl::toPercentEncoding(player.dataFolder(), "/") +
                              "/skins/blue\n"));
}
