#pragma once

#include <QString>
#include <memory>

class Bitmap;

// Finds an element's picture in the current skin's folder for its size class, restoring a
// missing picture there from the built-in set first.
namespace PictureLookup {

// The built-in resource id of a picture: the size class digit, then the number that starts
// the name ("105_prev.bmp" at class 2 gives 2105; a name without a number gives the class * 1000).
int resourceIdOf(const QString& pictureName, int sizeClass);

// The picture file for the element, restored from the program when missing.
QString ensurePicture(const QString& skinFolder, int sizeClass, const QString& pictureName);

std::unique_ptr<Bitmap> load(const QString& skinFolder, int sizeClass, const QString& pictureName);

}  // namespace PictureLookup
