#include "SkinColours.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace SkinColours {
namespace {

constexpr int blendSteps = 7;

QRgb blend(QRgb from, QRgb to, int step, int steps) {
    auto mix = [&](int a, int b) { return (a * (steps - step) + b * step + steps / 2) / steps; };
    return qRgb(mix(qRed(from), qRed(to)), mix(qGreen(from), qGreen(to)),
                mix(qBlue(from), qBlue(to)));
}

}  // namespace

QList<QRgb> palette() {
    const std::vector<QRgb> keys = {
        background,     face,  faceTop,   faceHover,   faceHoverTop, facePressed,
        facePressedTop, glyph, glyphOn,   groove,      grooveShadow, progressFill,
        volumeFill,     knob,  knobHover, knobPressed, frameLine};
    const std::vector<std::pair<QRgb, QRgb>> edges = {
        {background, face},    {background, faceHover},    {background, facePressed},
        {background, faceTop}, {background, faceHoverTop}, {background, facePressedTop},
        {face, faceTop},       {faceHover, faceHoverTop},  {facePressed, facePressedTop},
        {face, glyph},         {faceHover, glyph},         {facePressed, glyph},
        {face, glyphOn},       {faceHover, glyphOn},       {facePressed, glyphOn},
        {background, groove},  {groove, grooveShadow},     {background, grooveShadow},
        {background, knob},    {background, knobHover},    {background, knobPressed},
    };
    QList<QRgb> colours(keys.begin(), keys.end());
    for (const auto& [from, to] : edges) {
        for (int step = 1; step < blendSteps + 1; ++step) {
            colours.append(blend(from, to, step, blendSteps + 1));
        }
    }
    QList<QRgb> unique;
    for (QRgb colour : colours) {
        if (!unique.contains(colour)) {
            unique.append(colour);
        }
    }
    return unique;
}

}  // namespace SkinColours
