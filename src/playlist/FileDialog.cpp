#include "playlist/FileDialog.h"

namespace {

const QString allFilesText = "All Files (*.*)";

QString firstOf(const QStringList& paths) {
    return paths.isEmpty() ? QString() : paths.constFirst();
}

}  // namespace

const std::vector<FileFilter>& FileDialog::openFilesFilters() {
    static const std::vector<FileFilter> filters = {
        {"All supported files (*.mp3;*.wav;*.ogg;*.flac;*.mod;*.it;*.s3d;*.xm;*.vpl;*.vps)",
         {"*.mp3", "*.wav", "*.ogg", "*.flac", "*.mod", "*.it", "*.s3d", "*.xm", "*.vpl", "*.vps"}},
        {"All supported playlists (*.vpl)", {"*.vpl"}},
        {"All supported sound files (*.mp3;*.wav;*.ogg;*.flac;*.mod;*.it;*.s3d;*.xm)",
         {"*.mp3", "*.wav", "*.ogg", "*.flac", "*.mod", "*.it", "*.s3d", "*.xm"}},
        {"MP3 Audio File (*.mp3)", {"*.mp3"}},
        {"WAVE Audio File (*.wav)", {"*.wav"}},
        {"Ogg Vorbis Compressed Audio File (*.ogg)", {"*.ogg"}},
        {"Free Lossless Audio Codec File (*.flac)", {"*.flac"}},
        {"Amiga Music Module File (*.mod)", {"*.mod"}},
        {"Impulse Tracker Module (*.it)", {"*.it"}},
        {"S3D (*.s3d)", {"*.s3d"}},
        {"Fasttracker 2 Extended Module (*.xm)", {"*.xm"}},
        {"VeskPlayerlist (*.vpl)", {"*.vpl"}},
        {"VeskPlayerSkin (*.vps)", {"*.vps"}},
        {"Opus Audio File (*.opus)", {"*.opus"}},
        {allFilesText, {"*.*"}},
    };
    return filters;
}

const std::vector<FileFilter>& FileDialog::skinPackageFilters() {
    static const std::vector<FileFilter> filters = {{"VeskPlayer Skin (*.vps)", {"*.vps"}},
                                                    {allFilesText, {"*.*"}}};
    return filters;
}

const std::vector<FileFilter>& FileDialog::playlistFilters() {
    static const std::vector<FileFilter> filters = {{"VeskPlayer Playlist (*.vpl)", {"*.vpl"}},
                                                    {allFilesText, {"*.*"}}};
    return filters;
}

QStringList FileDialog::openFiles(Prompts& prompts, const QString& initialFolder,
                                  PromptOwner owner) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::OpenFiles;
    request.filters = openFilesFilters();
    request.initialFolder = initialFolder;
    request.owner = owner;
    return prompts.chooseFiles(request);
}

QString FileDialog::openSkinPackage(Prompts& prompts, const QString& initialFolder,
                                    PromptOwner owner) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::OpenFile;
    request.filters = skinPackageFilters();
    request.initialFolder = initialFolder;
    request.defaultSuffix = "vps";
    request.owner = owner;
    return firstOf(prompts.chooseFiles(request));
}

QString FileDialog::save(Prompts& prompts, const QString& initialFolder, const QString& kind,
                         PromptOwner owner) {
    const bool skinPackage = kind == "vps";
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.filters = skinPackage ? skinPackageFilters() : playlistFilters();
    request.initialFolder = initialFolder;
    request.defaultSuffix = skinPackage ? "vps" : "vpl";
    request.owner = owner;
    return firstOf(prompts.chooseFiles(request));
}
