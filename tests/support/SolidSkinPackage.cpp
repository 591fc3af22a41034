#include "support/SolidSkinPackage.h"
#include <QBuffer>
#include <QDir>
#include <QImage>

QByteArray solidSkinPackage(const QString& skinName, QRgb colour, const QString& picturesFolder) {
    QByteArray package = "#VP-V1.0.0|" + skinName.toLatin1();
    for (const QString sizeClass : {"0", "1", "2"}) {
        const QDir folder(picturesFolder + "/" + sizeClass);
        for (const QString& name : folder.entryList({"*.bmp"}, QDir::Files, QDir::Name)) {
            if (name.contains('@')) {
                continue;  // the high-density twins keep their own pictures
            }
            QImage picture = QImage(folder.filePath(name)).convertToFormat(QImage::Format_RGB32);
            picture.fill(colour);
            QBuffer bytes;
            bytes.open(QIODevice::WriteOnly);
            picture.save(&bytes, "BMP");
            package += "|" + (sizeClass + "\\" + name).toLatin1() + "|" +
                       QByteArray::number(bytes.data().size()) + "|" + bytes.data();
        }
    }
    return package;
}
