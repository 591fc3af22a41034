#pragma once

#include <QString>

#include "skins/SkinWindowFile.h"

class Element;

// An element as an edit found or left it: its window file record and, for a button, the picture
// it showed. The record alone rebuilds the element; a button's picture may also follow the
// player (play or pause, collapsed or expanded) in a way no record holds.
struct ElementSnapshot {
    SkinWindowFile::ElementRecord record;
    QString picture;

    static ElementSnapshot of(const Element& element);
    // A rebuilt button shows the picture it had; nothing changes for the other types, or
    // when no picture was taken.
    void restorePicture(Element& element) const;
};
