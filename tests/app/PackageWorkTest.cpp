#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include "AppFixture.h"
#include "app/SkinLibrary.h"
#include "app/Variables.h"
#include "playlist/OpenFiles.h"
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
    QElapsedTimer waited;
    waited.start();
    // Something else may end the loop early (the last window of an earlier test going).
    while (!app().skinLibrary().packagesIdle() && waited.elapsed() < 20000) {
        windowThread.exec();
    }

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

struct FoundAnswer {
    PromptAnswer answer;
    int skinsImported;
    size_t promptsShown;
};

class FoundPackages : public PackageWork, public ::testing::WithParamInterface<FoundAnswer> {};

TEST_P(FoundPackages, AFolderOfThirtyIsOneQuestionThenOneReport) {
    QStringList names;
    QDir().mkpath(dataPath("drop"));
    for (int i = 0; i < 30; ++i) {
        names << QString("found%1").arg(i, 2, 10, QChar('0'));
        writeData("drop/" + names.back() + ".vps", packageOf(names.back(), 2));
    }
    writeData("drop/broken.vps", "#VP-V1.0.0");
    prompts.answerNext(GetParam().answer);
    app().addDroppedPaths({dataPath("drop")});
    OpenFiles::instance().waitUntilIdle();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !prompts.shown.empty(); }, 5000));
    ASSERT_TRUE(finishPackageWork());

    ASSERT_EQ(prompts.shown.size(), GetParam().promptsShown);
    EXPECT_EQ(prompts.shown[0].caption, "Veskplayer -import skin");
    EXPECT_TRUE(prompts.shown[0].text.startsWith("The added files hold 31 skin packages:\n" +
                                                 dataPath("drop/broken.vps") + "\n"));
    EXPECT_EQ(skins().size(), GetParam().skinsImported);
    if (GetParam().skinsImported > 0) {
        EXPECT_EQ(skins(), names);
        EXPECT_TRUE(prompts.shown[1].text.startsWith("Imported skins:\nfound00\n"));
        EXPECT_TRUE(prompts.shown[1].text.contains("broken.vps"));
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, FoundPackages,
                         ::testing::Values(FoundAnswer{PromptAnswer::Yes, 30, 2},
                                           FoundAnswer{PromptAnswer::No, 0, 1}));
