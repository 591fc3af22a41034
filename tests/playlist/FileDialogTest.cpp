#include <gtest/gtest.h>

#include "playlist/FileDialog.h"
#include "support/ScriptedPrompts.h"

namespace {

QStringList textsOf(const std::vector<FileFilter>& filters) {
    QStringList texts;
    for (const FileFilter& filter : filters) {
        texts << filter.displayText;
    }
    return texts;
}

int owner = 0;

}  // namespace

TEST(FileDialog, TheOpenDialogOffersEveryTypeInOrderAndReturnsThePathsInTheDialogsOrder) {
    ScriptedPrompts prompts;
    prompts.openAnswers.push_back({"/music/c.mp3", "/music/a.wav", "/music/b.vps"});
    EXPECT_EQ(FileDialog::openFiles(prompts, "/music"),
              (QStringList{"/music/c.mp3", "/music/a.wav", "/music/b.vps"}));
    EXPECT_TRUE(FileDialog::openFiles(prompts, QString()).isEmpty()) << "cancelled";

    ASSERT_EQ(prompts.dialogs.size(), 2u);
    const FileDialogRequest& request = prompts.dialogs[0];
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
    // Each entry's patterns are the ones its text names.
    for (const FileFilter& filter : request.filters) {
        const QString named = filter.displayText.section('(', -1).chopped(1);
        EXPECT_EQ(filter.patterns.join(';'), named) << filter.displayText.toStdString();
    }
}

TEST(FileDialog, SkinPackageAndPlaylistDialogsTakeTheirListSuffixAndOwner) {
    ScriptedPrompts prompts;
    prompts.saveAnswers = {"/skins/blue.vps", "/lists/mine.vpl", "/lists/other.vpl",
                           "/skins/in.vps"};
    EXPECT_EQ(FileDialog::save(prompts, "/skins", "vps", &owner), "/skins/blue.vps");
    EXPECT_EQ(FileDialog::save(prompts, QString(), "vpl", &owner), "/lists/mine.vpl");
    EXPECT_EQ(FileDialog::save(prompts, QString(), "anything else", nullptr), "/lists/other.vpl");
    EXPECT_EQ(FileDialog::openSkinPackage(prompts, "/skins", &owner), "/skins/in.vps");
    EXPECT_TRUE(FileDialog::openSkinPackage(prompts, QString(), &owner).isEmpty()) << "cancelled";

    const QStringList skinList{"VeskPlayer Skin (*.vps)", "All Files (*.*)"};
    const QStringList playlistList{"VeskPlayer Playlist (*.vpl)", "All Files (*.*)"};
    struct Expected {
        FileDialogRequest::Mode mode;
        QStringList filters;
        QString suffix;
        QString folder;
        PromptOwner owner;
    };
    const Expected expected[] = {
        {FileDialogRequest::Mode::Save, skinList, "vps", "/skins", &owner},
        {FileDialogRequest::Mode::Save, playlistList, "vpl", "", &owner},
        {FileDialogRequest::Mode::Save, playlistList, "vpl", "", nullptr},
        {FileDialogRequest::Mode::OpenFile, skinList, "vps", "/skins", &owner},
    };
    ASSERT_EQ(prompts.dialogs.size(), 5u);
    for (size_t i = 0; i < std::size(expected); ++i) {
        const FileDialogRequest& request = prompts.dialogs[i];
        EXPECT_EQ(request.mode, expected[i].mode) << i;
        EXPECT_EQ(textsOf(request.filters), expected[i].filters) << i;
        EXPECT_EQ(request.defaultSuffix, expected[i].suffix) << i;
        EXPECT_EQ(request.initialFolder, expected[i].folder) << i;
        EXPECT_EQ(request.owner, expected[i].owner) << i;
    }
    EXPECT_EQ(FileDialog::skinPackageFilters().back().patterns, QStringList{"*.*"});
}
