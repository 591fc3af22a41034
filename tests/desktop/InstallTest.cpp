#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString appId = "io.github.veskplayer.VeskPlayer";
const QList<int> iconSizes{16, 32, 48, 64, 128, 256};

struct ToolRun {
    bool ok;
    QString output;
};

ToolRun run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    const QString output = QString::fromUtf8(process.readAll());
    if (process.error() == QProcess::FailedToStart) {
        return {false, program + " is missing (see scripts/packages.txt)"};
    }
    return {finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            output};
}

// A list value of the desktop entry's main group.
QStringList entryList(const QString& desktopFile, const QString& key) {
    QFile file(desktopFile);
    file.open(QIODevice::ReadOnly);
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.startsWith("[Desktop Action")) {
            break;
        }
        if (line.startsWith(key.toUtf8() + "=")) {
            return QString::fromUtf8(line.mid(key.size() + 1)).split(';', Qt::SkipEmptyParts);
        }
    }
    return {};
}

}  // namespace

TEST(DesktopInstall, InstallsAValidEntryMetainfoIconsAndFileTypes) {
    QTemporaryDir prefix;
    const ToolRun install = run("cmake", {"--install", VESK_BINARY_DIR, "--prefix", prefix.path()});
    ASSERT_TRUE(install.ok) << install.output.toStdString();

    const QString share = prefix.path() + "/share";
    const QString desktopFile = share + "/applications/" + appId + ".desktop";
    const QString metainfo = share + "/metainfo/" + appId + ".metainfo.xml";
    EXPECT_TRUE(QFileInfo(prefix.path() + "/bin/veskplayer").isExecutable());
    EXPECT_TRUE(QFileInfo(prefix.path() + "/libexec/veskplayer-ui").isExecutable());
    for (int size : iconSizes) {
        const QImage icon(share + QString("/icons/hicolor/%1x%1/apps/").arg(size) + appId + ".png");
        EXPECT_EQ(icon.size(), QSize(size, size)) << "icon " << size;
    }
    EXPECT_TRUE(QFile::exists(share + "/icons/hicolor/scalable/apps/" + appId + ".svg"));

    const ToolRun entry = run("desktop-file-validate", {desktopFile});
    EXPECT_TRUE(entry.ok && entry.output.isEmpty()) << entry.output.toStdString();
    const ToolRun appstream = run("appstreamcli", {"validate", "--no-net", metainfo});
    EXPECT_TRUE(appstream.ok) << appstream.output.toStdString();
    const ToolRun mime = run("update-mime-database", {share + "/mime"});
    ASSERT_TRUE(mime.ok) << mime.output.toStdString();
    EXPECT_TRUE(QFile::exists(share + "/mime/application/x-veskplayer-playlist.xml"));
    EXPECT_TRUE(QFile::exists(share + "/mime/application/x-veskplayer-skin.xml"));

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
