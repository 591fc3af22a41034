// Skin packages: export and import, and the packages an attacker or an unlucky disk would
// produce, none of which may hang the import or reach outside the skins folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "SkinFolders.h"
#include "skins/ImportLeftovers.h"
#include "skins/Skin.h"
#include "skins/SkinPackage.h"
#include "skins/SkinPackageReader.h"
#include "support/DebugCapture.h"
#include "support/ScriptedPrompts.h"

using SkinFolders::snapshot;

namespace {

struct Entry {
    QByteArray name;
    QByteArray content;
};

QByteArray packageOf(const QByteArray& skinName, const std::vector<Entry>& entries,
                     const QByteArray& version = "#VP-V1.0.0") {
    QByteArray bytes = version + "|" + skinName;
    for (const Entry& entry : entries) {
        bytes +=
            "|" + entry.name + "|" + QByteArray::number(entry.content.size()) + "|" + entry.content;
    }
    return bytes;
}

// The entry names of a package, read as the import reads them.
QStringList entryNamesOf(const QByteArray& package) {
    QBuffer buffer;
    buffer.setData(package);
    buffer.open(QIODevice::ReadOnly);
    SkinPackageReader reader(buffer);
    QByteArray version, skinName, name;
    qint64 size = 0;
    QStringList names;
    if (reader.readHead(version, skinName) != SkinPackageReader::Status::Ok) {
        return names;
    }
    while (reader.readEntryHead(name, size) == SkinPackageReader::Status::Ok &&
           reader.readContent(size, [](const char*, qint64) { return true; }) ==
               SkinPackageReader::Status::Ok) {
        names << QString::fromLatin1(name);
    }
    return names;
}

QByteArray entries(int count, const QByteArray& content = "x") {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += "|0\\" + QByteArray::number(i) + ".bmp|" + QByteArray::number(content.size()) +
                 "|" + content;
    }
    return bytes;
}

const QByteArray awkwardBytes("\0\n\r|\xff\0|\r\n", 9);

class SkinPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        from = root.filePath("from");
        into = root.filePath("into");
        ASSERT_TRUE(QDir().mkpath(from + "/skins"));
        ASSERT_TRUE(QDir().mkpath(into + "/skins"));
        package = root.filePath("default.vps");
    }
    void makeDefaultSkin() {
        ASSERT_EQ(Skin::createSkin(from, "default", prompts), Skin::CreateResult::Created);
        ASSERT_TRUE(SkinFolders::writeLiveFiles(from, 3, "live"));
    }
    // Imports the bytes, grown with zeros to the size given (no disk used) unless it is 0.
    SkinPackage::ImportResult importBytes(const QByteArray& bytes, qint64 sparseSize = 0) {
        EXPECT_TRUE(writeFile(package, bytes));
        EXPECT_TRUE(sparseSize == 0 || QFile(package).resize(sparseSize));
        return SkinPackage::importSkin(package, into, prompts);
    }
    // Everything in the skins folder, hidden or not.
    QStringList skinsFolderEntries() const {
        return QDir(into + "/skins")
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    // Everything below the folder "into" except what is under "into/skins/<skin>".
    QMap<QString, QByteArray> outside(const QString& skin) const {
        QMap<QString, QByteArray> files = snapshot(root.path());
        for (const QString& key : files.keys()) {
            if (key.startsWith("into/skins/" + skin + "/") || key.startsWith("from/") ||
                key == "default.vps") {
                files.remove(key);
            }
        }
        return files;
    }
    QTemporaryDir root;
    QString from, into, package;
    ScriptedPrompts prompts;
    DebugCapture debug;
};

}  // namespace

// The default skin with three windows gives 66 pictures and five stored files; with files of
// every kind added, an export imported elsewhere reproduces every file byte for byte.
TEST_F(SkinPackageTest, ExportThenImportElsewhereReproducesEveryFileByteForByte) {
    makeDefaultSkin();
    const auto exported = SkinPackage::exportSkin(package, from, "skins\\default", prompts);
    EXPECT_TRUE(exported.written);
    EXPECT_TRUE(exported.leftOut.isEmpty());
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(debug.lines(), "save complete.\n");
    const QByteArray bytes = readFile(package);
    EXPECT_TRUE(bytes.startsWith("#VP-V1.0.0|default|0\\100_close.bmp|"));
    const QStringList names = entryNamesOf(bytes);
    ASSERT_EQ(names.size(), 71);
    EXPECT_EQ(names.filter(QRegularExpression("^[012]\\\\\\d{3}_\\w+\\.bmp$")).size(), 66);
    EXPECT_EQ(names.mid(66), (QStringList{"sys\\sfo.0", "sys\\sfw.0", "sys\\sfw.1", "sys\\sfw.2",
                                          "sys\\windows"}));
    EXPECT_EQ(readFile(from + "/skins/default/sys/windows"), "3\r\n");
    const QString skin = from + "/skins/default";
    ASSERT_TRUE(
        writeFile(skin + "/0/100_close.bmp", awkwardBytes + readFile(skin + "/0/100_close.bmp")));
    ASSERT_TRUE(writeFile(skin + "/1/empty.bmp", ""));
    ASSERT_TRUE(writeFile(skin + "/extra/deeper/still/nested.bmp", awkwardBytes));
    ASSERT_TRUE(
        writeFile(skin + QString::fromUtf8("/2/Bj\xc3\xb6rk \xe6\x97\xa5\xe6\x9c\xac.bmp"), "x"));
    ASSERT_TRUE(QDir().mkpath(skin + "/a folder without files"));
    ASSERT_TRUE(SkinPackage::exportSkin(package, from, "skins\\default", prompts).written);
    EXPECT_TRUE(readFile(package).contains("|1\\empty.bmp|0||2\\100_close.bmp|"));
    EXPECT_TRUE(readFile(package).contains("|extra\\deeper\\still\\nested.bmp|9|"));
    prompts.answerNext(PromptAnswer::Yes);
    const auto result = SkinPackage::importSkin(package, into, prompts);
    EXPECT_TRUE(result.imported);
    EXPECT_TRUE(result.applyRequested);
    EXPECT_TRUE(result.problems.isEmpty());
    EXPECT_EQ(result.skinName, "default");
    EXPECT_EQ(snapshot(into + "/skins/default"), snapshot(skin));
    EXPECT_FALSE(QFileInfo::exists(into + "/skins/default/a folder without files"));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "Importing skin succesful.\nFilename: " + package +
                                         "\nSkinname: default\n\nDo you want to use this "
                                         "imported skin now ?");
    EXPECT_EQ(prompts.shown[0].caption, "Veskplayer -use skin");
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(debug.lines(), "save complete.\nsave complete.\nload complete.\n");
}

TEST_F(SkinPackageTest, ImportReplacesContainedFilesAndKeepsTheOthers) {
    ASSERT_TRUE(writeFile(into + "/skins/blue/0/100_close.bmp", "old"));
    ASSERT_TRUE(writeFile(into + "/skins/blue/0/101_options.bmp", "kept"));
    const auto result = importBytes(packageOf("blue", {{"0\\100_close.bmp", "new"}}));
    EXPECT_FALSE(result.applyRequested);
    EXPECT_EQ(
        snapshot(into + "/skins/blue"),
        (QMap<QString, QByteArray>{{"0/100_close.bmp", "new"}, {"0/101_options.bmp", "kept"}}));
    EXPECT_EQ(skinsFolderEntries(), QStringList{"blue"}) << "no staging folder is left";
}

TEST_F(SkinPackageTest, AnotherVersionIsImportedOnlyWhenTheUserAgrees) {
    const QByteArray bytes = packageOf("blue", {{"0\\100_close.bmp", "x"}}, "#VP-V0.9.9");
    const QMap<QString, QByteArray> before = snapshot(into);
    importBytes(bytes);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "The file version of the import file is not of the same version wich this current "
              "version usses.\nCurrent version: #VP-V1.0.0\nFile version: #VP-V0.9.9\n\nDo you "
              "want to import the skin anyway ?\nThis can cause problems when trying to apply "
              "the skin.");
    EXPECT_EQ(prompts.shown[0].caption, "Veskplayer -import skin");
    EXPECT_EQ(prompts.shown[0].buttons, PromptButtons::YesNo);
    EXPECT_EQ(snapshot(into), before);
    EXPECT_FALSE(QFileInfo::exists(into + "/skins/blue"));
    prompts.answerNext(PromptAnswer::Yes);
    EXPECT_TRUE(importBytes(bytes).imported);
    EXPECT_EQ(readFile(into + "/skins/blue/0/100_close.bmp"), "x");
}

TEST_F(SkinPackageTest, NamesLeadingOutOfTheSkinsFolderAreRefusedAndReported) {
    ASSERT_TRUE(QDir().mkpath(root.filePath("outside")));
    ASSERT_TRUE(QFile::link(root.filePath("outside"), into + "/skins/blue/0") ||
                (QDir().mkpath(into + "/skins/blue") &&
                 QFile::link(root.filePath("outside"), into + "/skins/blue/0")));
    const QMap<QString, QByteArray> before = outside("blue");
    const QByteArray badEntries[] = {
        "..\\evil", "1\\..\\..\\evil", "\\evil",     "/evil", "C:\\evil", "C:evil",
        "1\\\\x",   "1\\.\\x",         "0\\in-link", "0",     "",         "1\\"};
    for (const QByteArray& bad : badEntries) {
        prompts.shown.clear();
        const auto result =
            importBytes(packageOf("blue", {{bad, "evil"}, {"1\\good.bmp", "good"}}));
        EXPECT_EQ(readFile(into + "/skins/blue/1/good.bmp"), "good") << bad.constData();
        ASSERT_EQ(result.problems.size(), 1) << bad.constData();
        EXPECT_FALSE(result.applyRequested);
        ASSERT_EQ(prompts.shown.size(), 1u) << bad.constData();
        EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Warning);
        EXPECT_TRUE(prompts.shown[0].text.contains("refused")) << bad.constData();
        EXPECT_EQ(outside("blue"), before) << bad.constData();
        QFile::remove(into + "/skins/blue/1/good.bmp");
    }
    ASSERT_TRUE(QFile::link(root.filePath("outside"), into + "/skins/linked"));
    for (const QByteArray& skinName : {QByteArray(".."), QByteArray("a\\b"), QByteArray("../x"),
                                       QByteArray(""), QByteArray("linked"), QByteArray("C:")}) {
        prompts.shown.clear();
        const auto result = importBytes(packageOf(skinName, {{"1\\x.bmp", "x"}}));
        EXPECT_FALSE(result.imported) << skinName.constData();
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
    }
    EXPECT_EQ(outside("blue"), before);
    EXPECT_TRUE(snapshot(root.filePath("outside")).isEmpty());
}

TEST_F(SkinPackageTest, ADamagedPackageKeepsWhatCameBeforeTheDamage) {
    ASSERT_TRUE(writeFile(into + "/skins/blue/1/second.bmp", "the old second picture"));
    const QByteArray good = packageOf("blue", {{"0\\first.bmp", awkwardBytes}});
    const QByteArray second = "|1\\second.bmp|";
    const QByteArray damaged[] = {
        good + second + "9|" + awkwardBytes.left(4),                   // cut inside a content
        good + second + "999999999999|" + awkwardBytes,                // larger than what follows
        good + second + "4|" + awkwardBytes,                           // smaller: no "|" after it
        good + second + "-5|" + awkwardBytes,                          // negative
        good + second + "abc|" + awkwardBytes,                         // not a number
        good + second + "99999999999999999999999999|" + awkwardBytes,  // beyond any file
        good + second + "9",                                           // cut inside a size
        good + "|1\\sec",                                              // cut inside a name
        good + "|",                                                    // cut before a name
        good + "|" + QByteArray(5000, 'n') + "|1|x",                   // endless name
    };
    for (const QByteArray& bytes : damaged) {
        prompts.shown.clear();
        const auto result = importBytes(bytes);
        const std::string label = bytes.mid(good.size(), 40).toStdString();
        EXPECT_TRUE(result.imported) << label;
        EXPECT_FALSE(result.applyRequested) << label;
        ASSERT_EQ(result.problems.size(), 1) << label;
        EXPECT_TRUE(result.problems[0].startsWith("The package is damaged")) << label;
        ASSERT_EQ(prompts.shown.size(), 1u) << label;
        EXPECT_TRUE(prompts.shown[0].text.contains("damaged")) << label;
        EXPECT_EQ(snapshot(into + "/skins/blue"),
                  (QMap<QString, QByteArray>{{"0/first.bmp", awkwardBytes},
                                             {"1/second.bmp", "the old second picture"}}))
            << label;
    }
    for (const QByteArray& head :
         {QByteArray(""), QByteArray("#VP-V1.0.0"), QByteArray(100, 'v') + "|blue|"}) {
        prompts.shown.clear();
        EXPECT_FALSE(importBytes(head).imported);
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_TRUE(prompts.shown[0].text.contains("damaged"));
    }
    EXPECT_TRUE(outside("blue").isEmpty());
}

TEST_F(SkinPackageTest, FilesThatCannotBeReadAreLeftOutAndNamed) {
    makeDefaultSkin();
    const QString skin = from + "/skins/default";
    ASSERT_EQ(mkfifo(QFile::encodeName(skin + "/0/pipe.bmp").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(root.filePath("nowhere"), skin + "/1/dangling.bmp"));
    ASSERT_TRUE(writeFile(skin + "/2/a|b.bmp", "x"));
    const auto result = SkinPackage::exportSkin(package, from, "skins\\default", prompts);
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.leftOut.size(), 3);
    EXPECT_EQ(entryNamesOf(readFile(package)).size(), 71);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Warning);
    for (const QString name : {"0\\pipe.bmp", "1\\dangling.bmp", "2\\a|b.bmp"}) {
        EXPECT_TRUE(prompts.shown[0].text.contains(name)) << name.toStdString();
    }
    prompts.shown.clear();
    EXPECT_FALSE(SkinPackage::exportSkin(root.filePath("no/such/folder/x.vps"), from,
                                         "skins\\default", prompts)
                     .written);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].icon, PromptIcon::Error);
    EXPECT_FALSE(SkinPackage::exportSkin("", from, "skins\\default", prompts).written);
    EXPECT_FALSE(SkinPackage::importSkin("", into, prompts).imported);
    EXPECT_EQ(prompts.shown.size(), 1u);
}

TEST_F(SkinPackageTest, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
    const QString pipe = root.filePath("pipe.vps");
    const QByteArray pipeName = QFile::encodeName(pipe);
    ASSERT_EQ(mkfifo(pipeName.constData(), 0600), 0);
    auto import = std::async(std::launch::async,
                             [&] { return SkinPackage::importSkin(pipe, into, prompts); });
    const bool answered = import.wait_for(std::chrono::seconds(3)) == std::future_status::ready;
    if (!answered) {
        // Let the waiting open go so the test can end.
        ::close(::open(pipeName.constData(), O_WRONLY | O_NONBLOCK));
    }
    EXPECT_TRUE(answered) << "the import waited for a writer of the named pipe";
    EXPECT_FALSE(import.get().imported);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, "The skin package could not be opened:\n" + pipe);
    EXPECT_TRUE(skinsFolderEntries().isEmpty());
}

// A package refused whole leaves nothing in the skins folder and says why.
TEST_F(SkinPackageTest, RefusedPackagesLeaveNothingInTheSkinsFolderAndSayWhy) {
    const QByteArray head = "#VP-V1.0.0|blue";
    const struct {
        QByteArray bytes;
        qint64 sparseSize;        // grown to this size; 0: as it is
        const char* messagePart;  // in the message shown
        PromptIcon icon = PromptIcon::Error;
    } cases[] = {
        {head + "\nuse tags" + entries(1), 0, "cannot be made in the skins folder"},
        {head + "\x7f" + entries(1), 0, "cannot be made in the skins folder"},
        {head + entries(100000), 0, "more than 10000 files"},
        {head + "|0\\a.bmp|9|ab", 0, "damaged", PromptIcon::Warning},
        {head + "|0\\big.bmp|300000000|", 300000100, "more than 256 MB"},
    };
    for (const auto& c : cases) {
        prompts.shown.clear();
        EXPECT_FALSE(importBytes(c.bytes, c.sparseSize).imported) << c.messagePart;
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].icon, c.icon);
        EXPECT_TRUE(prompts.shown[0].text.contains(c.messagePart))
            << prompts.shown[0].text.toStdString();
        EXPECT_EQ(skinsFolderEntries(), QStringList());
    }
}

TEST_F(SkinPackageTest, LeftoversOfAKilledImportOrSaveAreRemovedAndNeverListed) {
    const QStringList leftovers = {"skins/.import-a1b2c3/0/half.bmp", "sfo.0.k2j4h5.part",
                                   "skins/blue/sys/sfw.0.z9y8.part"};
    const QStringList kept = {"skins/blue/0/100_close.bmp", "keep.part", "skins/blue/a.part"};
    for (const QString& name : leftovers + kept) {
        ASSERT_TRUE(writeFile(into + "/" + name, ""));
    }
    EXPECT_FALSE(Skin::listSkins(into).join('/').contains(".import-"));
    EXPECT_EQ(ImportLeftovers::remove(into), 3);
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFileInfo::exists(into + "/" + name)) << name.toStdString();
    }
    for (const QString& name : kept) {
        EXPECT_TRUE(QFileInfo::exists(into + "/" + name)) << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(into + "/skins/.import-a1b2c3"));
}
