#include "skin_ui/drawing/PictureLookup.h"

#include <QDir>

#include "skin_ui/drawing/Bitmap.h"
#include "skin_ui/drawing/Engine.h"

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
    const QString classFolder = skinFolder + "/" + QString::number(sizeClass);
    const QString path = classFolder + "/" + pictureName;
    if (!Engine::fileExists(path)) {
        QDir().mkpath(classFolder);
        Engine::extractResource(path, resourceIdOf(pictureName, sizeClass));
    }
    return path;
}

std::unique_ptr<Bitmap> PictureLookup::load(const QString& skinFolder, int sizeClass,
                                            const QString& pictureName) {
    return std::make_unique<Bitmap>(ensurePicture(skinFolder, sizeClass, pictureName));
}
