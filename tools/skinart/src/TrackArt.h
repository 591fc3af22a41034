#pragma once

#include <QImage>
#include <QRgb>

// Pictures read in pieces: the slider (knob frames, track caps and tiles, fill colour), the
// info strip and the list box frame. Unused areas stay in the background colour.
namespace TrackArt {

// Every picture is measured in skin pixels and drawn with `scale` device pixels to each (1, or
// 2 for high-density screens).

// 4u x 2.5u with u = 10, 20 or 30 for size class 0, 1 or 2.
QImage slider(int sizeClass, int scale, QRgb fill);
// 15 x 20: left cap, middle tile, right cap of a dark inset panel.
QImage info(int scale);
// 40 x 25: 5 x 5 corner and edge tiles of a thin rounded frame.
QImage listBox(int scale);

}  // namespace TrackArt
