#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>

#include "support/Files.h"

namespace {

const QString appId = "io.github.veskplayer.VeskPlayer";

// Runs the tool; its output, or why it failed, in `output`.
bool run(const QString& program, const QStringList& arguments, QString& output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    output = process.error() == QProcess::FailedToStart
                 ? program + " is missing (see scripts/packages.txt)"
                 : QString::fromUtf8(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A list value of the desktop entry's main group.
QStringList entryList(const QString& desktopFile, const QString& key) {
    const QByteArray entry = readFile(desktopFile);
    for (const QByteArray& line : entry.left(entry.indexOf("[Desktop Action")).split('\n')) {
        if (line.startsWith(key.toUtf8() + "=")) {
            return QString::fromUtf8(line.mid(key.size() + 1)).split(';', Qt::SkipEmptyParts);
        }
    }
    return {};
}

}  // namespace

TEST(DesktopInstall, InstallsAValidEntryMetainfoIconsAndFileTypes) {
    QTemporaryDir prefix;
    QString output;
    ASSERT_TRUE(run("cmake", {"--install", VESK_BINARY_DIR, "--prefix", prefix.path()}, output))
        << output.toStdString();
    const QString share = prefix.path() + "/share";
    const QString desktopFile = share + "/applications/" + appId + ".desktop";
    const QString metainfo = share + "/metainfo/" + appId + ".metainfo.xml";
    EXPECT_TRUE(QFileInfo(prefix.path() + "/bin/veskplayer").isExecutable());
    EXPECT_TRUE(QFileInfo(prefix.path() + "/libexec/veskplayer-ui").isExecutable());
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(share + QString("/icons/hicolor/%1x%1/apps/").arg(size) + appId + ".png");
        EXPECT_EQ(icon.size(), QSize(size, size)) << "icon " << size;
    }
    EXPECT_TRUE(QFile::exists(share + "/icons/hicolor/scalable/apps/" + appId + ".svg"));
    EXPECT_TRUE(run("desktop-file-validate", {desktopFile}, output) && output.isEmpty())
        << output.toStdString();
    EXPECT_TRUE(run("appstreamcli", {"validate", "--no-net", metainfo}, output))
        << output.toStdString();
    ASSERT_TRUE(run("update-mime-database", {share + "/mime"}, output)) << output.toStdString();
    // Every kind of file the player opens is offered to it, looked up the way a desktop does:
    // through the MIME database, the installed file types included.
    qputenv("XDG_DATA_DIRS", (share + ":/usr/local/share:/usr/share").toUtf8());
    const QStringList offered = entryList(desktopFile, "MimeType");
    QMimeDatabase types;
    for (const char* extension :
         {"mp3", "wav", "ogg", "flac", "mod", "it", "s3m", "xm", "vpl", "m3u", "m3u8", "vps"}) {
        const QString type =
            types.mimeTypeForFile(QString("x.") + extension, QMimeDatabase::MatchExtension).name();
        EXPECT_TRUE(offered.contains(type)) << extension << " is " << type.toStdString();
    }
    EXPECT_EQ(entryList(desktopFile, "Actions"),
              (QStringList{"PlayPause", "Next", "Previous", "Playlist"}));
}
