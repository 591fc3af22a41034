#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ResourceTable.h"
#include "common/SettingsFiles.h"
#include "skins/Skin.h"

namespace {

QByteArray read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

}  // namespace

// "default" brings back the stock look whatever the live files and its own stored copy hold.
TEST(BuiltInSkin, DefaultAlwaysRestoresTheBuiltInColoursAndWindow) {
    const QByteArray builtInColours = SettingsFiles::serializeColours(SettingsFiles::Colours{});
    const QByteArray builtInWindow =
        read(ResourceTable::pathOf(ResourceTable::defaultWindowFileId));
    ASSERT_FALSE(builtInWindow.isEmpty());
    const struct {
        bool storedCopy;
        Skin::ApplyChoice choice;
    } cases[] = {{false, Skin::ApplyChoice::PicturesOnly},
                 {false, Skin::ApplyChoice::PicturesAndWindows},
                 {true, Skin::ApplyChoice::PicturesOnly},
                 {true, Skin::ApplyChoice::PicturesAndWindows}};
    for (const auto& test : cases) {
        QTemporaryDir dir;
        const QString data = dir.path();
        const QString stored = data + "/skins/default/sys";
        ASSERT_TRUE(write(data + "/sfo.0", "edited colours"));
        ASSERT_TRUE(write(data + "/windows", "2\r\n"));
        ASSERT_TRUE(write(data + "/sfw.0", "edited window 0"));
        ASSERT_TRUE(write(data + "/sfw.1", "extra window 1"));
        if (test.storedCopy) {
            ASSERT_TRUE(write(stored + "/sfo.0", "saved colours"));
            ASSERT_TRUE(write(stored + "/windows", "2\r\n"));
            ASSERT_TRUE(write(stored + "/sfw.0", "saved window 0"));
        }
        const bool windowsToo = test.choice == Skin::ApplyChoice::PicturesAndWindows;
        const auto applied = Skin::applySkin(data, "default", test.choice);
        ASSERT_TRUE(applied);
        EXPECT_EQ(applied->skinPath, "skins\\default");
        EXPECT_TRUE(applied->coloursReplaced);
        EXPECT_EQ(applied->windowsReplaced, windowsToo);
        EXPECT_EQ(read(data + "/sfo.0"), builtInColours) << test.storedCopy;
        EXPECT_EQ(read(data + "/windows"), windowsToo ? QByteArray("1\r\n") : "2\r\n");
        EXPECT_EQ(read(data + "/sfw.0"), windowsToo ? builtInWindow : "edited window 0");
    }
}
