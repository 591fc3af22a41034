#pragma once

#include "Glyph.h"

#include <QPainterPath>

// Vector glyphs for the larger buttons, as filled outlines on a 12 x 12 design grid
// (one grid unit is one pixel on a 20-pixel button and 1.5 pixels on a 30-pixel one).
namespace GlyphPaths {

inline constexpr double gridSize = 12.0;

QPainterPath path(Glyph glyph);

}  // namespace GlyphPaths
