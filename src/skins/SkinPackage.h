#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>

class Prompts;
class SkinPackageImport;

// A skin package carries a whole skin folder in one file (".vps"): the version, the skin's name,
// then every file of the folder with its path inside the folder ("0\100_close.bmp",
// "sys\windows"), its size and its bytes, in the order of a depth-first walk.
namespace SkinPackage {

inline constexpr const char* version = "#VP-V1.0.0";

// Bounds of one package, far above any real skin (three windows take 71 files and a few MB) and
// far below what would fill a disk or take minutes: beyond them the package is refused whole.
inline constexpr qint64 maxEntries = 10000;
inline constexpr qint64 maxBytes = qint64(256) * 1024 * 1024;

// The hidden folders in the skins folder that imports stage their entries in.
inline constexpr const char* stagingPrefix = ".import-";

struct ExportResult {
    bool written = false;
    // Files of the skin folder that could not be put into the package whole.
    QStringList leftOut;
};

// Stores the live files into the current skin's "sys" folder (the caller writes them first),
// then writes the skin's folder to the package path, replacing the file whole. A file that
// cannot be read is left out and named to the user; a package that cannot be written is
// reported. An empty path does nothing.
ExportResult exportSkin(const QString& packagePath, const QString& dataFolder,
                        const QString& skinPath, Prompts& prompts);

// The steps of exportSkin, for callers that write the package off the window thread.
// Window thread: stores the live files into the skin's "sys" folder; the skin's folder, or empty
// (and told) when the current skin is not one of the skins folder.
QString prepareExport(const QString& dataFolder, const QString& skinPath, Prompts& prompts);
// Any thread: the package written whole, or (stopped, or not writable) not at all.
ExportResult writePackage(const QString& packagePath, const QString& skinFolder,
                          const QString& skinName, const std::atomic<bool>& stopping);
// Window thread: what went wrong, if anything.
void reportExport(const ExportResult& result, const QString& packagePath, Prompts& prompts);

struct ImportResult {
    // The skin's folder was made or written into.
    bool imported = false;
    QString skinName;
    // The user answered the closing question with Yes: apply the skin now (its own question
    // comes first).
    bool applyRequested = false;
    // Entries refused or not written, and why the package was damaged if it was.
    QStringList problems;
};

// Reads the package into the skin folder of the name it holds, replacing contained files whole
// and keeping the skin's other files. The entries are written into a hidden staging folder first
// and moved into the skin's folder at the end, so a new skin appears only once whole. Asks
// before importing another version; entry names that would lead outside the skin's folder are
// refused; a damaged package keeps the entries read before the damage (and leaves nothing when
// it is damaged before its first entry); a package beyond maxEntries or maxBytes is refused
// whole. Ends with the question whether to use the skin now, or, when anything went wrong, with
// a message saying what. An empty path does nothing.
ImportResult importSkin(const QString& packagePath, const QString& dataFolder, Prompts& prompts);

// The questions of an import, asked on the window thread between the steps of SkinPackageImport.
// True: import the package of the other version all the same.
bool askImportOtherVersion(const QByteArray& fileVersion, Prompts& prompts);
// The end of a package's import: why it was refused, what went wrong, or the question whether to
// use the skin now (true: yes).
bool finishImport(const SkinPackageImport& import, Prompts& prompts);

// Packages met among added files (in a folder, named by a playlist) are offered together: one
// question listing them (true: import them all), and after their imports one message naming the
// skins imported and what went wrong. A package's version question is still asked.
bool askImportFound(const QStringList& packagePaths, Prompts& prompts);
void reportFoundImports(const QStringList& skinNames, const QStringList& problems,
                        Prompts& prompts);

}  // namespace SkinPackage
