#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTimer>

#include "AppFixture.h"

// Skin packages are read and written on the package thread; their questions come on the window
// thread, one at a time.
class PackageWork : public StartedApp {
protected:
    void writePackage(const QString& name, int entries) {
        QByteArray bytes = "#VP-V1.0.0|" + QFileInfo(name).baseName().toLatin1();
        for (int i = 0; i < entries; ++i) {
            bytes += "|0\\" + QByteArray::number(i) + ".bmp|1|x";
        }
        writeData(name, bytes);
    }
    // The skins imported: neither "." nor ".." nor the default skin.
    QStringList skins() {
        return app().skinLibrary().listing().filter(QRegularExpression("^(?!\\.|default$)"));
    }
};

TEST_F(PackageWork, AHugePackageIsRefusedWhileTheWindowThreadGoesOnAnswering) {
    writePackage("huge.vps", 100000);
    // A timer the window thread answers as it would a click, while it waits for the import.
    int ticksWhileImporting = 0;
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(1);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.restart());
        ++ticksWhileImporting;
    });
    QCoreApplication::processEvents();  // the windows' first paint comes before measuring
    app().skinLibrary().importSkin(dataPath("huge.vps"));
    sinceTick.start();
    ticker.start();
    ASSERT_TRUE(finishPackageWork());
    EXPECT_GT(ticksWhileImporting, 0) << "the window thread waited for the import";
    EXPECT_LT(longestGap, 50) << "ms without an answer on the window thread";
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_TRUE(prompts.shown[0].text.startsWith(
        "The skin package is refused: it holds more than 10000 files."));
    EXPECT_TRUE(skins().isEmpty());
}

TEST_F(PackageWork, ImportsQueuedTogetherAskOneQuestionAtATimeInTheirOrder) {
    int open = 0, mostOpen = 0;
    prompts.whileOpen = [&] {
        mostOpen = std::max(mostOpen, ++open);
        QTest::qWait(30);  // what a real box's nested loop handles while it is up
        --open;
    };
    for (const char* name : {"a.vps", "b.vps"}) {
        writePackage(name, 3);
        app().skinLibrary().importSkin(dataPath(name));
    }
    ASSERT_TRUE(finishPackageWork());
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(mostOpen, 1);
    EXPECT_TRUE(prompts.shown[0].text.contains("\nSkinname: a\n"));
    EXPECT_TRUE(prompts.shown[1].text.contains("\nSkinname: b\n"));
}

// Packages met in a dropped folder are one question (taking them is the whole-program test's).
TEST_F(PackageWork, AFolderOfPackagesIsOneQuestion) {
    for (const char* name : {"found0", "found1", "found2"}) {
        writePackage(QString("drop/%1.vps").arg(name), 2);
    }
    writeData("drop/broken.vps", "#VP-V1.0.0");
    app().addDroppedPaths({dataPath("drop")});
    OpenFiles::instance().waitUntilIdle();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.shown.empty(); }, 5000));
    ASSERT_TRUE(finishPackageWork());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Veskplayer -import skin");
    EXPECT_TRUE(prompts.shown[0].text.startsWith("The added files hold 4 skin packages:\n" +
                                                 dataPath("drop/broken.vps") + "\n"));
    EXPECT_TRUE(skins().isEmpty()) << "declined";
}
