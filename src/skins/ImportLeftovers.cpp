#include "skins/ImportLeftovers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "skins/Skin.h"
#include "skins/SkinPackage.h"

namespace {

// "<target>.<random base 36>.part": the new file of a save (package entries' are staged).
bool isOurPart(const QString& fileName) {
    static const QRegularExpression part("^.+\\.[0-9a-z]{1,13}\\.part$");
    return part.match(fileName).hasMatch();
}

int removeParts(const QString& folder, QDirIterator::IteratorFlags flags) {
    int removed = 0;
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks, flags);
    while (files.hasNext()) {
        files.next();
        if (isOurPart(files.fileName()) && QFile::remove(files.filePath())) {
            ++removed;
        }
    }
    return removed;
}

}  // namespace

int ImportLeftovers::remove(const QString& dataFolder) {
    const QString skinsFolder = dataFolder + "/" + Skin::skinsFolderName;
    int removed = 0;
    const QStringList staging =
        QDir(skinsFolder)
            .entryList({QString(SkinPackage::stagingPrefix) + "*"},
                       QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString& name : staging) {
        removed += QDir(skinsFolder + "/" + name).removeRecursively() ? 1 : 0;
    }
    removed += removeParts(dataFolder, QDirIterator::NoIteratorFlags);
    removed += removeParts(skinsFolder, QDirIterator::Subdirectories);
    return removed;
}
