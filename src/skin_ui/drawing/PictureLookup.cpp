#include "skin_ui/drawing/PictureLookup.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cmath>
#include <vector>

#include "ResourceTable.h"
#include "common/DebugLog.h"
#include "skin_ui/drawing/Bitmap.h"
#include "skins/SkinFiles.h"

namespace {

QString classFolderOf(const QString& skinFolder, int sizeClass) {
    return skinFolder + "/" + QString::number(sizeClass);
}

struct HeldRestore {
    QString skinFolder;
    int sizeClass;
    QString pictureName;
};
bool holding = false;
std::vector<HeldRestore> heldRestores;

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The picture from the skin, or the built-in one when the skin's file cannot be loaded.
std::unique_ptr<Bitmap> loadOrBuiltIn(const QString& path, const QString& builtIn, bool& fellBack) {
    auto picture = std::make_unique<Bitmap>(path);
    fellBack = !picture->isLoaded() && !builtIn.isEmpty();
    if (!fellBack) {
        return picture;
    }
    // A broken picture would leave its element 0 x 0 and out of reach of the mouse; the
    // program's own picture of that name stands in (the file in the skin is left as it is).
    DebugLog::write("using the built-in picture for (" + path.toStdString() + ")\n");
    return std::make_unique<Bitmap>(builtIn, picture->getName());
}

}  // namespace

int PictureLookup::resourceIdOf(const QString& pictureName, int sizeClass) {
    // Read like a number: the class digit followed by the name's first three characters,
    // stopping at the first non-digit.
    const QString text = QString::number(sizeClass) + pictureName.left(3);
    int value = 0;
    for (QChar c : text) {
        if (!c.isDigit()) {
            break;
        }
        value = value * 10 + c.digitValue();
    }
    return value;
}

QString PictureLookup::ensurePicture(const QString& skinFolder, int sizeClass,
                                     const QString& pictureName) {
    const QString classFolder = classFolderOf(skinFolder, sizeClass);
    const QString path = classFolder + "/" + pictureName;
    if (!SkinFiles::fileExists(path)) {
        QDir().mkpath(classFolder);
        SkinFiles::extractResource(path, resourceIdOf(pictureName, sizeClass));
    }
    return path;
}

QString PictureLookup::doubleSizeNameOf(const QString& pictureName) {
    const qsizetype dot = pictureName.lastIndexOf('.');
    return dot < 0 ? pictureName + "@2x" : pictureName.left(dot) + "@2x" + pictureName.mid(dot);
}

int PictureLookup::pictureScaleFor(double devicePixelRatio) {
    const long whole = std::lround(devicePixelRatio);
    return whole >= 2 && whole % 2 == 0 ? 2 : 1;
}

std::unique_ptr<Bitmap> PictureLookup::load(const QString& skinFolder, int sizeClass,
                                            const QString& pictureName) {
    const double ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return load(skinFolder, sizeClass, pictureName, pictureScaleFor(ratio));
}

std::unique_ptr<Bitmap> PictureLookup::load(const QString& skinFolder, int sizeClass,
                                            const QString& pictureName, int pictureScale) {
    const int id = resourceIdOf(pictureName, sizeClass);
    const QString builtIn = ResourceTable::pathOf(id);
    const QString path = classFolderOf(skinFolder, sizeClass) + "/" + pictureName;
    bool fellBack = false;
    std::unique_ptr<Bitmap> picture;
    if (holding && !builtIn.isEmpty() && !SkinFiles::fileExists(path)) {
        heldRestores.push_back({skinFolder, sizeClass, pictureName});
        picture = std::make_unique<Bitmap>(builtIn, pictureName);
        fellBack = true;
    } else {
        ensurePicture(skinFolder, sizeClass, pictureName);
        picture = loadOrBuiltIn(path, builtIn, fellBack);
    }
    if (pictureScale < 2 || !picture->isLoaded()) {
        return picture;
    }
    QString sharpPath = classFolderOf(skinFolder, sizeClass) + "/" + doubleSizeNameOf(pictureName);
    if (!SkinFiles::fileExists(sharpPath)) {
        // The built-in twin belongs to the built-in picture only: a picture the skin replaced
        // keeps its own look, drawn in blocks.
        const bool isBuiltIn =
            fellBack || (!builtIn.isEmpty() && contentsOf(path) == contentsOf(builtIn));
        sharpPath = isBuiltIn ? ResourceTable::doubleSizePathOf(id) : QString();
        if (sharpPath.isEmpty()) {
            return picture;
        }
    }
    auto sharp = std::make_unique<Bitmap>(sharpPath, picture->getName(), 2);
    if (!sharp->isLoaded()) {
        return picture;
    }
    if (sharp->width() != picture->width() || sharp->height() != picture->height()) {
        DebugLog::write("ignoring (" + sharpPath.toStdString() + "): not twice the size of (" +
                        path.toStdString() + ")\n");
        return picture;
    }
    return sharp;
}

void PictureLookup::holdRestores() {
    holding = true;
}

void PictureLookup::releaseRestores() {
    holding = false;
    for (const HeldRestore& held : heldRestores) {
        ensurePicture(held.skinFolder, held.sizeClass, held.pictureName);
    }
    heldRestores.clear();
}
