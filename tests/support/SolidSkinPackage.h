#pragma once
#include <QByteArray>
#include <QRgb>
#include <QString>

// A skin package of the named skin holding, for every picture of the folders "0", "1" and "2"
// of picturesFolder, a picture of the same size filled with one colour: whatever shows a
// picture of that skin shows that colour.
QByteArray solidSkinPackage(const QString& skinName, QRgb colour, const QString& picturesFolder);
