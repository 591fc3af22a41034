#pragma once

#include "Glyph.h"
#include "PixelShapes.h"

// Hand-placed 10 x 10 glyphs for the smallest buttons; anti-aliasing would only blur them.
namespace SmallGlyphs {

const PixelShapes::PixelMap& map(Glyph glyph);

}  // namespace SmallGlyphs
