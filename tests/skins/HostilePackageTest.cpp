// Packages an attacker or an unlucky disk would produce: none may hang the import.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "skins/ImportLeftovers.h"
#include "skins/Skin.h"
#include "skins/SkinPackage.h"
#include "support/DebugCapture.h"
#include "support/ScriptedPrompts.h"

namespace {

QByteArray entries(int count, const QByteArray& content = "x") {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += "|0\\" + QByteArray::number(i) + ".bmp|" + QByteArray::number(content.size()) +
                 "|" + content;
    }
    return bytes;
}

// A package refused whole, and what its message says.
struct RefusedCase {
    const char* name;
    QByteArray head;          // the package's first bytes
    qint64 sparseSize;        // grown to this size with zeros (no disk used); 0: as it is
    const char* messagePart;  // in the message shown
    PromptIcon icon = PromptIcon::Error;
};

class HostilePackageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(root.filePath("skins"))); }
    QString packageOf(const QByteArray& bytes, qint64 sparseSize = 0) {
        const QString path = root.filePath("package.vps");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        EXPECT_EQ(file.write(bytes), bytes.size());
        if (sparseSize > 0) {
            EXPECT_TRUE(file.resize(sparseSize));
        }
        return path;
    }
    // Everything in the skins folder, hidden or not.
    QStringList skinsFolderEntries() const {
        return QDir(root.filePath("skins"))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir root;
    ScriptedPrompts prompts;
    DebugCapture debug;
};

}  // namespace

TEST_F(HostilePackageTest, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
    const QString pipe = root.filePath("pipe.vps");
    const QByteArray pipeName = QFile::encodeName(pipe);
    ASSERT_EQ(mkfifo(pipeName.constData(), 0600), 0);
    auto import = std::async(std::launch::async,
                             [&] { return SkinPackage::importSkin(pipe, root.path(), prompts); });
    const bool answered = import.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
    if (!answered) {
        // Let the waiting open go so the test can end.
        ::close(::open(pipeName.constData(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_TRUE(answered) << "the import waited for a writer of the named pipe";
    EXPECT_FALSE(import.get().imported);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "The skin package could not be opened:\n" + pipe);
    EXPECT_TRUE(QDir(root.filePath("skins")).isEmpty());
}

class RefusedPackage : public HostilePackageTest,
                       public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedPackage, LeavesNothingInTheSkinsFolderAndSaysWhy) {
    const QString package = packageOf(GetParam().head, GetParam().sparseSize);
    const auto result = SkinPackage::importSkin(package, root.path(), prompts);
    EXPECT_FALSE(result.imported);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, GetParam().icon);
    EXPECT_TRUE(prompts.shown[0].text.contains(GetParam().messagePart))
        << prompts.shown[0].text.toStdString();
    EXPECT_EQ(skinsFolderEntries(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Packages, RefusedPackage,
    ::testing::Values(RefusedCase{"LineFeedInTheSkinName", "#VP-V1.0.0|blue\nuse tags" + entries(1),
                                  0, "cannot be made in the skins folder"},
                      RefusedCase{"DeleteCharacterInTheSkinName",
                                  "#VP-V1.0.0|blue\x7f" + entries(1), 0,
                                  "cannot be made in the skins folder"},
                      RefusedCase{"HundredThousandEntries", "#VP-V1.0.0|blue" + entries(100000), 0,
                                  "more than 10000 files"},
                      RefusedCase{"DamagedBeforeItsFirstEntry", "#VP-V1.0.0|blue|0\\a.bmp|9|ab", 0,
                                  "damaged", PromptIcon::Warning},
                      RefusedCase{"MoreThan256MB", "#VP-V1.0.0|blue|0\\big.bmp|300000000|",
                                  300000100, "more than 256 MB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HostilePackageTest, ANewSkinAppearsWholeAndNoStagingIsLeft) {
    const auto result =
        SkinPackage::importSkin(packageOf("#VP-V1.0.0|blue" + entries(3)), root.path(), prompts);
    EXPECT_TRUE(result.imported);
    EXPECT_EQ(skinsFolderEntries(), QStringList{"blue"});
    EXPECT_EQ(QDir(root.filePath("skins/blue/0")).entryList(QDir::Files),
              (QStringList{"0.bmp", "1.bmp", "2.bmp"}));
}

TEST_F(HostilePackageTest, LeftoversOfAKilledImportOrSaveAreRemovedAndNeverListed) {
    const QStringList leftovers = {"skins/.import-a1b2c3/0/half.bmp", "sfo.0.k2j4h5.part",
                                   "skins/blue/sys/sfw.0.z9y8.part"};
    const QStringList kept = {"skins/blue/0/100_close.bmp", "keep.part", "skins/blue/a.part"};
    for (const QString& name : leftovers + kept) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(root.filePath(name)).path()));
        QFile file(root.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_FALSE(Skin::listSkins(root.path()).join('/').contains(".import-"));
    EXPECT_EQ(ImportLeftovers::remove(root.path()), 3);
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFileInfo::exists(root.filePath(name))) << name.toStdString();
    }
    for (const QString& name : kept) {
        EXPECT_TRUE(QFileInfo::exists(root.filePath(name))) << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(root.filePath("skins/.import-a1b2c3")));
}
