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

// Home, then the music folder once there is one, then the folder of the last file chosen as long
// as it exists.
TEST(DialogFolder, OpensInTheLastFolderUsedElseTheMusicFolder) {
    TestFolder data;
    const QString music = QDir::homePath() + "/Music";
    QDir(music).removeRecursively();
    EXPECT_EQ(DialogFolder::start(data.dir.path()), QDir::homePath());
    QDir().mkpath(music);
    EXPECT_EQ(DialogFolder::start(data.dir.path()), music);
    DialogFolder::remember(data.dir.path(), data.mkdir("songs") + "/song.mp3");
    EXPECT_EQ(DialogFolder::start(data.dir.path()), data.path("songs"));
    QDir(data.path("songs")).removeRecursively();
    EXPECT_EQ(DialogFolder::start(data.dir.path()), music);
    QDir(music).removeRecursively();
}
}  // namespace
