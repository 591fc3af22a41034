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

// The name of a picture's twin drawn at twice the resolution: "105_prev.bmp" -> "105_prev@2x.bmp".
QString doubleSizeNameOf(const QString& pictureName);

// How many picture pixels make one skin pixel on screens of the device pixel ratio: 2 at an
// even whole ratio, where pictures drawn at twice the resolution map onto whole device pixels;
// otherwise 1, each picture pixel drawn as a whole block.
int pictureScaleFor(double devicePixelRatio);

// The element's picture for the screens the program runs on. A picture that cannot be loaded
// is reported and the built-in picture of that name drawn instead. At picture scale 2 the
// twin "<name>@2x.bmp" beside it is drawn when it measures twice the picture; the built-in
// picture brings its built-in twin.
std::unique_ptr<Bitmap> load(const QString& skinFolder, int sizeClass, const QString& pictureName);
std::unique_ptr<Bitmap> load(const QString& skinFolder, int sizeClass, const QString& pictureName,
                             int pictureScale);

// While held, a missing picture with a built-in copy is drawn from the program at once and
// written into the skin only on release (a first start would otherwise write every picture of
// the skin before its first frame). Release writes those still missing and stops holding.
void holdRestores();
void releaseRestores();

}  // namespace PictureLookup
