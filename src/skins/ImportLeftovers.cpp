#include "skins/ImportLeftovers.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <algorithm>

#include "skins/Skin.h"
#include "skins/SkinPackage.h"

namespace {

// "<target>.<random base 36>.part": the new file of a save (package entries' are staged).
// Checked by hand, as are the names below: a regular expression (a name filter is one too)
// would be compiled, and its library paged in, at every start.
bool isOurPart(const QString& fileName) {
    const QLatin1String suffix(".part");
    if (!fileName.endsWith(suffix)) {
        return false;
    }
    const QStringView stem = QStringView(fileName).chopped(suffix.size());
    const qsizetype dot = stem.lastIndexOf(u'.');
    const QStringView random = stem.mid(dot + 1);
    if (dot < 1 || random.isEmpty() || random.size() > 13 || stem.left(dot).contains(u'\n')) {
        return false;
    }
    return std::all_of(random.begin(), random.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z');
    });
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
    const QStringList folders =
        QDir(skinsFolder)
            .entryList(QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString& name : folders) {
        // Matched by hand, as a name filter would (without regard to case).
        if (!name.startsWith(QLatin1String(SkinPackage::stagingPrefix), Qt::CaseInsensitive)) {
            continue;
        }
        removed += QDir(skinsFolder + "/" + name).removeRecursively() ? 1 : 0;
    }
    removed += removeParts(dataFolder, QDirIterator::NoIteratorFlags);
    removed += removeParts(skinsFolder, QDirIterator::Subdirectories);
    return removed;
}
