#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "AppFixture.h"
#include "app/SkinLibrary.h"
#include "app/Variables.h"
#include "skins/Skin.h"

namespace {

QByteArray packageOf(const QString& skinName, int entries) {
    QByteArray bytes = "#VP-V1.0.0|" + skinName.toLatin1();
    for (int i = 0; i < entries; ++i) {
        bytes += "|0\\" + QByteArray::number(i) + ".bmp|1|x";
    }
    return bytes;
}

}  // namespace

// Skin packages are read and written on the package thread; their questions come on the window
// thread, one at a time.
class PackageWork : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        app().init({});
    }
    QStringList skins() {
        QStringList listed = app().skinLibrary().listing();
        listed.removeAll(".");
        listed.removeAll("..");
        listed.removeAll("default");
        return listed;
    }
};

TEST_F(PackageWork, AHugePackageIsRefusedWhileTheWindowThreadGoesOnAnswering) {
    writeData("huge.vps", packageOf("huge", 100000));
    // The window thread's own event loop, answering a timer as it would a click.
    QEventLoop windowThread;
    int ticksWhileImporting = 0;
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        if (app().skinLibrary().packagesIdle()) {
            windowThread.quit();
        } else {
            ++ticksWhileImporting;
        }
    });
    QTimer::singleShot(20000, &windowThread, &QEventLoop::quit);
    // The windows' first paint is done before measuring.
    QCoreApplication::processEvents();
    app().skinLibrary().importSkin(dataPath("huge.vps"));
    sinceTick.start();
    ticker.start();
    windowThread.exec();

    ASSERT_TRUE(app().skinLibrary().packagesIdle());
    EXPECT_GT(ticksWhileImporting, 0) << "the window thread waited for the import";
    EXPECT_LT(longestGap, 50) << "ms without an answer on the window thread";
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.startsWith(
        "The skin package is refused: it holds more than 10000 files."));
    EXPECT_TRUE(skins().isEmpty());
}

TEST_F(PackageWork, ImportsQueuedTogetherAskOneQuestionAtATimeInTheirOrder) {
    writeData("a.vps", packageOf("a", 3));
    writeData("b.vps", packageOf("b", 3));
    int open = 0;
    int mostOpen = 0;
    prompts.whileOpen = [&] {
        mostOpen = std::max(mostOpen, ++open);
        // What a real box's nested loop handles while it is up.
        QTest::qWait(30);
        --open;
    };
    app().skinLibrary().importSkin(dataPath("a.vps"));
    app().skinLibrary().importSkin(dataPath("b.vps"));
    ASSERT_TRUE(finishPackageWork());
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(mostOpen, 1);
    EXPECT_TRUE(prompts.shown[0].text.contains("\nSkinname: a\n"));
    EXPECT_TRUE(prompts.shown[1].text.contains("\nSkinname: b\n"));
}
