#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <atomic>
#include <memory>

#include "skins/SkinPackage.h"

class QTemporaryDir;

// One package's import, in the steps that read and write files and may take long (a package can
// be large or hostile), so that they can run off the window thread while the questions between
// them are asked on it: open, then (after the version question) importEntries. SkinPackage's
// importSkin and the skin library's package thread take the steps in that order.
class SkinPackageImport {
public:
    SkinPackageImport(const QString& packagePath, const QString& dataFolder);
    ~SkinPackageImport();
    SkinPackageImport(const SkinPackageImport&) = delete;
    SkinPackageImport& operator=(const SkinPackageImport&) = delete;

    // Opens the package (a regular file only, never a pipe), checks it against the bounds of a
    // package and reads its version and skin name. False when it is refused whole: failure()
    // says why, and nothing was written.
    bool open(const std::atomic<bool>& stopping);
    // The package's version differs from this program's: ask before importEntries.
    bool otherVersion() const { return fileVersion_ != SkinPackage::version; }
    const QByteArray& fileVersion() const { return fileVersion_; }

    // Reads the entries into a hidden staging folder in the skins folder and moves them into the
    // skin's folder, so a new skin appears only once whole. Stopped early, it moves nothing and
    // its staging folder goes.
    void importEntries(const std::atomic<bool>& stopping);

    const QString& packagePath() const { return path; }
    // Why the package was refused whole (nothing written); empty otherwise.
    const QString& failure() const { return failureText; }
    // Entries were read but none could be written.
    bool nothingImported() const { return !result_.imported && !result_.problems.isEmpty(); }
    const SkinPackage::ImportResult& result() const { return result_; }

private:
    const QString path;
    const QString dataFolder;
    QFile package;
    QByteArray fileVersion_;
    QString skinFolder;
    QString failureText;
    SkinPackage::ImportResult result_;
};
