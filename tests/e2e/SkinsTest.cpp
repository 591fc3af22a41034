// Skins as a user meets them: packages imported from the command line, handed over while the
// open dialog is up, or thirty at once from a folder; choices in the skin menu; a skin deleted
// from the options window; an import killed midway.
#include <gtest/gtest.h>
#include <signal.h>

#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include "PlayerProcess.h"
#include "XServer.h"
#include "common/Colour.h"
#include "common/SettingsFiles.h"
#include "support/Files.h"
#include "support/SolidSkinPackage.h"
#include "support/Waiting.h"

namespace {

const QString skinTitle = "Vesk Player";
const QString useSkin = "Veskplayer -use skin";
const QString importSkins = "Veskplayer -import skin";

// A package of `entries` pictures of `size` bytes each.
bool writePackage(const QString& path, const QByteArray& skinName, int entries, int size) {
    QByteArray bytes = "#VP-V1.0.0|" + skinName;
    for (int i = 0; i < entries; ++i) {
        bytes += "|0\\" + QByteArray::number(i) + ".bmp|" + QByteArray::number(size) + "|" +
                 QByteArray(size, 'x');
    }
    return writeFile(path, bytes);
}

// The next question with the caption (other than the one answered before), answered with Enter
// as the user does; 0 when none came.
Window answer(XServer& x, const QString& caption, Window answered = 0) {
    const Window box = x.waitForWindow(caption, answered);
    return box && x.keysInto(box, {"Return"}) ? box : 0;
}

// Down eight times: "Select skin"; its entries are "blue", "default", "green". Nine: "Options".
const QStringList selectSkin = QStringList(8, "Down") << "Right";

}  // namespace

TEST(Skins, ImportedChosenDeletedAndAKilledImportLeavesNothing) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    PlayerProcess player(x.displayName());
    QTemporaryDir packages;
    const auto pixelsOf = [&](QRgb colour) {
        return x.pixelsOf(x.waitForWindow(skinTitle), colour);
    };
    const auto shown = [&] { return x.grab(x.geometryOf(x.waitForWindow(skinTitle))); };
    // Ctrl + right click in the skin window, then the keys through the skin menu.
    const auto skinMenu = [&](const QStringList& keys) {
        return x.openMenu(
            {"mousemove", "--sync", "150", "120", "keydown", "ctrl", "click", "3", "keyup", "ctrl"},
            keys);
    };
    // "use bitmaps only ?" answered with Enter (No: the skin's windows too); the pointer then
    // leaves the skin window, which shows no hovered element or tip.
    const auto picturesAndWindows = [&] {
        return answer(x, useSkin) && x.xdotool({"mousemove", "700", "700"}) &&
               waitFor([&] { return x.windowsTitled(useSkin).empty(); });
    };
    const QDir skins(player.dataFolder() + "/skins");
    // The most entries a package may hold, so the import is under way for a while.
    ASSERT_TRUE(writePackage(packages.filePath("big.vps"), "big", 10000, 4096));
    player.start({packages.filePath("big.vps")});
    const auto staging = [&] { return skins.entryList({".import-*"}, QDir::Dirs | QDir::Hidden); };
    ASSERT_TRUE(waitFor(
        [&] {
            return !staging().isEmpty() && !QDir(skins.filePath(staging()[0] + "/0")).isEmpty();
        },
        60000))
        << player.output().toStdString();
    ::kill(static_cast<pid_t>(player.processId()), SIGKILL);
    ASSERT_TRUE(player.waitForExit(10000));
    EXPECT_FALSE(QFileInfo::exists(skins.filePath("big")));
    // The skin "blue" stored beside "default"; "green" and "teal" in packages.
    SettingsFiles::Colours blue;
    blue.backColour = makeColour(0x12, 0x34, 0xab);
    ASSERT_TRUE(writeFile(skins.filePath("blue/sys/sfo.0"), SettingsFiles::serializeColours(blue)));
    const QRgb green = qRgb(0x12, 0xab, 0x34), teal = qRgb(0x10, 0x80, 0x80);
    for (const auto& [name, colour] : {std::pair{"green", green}, std::pair{"teal", teal}}) {
        ASSERT_TRUE(
            writeFile(packages.filePath(name + QString(".vps")),
                      solidSkinPackage(name, colour, VESK_SOURCE_DIR "/resources/default")));
    }
    PlayerProcess again(x.displayName(), player.home());
    again.start({packages.filePath("green.vps")});
    ASSERT_TRUE(x.waitForWindow(skinTitle)) << again.output().toStdString();
    EXPECT_TRUE(waitFor([&] { return staging().isEmpty(); })) << "the next start clears it";
    EXPECT_FALSE(QFileInfo::exists(skins.filePath("big")));
    QImage builtIn;  // once painted: the built-in back colour shows, two looks in a row agree
    ASSERT_TRUE(waitFor([&] {
        return pixelsOf(toQColor(SettingsFiles::Colours{}.backColour).rgb()) > 1000 &&
               std::exchange(builtIn, shown()) == builtIn;
    }));
    // "Importing skin succesful. ... use this imported skin now ?": Enter is Yes.
    const Window first = answer(x, useSkin);
    ASSERT_NE(first, 0u) << again.output().toStdString();
    EXPECT_EQ(pixelsOf(green), 0) << "the built-in pictures until applied";
    ASSERT_NE(answer(x, useSkin, first), 0u) << "use bitmaps only ?";
    EXPECT_TRUE(waitFor([&] { return pixelsOf(green) >= 2000; }));
    EXPECT_TRUE(QFile::exists(skins.filePath("green/1/102_play.bmp")));
    ASSERT_TRUE(skinMenu(selectSkin + QStringList{"Return"}));
    ASSERT_TRUE(picturesAndWindows());
    EXPECT_TRUE(waitFor([&] { return pixelsOf(toQColor(blue.backColour).rgb()) > 1000; }));
    ASSERT_TRUE(skinMenu(selectSkin + QStringList{"Down", "Return"}));
    ASSERT_TRUE(picturesAndWindows());
    // The built-in look again, but for what moves by itself (the scrolling title, a hover).
    const auto nearlyBuiltIn = [&] {
        const QImage now = shown();
        if (now.size() != builtIn.size()) {
            return false;
        }
        int differing = 0;
        for (int row = 0; row < now.height(); ++row) {
            for (int column = 0; column < now.width(); ++column) {
                differing += now.pixel(column, row) != builtIn.pixel(column, row);
            }
        }
        return differing < now.width() * now.height() / 50;
    };
    EXPECT_TRUE(waitFor(nearlyBuiltIn)) << "default: the built-in look";
    EXPECT_EQ(readFile(again.dataFolder() + "/sfo.0"),
              SettingsFiles::serializeColours(SettingsFiles::Colours{}));
    // The options window opens on the skin in use; "blue" is the entry above it.
    ASSERT_TRUE(skinMenu(
        {"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Return"}));
    const Window options = x.waitForWindow("Vesk Player Options");
    ASSERT_NE(options, 0u);
    const QRect window = x.geometryOf(options);
    ASSERT_TRUE(x.openMenu({"mousemove", "--sync", QString::number(window.x() + 100),
                            QString::number(window.y() + 80), "click", "1"},
                           {"Up", "Return"}));
    QThread::msleep(300);                                       // the list closes
    ASSERT_TRUE(x.click(window.topLeft() + QPoint(170, 110)));  // "Delete"
    const QString trash = again.home() + "/.local/share/Trash";
    EXPECT_TRUE(waitFor([&] { return !QFile::exists(skins.filePath("blue")); }));
    EXPECT_FALSE(readFile(trash + "/files/blue/sys/sfo.0").isEmpty());
    EXPECT_TRUE(readFile(trash + "/info/blue.trashinfo")
                    .contains("Path=" + QUrl::toPercentEncoding(skins.path(), "/") + "/blue\n"));
    x.sendDeleteWindow(options);
    // Applying a skin rebuilds every skin window; one of them owns the open dialog, so a package
    // handed over while the dialog is up waits until the user has closed it.
    ASSERT_TRUE(x.click({248, 13}));  // the default skin's open button
    const Window dialog = x.waitForWindow("Open");
    ASSERT_NE(dialog, 0u) << again.output().toStdString();
    PlayerProcess handOver(x.displayName(), player.home());
    handOver.start({packages.filePath("teal.vps")});
    ASSERT_TRUE(handOver.waitForExit(20000));
    // The worker meets the package at once; its question would come while the dialog is up.
    EXPECT_EQ(x.waitForWindow(useSkin, 0, 800), 0u) << "asked inside the open dialog";
    ASSERT_TRUE(x.keysInto(dialog, {"Escape"}));
    const Window question = answer(x, useSkin);  // use it now: Yes
    ASSERT_NE(question, 0u);
    EXPECT_EQ(x.waitForWindow("Open", 0, 0), 0u) << "the dialog closed normally";
    ASSERT_NE(answer(x, useSkin, question), 0u);  // pictures only: No, the windows too
    EXPECT_TRUE(waitFor([&] { return pixelsOf(teal) >= 2000; }));
    // A folder of thirty packages: one question once the add has ended, with every package the
    // walk met; Enter (Yes) imports them all, then one message says so.
    QTemporaryDir folder;
    for (int i = 0; i < 30; ++i) {
        ASSERT_TRUE(writePackage(folder.filePath(QString("skin%1.vps").arg(i)),
                                 "skin" + QByteArray::number(i), 2, 10));
    }
    PlayerProcess thirty(x.displayName(), player.home());
    thirty.start({folder.path()});
    ASSERT_TRUE(thirty.waitForExit(20000));
    const Window asked = answer(x, importSkins);
    ASSERT_NE(asked, 0u) << again.output().toStdString();
    EXPECT_EQ(x.waitForWindow(useSkin, 0, 0), 0u) << "one question for them all";
    ASSERT_NE(answer(x, importSkins, asked), 0u);
    EXPECT_EQ(skins.entryList({"skin*"}, QDir::Dirs).size(), 30);
    ASSERT_TRUE(waitFor([&] { return x.windowsTitled(importSkins).empty(); }));
    x.sendDeleteWindow(x.waitForWindow(skinTitle));
    ASSERT_TRUE(again.waitForExit(20000));
    EXPECT_FALSE(again.crashed());
    EXPECT_TRUE(readFile(again.dataFolder() + "/sfo.2").contains("skins\\teal"));
    EXPECT_TRUE(again.output().contains("load complete.\n")) << again.output().toStdString();
}
