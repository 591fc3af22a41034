#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "PlayerProcess.h"
#include "XServer.h"
#include "support/Waiting.h"

namespace {

const QString importCaption = "Veskplayer -import skin";

void writePackage(const QString& path, const QByteArray& skinName, int entries, int entrySize) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#VP-V1.0.0|" + skinName);
    const QByteArray content(entrySize, 'x');
    for (int i = 0; i < entries; ++i) {
        file.write("|0\\" + QByteArray::number(i) + ".bmp|" + QByteArray::number(entrySize) + "|" +
                   content);
    }
}

std::vector<Window> mappedTitled(XServer& x, const QString& title) {
    std::vector<Window> mapped;
    for (Window window : x.windowsTitled(title)) {
        if (x.isMapped(window)) {
            mapped.push_back(window);
        }
    }
    return mapped;
}

bool answer(XServer& x, Window box, const QString& key) {
    return x.xdotool({"windowfocus", "--sync", QString::number(box)}) && x.xdotool({"key", key});
}

// The skins "Select skin" lists: the folders of the skins folder, hidden ones aside.
QStringList listedSkins(const PlayerProcess& player) {
    return QDir(player.dataFolder() + "/skins").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(SkinPackagesAdded, AFolderOfThirtyPackagesAsksOneQuestion) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    QTemporaryDir folder;
    for (int i = 0; i < 30; ++i) {
        writePackage(folder.filePath(QString("skin%1.vps").arg(i)), "skin" + QByteArray::number(i),
                     2, 10);
    }
    PlayerProcess player(x.displayName());
    player.start({folder.path()});
    ASSERT_TRUE(x.waitForMappedWindows(importCaption, 1, 20000)) << player.output().toStdString();
    // Asked once the add has ended: the question holds every package the walk met.
    const std::vector<Window> questions = mappedTitled(x, importCaption);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(mappedTitled(x, "Veskplayer -use skin").empty());
    // Enter is Yes: all of them are imported, then one message says so.
    ASSERT_TRUE(answer(x, questions.front(), "Return"));
    ASSERT_TRUE(waitFor(
        [&] {
            const std::vector<Window> shown = mappedTitled(x, importCaption);
            return shown.size() == 1 && shown.front() != questions.front();
        },
        20000));
    EXPECT_EQ(listedSkins(player).filter("skin").size(), 30);
    ASSERT_TRUE(answer(x, mappedTitled(x, importCaption).front(), "Return"));
    ASSERT_TRUE(waitFor([&] { return mappedTitled(x, importCaption).empty(); }));
    EXPECT_TRUE(player.output().contains("load complete.\n"));
}

TEST(SkinPackagesAdded, AnImportKilledMidwayLeavesNoSkinAndTheNextStartClearsIt) {
    XServer x;
    ASSERT_TRUE(x.isRunning()) << "Xvfb did not start";
    QTemporaryDir folder;
    // The most entries a package may hold, so the import is under way for a while.
    const QString package = folder.filePath("big.vps");
    writePackage(package, "big", 10000, 4096);
    PlayerProcess player(x.displayName());
    player.start({package});
    const QDir skins(player.dataFolder() + "/skins");
    const auto stagedFiles = [&] {
        for (const QString& staging : skins.entryList({".import-*"}, QDir::Dirs | QDir::Hidden)) {
            if (!QDir(skins.filePath(staging + "/0")).isEmpty()) {
                return true;
            }
        }
        return false;
    };
    QElapsedTimer timer;
    timer.start();
    while (!stagedFiles() && timer.elapsed() < 60000) {
        QThread::msleep(2);
    }
    ASSERT_TRUE(stagedFiles()) << player.output().toStdString();
    ::kill(static_cast<pid_t>(player.processId()), SIGKILL);
    ASSERT_TRUE(player.waitForExit(10000));
    EXPECT_FALSE(listedSkins(player).contains("big"));

    PlayerProcess again(x.displayName(), player.home());
    again.start();
    ASSERT_TRUE(x.waitForMappedWindows("Vesk Player", 1, 20000)) << again.output().toStdString();
    EXPECT_TRUE(skins.entryList({".import-*"}, QDir::Dirs | QDir::Hidden).isEmpty());
    EXPECT_FALSE(listedSkins(again).contains("big"));
}
