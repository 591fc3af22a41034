#pragma once

#include <QList>
#include <QRgb>

// The one palette of the default skin. Every picture is drawn from these colours (and, at the
// larger size classes, from blends between them along anti-aliased edges).
namespace SkinColours {

// The window background and the transparent colour: pixels of exactly this colour are not drawn.
inline constexpr QRgb background = qRgb(62, 73, 67);

// Button faces: normal, hover (lifted) and pressed (sunk), each with its one-pixel top edge.
inline constexpr QRgb face = qRgb(84, 98, 91);
inline constexpr QRgb faceTop = qRgb(104, 119, 111);
inline constexpr QRgb faceHover = qRgb(108, 124, 116);
inline constexpr QRgb faceHoverTop = qRgb(132, 148, 140);
inline constexpr QRgb facePressed = qRgb(43, 51, 47);
inline constexpr QRgb facePressedTop = qRgb(30, 36, 33);

inline constexpr QRgb glyph = qRgb(236, 241, 238);
// The glyph of a state that is on; used for nothing else.
inline constexpr QRgb glyphOn = qRgb(247, 178, 72);

// Grooves and inset panels.
inline constexpr QRgb groove = qRgb(34, 41, 37);
inline constexpr QRgb grooveShadow = qRgb(22, 27, 24);

// Slider fills, the second accent.
inline constexpr QRgb progressFill = qRgb(98, 200, 166);
inline constexpr QRgb volumeFill = qRgb(98, 200, 166);

// Slider knob: normal, hover, pressed.
inline constexpr QRgb knob = qRgb(196, 205, 200);
inline constexpr QRgb knobHover = qRgb(244, 247, 245);
inline constexpr QRgb knobPressed = qRgb(140, 152, 146);

// The thin frame line of the list box.
inline constexpr QRgb frameLine = qRgb(132, 147, 139);

// The fixed palette: every colour above and evenly spaced blends between the pairs that meet
// along anti-aliased edges. The background is entry 0.
QList<QRgb> palette();

}  // namespace SkinColours
