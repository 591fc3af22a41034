#pragma once

#include <QImage>

// Puts the piece pictures together the way the player's elements do (tiles, caps, fill, knob,
// text, with the background colour left out), so the sheet also shows how they look in use.
namespace UsePreview {

struct Pictures {
    QImage progress[3];
    QImage volume[3];
    QImage info;
    QImage listBox;
};

QImage draw(const Pictures& pictures);

}  // namespace UsePreview
