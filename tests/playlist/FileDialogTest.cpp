#include <gtest/gtest.h>
#include "PlaylistTestFiles.h"
#include "playlist/DialogFolder.h"
#include "playlist/FileDialog.h"
#include "support/ScriptedPrompts.h"

namespace {
QStringList textsOf(const std::vector<FileFilter>& filters) {
    QStringList texts;
    for (const FileFilter& filter : filters) {
        texts << filter.displayText;
        // Each entry's patterns are the ones its text names.
        EXPECT_EQ(filter.patterns.join(';'), filter.displayText.section('(', -1).chopped(1));
    }
    return texts;
}

TEST(FileDialog, TheOpenDialogOffersEveryTypeInOrderAndReturnsThePathsInTheDialogsOrder) {
    ScriptedPrompts prompts;
    prompts.openAnswers.push_back({"/music/c.mp3", "/music/a.wav", "/music/b.vps"});
    EXPECT_EQ(FileDialog::openFiles(prompts, "/music"),
              (QStringList{"/music/c.mp3", "/music/a.wav", "/music/b.vps"}));
    EXPECT_TRUE(FileDialog::openFiles(prompts, QString()).isEmpty()) << "cancelled";
    const FileDialogRequest& request = prompts.dialogs.at(0);
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::OpenFiles);
    EXPECT_EQ(request.initialFolder, "/music");
    EXPECT_EQ(request.owner, nullptr);
    EXPECT_TRUE(request.defaultSuffix.isEmpty());
    EXPECT_EQ(
        textsOf(request.filters),
        (QStringList{
            "All supported files (*.mp3;*.wav;*.ogg;*.flac;*.mod;*.it;*.s3d;*.xm;*.vpl;*.vps)",
            "All supported playlists (*.vpl)",
            "All supported sound files (*.mp3;*.wav;*.ogg;*.flac;*.mod;*.it;*.s3d;*.xm)",
            "MP3 Audio File (*.mp3)", "WAVE Audio File (*.wav)",
            "Ogg Vorbis Compressed Audio File (*.ogg)", "Free Lossless Audio Codec File (*.flac)",
            "Amiga Music Module File (*.mod)", "Impulse Tracker Module (*.it)", "S3D (*.s3d)",
            "Fasttracker 2 Extended Module (*.xm)", "VeskPlayerlist (*.vpl)",
            "VeskPlayerSkin (*.vps)", "Opus Audio File (*.opus)", "All Files (*.*)"}));
}

// "~" stands for HOME, "@" for the data folder; the remembered folder is made, then left or gone.
TEST(DialogFolder, OpensInTheLastFolderUsedElseTheMusicFolder) {
    const struct {
        const char *musicFolder, *remembered;
        bool rememberedExists;
        QString expected;
    } cases[] = {
        {"", "", false, "~"},
        {"Music", "", false, "~/Music"},
        {"Music", "songs", true, "@/songs"},
        {"Music", "songs", false, "~/Music"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected.toStdString() + " " + c.musicFolder + " " + c.remembered);
        TestFolder data;
        QDir(QDir::homePath() + "/Music").removeRecursively();
        QDir().mkpath(QDir::homePath() + "/" + c.musicFolder);
        if (*c.remembered) {
            DialogFolder::remember(data.dir.path(), data.mkdir(c.remembered) + "/song.mp3");
            if (!c.rememberedExists) {
                QDir(data.path(c.remembered)).removeRecursively();
            }
        }
        EXPECT_EQ(DialogFolder::start(data.dir.path()),
                  QString(c.expected).replace("~", QDir::homePath()).replace("@", data.dir.path()));
    }
    QDir(QDir::homePath() + "/Music").removeRecursively();
}
}  // namespace
