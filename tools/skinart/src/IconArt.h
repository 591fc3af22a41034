#pragma once

#include <QImage>
#include <QString>

#include <vector>

// The program icon: a small skin window holding a play button and a progress track, in the
// default skin's colours. One shape list feeds both the pixel pictures and the scalable one.
namespace IconArt {

// The sizes the desktop's icon themes ask for.
const std::vector<int>& pixelSizes();

// The 16-pixel icon is placed pixel by pixel after the shapes; every other size is drawn from them.
QImage draw(int size);
// The same drawing as a standalone SVG document.
QString svg();

}  // namespace IconArt
