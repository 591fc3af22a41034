#pragma once

#include <QByteArray>

// Skins are pixel art and are drawn at whole device pixel factors only, so no picture is
// stretched into uneven pixel widths and no seam opens between elements. Qt rounds the factor
// it derives from the screen when asked to; the factors a user sets in QT_SCALE_FACTOR and
// QT_SCREEN_SCALE_FACTORS it takes as they are, so those are rounded here the same way
// (1.5 becomes 2, 1.25 becomes 1).
namespace WholeScaleFactor {

// Chooses rounding and rounds the factors in the environment. Call before the application
// object exists.
void apply();

// A factor list as those variables hold it ("1.5", "2;1.25", "DP-1=1.5;HDMI-1=1") with every
// factor rounded half up, and never below 1; entries that are not numbers are kept as they are.
QByteArray rounded(const QByteArray& factors);

}  // namespace WholeScaleFactor
